// The main window: start-up, panel protocol, layout, panes, activity monitor, close.
#include "composer/ComposerPanel.h"
#include "fakes/MainFixture.h"
#include "media/MultimediaPanel.h"
#include "forums/FavouritesPanel.h"
#include "forums/ForumPanel.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>

#include "ui/Widgets.h"

namespace {

int checkedPanelItems(frmNRV_SLV3& w) {
  int n = 0;
  for (QAction* a : {w.mnuWindow[0], w.mnuWindow[1], w.mnuWindow[2], w.mnuEmoTray, w.mnuComposer,
                     w.mnuMultimedia})
    n += a->isChecked() ? 1 : 0;
  return n;
}

} // namespace

using Shell = MainFixture;

TEST_F(Shell, StartUpReadsBothListsAndStartsThePanes) {
  writeFile("Favourite.svl", "\"101 Calcio\"\r\n\"205 Cucina, ricette\"\r\n");
  writeFile("Allforums.svl", "\"001 Annunci\"\r\n002 Musica,003 Cinema\r\n\"C'\xe8 mancato poco\"");
  qputenv("SLV_PORTAL_HOST", "portal.test");
  qputenv("SLV_MAIL_HOST", "mail.test");
  auto& w = load();
  qunsetenv("SLV_PORTAL_HOST");
  qunsetenv("SLV_MAIL_HOST");

  EXPECT_EQ(items(w.fraPreferiti->lstPreferiti), (QStringList{"101 Calcio", "205 Cucina, ricette"}));
  EXPECT_EQ(items(w.fraForum->lstForum),
            (QStringList{"001 Annunci", "002 Musica", "003 Cinema", QString::fromUtf8("C'è mancato poco")}));
  EXPECT_EQ(pane(0).calls, QStringList{"navigate http://portal.test/forum/index.php"});
  EXPECT_EQ(pane(1).calls, QStringList{"navigate http://portal.test/msg/"});
  EXPECT_EQ(pane(2).calls, QStringList{"navigate http://mail.test/"});
  EXPECT_EQ(w.CurrentBrowser, w.WBMain.get());
  EXPECT_EQ(w.size(), QSize(1280, 1024));
  EXPECT_EQ(w.pos(), QPoint(0, 0));
  EXPECT_EQ(w.PanelOpen, 0);
  EXPECT_TRUE(w.pboWins[0]->borderStyle() == 1 && w.pboWins[1]->borderStyle() == 0);
  EXPECT_TRUE(w.mnuForum->isChecked());
  EXPECT_FALSE(w.WBMess->widget()->isVisible());
  EXPECT_TRUE(w.WBMain->widget()->isVisible());
  EXPECT_EQ(w.composerVars.TextSize, 12);
  EXPECT_EQ(w.composerVars.TextColor, "Default");
  EXPECT_EQ(checkedPanelItems(w), 0);
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(Shell, MissingListFilesGiveEmptyListsAndCreateNothing) {
  auto& w = load();
  EXPECT_EQ(w.fraForum->lstForum->count(), 0);
  EXPECT_EQ(w.fraPreferiti->lstPreferiti->count(), 0);
  EXPECT_FALSE(QFile::exists(dir.filePath("Favourite.svl")));
  EXPECT_FALSE(QFile::exists(dir.filePath("Allforums.svl")));
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(Shell, OpeningAPanelHidesTheOthersAndNarrowsThePanes) {
  auto& w = load();
  w.mnuWindow[0]->trigger();
  EXPECT_TRUE(w.fraForum->isVisible());
  EXPECT_EQ(w.PanelOpen, 1);
  w.mnuEmoTray->trigger();
  for (int n = 0; n < 6; ++n)
    EXPECT_EQ(w.panelFrame(n)->isVisible(), n == 3) << n;
  EXPECT_EQ(checkedPanelItems(w), 1);
  EXPECT_TRUE(w.mnuEmoTray->isChecked());
  EXPECT_EQ(w.WBMain->widget()->x(), ui::px(3865));
  EXPECT_EQ(w.WBMain->widget()->width(), ui::px(w.width() * 15 - 4200));

  // Escape closes it and the panes widen back.
  w.Form_KeyDown(27, 0);
  for (int n = 0; n < 6; ++n)
    EXPECT_FALSE(w.panelFrame(n)->isVisible());
  EXPECT_EQ(checkedPanelItems(w), 0);
  EXPECT_EQ(w.PanelOpen, 0);
  for (auto* p : {w.WBMain.get(), w.WBMess.get(), w.WBMail.get()}) {
    EXPECT_EQ(p->widget()->x(), ui::px(75));
    EXPECT_EQ(p->widget()->width(), ui::px(w.width() * 15 - 150));
    EXPECT_EQ(p->widget()->height(), ui::px(w.height() * 15 - 2500));
  }
  // The panes keep their own tops.
  EXPECT_EQ(w.WBMain->widget()->y(), ui::px(1365));
  EXPECT_EQ(w.WBMail->widget()->y(), ui::px(1335));
}

TEST_F(Shell, EscapeWithNoPanelAndOtherKeysChangeNothing) {
  auto& w = load();
  const QRect before = w.WBMain->widget()->geometry();
  w.Form_KeyDown(27, 0);
  w.mnuComposer->trigger();
  w.Form_KeyDown(13, 0);
  EXPECT_TRUE(w.panelFrame(4)->isVisible());
  w.cmdClose[1]->click();
  EXPECT_FALSE(w.panelFrame(4)->isVisible());
  EXPECT_EQ(w.WBMain->widget()->geometry(), before);
}

TEST_F(Shell, HidingTheMultimediaPanelStopsTheMusicUnlessKept) {
  auto& w = load();
  w.mnuMultimedia->trigger();
  player().calls.clear();
  // Choosing it again while open stops the music and leaves it open.
  w.mnuMultimedia->trigger();
  EXPECT_EQ(player().calls, QStringList{"stop"});
  EXPECT_TRUE(w.fraRadio->isVisible());
  w.fraRadio->chkMusic->setChecked(true);
  w.mnuWindow[1]->trigger();
  EXPECT_EQ(player().calls, QStringList{"stop"});
  // Hiding other panels never touches the player.
  w.cmdClose[3]->click();
  w.mnuWindow[2]->trigger();
  w.Form_KeyDown(27, 0);
  EXPECT_EQ(player().calls, QStringList{"stop"});
}

TEST_F(Shell, MenusStandAsDesigned) {
  auto& w = load();
  QStringList bar;
  for (QAction* a : w.menuBar()->actions())
    bar << a->text();
  EXPECT_EQ(bar, (QStringList{"&Navigazione", "&Browser", "&Finestre", "&Moduli", "&Strumenti", "&?"}));
  EXPECT_EQ(w.mnuWindow[0]->shortcut(), QKeySequence(Qt::Key_F2));
  EXPECT_EQ(w.mnuMultimedia->shortcut(), QKeySequence(Qt::Key_F8));
  EXPECT_EQ(w.mnuAiuto->shortcut(), QKeySequence(Qt::Key_F1));
  EXPECT_EQ(w.mnuDown->text(), QString::fromUtf8("Sposta Giù"));
  EXPECT_FALSE(bar.contains("Edit"));
  // The chosen shortcuts of the pane items and the alarm are all different.
  QSet<QString> keys;
  for (QAction* a : w.findChildren<QAction*>())
    if (!a->shortcut().isEmpty())
      keys.insert(a->shortcut().toString());
  EXPECT_EQ(keys.size(), 11);
}

TEST_F(Shell, AWindowTooSmallGivesTwoMessagesThenTheScreenSize) {
  auto& w = load();
  platform.screen = QSize(1000, 700);
  w.mnuWindow[0]->trigger();
  w.resize(200, 600);  // 3000 twips: too narrow with a panel open
  w.Form_Paint();
  ASSERT_EQ(platform.messages.size(), 2u);
  EXPECT_EQ(platform.messages[0].style, vbCritical);
  EXPECT_EQ(platform.messages[0].title, "Norvalis SOLVARINO 3_w");
  EXPECT_TRUE(platform.messages[0].text.startsWith("Impossibile Visualizzare"));
  EXPECT_EQ(platform.messages[1].style, vbInformation);
  EXPECT_TRUE(platform.messages[1].text.startsWith(QString::fromUtf8("L'interfaccia verrà")));
  // The outer frame covers the screen (the offscreen platform frames windows too).
  EXPECT_EQ(w.frameGeometry().size(), QSize(1000, 700));
  EXPECT_EQ(w.WBMain->widget()->width(), w.width() - ui::px(4200));
}

TEST_F(Shell, PaneSwitchingMovesFrameChecksAndVisibility) {
  auto& w = load();
  w.mnuComposer->trigger();
  w.pboWins_Click(2);
  EXPECT_EQ(w.CurrentBrowser, w.WBMail.get());
  EXPECT_TRUE(w.WBMail->widget()->isVisible());
  EXPECT_FALSE(w.WBMain->widget()->isVisible());
  EXPECT_EQ(w.pboWins[2]->borderStyle(), 1);
  EXPECT_EQ(w.pboWins[0]->borderStyle(), 0);
  EXPECT_TRUE(w.mnuEmail->isChecked());
  EXPECT_FALSE(w.mnuForum->isChecked());
  EXPECT_TRUE(w.panelFrame(4)->isVisible());  // panels are not touched
  // Reload acts on the mail pane only.
  w.mnuNavy[3]->trigger();
  EXPECT_EQ(pane(2).calls.last(), "refresh");
  EXPECT_FALSE(pane(0).calls.contains("refresh"));
  w.mnuMessage->trigger();
  EXPECT_EQ(w.CurrentBrowser, w.WBMess.get());
  EXPECT_TRUE(w.mnuMessage->isChecked());
  EXPECT_EQ(w.pboWins[1]->borderStyle(), 1);
}

TEST_F(Shell, NavigationWithoutHistoryIsIgnoredSilently) {
  auto& w = load();
  w.pboNavy_Click(0);
  w.pboNavy_Click(1);
  w.pboNavy_Click(9);
  EXPECT_EQ(pane(0).location, pane(0).history.first());
  EXPECT_TRUE(platform.messages.empty());
  pane(0).navigate("http://x/2");
  w.pboNavy_Click(0);
  EXPECT_EQ(pane(0).location, pane(0).history.first());
  w.pboNavy_Click(1);
  EXPECT_EQ(pane(0).location, "http://x/2");
  w.pboNavy_Click(2);
  EXPECT_EQ(pane(0).calls.last(), "stop");
}

TEST_F(Shell, NavigationButtonsShowThePressedLookWhileHeld) {
  auto& w = load();
  w.pboNavy_MouseDown(1);
  EXPECT_EQ(w.pboNavy[1]->borderStyle(), 1);
  EXPECT_EQ(w.pboNavy[1]->width(), 64);  // 960 twips framed
  w.pboNavy_MouseUp(1);
  EXPECT_EQ(w.pboNavy[1]->borderStyle(), 0);
  EXPECT_EQ(w.pboNavy[1]->size(), QSize(60, 20));
}

TEST_F(Shell, BusyIndicatorAndAddressFollowThePaneInFront) {
  auto& w = load();
  pane(0).isBusy = true;
  pane(1).isBusy = false;
  w.txtAddressBar->setText("typed by the user");
  w.tmrBusy_Timer();
  EXPECT_TRUE(w.fraBusy->isVisible());
  EXPECT_EQ(w.txtAddressBar->text(), pane(0).location);
  pane(0).isBusy = false;
  w.tmrBusy_Timer();
  EXPECT_FALSE(w.fraBusy->isVisible());
  // A page loading in a pane that is not in front does not show the indicator.
  pane(1).isBusy = true;
  w.tmrBusy_Timer();
  EXPECT_FALSE(w.fraBusy->isVisible());
  w.pboWins_Click(1);
  w.tmrBusy_Timer();
  EXPECT_TRUE(w.fraBusy->isVisible());
  EXPECT_EQ(w.txtAddressBar->text(), pane(1).location);
}

TEST_F(Shell, PeekCycleHasSevenSteps) {
  auto& w = load();
  w.fraBusy->show();
  for (int step = 0; step < 6; ++step) {
    w.tmrPeek_Timer();
    for (int i = 0; i < 7; ++i)
      EXPECT_EQ(w.lblPk[i]->isVisible(), i <= step) << step << " " << i;
  }
  w.tmrPeek_Timer();  // the seventh step shows the empty element, then everything vanishes
  EXPECT_EQ(w.PeekStep, 0);
  for (QLabel* l : w.lblPk)
    EXPECT_FALSE(l->isVisible());
  w.tmrPeek_Timer();
  EXPECT_TRUE(w.lblPk[0]->isVisible());
  EXPECT_EQ(w.PeekStep, 1);
}

TEST_F(Shell, CloseDecision) {
  auto& w = load();
  w.mnuMultimedia->trigger();
  platform.answers = {vbNo};
  EXPECT_TRUE(w.Form_QueryUnload());
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].title, "FINE SESSIONE");
  EXPECT_EQ(platform.messages[0].text, "Chiudere il SOLVARINO 3_w ?");
  EXPECT_EQ(platform.messages[0].style, vbYesNo + vbInformation);
  EXPECT_TRUE(w.fraRadio->isVisible());

  EXPECT_FALSE(w.Form_QueryUnload());  // Yes

  app.AlarmActive = true;
  EXPECT_FALSE(w.Form_QueryUnload());
  EXPECT_EQ(platform.messages.back().style, vbInformation);
  EXPECT_TRUE(platform.messages.back().text.startsWith("E' Stata invocata"));

  app.AlarmActive = false;
  app.ForceClose = true;
  const auto before = platform.messages.size();
  EXPECT_FALSE(w.Form_QueryUnload());
  EXPECT_EQ(platform.messages.size(), before);
}

