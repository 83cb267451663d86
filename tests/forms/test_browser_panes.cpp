// The page keys, the find bar and sites' permission questions on the window,
// with fake panes.
#include "fakes/MainFixture.h"

#include "browse/FindBar.h"
#include "browse/PanePermissions.h"
#include "core/config.h"
#include "panes/PageStyles.h"
#include "privacy/BossAlarm.h"
#include "ui/Widgets.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace {

class PanesOnWindow : public MainFixture {
protected:
  frmNRV_SLV3& loadActive() {
    frmNRV_SLV3& w = load();
    w.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&w));
    return w;
  }
  void key(int k) { QTest::keyClick(win.get(), Qt::Key(k), Qt::ControlModifier); }
};

} // namespace

TEST_F(PanesOnWindow, PageKeysActOnThePaneInFrontAndEachPaneKeepsItsZoom) {
  frmNRV_SLV3& w = loadActive();
  key(Qt::Key_Plus);
  key(Qt::Key_Plus);
  key(Qt::Key_Minus);
  EXPECT_DOUBLE_EQ(pane(0).zoom, 1.1);
  w.pboWins_Click(2);
  key(Qt::Key_Minus);
  key(Qt::Key_P);
  EXPECT_DOUBLE_EQ(pane(2).zoom, 0.9);
  EXPECT_DOUBLE_EQ(pane(0).zoom, 1.1);
  EXPECT_TRUE(pane(2).calls.contains("print"));
  EXPECT_FALSE(pane(0).calls.contains("print"));
  w.pboWins_Click(0);
  key(Qt::Key_0);
  EXPECT_DOUBLE_EQ(pane(0).zoom, 1.0);
  EXPECT_DOUBLE_EQ(pane(2).zoom, 0.9);
}

TEST_F(PanesOnWindow, FindBarSearchesThePaneInFrontAndEscapeClosesItOnlyWithTheFocus) {
  frmNRV_SLV3& w = loadActive();
  w.OpenPanel(1);
  key(Qt::Key_F);
  FindBar& bar = *w.fraFind;
  ASSERT_TRUE(bar.isVisible());
  EXPECT_TRUE(bar.hasFocusInside());
  QTest::keyClicks(bar.txtFind, "ciao");
  QTest::keyClick(bar.txtFind, Qt::Key_Return);
  QTest::keyClick(bar.txtFind, Qt::Key_Return, Qt::ShiftModifier);
  EXPECT_EQ(pane(0).calls.filter("find").last(), "find< ciao");
  EXPECT_EQ(pane(0).calls.filter("find").size(), 6); // "c", "ci", "cia", "ciao", next, previous
  emit pane(0).found(2, 7);
  EXPECT_EQ(bar.lblMatches->text(), "2 di 7");
  emit pane(0).found(0, 0);
  EXPECT_EQ(bar.lblMatches->text(), "Nessuna corrispondenza");

  // Escape in the bar closes the bar (and clears the highlighting), not the panel.
  w.Form_KeyDown(27, 0);
  EXPECT_FALSE(bar.isVisible());
  EXPECT_EQ(pane(0).calls.last(), "find ");
  EXPECT_EQ(w.PanelOpen, 1);
  // With the focus elsewhere, Escape keeps closing the panel.
  key(Qt::Key_F);
  w.txtAddressBar->setFocus();
  w.Form_KeyDown(27, 0);
  EXPECT_TRUE(bar.isVisible());
  EXPECT_EQ(w.PanelOpen, 0);
  // Another pane in front: the bar goes; blanks alone are not searched.
  w.pboWins_Click(1);
  EXPECT_FALSE(bar.isVisible());
  key(Qt::Key_F);
  bar.txtFind->setText("   ");
  EXPECT_EQ(pane(1).calls.filter("find").last(), "find ");
  EXPECT_EQ(bar.lblMatches->text(), "Nessuna corrispondenza");
}

