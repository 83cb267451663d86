// The boss alarm, the password lock and the close decision of the main window.
#include "forms/test_privacy_fixture.h"
#include "media/MultimediaPanel.h"
#include "desktop/SurfaceGate.h"
#include "privacy/BossAlarm.h"
#include "ui/Widgets.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QImage>
#include <QLabel>
#include <QTest>
#include <QTimer>

using slv::privacy::LockState;

namespace {

const QString kNormal = frmNRV_SLV3::normalCaption();
const QString kExcel = QStringLiteral("Microsoft Excel");
const QString kWrong = QStringLiteral("La password inserita non è corretta");
const QString kThird = QStringLiteral("Sono stati effettuati 3 tentativi di ripristino senza "
                                      "successo, il programma verrà ora chiuso");
const QString kNotice = QStringLiteral(
    "E' Stata invocata la chiusura dell'applicazione. Il Programma si sproteggerà automaticamente");

QImage iconImage(const QWidget& w) {
  return w.windowIcon().pixmap(32, 32).toImage().convertToFormat(QImage::Format_RGB32);
}
QImage labelImage(const QLabel* l) {
  return l->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

using Privacy = PrivacyFixture;

TEST_F(Privacy, AlarmStopsTheMusicAndDisguisesTheWindowLeavingTheRestUnderneath) {
  auto& w = load();
  w.mnuComposer->trigger();
  w.fraRadio->chkMusic->setChecked(true);
  playMusic();
  const QStringList paneCalls = pane(0).calls;
  player().calls.clear();

  // The button shows its pressed look while held and raises the alarm on release.
  const QPoint c = w.pboAllarme->rect().center();
  QTest::mousePress(w.pboAllarme, Qt::LeftButton, {}, c);
  EXPECT_EQ(w.pboAllarme->borderStyle(), 1);
  EXPECT_FALSE(app.AlarmActive);
  QTest::mouseRelease(w.pboAllarme, Qt::LeftButton, {}, c);
  EXPECT_EQ(w.pboAllarme->borderStyle(), 0);
  drain();

  EXPECT_TRUE(app.AlarmActive);
  EXPECT_EQ(player().calls, QStringList{"stop"});
  EXPECT_EQ(w.windowTitle(), kExcel);
  EXPECT_EQ(iconImage(w), labelImage(w.imgXLSico));
  EXPECT_NE(labelImage(w.imgXLSico), labelImage(w.imgSLVico));
  EXPECT_EQ(w.imgXLSico->pixmap().size(), QSize(32, 32));
  EXPECT_FALSE(w.imgXLSico->pixmap().hasAlphaChannel());
  EXPECT_TRUE(w.isMinimized());
  EXPECT_EQ(state(), LockState::Disguised);
  // Nothing else changes, but a blank sheet covers it all until the user answers.
  EXPECT_TRUE(w.panelFrame(4)->isVisibleTo(&w));
  EXPECT_EQ(w.PanelOpen, 1);
  EXPECT_EQ(pane(0).calls, paneCalls);
  EXPECT_TRUE(w.alarm->cover()->isVisibleTo(&w));
  EXPECT_EQ(w.alarm->cover()->geometry(), w.rect());
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(Privacy, RestoringAsksNoKeepsTheDisguiseYesTakesItOff) {
  auto& w = load();
  playMusic();
  w.mnuAlert->trigger();
  platform.answers = {vbNo};
  bringBack();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "Ripristinare il SOLVARINO 3_w ?");
  EXPECT_EQ(platform.messages[0].title, "Ripristino SOLVARINO 3_w");
  EXPECT_EQ(platform.messages[0].style, 68);
  EXPECT_TRUE(w.isMinimized());
  EXPECT_EQ(w.windowTitle(), kExcel);
  EXPECT_EQ(iconImage(w), labelImage(w.imgXLSico));
  EXPECT_EQ(state(), LockState::Disguised);
  EXPECT_TRUE(w.alarm->cover()->isVisibleTo(&w));

  // A later restore asks again; Yes gives the window back, without the music.
  bringBack();
  ASSERT_EQ(platform.messages.size(), 2u);
  EXPECT_FALSE(w.isMinimized());
  EXPECT_EQ(w.windowTitle(), kNormal);
  EXPECT_EQ(iconImage(w), labelImage(w.imgSLVico));
  EXPECT_EQ(state(), LockState::Unprotected);
  EXPECT_FALSE(w.alarm->cover()->isVisibleTo(&w));
  EXPECT_EQ(player().calls.filter("play").size(), 1);
  EXPECT_NE(player().playState(), 3);

  // Once back, resizing and state changes ask nothing.
  w.showMaximized();
  drain();
  w.resize(900, 700);
  drain();
  EXPECT_EQ(platform.messages.size(), 2u);
}

TEST_F(Privacy, MaximisingTheDisguisedWindowAlsoAsksOnce) {
  auto& w = load();
  w.mnuAlert->trigger();
  w.showMaximized();
  drain();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].title, "Ripristino SOLVARINO 3_w");
  EXPECT_TRUE(w.isMaximized()); // shown as the user brought it back
  EXPECT_EQ(w.windowTitle(), kNormal);
}

