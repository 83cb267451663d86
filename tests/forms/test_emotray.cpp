// The emoticon picker: sets, names, preview, the OK picture and its two beeps,
// and the personal set read from its file.
#include "emoticons/EmoTrayPanel.h"
#include "emoticons/EmoVars.h"
#include "fakes/FakeHost.h"
#include "fakes/MainFixture.h"
#include "ui/Widgets.h"

#include <QAction>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

const QString kMissing = QString::fromUtf8(
    "Il File PERSONALI.ET2 non si trova nella stessa cartella dell'Applicazione o non è stato "
    "creato o è stato corrotto");

class EmoTray : public MainFixture {
protected:
  void SetUp() override {
    MainFixture::SetUp();
    qputenv("SLV_EMO_HOST", "emo.test");
  }
  void TearDown() override { qunsetenv("SLV_EMO_HOST"); }

  // Loads the window and opens the picker with F6's menu item.
  EmoTrayPanel& openInWindow() {
    auto& w = load();
    w.mnuEmoTray->trigger();
    picker = w.fraEmoTray;
    return *picker;
  }
  // The picker alone, on a fake host.
  EmoTrayPanel& open() {
    host = std::make_unique<FakeHost>(platform);
    picker = new EmoTrayPanel(*host, vars, &host->window);
    host->window.show();
    return *picker;
  }
  FakeBrowserPane& preview() { return static_cast<FakeBrowserPane&>(*picker->WBEP); }
  void choose(EmoTrayPanel& p, int set, int row) {
    p.optSet[set]->click();
    p.lstEmo->setCurrentRow(row);
  }

  std::unique_ptr<FakeHost> host;
  EmoVars vars;
  EmoTrayPanel* picker = nullptr;
};

} // namespace

TEST_F(EmoTray, StartsEmptyAndOpensAsPanelThree) {
  auto& w = load();
  EmoTrayPanel& p = *w.fraEmoTray;
  picker = &p;
  EXPECT_FALSE(p.isVisible());
  w.mnuEmoTray->trigger();
  EXPECT_TRUE(p.isVisible());
  EXPECT_TRUE(w.mnuEmoTray->isChecked());
  EXPECT_EQ(w.PanelOpen, 1);
  EXPECT_EQ(p.Label21->text(), "EmoTray SLV 3");
  for (QPushButton* b : p.optSet)
    EXPECT_FALSE(b->isChecked());
  EXPECT_EQ(p.optSet[4]->text(), "PERSONALI");
  EXPECT_EQ(p.lstEmo->count(), 0);
  EXPECT_FALSE(p.lstURL->isVisible());
  EXPECT_FALSE(p.pboOk->isEnabled());
  EXPECT_FALSE(p.imgDone->isVisible());
  EXPECT_FALSE(p.tmrDoneEP->isActive());
  EXPECT_EQ(p.tmrDoneEP->interval(), 1500);
  EXPECT_TRUE(preview().calls.isEmpty());
  EXPECT_TRUE(w.emoVars.EmoFolder.isEmpty() && w.emoVars.EmoTag.isEmpty() && w.emoVars.EmoSet == 0);
}

TEST_F(EmoTray, OkCopiesTheTagThenBeepsAgainWhenTheSignalGoes) {
  EmoTrayPanel& p = open();
  choose(p, 3, 0);
  EXPECT_EQ(p.lstEmo->count(), 88);
  EXPECT_EQ(preview().calls, QStringList{"navigate http://emo.test/emoticons/Yahoo/1.gif"});
  ASSERT_TRUE(p.pboOk->isEnabled());

  QTest::mouseClick(p.pboOk, Qt::LeftButton);
  EXPECT_EQ(platform.events, (QStringList{"clear", "clipboard [img]http://emo.test/emoticons/Yahoo/1.gif[/img]",
                                          "beep"}));
  EXPECT_TRUE(p.imgDone->isVisible());
  EXPECT_TRUE(p.tmrDoneEP->isActive());
  // A second copy within the signal's time keeps the first one's timer going.
  const int timer = p.tmrDoneEP->timerId();
  p.pboOk_Click();
  EXPECT_EQ(p.tmrDoneEP->timerId(), timer);

  p.tmrDoneEP_Timer();
  EXPECT_EQ(platform.beeps, 3);
  EXPECT_FALSE(p.imgDone->isVisible());
  EXPECT_FALSE(p.tmrDoneEP->isActive());
}

TEST_F(EmoTray, ChoosingASetDisablesOkUntilANameOfItIsChosen) {
  EmoTrayPanel& p = open();
  choose(p, 0, 11);
  EXPECT_EQ(vars.EmoTag, "[img]http://emo.test/emoticons/EmoTray/12.gif[/img]");
  choose(p, 0, 9);
  EXPECT_EQ(preview().location, "http://emo.test/emoticons/EmoTray/10.gif");

  p.optSet[1]->click();
  EXPECT_FALSE(p.pboOk->isEnabled());
  EXPECT_EQ(vars.EmoFolder, "PtoInformatico/");
  // Preview and tag stay as they were until a name is chosen.
  EXPECT_EQ(preview().calls.size(), 2);
  EXPECT_EQ(vars.EmoTag, "[img]http://emo.test/emoticons/EmoTray/10.gif[/img]");
  EXPECT_TRUE(p.optSet[1]->isChecked() && !p.optSet[0]->isChecked());
  QTest::mouseClick(p.pboOk, Qt::LeftButton);
  EXPECT_TRUE(platform.events.isEmpty());

  // Choosing the same set again lists it once.
  p.optSet[1]->click();
  p.optSet[1]->click();
  EXPECT_EQ(p.lstEmo->count(), 36);
  p.lstEmo->setCurrentRow(35);
  EXPECT_EQ(vars.EmoTag, "[img]http://emo.test/emoticons/PtoInformatico/36.gif[/img]");
  EXPECT_TRUE(p.pboOk->isEnabled());
}

