// The forum panels, the about window and the help window in the real program.
#include "e2e/E2E.h"

#include "browse/OtherPagesPanel.h"
#include "forums/FavouritesPanel.h"
#include "forums/ForumPanel.h"
#include "ui/ToggleButton.h"
#include "info/frmAbout.h"
#include "info/frmHelp.h"
#include "panes/WebEnginePane.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWebEngineView>
#include <gtest/gtest.h>

namespace {

void clickItem(QListWidget* l, int row) {
  QListWidgetItem* it = l->item(row);
  ASSERT_NE(it, nullptr);
  QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(it).center());
}

QByteArray bytesOf(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QWebEngineView* viewOf(BrowserPane* p) {
  return static_cast<WebEnginePane*>(p)->view();
}

} // namespace

TEST(ForumsE2E, ChooseAForumAddItToFavouritesAndLookAround) {
  e2e::Run run;
  ASSERT_TRUE(run.serve());
  ASSERT_TRUE(run.writeDataFile(
      "Allforums.svl",
      "\"101 Calcio\"\r\n\"205 Cucina, ricette e vini\"\r\n\"310 Musica\"\r\n\"5 - Cinema\"\r\n"));
  Portal& portal = run.portal;
  QTemporaryDir& folder = run.folder;
  NRV_SLV3& state = run.state;
  frmNRV_SLV3* w = run.start();
  ASSERT_NE(w, nullptr);
  QWebEngineView* main = viewOf(w->WBMain.get());
  ASSERT_TRUE(e2e::waitFor([&] { return main->title() == "Indice del forum"; }));
  w->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(w));

  // F2: the forum index; a click opens the forum in the forum pane.
  QTest::keyClick(w, Qt::Key_F2);
  ASSERT_TRUE(w->fraForum->isVisible());
  clickItem(w->fraForum->lstForum, 1);
  ASSERT_TRUE(e2e::waitFor(
      [&] { return main->url().toString() == portal.url("/forum/viewforum.php?f=205"); }));
  ASSERT_TRUE(e2e::waitFor([&] { return main->title() == "Forum f=205"; }));

  // Armed, the next forum chosen also lands in the favourites file.
  QTest::mouseClick(w->fraForum->chkForum, Qt::LeftButton);
  EXPECT_EQ(w->fraForum->chkForum->text(), "IL FORUM VERRA' AGGIUNTO AI PREFERITI");
  e2e::screenshot(w, "forum-index-armed");
  clickItem(w->fraForum->lstForum, 0);
  ASSERT_TRUE(e2e::waitFor([&] { return main->title() == "Forum f=101"; }));
  EXPECT_EQ(bytesOf(folder.filePath("Favourite.svl")), "\"101 Calcio\"\r\n");
  EXPECT_EQ(w->fraForum->chkForum->text(), "IL FORUM NON VERRA' AGGIUNTO AI PREFERITI");
  // The board number is whatever the first three characters are.
  clickItem(w->fraForum->lstForum, 3);
  ASSERT_TRUE(e2e::waitFor([&] { return main->title() == "Forum f=5 -"; }));
  e2e::screenshot(w, "forum-index");

  // F3: the favourites; the new one is there and opens its forum.
  QTest::keyClick(w, Qt::Key_F3);
  ASSERT_TRUE(w->fraPreferiti->isVisible());
  ASSERT_EQ(w->fraPreferiti->lstPreferiti->count(), 1);
  clickItem(w->fraPreferiti->lstPreferiti, 0);
  ASSERT_TRUE(e2e::waitFor([&] { return main->title() == "Forum f=101"; }));
  e2e::screenshot(w, "favourites");

  // F4: the other pages, loaded into the forum pane while the mail pane is in front.
  QTest::keyClick(w, Qt::Key_F4);
  ASSERT_TRUE(w->fraAltre->isVisible());
  w->pboWins_Click(2);
  QTest::mouseClick(w->fraAltre->cmdAltrePagine[3], Qt::LeftButton);
  ASSERT_TRUE(e2e::waitFor([&] { return main->title() == "Cerca"; }));
  EXPECT_FALSE(w->WBMain->widget()->isVisible());
  w->pboWins_Click(0);
  e2e::screenshot(w, "other-pages");
  state.ForceClose = true;
  w->close();
}

TEST(ForumsE2E, AboutSlidesAcrossAndHelpShowsTheMakersPage) {
  e2e::Run run;
  ASSERT_TRUE(run.serve());
  Portal& portal = run.portal;
  E2EPlatform& platform = run.platform;
  NRV_SLV3& state = run.state;
  frmNRV_SLV3* w = run.start();
  ASSERT_NE(w, nullptr);
  const int screenWidth = platform.screenSize().width();

  // The about window: rests near the middle, then leaves on the right and closes.
  int restX = 0, lastX = 0, startX = 1;
  bool finished = false;
  QTimer::singleShot(0, [&] {
    auto* about = qobject_cast<frmAbout*>(QApplication::activeModalWidget());
    ASSERT_NE(about, nullptr);
    startX = about->x();
    QObject::connect(about, &QDialog::finished, [&, about] {
      lastX = about->x();
      finished = true;
    });
    const bool rested = e2e::waitFor([&] { return !about->tmrEntrata->isActive(); }, 10000);
    restX = about->x();
    QTest::qWait(300);
    e2e::screenshot(about, "about");
    if (rested)
      QTest::mouseClick(about->cmdOk, Qt::LeftButton);
    if (!e2e::waitFor([&] { return finished; }, 10000))
      about->reject();
  });
  w->mnuInfo->trigger();
  EXPECT_TRUE(finished);
  EXPECT_LE(startX, -300);
  const int centre = (screenWidth - 397) / 2;
  EXPECT_GE(restX, centre);
  EXPECT_LE(restX, centre + 14);
  EXPECT_GE(lastX, screenWidth);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

  // F1: the help page from the maker's host.
  w->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(w));
  QString helpTitle;
  QTimer::singleShot(0, [&] {
    auto* help = qobject_cast<frmHelp*>(QApplication::activeModalWidget());
    ASSERT_NE(help, nullptr);
    QWebEngineView* v = viewOf(help->WBHelp.get());
    e2e::waitFor([&] { return v->title() == "SOLVARINO 3_w - Aiuto On Line"; });
    helpTitle = v->title();
    QTest::qWait(300);
    e2e::screenshot(help, "help");
    help->close();
  });
  QTest::keyClick(w, Qt::Key_F1);
  EXPECT_EQ(helpTitle, "SOLVARINO 3_w - Aiuto On Line");
  EXPECT_TRUE(portal.requests.contains("/SLV3W/slv3w_help.htm"));
  state.ForceClose = true;
  w->close();
}