TEST_F(Privacy, PasswordSetWithoutTheAlarmAsksNothing) {
  auto& w = load();
  protect("Gatto#99");
  EXPECT_EQ(state(), LockState::Protected);
  const auto before = platform.messages.size();
  w.showMinimized();
  drain();
  bringBack();
  w.showMaximized();
  drain();
  EXPECT_EQ(platform.messages.size(), before);
  EXPECT_EQ(protectShown, 1);
  EXPECT_EQ(restoreShown, 0);
}

TEST_F(Privacy, SettingAPasswordChecksTheMenuAndAConfirmationDifferingInCaseIsRefused) {
  auto& w = load();
  onProtect([&](frmProtect& d) {
    d.txtPassword->setText("Gatto#99");
    d.txtConferma->setText("gatto#99");
    d.cmdOk->click();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "La Password di conferma non è coerente con quella data");
    EXPECT_EQ(platform.messages[0].style, 48);
    EXPECT_EQ(platform.messages[0].title, "PASSWORD");
    // Both boxes emptied, OK off again, the dialog still open and no password.
    EXPECT_TRUE(d.txtPassword->text().isEmpty());
    EXPECT_TRUE(d.txtConferma->text().isEmpty());
    EXPECT_FALSE(d.cmdOk->isEnabled());
    EXPECT_FALSE(d.isHidden() && d.result() == QDialog::Accepted);
    EXPECT_TRUE(app.ProtectPassword.isEmpty());

    d.txtPassword->setText("Gatto#99");
    d.txtConferma->setText("Gatto#99");
    d.cmdOk->click();
    EXPECT_EQ(d.result(), QDialog::Accepted);
  });
  app.RestoreAttempts = 2;
  w.mnuPassword->trigger();
  ASSERT_EQ(platform.messages.size(), 2u);
  EXPECT_EQ(platform.messages[1].text, "Il SOLVARINO 3w è ora protetto da Password");
  EXPECT_EQ(platform.messages[1].style, 64);
  EXPECT_EQ(platform.messages[1].title, "PASSWORD");
  EXPECT_EQ(app.ProtectPassword, "Gatto#99");
  EXPECT_EQ(app.RestoreAttempts, 0);
  EXPECT_TRUE(w.mnuPassword->isChecked());
  EXPECT_EQ(state(), LockState::Protected);
}

TEST_F(Privacy, OpeningThePasswordDialogDropsThePasswordAndLeavingItUnprotects) {
  auto& w = load();
  protect("Gatto#99");
  platform.messages.clear();
  // Annulla, and the title bar's close box, both leave the program unprotected.
  for (int way = 0; way < 2; ++way) {
    onProtect([&](frmProtect& d) {
      EXPECT_TRUE(app.ProtectPassword.isEmpty()); // gone as soon as the dialog loads
      if (way == 0)
        d.cmdCancel->click();
      else
        d.close();
    });
    w.mnuPassword->trigger();
    EXPECT_FALSE(w.mnuPassword->isChecked()) << way;
    ASSERT_EQ(platform.messages.size(), 1u) << way;
    EXPECT_EQ(platform.messages[0].text, "Il SOLVARINO 3w non sarà protetto da Password");
    EXPECT_EQ(platform.messages[0].style, 64);
    EXPECT_EQ(platform.messages[0].title, "PASSWORD");
    EXPECT_EQ(state(), LockState::Unprotected);
    platform.messages.clear();
    if (way == 0)
      protect("Altra1234");
    platform.messages.clear();
  }
  // The alarm then only asks the plain question.
  w.mnuAlert->trigger();
  bringBack();
  EXPECT_EQ(restoreShown, 0);
  EXPECT_EQ(platform.messages.at(0).title, "Ripristino SOLVARINO 3_w");
}