TEST_F(EmoTray, PressedLookAndReopeningKeepsTheState) {
  EmoTrayPanel& p = openInWindow();
  choose(p, 2, 82);
  EXPECT_EQ(p.lstEmo->currentItem()->text(), QString::fromUtf8("già già"));
  const QRect place = p.pboOk->geometry();
  QTest::mousePress(p.pboOk, Qt::LeftButton);
  EXPECT_EQ(p.pboOk->borderStyle(), 1);
  EXPECT_EQ(p.pboOk->geometry(), place);  // the pressed look does not push its neighbours
  QTest::mouseRelease(p.pboOk, Qt::LeftButton);
  EXPECT_EQ(p.pboOk->borderStyle(), 0);
  EXPECT_EQ(platform.clipboard, "[img]http://emo.test/emoticons/Tweedo/83.gif[/img]");

  win->cmdClose[2]->click();
  EXPECT_FALSE(p.isVisible());
  win->mnuEmoTray->trigger();
  EXPECT_TRUE(p.optSet[2]->isChecked());
  EXPECT_EQ(p.lstEmo->count(), 86);
  EXPECT_EQ(p.lstEmo->currentRow(), 82);
  EXPECT_TRUE(p.pboOk->isEnabled());
  EXPECT_EQ(preview().calls.size(), 1);
}

TEST_F(EmoTray, ARefusedClipboardIsNotSignalledAsACopy) {
  EmoTrayPanel& p = open();
  choose(p, 3, 56);
  platform.clipboardWorks = false;
  p.pboOk_Click();
  EXPECT_EQ(platform.beeps, 0);
  EXPECT_FALSE(p.imgDone->isVisible());
  EXPECT_FALSE(p.tmrDoneEP->isActive());
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].style, vbExclamation);
}

TEST_F(EmoTray, PersonalSetIsReadFromTheFileEachTimeItIsChosen) {
  EmoTrayPanel& p = open();
  choose(p, 1, 0);
  writeFile("Personali.et2", "\"Gatto, nero\"\r\n\"http://img.test/a b/gatto.gif\"\r\n");
  p.optSet[4]->click();
  EXPECT_EQ(items(p.lstEmo), QStringList{"Gatto, nero"});
  EXPECT_EQ(items(p.lstURL), QStringList{"http://img.test/a b/gatto.gif"});
  EXPECT_EQ(vars.EmoSet, 4);
  EXPECT_EQ(vars.EmoFolder, "PtoInformatico/");
  p.lstEmo->setCurrentRow(0);
  EXPECT_EQ(vars.EmoTag, "[img]http://img.test/a b/gatto.gif[/img]");
  EXPECT_EQ(preview().location, "http://img.test/a b/gatto.gif");

  writeFile("Personali.et2", "\"Gatto, nero\"\r\n\"http://img.test/g.gif\"\r\n\"caff\xe8\"\r\n\"u\"\r\n");
  p.optSet[4]->click();
  EXPECT_EQ(items(p.lstEmo), (QStringList{"Gatto, nero", QString::fromUtf8("caffè")}));
  EXPECT_FALSE(p.pboOk->isEnabled());
  // Another set clears the names only.
  p.optSet[0]->click();
  EXPECT_EQ(p.lstURL->count(), 2);

  writeFile("Personali.et2", "");
  p.optSet[4]->click();
  EXPECT_EQ(p.lstEmo->count(), 0);
  EXPECT_EQ(p.lstURL->count(), 0);
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(EmoTray, MissingFileIsReportedAndNotCreated) {
  EmoTrayPanel& p = open();
  p.optSet[4]->click();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, kMissing);
  EXPECT_EQ(platform.messages[0].title, "IMPOSSIBILE ACCEDERE AL FILE PERSONALI");
  EXPECT_EQ(platform.messages[0].style, vbCritical);
  EXPECT_EQ(p.lstEmo->count(), 0);
  EXPECT_FALSE(QFile::exists(dir.filePath("Personali.et2")));
}

TEST_F(EmoTray, ANameWithoutAddressGivesNoTag) {
  EmoTrayPanel& p = open();
  writeFile("Personali.et2", "\"uno\"\r\n\"http://img.test/1.gif\"\r\n\"due\"\r\n");
  p.optSet[4]->click();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, kMissing);
  EXPECT_EQ(items(p.lstEmo), (QStringList{"uno", "due"}));
  EXPECT_EQ(items(p.lstURL), QStringList{"http://img.test/1.gif"});

  p.lstEmo->setCurrentRow(0);
  EXPECT_TRUE(p.pboOk->isEnabled());
  p.lstEmo->setCurrentRow(1);
  EXPECT_FALSE(p.pboOk->isEnabled());
  EXPECT_TRUE(vars.EmoTag.isEmpty());
  EXPECT_EQ(preview().calls.size(), 1);
}