TEST_F(Shell, AHugeListFileAndOneWithUndefinedBytesLoadWhole) {
  QByteArray big;
  for (int i = 0; i < 100000; ++i)
    big += "\"" + QByteArray::number(100 + i % 900) + " Forum " + QByteArray::number(i) + "\"\r\n";
  writeFile("Allforums.svl", big);
  // 0x81 and 0x8D mean nothing in Windows-1252; they still read as one entry each.
  writeFile("Favourite.svl", "\"101 \x81\"\r\n102 \x8d\x9d");
  auto& w = load();
  EXPECT_EQ(w.fraForum->lstForum->count(), 100000);
  EXPECT_EQ(w.fraForum->lstForum->item(99999)->text(), "199 Forum 99999");
  EXPECT_EQ(w.fraPreferiti->lstPreferiti->count(), 2);
  EXPECT_TRUE(w.fraPreferiti->lstPreferiti->item(0)->text().startsWith("101 "));
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(Shell, ThePanelsAreWiredThroughTheWindow) {
  auto& w = load();
  // The list builder's choice pops up the window's menu with the moves that fit.
  ComposerPanel& c = *w.fraComposer;
  c.lstElenco->addItems({"uno", "due"});
  c.lstElenco->setCurrentRow(0);
  c.lstElenco_Click();
  EXPECT_FALSE(w.mnuUp->isEnabled());
  EXPECT_TRUE(w.mnuDown->isEnabled());
  w.mnuEdit->close();
  w.mnuDown->trigger();
  EXPECT_EQ(items(c.lstElenco), (QStringList{"due", "uno"}));
  c.lstElenco->setCurrentRow(1);
  c.lstElenco_Click();
  EXPECT_TRUE(w.mnuUp->isEnabled());
  EXPECT_FALSE(w.mnuDown->isEnabled());
  w.mnuEdit->close();
  w.mnuDelete->trigger();
  EXPECT_EQ(items(c.lstElenco), QStringList{"due"});

  // A forum chosen with the index's toggle armed reaches the favourites.
  emit w.fraForum->favouriteChosen(QStringLiteral("101 Calcio"));
  EXPECT_EQ(items(w.fraPreferiti->lstPreferiti), QStringList{"101 Calcio"});
}