TEST_F(Privacy, OkNeedsFourCharactersInBothBoxesAndTakesAtMostFourteen) {
  auto& w = load();
  onProtect([](frmProtect& d) {
    EXPECT_FALSE(d.cmdOk->isEnabled());
    QTest::keyClicks(d.txtPassword, "abcd");
    QTest::keyClicks(d.txtConferma, "abc");
    EXPECT_FALSE(d.cmdOk->isEnabled());
    QTest::keyClicks(d.txtConferma, "d");
    EXPECT_TRUE(d.cmdOk->isEnabled());
    QTest::keyClick(d.txtPassword, Qt::Key_Backspace);
    EXPECT_FALSE(d.cmdOk->isEnabled());
    d.txtPassword->clear();
    QTest::keyClicks(d.txtPassword, "0123456789ABCDEF");
    EXPECT_EQ(d.txtPassword->text(), "0123456789ABCD");
    d.cmdCancel->click();
  });
  w.mnuPassword->trigger();

  app.AlarmActive = true;
  app.ProtectPassword = "abcd";
  onRestore({});
  platform.onModal = [](QDialog& dlg) {
    auto& d = static_cast<frmRestore&>(dlg);
    EXPECT_FALSE(d.cmdOk->isEnabled());
    QTest::keyClicks(d.txtPassword, "abc");
    EXPECT_FALSE(d.cmdOk->isEnabled());
    QTest::keyClicks(d.txtPassword, "d");
    EXPECT_TRUE(d.cmdOk->isEnabled());
    QTest::keyClick(d.txtPassword, Qt::Key_Backspace);
    EXPECT_FALSE(d.cmdOk->isEnabled());
    QTest::keyClicks(d.txtPassword, "0123456789ABCDEF");
    EXPECT_EQ(d.txtPassword->text().size(), 14);
    return 0;
  };
  w.Form_Resize();
}

TEST_F(Privacy, RightPasswordTakesTheLockOffButKeepsThePassword) {
  auto& w = load();
  protect("Gatto#99");
  w.mnuAlert->trigger();
  EXPECT_EQ(state(), LockState::Locked);
  platform.messages.clear();
  onRestore({"Gatto#99"});
  bringBack();
  EXPECT_EQ(restoreShown, 1);
  EXPECT_TRUE(platform.messages.empty()); // no yes/no question with a password
  EXPECT_EQ(state(), LockState::Protected);
  EXPECT_EQ(w.windowTitle(), kNormal);
  EXPECT_EQ(iconImage(w), labelImage(w.imgSLVico));
  EXPECT_FALSE(w.isMinimized());
  EXPECT_FALSE(w.alarm->cover()->isVisibleTo(&w));
  EXPECT_TRUE(w.mnuPassword->isChecked());
}