TEST_F(PanesOnWindow, PermissionQuestionsWaitForTheirPaneAndTheEndOfTheDisguise) {
  frmNRV_SLV3& w = load();
  const QString site = "https://www.portale.example";
  platform.answers = {vbNo, vbYes};
  emit pane(1).permissionRequested(site, PanePermission::Notifications);
  emit pane(0).permissionRequested(site, PanePermission::Location);
  platform.gate().setDisguised(true, &w);
  QApplication::processEvents();
  EXPECT_TRUE(platform.messages.empty());
  platform.gate().setDisguised(false, &w);
  platform.settle();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text,
            "Il sito https://www.portale.example chiede di conoscere la tua posizione.\n\n"
            "Lo permetti? La risposta vale fino alla chiusura del programma.");
  EXPECT_EQ(pane(0).calls.last(), "permission https://www.portale.example 1 no");
  // The messages pane's question waits until that pane is in front.
  w.pboWins_Click(1);
  platform.settle();
  ASSERT_EQ(platform.messages.size(), 2u);
  EXPECT_TRUE(platform.messages[1].text.contains("mostrarti le sue notifiche"));
  EXPECT_EQ(pane(1).calls.last(), "permission https://www.portale.example 0 yes");
  // Asked again in the session: the answer given holds, nothing is asked.
  emit pane(2).permissionRequested(site, PanePermission::Notifications);
  EXPECT_EQ(pane(2).calls.last(), "permission https://www.portale.example 0 yes");
  EXPECT_EQ(platform.messages.size(), 2u);
  EXPECT_EQ(w.permissions->waiting(), 0);

  // The alarm takes a page out of full screen: it would stay over the disguise.
  w.alarm->raiseAlarm();
  for (int i = 0; i < 3; ++i)
    EXPECT_EQ(pane(i).fullScreenLeft, 1) << i;
}

TEST_F(PanesOnWindow, TheThreePanesSendOtherSitesOutReadDarkAndWearTheMembersStyle) {
  const QByteArray css = "body { font-size: 120%; } /* più grande */";
  writeFile("Pagine.css", css);
  frmNRV_SLV3& w = load();
  for (int i : {0, 1, 2}) {
    EXPECT_EQ(pane(i).ownSites, slv::config::ownSites());
    EXPECT_EQ(pane(i).memberCss, QString::fromUtf8(css));
  }
  // The other browsers (emoticons, help, image search) keep every link.
  for (std::size_t i = 3; i < platform.panes.size(); ++i)
    EXPECT_TRUE(platform.panes[i]->ownSites.empty());
  for (const bool dark : {true, false}) {
    w.mnuLetturaScura->trigger();
    EXPECT_EQ(w.mnuLetturaScura->isChecked(), dark);
    for (int i : {0, 1, 2})
      EXPECT_EQ(pane(i).dark, dark);
  }
}

namespace {
int warnings = 0;
void countWarning(QtMsgType type, const QMessageLogContext&, const QString&) {
  warnings += type == QtWarningMsg ? 1 : 100;
}
} // namespace

TEST_F(PanesOnWindow, AHugeOrNonUtf8MemberStyleIsIgnoredWithOneWarning) {
  const QString path = dir.filePath("Pagine.css");
  warnings = 0;
  const QtMessageHandler before = qInstallMessageHandler(countWarning);
  EXPECT_EQ(PageStyles::readMemberCss(path), QString()); // none: nothing said
  EXPECT_EQ(warnings, 0);
  for (const QByteArray& bytes :
       {QByteArray(10 * 1024 * 1024, ' '), QByteArray("body{font-family:\"Citt\xe0\"}")}) {
    writeFile("Pagine.css", bytes);
    warnings = 0;
    EXPECT_EQ(PageStyles::readMemberCss(path), QString());
    EXPECT_EQ(warnings, 1);
  }
  qInstallMessageHandler(before);
}

TEST_F(PanesOnWindow, AQuestionTheEngineWaitsOnBringsItsPaneForwardOnceNotDisguised) {
  frmNRV_SLV3& w = load();
  SurfaceGate& gate = platform.gate();
  const auto ask = [&](int i) {
    SurfaceGate::EngineWait now(gate);
    gate.open(new QDialog(&w), {pane(i).widget(), true, false});
  };
  ask(1);
  EXPECT_EQ(w.CurrentBrowser, &pane(1));
  EXPECT_TRUE(w.mnuMessage->isChecked());
  gate.dropAll();
  w.pboWins_Click(0);
  gate.setDisguised(true, &w);
  ask(2);
  QApplication::processEvents();
  EXPECT_EQ(w.CurrentBrowser, &pane(0));
  gate.setDisguised(false, &w);
  QApplication::processEvents();
  EXPECT_EQ(w.CurrentBrowser, &pane(2));
  EXPECT_EQ(w.pboWins[2]->borderStyle(), 1);
  gate.dropAll();
}
