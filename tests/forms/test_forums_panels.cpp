// The forum index, favourites and other pages panels in the main window.
#include "browse/OtherPagesPanel.h"
#include "fakes/FakeHost.h"
#include "fakes/MainFixture.h"
#include "forms/test_forums_disk.h"
#include "forums/FavouritesPanel.h"
#include "forums/ForumPanel.h"
#include "ui/ToggleButton.h"

#include <QDir>
#include <QListWidget>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

namespace {

// A real mouse click on a list item, as the user makes it.
void clickItem(QListWidget* l, int row) {
  QListWidgetItem* it = l->item(row);
  ASSERT_NE(it, nullptr);
  l->scrollToItem(it);
  QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(it).center());
}

// A double-click as a widget receives it: a click, then the double-click
// event in place of the second press, and a release.
void doubleClickItem(QListWidget* l, int row) {
  const QPoint at = l->visualItemRect(l->item(row)).center();
  QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, at);
  QMouseEvent dbl(QEvent::MouseButtonDblClick, at, l->viewport()->mapToGlobal(at), Qt::LeftButton,
                  Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(l->viewport(), &dbl);
  QTest::mouseRelease(l->viewport(), Qt::LeftButton, {}, at);
}

const char* kForums = "\"101 Calcio\"\r\n\"205 Cucina, ricette\"\r\n\"310 Musica\"\r\n";
const QString kAddArmed = QStringLiteral("IL FORUM VERRA' AGGIUNTO AI PREFERITI");
const QString kAddOff = QStringLiteral("IL FORUM NON VERRA' AGGIUNTO AI PREFERITI");
const QString kRemoveArmed = QStringLiteral("IL FORUM VERRA' RIMOSSO DAI PREFERITI");
const QString kRemoveOff = QStringLiteral("IL FORUM NON VERRA' RIMOSSO DAI PREFERITI");

class Forums : public MainFixture {
protected:
  void SetUp() override {
    MainFixture::SetUp();
    qputenv("SLV_PORTAL_HOST", "portal.test");
  }
  void TearDown() override { qunsetenv("SLV_PORTAL_HOST"); }

  ForumPanel& index() { return *win->fraForum; }
  FavouritesPanel& favourites() { return *win->fraPreferiti; }
  QString forumPage(const QString& board) {
    return "navigate http://portal.test/forum/viewforum.php?f=" + board;
  }
  QStringList pageCalls() { // navigations of the forum pane after start-up
    return pane(0).calls.mid(1);
  }
};

} // namespace

TEST_F(Forums, TheTogglesTellTheirModeAtEveryMomentAndSurviveClosing) {
  auto& w = load();
  w.mnuWindow[0]->trigger();
  EXPECT_EQ(index().chkForum->text(), kAddOff);
  index().chkForum->click();
  EXPECT_EQ(index().chkForum->value(), 1);
  EXPECT_EQ(index().chkForum->text(), kAddArmed);
  w.Form_KeyDown(27, 0);
  w.mnuWindow[1]->trigger();
  w.mnuWindow[0]->trigger();
  EXPECT_EQ(index().chkForum->text(), kAddArmed);
  index().chkForum->click();
  EXPECT_EQ(index().chkForum->text(), kAddOff);
  // A change made by the program tells it too.
  index().chkForum->setValue(1);
  EXPECT_EQ(index().chkForum->text(), kAddArmed);

  EXPECT_EQ(favourites().chkAdd->text(), kRemoveOff);
  favourites().chkAdd->click();
  EXPECT_EQ(favourites().chkAdd->text(), kRemoveArmed);
  w.cmdClose[3]->click();
  w.mnuWindow[1]->trigger();
  EXPECT_EQ(favourites().chkAdd->text(), kRemoveArmed);
  favourites().chkAdd->setValue(0);
  EXPECT_EQ(favourites().chkAdd->text(), kRemoveOff);
  EXPECT_EQ(pageCalls(), QStringList{});
}

TEST_F(Forums, AForumOpensInTheForumPaneWithoutBringingItToFront) {
  writeFile("Allforums.svl", kForums);
  auto& w = load();
  w.pboWins_Click(2); // the mail pane in front
  w.mnuWindow[0]->trigger();
  clickItem(index().lstForum, 1);
  EXPECT_EQ(platform.beeps, 1);
  EXPECT_EQ(pageCalls(), QStringList{forumPage("205")});
  EXPECT_EQ(w.CurrentBrowser, w.WBMail.get());
  EXPECT_FALSE(w.WBMain->widget()->isVisible());
  EXPECT_EQ(pane(2).calls.size(), 1); // only its home page
  // Without the toggle nothing is added, and no file is made.
  EXPECT_FALSE(QFile::exists(dir.filePath("Favourite.svl")));
  // Choosing the same forum again opens it again.
  clickItem(index().lstForum, 1);
  EXPECT_EQ(pageCalls(), (QStringList{forumPage("205"), forumPage("205")}));
  // The keyboard chooses too.
  index().lstForum->setCurrentRow(2);
  QTest::keyClick(index().lstForum, Qt::Key_Return);
  EXPECT_EQ(pageCalls().last(), forumPage("310"));
}