TEST_F(Privacy, TwoWrongThenCancelMinimisesAndTheNextShowingAllowsThreeAgain) {
  auto& w = load();
  protect("Gatto#99");
  w.mnuAlert->trigger();
  platform.messages.clear();

  onRestore({"gatto#99", "Gatto#9"});
  bringBack();
  EXPECT_EQ(texts(), (QStringList{kWrong, kWrong}));
  EXPECT_EQ(platform.messages[0].style, 16);
  EXPECT_EQ(platform.messages[0].title, "Ripristino SOLVARINO 3_w");
  EXPECT_EQ(state(), LockState::Locked);
  EXPECT_EQ(app.RestoreAttempts, 0);
  EXPECT_TRUE(w.isMinimized());
  EXPECT_EQ(w.windowTitle(), kExcel);
  EXPECT_TRUE(w.alarm->cover()->isVisibleTo(&w));

  // Two more wrong ones and the right one: a fresh showing counts from zero.
  platform.messages.clear();
  onRestore({"no-no-no", "ancora-no", "Gatto#99"});
  bringBack();
  EXPECT_EQ(restoreShown, 2);
  EXPECT_EQ(texts(), (QStringList{kWrong, kWrong}));
  EXPECT_EQ(state(), LockState::Protected);
  EXPECT_FALSE(app.ForceClose);
}

TEST_F(Privacy, ThirdWrongEntryEndsTheProgramWithoutTheClosingQuestion) {
  auto& w = load();
  protect("Gatto#99");
  w.mnuAlert->trigger();
  platform.messages.clear();
  onRestore({"uno1", "due2", "tre3", "Gatto#99"});
  bringBack();
  ASSERT_EQ(texts(), (QStringList{kWrong, kWrong, kWrong, kThird}));
  EXPECT_EQ(platform.messages[3].style, 16);
  EXPECT_EQ(platform.messages[3].title, "AUTOPROTEZIONE SOLVARINO 3_w");
  EXPECT_EQ(state(), LockState::Closing);
  EXPECT_FALSE(app.AlarmActive);
  // The window is not given back: no normal caption, the sheet still covers it.
  EXPECT_EQ(w.windowTitle(), kExcel);
  EXPECT_TRUE(w.alarm->cover()->isVisibleTo(&w));
  EXPECT_TRUE(w.isVisible());

  // The watchdog closes it on its next tick and nothing more is asked.
  w.tmrProtection_Timer();
  EXPECT_FALSE(w.isVisible());
  EXPECT_EQ(platform.messages.size(), 4u);
  EXPECT_FALSE(w.tmrProtection->isActive());
}

TEST_F(Privacy, StateChangesWhileAQuestionIsOpenDoNotOpenAnother) {
  auto& w = load();
  protect("Gatto#99");
  w.mnuAlert->trigger();
  platform.onModal = [&](QDialog& dlg) {
    ++restoreShown;
    // The window manager keeps sending state changes and resizes meanwhile.
    w.showMaximized();
    w.resize(1000, 800);
    drain();
    w.Form_Resize();
    auto& d = static_cast<frmRestore&>(dlg);
    d.txtPassword->setText("Gatto#99");
    d.cmdOk->click();
    return d.result();
  };
  bringBack();
  EXPECT_EQ(restoreShown, 1);
  EXPECT_EQ(state(), LockState::Protected);
  EXPECT_EQ(w.windowTitle(), kNormal);
}

TEST_F(Privacy, ASessionEndingWhileTheUnlockDialogIsOpenLeavesTheWindowClosed) {
  auto& w = load();
  protect("Gatto#99");
  w.mnuAlert->trigger();
  platform.messages.clear();
  platform.onModal = [&](QDialog& d) {
    ++restoreShown;
    EXPECT_FALSE(w.sessionEnding()); // the notice, then the window closes
    d.reject();
    return 0;
  };
  bringBack();
  EXPECT_FALSE(w.isVisible());
  EXPECT_EQ(texts(), QStringList{kNotice});
  // Events still queued for the closed window ask nothing more.
  w.Form_Resize();
  drain();
  EXPECT_EQ(restoreShown, 1);
}

