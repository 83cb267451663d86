// The lock password stays in memory, cannot be copied out of its boxes, and
// is overwritten when it is replaced or dropped.
#include "forms/test_privacy_fixture.h"
#include "privacy/PasswordBox.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QDirIterator>
#include <QGuiApplication>
#include <QSettings>
#include <QStyle>
#include <QTest>

namespace {

// True when no character of the buffer is left.
bool blank(const QString& s) {
  for (QChar c : s)
    if (c != QChar(u'\0'))
      return false;
  return true;
}

QStringList captured;
void capture(QtMsgType, const QMessageLogContext&, const QString& msg) {
  captured << msg;
}

} // namespace

using PrivacySecurity = PrivacyFixture;

TEST_F(PrivacySecurity, BoxesShowBulletsAndLetNothingOut) {
  auto& w = load();
  QGuiApplication::clipboard()->setText("appunti");
  onProtect([&](frmProtect& d) {
    for (QLineEdit* box : {d.txtPassword, d.txtConferma}) {
      QTest::keyClicks(box, "Segreto1");
      EXPECT_EQ(box->echoMode(), QLineEdit::Password);
      EXPECT_EQ(box->displayText(), QString(8, QChar(0x2022)));
      EXPECT_EQ(box->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, box),
                0x2022);
      EXPECT_EQ(box->contextMenuPolicy(), Qt::NoContextMenu);
      EXPECT_FALSE(box->dragEnabled());
      box->selectAll();
      QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
      box->copy();
      QTest::keyClick(box, Qt::Key_Insert, Qt::ControlModifier);
      QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
      EXPECT_EQ(QGuiApplication::clipboard()->text(), "appunti");
    }
    d.cmdCancel->click();
  });
  w.mnuPassword->trigger();

  app.AlarmActive = true;
  app.ProtectPassword = "Segreto1";
  platform.onModal = [](QDialog& dlg) {
    auto* box = static_cast<frmRestore&>(dlg).txtPassword;
    QTest::keyClicks(box, "Segreto1");
    EXPECT_EQ(box->displayText(), QString(8, QChar(0x2022)));
    EXPECT_EQ(box->contextMenuPolicy(), Qt::NoContextMenu);
    box->selectAll();
    QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "appunti");
    return 0;
  };
  w.Form_Resize();
}

TEST_F(PrivacySecurity, ThePasswordIsNeverWrittenAnywhere) {
  const QString pw = QStringLiteral("Zq7!Segreto");
  captured.clear();
  const auto previous = qInstallMessageHandler(capture);
  testing::internal::CaptureStdout();
  testing::internal::CaptureStderr();
  {
    auto& w = load();
    protect(pw);
    w.mnuAlert->trigger();
    onRestore({"sbagliata", pw});
    bringBack();
    w.mnuAlert->trigger();
    onRestore({"ancora", "no-no", "mai-piu"});
    bringBack();
    w.tmrProtection_Timer();
  }
  const std::string out = testing::internal::GetCapturedStdout();
  const std::string err = testing::internal::GetCapturedStderr();
  qInstallMessageHandler(previous);
  win.reset();

  const std::string needle = pw.toStdString();
  EXPECT_EQ(out.find(needle), std::string::npos);
  EXPECT_EQ(err.find(needle), std::string::npos);
  for (const QString& m : captured)
    EXPECT_FALSE(m.contains(pw)) << m.toStdString();
  for (const QString& e : platform.events)
    EXPECT_FALSE(e.contains(pw));
  for (const auto& m : platform.messages)
    EXPECT_FALSE(m.text.contains(pw));
  EXPECT_FALSE(platform.clipboard.contains(pw));
  EXPECT_FALSE(QGuiApplication::clipboard()->text().contains(pw));
  for (const QString& key : QSettings().allKeys())
    EXPECT_FALSE(QSettings().value(key).toString().contains(pw));
  // Nothing was written beside the program.
  EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files | QDir::NoDotAndDotDot).isEmpty());
  // And nothing of the lock is left once the window is gone.
  EXPECT_TRUE(app.ProtectPassword.isEmpty());
}

TEST_F(PrivacySecurity, ReplacingOrDroppingThePasswordOverwritesItsBuffer) {
  auto& w = load();
  protect("Primo1234");
  const QString first = app.ProtectPassword; // shares the program's buffer
  ASSERT_EQ(first, "Primo1234");

  // Opening the dialog drops it at once.
  onProtect([&](frmProtect& d) {
    EXPECT_TRUE(blank(first));
    d.txtPassword->setText("Secondo99");
    d.txtConferma->setText("Secondo99");
    d.cmdOk->click();
  });
  w.mnuPassword->trigger();
  ASSERT_EQ(app.ProtectPassword, "Secondo99");
  const QString second = app.ProtectPassword;

  // The dialogs overwrite what was typed in their boxes when they go.
  QString typed;
  w.mnuAlert->trigger();
  platform.onModal = [&](QDialog& dlg) {
    auto* box = static_cast<frmRestore&>(dlg).txtPassword;
    box->setText("Secondo99");
    typed = box->text();
    static_cast<frmRestore&>(dlg).cmdOk->click();
    EXPECT_EQ(typed, "Secondo99");
    return 0;
  };
  bringBack();
  EXPECT_EQ(state(), slv::privacy::LockState::Protected);
  EXPECT_TRUE(blank(typed));
  EXPECT_EQ(app.ProtectPassword, "Secondo99"); // the box's buffer was not the password's

  // The end of the program drops it too.
  win.reset();
  EXPECT_TRUE(blank(second));
  EXPECT_TRUE(app.ProtectPassword.isEmpty());
}

TEST_F(PrivacySecurity, WipeLeavesLiteralsAndEmptyStringsAlone) {
  QString literal = QStringLiteral("letterale");
  slv::privacy::wipe(literal); // read-only memory: must not be written
  EXPECT_TRUE(literal.isEmpty());
  EXPECT_EQ(QStringLiteral("letterale"), "letterale");
  QString empty;
  slv::privacy::wipe(empty);
  EXPECT_TRUE(empty.isEmpty());
}