TEST_F(Forums, AnArmedChoiceIsOpenedAddedAndUsesUpTheMode) {
  writeFile("Allforums.svl", kForums);
  writeFile("Favourite.svl", "\"310 Musica\"\r\n");
  auto& w = load();
  w.mnuWindow[0]->trigger();
  index().chkForum->click();
  clickItem(index().lstForum, 1);
  EXPECT_EQ(pageCalls(), QStringList{forumPage("205")});
  EXPECT_EQ(readFile("Favourite.svl"), "\"310 Musica\"\r\n\"205 Cucina, ricette\"\r\n");
  EXPECT_EQ(items(favourites().lstPreferiti), (QStringList{"310 Musica", "205 Cucina, ricette"}));
  EXPECT_EQ(index().chkForum->value(), 0);
  EXPECT_EQ(index().chkForum->text(), kAddOff);
  // The mode is used up: the same forum again is only opened.
  clickItem(index().lstForum, 1);
  EXPECT_EQ(favourites().lstPreferiti->count(), 2);
  // Armed twice, chosen twice: two identical lines.
  index().chkForum->click();
  clickItem(index().lstForum, 0);
  index().chkForum->click();
  clickItem(index().lstForum, 0);
  EXPECT_EQ(readFile("Favourite.svl"),
            "\"310 Musica\"\r\n\"205 Cucina, ricette\"\r\n\"101 Calcio\"\r\n\"101 Calcio\"\r\n");
  EXPECT_EQ(items(favourites().lstPreferiti).count("101 Calcio"), 2);
  EXPECT_EQ(platform.beeps, 4);
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(Forums, NoChoiceOrAShortEntryDoesNotCrash) {
  writeFile("Allforums.svl", "7\r\n\r\n");
  writeFile("Favourite.svl", "\"42\"\r\n");
  auto& w = load();
  ASSERT_EQ(items(index().lstForum), (QStringList{"7", ""}));
  index().lstForum_Click();
  favourites().lstPreferiti_Click();
  EXPECT_EQ(platform.beeps, 0);
  EXPECT_EQ(pageCalls(), QStringList{});

  index().lstForum->setCurrentRow(0);
  index().lstForum_Click();
  index().lstForum->setCurrentRow(1);
  index().lstForum_Click();
  favourites().lstPreferiti->setCurrentRow(0);
  favourites().lstPreferiti_Click();
  EXPECT_EQ(pageCalls(), (QStringList{forumPage("7"), forumPage(""), forumPage("42")}));
  (void)w;
}

TEST_F(Forums, AFavouriteOpensUnlessTheRemovingModeIsArmed) {
  writeFile("Favourite.svl", "\"101 Calcio\"\r\n\"205 Cucina\"\r\n\"310 Musica\"\r\n");
  auto& w = load();
  w.pboWins_Click(1);
  w.mnuWindow[1]->trigger();
  clickItem(favourites().lstPreferiti, 2);
  EXPECT_EQ(pageCalls(), QStringList{forumPage("310")});
  EXPECT_EQ(w.CurrentBrowser, w.WBMess.get());

  favourites().chkAdd->click();
  clickItem(favourites().lstPreferiti, 1);
  EXPECT_EQ(pageCalls(), QStringList{forumPage("310")}); // not opened
  EXPECT_EQ(readFile("Favourite.svl"), "\"101 Calcio\"\r\n\"310 Musica\"\r\n");
  EXPECT_EQ(items(favourites().lstPreferiti), (QStringList{"101 Calcio", "310 Musica"}));
  EXPECT_EQ(favourites().chkAdd->value(), 0);
  EXPECT_EQ(favourites().chkAdd->text(), kRemoveOff);
  EXPECT_EQ(platform.beeps, 2);
}

TEST_F(Forums, OnlyTheChosenOneOfTwinFavouritesGoes) {
  writeFile("Favourite.svl", "\"101 Calcio\"\r\n\"205 Cucina\"\r\n\"101 Calcio\"\r\n");
  load().mnuWindow[1]->trigger();
  favourites().chkAdd->click();
  clickItem(favourites().lstPreferiti, 2);
  EXPECT_EQ(readFile("Favourite.svl"), "\"101 Calcio\"\r\n\"205 Cucina\"\r\n");
  favourites().chkAdd->click();
  clickItem(favourites().lstPreferiti, 0);
  EXPECT_EQ(readFile("Favourite.svl"), "\"205 Cucina\"\r\n");
  EXPECT_EQ(items(favourites().lstPreferiti), QStringList{"205 Cucina"});
}

TEST_F(Forums, ARemovalWorksOnTheFileAsItIsNowNotOnTheListShown) {
  writeFile("Favourite.svl", "\"101 Calcio\"\r\n\"205 Cucina\"\r\n");
  load().mnuWindow[1]->trigger();
  // Another start of the program added a forum in front after the list was read.
  writeFile("Favourite.svl", "\"012 Caff\xE8\"\r\n\"101 Calcio\"\r\n\"205 Cucina\"\r\n");
  favourites().chkAdd->click();
  clickItem(favourites().lstPreferiti, 1);
  EXPECT_EQ(readFile("Favourite.svl"), "\"012 Caff\xE8\"\r\n\"101 Calcio\"\r\n");
  EXPECT_EQ(items(favourites().lstPreferiti), (QStringList{"012 Caffè", "101 Calcio"}));
  // The chosen forum was taken out by hand meanwhile: nothing else goes.
  writeFile("Favourite.svl", "\"012 Caff\xE8\"\r\n");
  favourites().chkAdd->click();
  clickItem(favourites().lstPreferiti, 1);
  EXPECT_EQ(readFile("Favourite.svl"), "\"012 Caff\xE8\"\r\n");
  EXPECT_EQ(items(favourites().lstPreferiti), QStringList{"012 Caffè"});
}

TEST_F(Forums, RemovingTheOnlyFavouriteLeavesAnEmptyFile) {
  writeFile("Favourite.svl", "\"101 Calcio\"\r\n");
  load().mnuWindow[1]->trigger();
  favourites().chkAdd->click();
  clickItem(favourites().lstPreferiti, 0);
  EXPECT_EQ(favourites().lstPreferiti->count(), 0);
  EXPECT_TRUE(QFile::exists(dir.filePath("Favourite.svl")));
  EXPECT_EQ(readFile("Favourite.svl").size(), 0);
}

TEST_F(Forums, AnAdditionThatCannotBeWrittenIsToldAndChangesNothing) {
  writeFile("Allforums.svl", kForums);
  // A folder where the file should be: no one can write it, root included.
  ASSERT_TRUE(QDir(dir.path()).mkdir("Favourite.svl"));
  auto& w = load();
  w.mnuWindow[0]->trigger();
  index().chkForum->click();
  clickItem(index().lstForum, 0);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].style, vbExclamation);
  EXPECT_TRUE(platform.messages[0].text.contains("Favourite.svl"));
  EXPECT_TRUE(platform.messages[0].text.contains("101 Calcio"));
  EXPECT_TRUE(platform.messages[0].text.contains(QString::fromUtf8("non è stato modificato")));
  EXPECT_TRUE(QFileInfo(dir.filePath("Favourite.svl")).isDir());
  EXPECT_EQ(favourites().lstPreferiti->count(), 0);
  EXPECT_EQ(pageCalls(), QStringList{forumPage("101")}); // the forum still opens
}