TEST_F(Privacy, TheDialogsAreCentredOnTheScreenWithTheFirstBoxFocused) {
  auto& w = load();
  platform.screen = QSize(1000, 800);
  onProtect([](frmProtect& d) {
    EXPECT_EQ(d.windowTitle(), QString(26, ' ') + "PASSWORD DI PROTEZIONE");
    EXPECT_EQ(d.size(), QSize(ui::px(4680), ui::px(3090)));
    EXPECT_EQ(d.pos(), QPoint((1000 - d.width()) / 2, (800 - d.height()) / 2));
    EXPECT_FALSE(d.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    // The first box comes first in the tab order.
    d.show();
    d.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&d));
    EXPECT_EQ(QApplication::focusWidget(), d.txtPassword);
    EXPECT_EQ(d.txtPassword->nextInFocusChain(), d.txtConferma);
    d.cmdCancel->click();
  });
  w.mnuPassword->trigger();

  app.AlarmActive = true;
  app.ProtectPassword = "abcd";
  platform.onModal = [](QDialog& dlg) {
    auto& d = static_cast<frmRestore&>(dlg);
    EXPECT_EQ(d.windowTitle(), QString(26, ' ') + "Ripristino SOLVARINO 3_w");
    EXPECT_EQ(d.size(), QSize(ui::px(4680), ui::px(1560)));
    EXPECT_EQ(d.pos(), QPoint((1000 - d.width()) / 2, (800 - d.height()) / 2));
    EXPECT_EQ(d.txtPassword->maxLength(), 14);
    return 0;
  };
  w.Form_Resize();
}

// ---------------------------------------------------------------- closing

TEST_F(Privacy, EsciThenNoLeavesEverythingAsItWas) {
  auto& w = load();
  w.mnuMultimedia->trigger();
  playMusic();
  w.pboWins_Click(1);
  platform.answers = {vbNo};
  w.mnuEsci->trigger();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "Chiudere il SOLVARINO 3_w ?");
  EXPECT_EQ(platform.messages[0].title, "FINE SESSIONE");
  EXPECT_EQ(platform.messages[0].style, 68);
  EXPECT_TRUE(w.isVisible());
  EXPECT_EQ(w.CurrentBrowser, w.WBMess.get());
  EXPECT_TRUE(w.fraRadio->isVisible());
  EXPECT_EQ(player().playState(), 3);
  EXPECT_EQ(player().calls.filter("stop").size(), 0);

  // Yes closes; the player stops with the window.
  w.close();
  EXPECT_EQ(platform.messages.size(), 2u);
  EXPECT_FALSE(w.isVisible());
  EXPECT_NE(player().playState(), 3);
}

TEST_F(Privacy, ClosingTheDisguisedWindowGivesTheNoticeAndAsksNoPassword) {
  auto& w = load();
  protect("Gatto#99");
  w.mnuAlert->trigger();
  platform.messages.clear();
  w.close(); // from the task bar
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, kNotice);
  EXPECT_EQ(platform.messages[0].style, 64);
  EXPECT_EQ(platform.messages[0].title, "Norvalis SOLVARINO 3_w");
  EXPECT_EQ(restoreShown, 0);
  EXPECT_FALSE(w.isVisible());
}

TEST_F(Privacy, SessionEndingRunsTheSameDecisionAndAsksOnlyOnce) {
  auto& w = load();
  platform.answers = {vbNo};
  EXPECT_TRUE(w.sessionEnding()); // the session manager is told to cancel
  EXPECT_TRUE(w.isVisible());
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].title, "FINE SESSIONE");
  EXPECT_FALSE(w.sessionEnding()); // Yes
  EXPECT_FALSE(w.isVisible());
  EXPECT_EQ(platform.messages.size(), 2u);
}

TEST_F(Privacy, ALaterStartOfTheProgramPassesTheLockAsTheTaskBarDoes) {
  auto& w = load();
  w.bringToFront(); // not disguised: no question
  drain();
  EXPECT_TRUE(platform.messages.empty());
  protect("Gatto#99");
  w.mnuAlert->trigger();
  onRestore({"Cane#1"});
  w.bringToFront();
  drain();
  EXPECT_EQ(restoreShown, 1);
  EXPECT_EQ(state(), LockState::Locked);
  EXPECT_TRUE(w.isMinimized());
  EXPECT_EQ(w.windowTitle(), kExcel);
  onRestore({"Gatto#99"});
  w.bringToFront();
  drain();
  EXPECT_EQ(state(), LockState::Protected);
  EXPECT_EQ(w.windowTitle(), kNormal);
}