#if !defined(_WIN32) // a full disk is a file-size limit
TEST_F(Forums, AFullDiskMidAdditionLeavesNoHalfLine) {
  writeFile("Allforums.svl", kForums);
  writeFile("Favourite.svl", "\"310 Musica\"\r\n");
  auto& w = load();
  w.mnuWindow[0]->trigger();
  index().chkForum->click();
  {
    FileSizeLimit limit(20);
    clickItem(index().lstForum, 1);
  }
  EXPECT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(readFile("Favourite.svl"), "\"310 Musica\"\r\n");
  EXPECT_EQ(items(favourites().lstPreferiti), QStringList{"310 Musica"});
}

TEST_F(Forums, AFailedRemovalKeepsTheFileAndShowsWhatIsOnDisk) {
  const QByteArray old = "\"101 Calcio\"\r\n\"205 Cucina\"\r\n\"310 Musica\"\r\n";
  writeFile("Favourite.svl", old);
  load().mnuWindow[1]->trigger();
  favourites().chkAdd->click();
  {
    FileSizeLimit limit(10);
    clickItem(favourites().lstPreferiti, 1);
  }
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_TRUE(platform.messages[0].text.contains("205 Cucina"));
  EXPECT_EQ(readFile("Favourite.svl"), old);
  EXPECT_EQ(items(favourites().lstPreferiti),
            (QStringList{"101 Calcio", "205 Cucina", "310 Musica"}));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"Favourite.svl"});
}
#endif