TEST_F(Privacy, TheAlarmKeyFromAnOpenBoxHidesItUnansweredAndTheRestoreBringsItBackFirst) {
  auto& w = load();
  QDialog box(&w);
  bool told = false;
  QTimer::singleShot(0, &box, [&] {
    EXPECT_TRUE(box.isVisible());
    // The box holds the focus and blocks the window: the key still works.
    QTest::keyClick(&box, Qt::Key_F12, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_TRUE(app.AlarmActive);
    EXPECT_FALSE(box.isVisible());
    // A notice meanwhile is kept; a second alarm changes nothing.
    platform.gate().tell([&] { told = true; });
    w.alarm->raiseAlarm();
    EXPECT_FALSE(told);
    platform.answers = {vbYes};
    bringBack();
    EXPECT_FALSE(app.AlarmActive);
    EXPECT_TRUE(box.isVisible());
    EXPECT_TRUE(told);
    box.accept();
  });
  EXPECT_EQ(platform.gate().ask(box), QDialog::Accepted);
  EXPECT_EQ(platform.messages.size(), 1u); // one restore question
}

TEST_F(Privacy, TheAlarmOverANoticeTheRestoreReleasedStillGetsTheRestoreQuestionEachTime) {
  auto& w = load();
  w.mnuAlert->trigger();
  // A file finished saving under the disguise: its notice stays open after the restore.
  QPointer<QDialog> notice;
  platform.gate().tell([&] {
    notice = new QDialog(&w);
    platform.gate().open(notice, {});
  });
  for (int round = 0; round < 3; ++round) {
    platform.answers = {vbYes};
    bringBack();
    ASSERT_FALSE(app.AlarmActive);
    ASSERT_TRUE(notice && notice->isVisible());
    w.mnuAlert->trigger();
    EXPECT_FALSE(notice->isVisible());
  }
  EXPECT_EQ(texts().count(QStringLiteral("Ripristinare il SOLVARINO 3_w ?")), 3);
}

TEST(Gate, APanesBoxShowsAtOnceFreesItsPaneWhenAnsweredAndThoseAskedInsideAnAnsweredOneComeFirst) {
  FakePlatform platform;
  SurfaceGate& gate = platform.gate();
  QWidget forum, messages;
  gate.addPane(&forum);
  gate.addPane(&messages);
  gate.setFront(&forum);
  QDialog behind, front, inner;
  int asked = 0;
  QTimer::singleShot(0, &front, [&] {
    // Asked inside the wait of the box held for the messages pane.
    EXPECT_FALSE(behind.isVisible());
    EXPECT_FALSE(messages.isEnabled());
    // The fake's boxes pass the gate too: held behind, answered once shown.
    platform.answers = {vbNo};
    platform.msgBoxThen("?", vbYesNo, kProgramTitle, {&messages, false, false},
                        [&](int answer) { asked = answer; });
    QTimer::singleShot(0, &front, [&] {
      EXPECT_TRUE(front.isVisible());
      EXPECT_FALSE(forum.isEnabled());
      QTimer::singleShot(0, &inner, [&] {
        // front answered returns only after inner, asked inside it: inner
        // shows now, ahead of the messages pane's others, pane behind or not.
        EXPECT_FALSE(inner.isVisible());
        front.accept();
        QCoreApplication::processEvents();
        EXPECT_TRUE(inner.isVisible());
        EXPECT_FALSE(behind.isVisible());
        inner.accept();
      });
      EXPECT_EQ(gate.ask(inner, &messages), QDialog::Accepted);
    });
    EXPECT_EQ(gate.ask(front, &forum), QDialog::Accepted);
    EXPECT_TRUE(forum.isEnabled());
    EXPECT_FALSE(behind.isVisible());
    EXPECT_TRUE(gate.waitsFor(&messages));
    gate.setFront(&messages);
    QTimer::singleShot(0, &behind, [&] {
      EXPECT_TRUE(behind.isVisible());
      EXPECT_EQ(asked, 0);
      behind.reject();
    });
  });
  EXPECT_EQ(gate.ask(behind, &messages), QDialog::Rejected);
  platform.settle();
  EXPECT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(asked, vbNo);
  EXPECT_TRUE(messages.isEnabled());
  EXPECT_FALSE(gate.waitsFor(&messages));
}