TEST_F(Forums, EntriesTheFileCannotHoldAreRefused) {
  // An unquoted line may carry a double quote; a quoted field may run over a line end.
  writeFile("Allforums.svl", "123 Il \"Bar\"\r\n\"124 uno\r\ndue\"\r\n");
  writeFile("Favourite.svl", "\"101 Calcio\"\r\n");
  auto& w = load();
  w.mnuWindow[0]->trigger();
  for (int row : {0, 1}) {
    index().chkForum->click();
    clickItem(index().lstForum, row);
  }
  ASSERT_EQ(platform.messages.size(), 2u);
  EXPECT_TRUE(platform.messages[0].text.contains("virgolette"));
  EXPECT_TRUE(platform.messages[1].text.contains(QString::fromUtf8("più righe")));
  favourites().addFavourite(QString::fromUtf8("日本 forum"));
  ASSERT_EQ(platform.messages.size(), 3u);
  EXPECT_TRUE(platform.messages[2].text.contains("caratteri"));
  EXPECT_EQ(readFile("Favourite.svl"), "\"101 Calcio\"\r\n");
  EXPECT_EQ(items(favourites().lstPreferiti), QStringList{"101 Calcio"});

  // A removal that would have to rewrite such an entry is refused whole.
  writeFile("Favourite.svl", "\"101 Calcio\"\r\n123 Il \"Bar\"\r\n");
  favourites().reloadFavourites();
  favourites().chkAdd->setValue(1);
  favourites().lstPreferiti->setCurrentRow(0);
  favourites().lstPreferiti_Click();
  ASSERT_EQ(platform.messages.size(), 4u);
  EXPECT_TRUE(platform.messages[3].text.contains("123 Il \"Bar\""));
  EXPECT_EQ(readFile("Favourite.svl"), "\"101 Calcio\"\r\n123 Il \"Bar\"\r\n");
  EXPECT_EQ(favourites().lstPreferiti->count(), 2);
}

TEST_F(Forums, OtherPagesLoadIntoTheForumPane) {
  qputenv("SLV_HOMEPAGE_URL", "http://home.test/sky/");
  auto& w = load();
  w.pboWins_Click(2);
  w.mnuWindow[2]->trigger();
  auto& b = w.fraAltre->cmdAltrePagine;
  const QStringList captions{"LOGIN", "INDICE",      "CHI C'E' IN LINEA?",
                             "CERCA", "SKY FOR ALL", "REGOLAMENTO"};
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(b[i]->text(), captions[i]);
    b[i]->click();
  }
  // Element 5 stands above element 4.
  EXPECT_LT(b[5]->y(), b[4]->y());
  EXPECT_LT(b[3]->y(), b[5]->y());
  const QString p = "navigate http://portal.test";
  EXPECT_EQ(pageCalls(), (QStringList{p + "/login.php", p + "/forum/", p + "/forum/viewonline.php",
                                      p + "/forum/search.php", "navigate http://home.test/sky/",
                                      p + "/disclaimer.php"}));
  EXPECT_EQ(w.CurrentBrowser, w.WBMail.get());
  EXPECT_TRUE(w.fraAltre->isVisible());
  w.fraAltre->cmdAltrePagine_Click(6);
  w.fraAltre->cmdAltrePagine_Click(-1);
  EXPECT_EQ(pageCalls().size(), 6);
  EXPECT_TRUE(platform.messages.empty());
  qunsetenv("SLV_HOMEPAGE_URL");
}

TEST(ListClicks, ADoubleClickIsOneClick) {
  // Removing a favourite with a double-click: the second half lands where the
  // next favourite now stands, and must not open it.
  QTemporaryDir dir;
  FakePlatform platform;
  platform.folder = dir.path();
  FakeHost host(platform);
  QFile f(dir.filePath("Favourite.svl"));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("\"101 Calcio\"\r\n\"205 Cucina\"\r\n");
  f.close();
  FavouritesPanel panel(host, &host.window);
  panel.reloadFavourites();
  host.window.resize(400, 600);
  host.window.show();
  panel.chkAdd->setValue(1);
  doubleClickItem(panel.lstPreferiti, 0);
  EXPECT_EQ(items(panel.lstPreferiti), QStringList{"205 Cucina"});
  EXPECT_EQ(platform.beeps, 1);
  EXPECT_TRUE(host.forum().calls.isEmpty());
  // A later single click counts again.
  QTest::mouseClick(panel.lstPreferiti->viewport(), Qt::LeftButton, {},
                    panel.lstPreferiti->visualItemRect(panel.lstPreferiti->item(0)).center());
  EXPECT_EQ(platform.beeps, 2);
  EXPECT_EQ(host.forum().calls.size(), 1);
}
