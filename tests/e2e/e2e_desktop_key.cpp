// The alarm's key from anywhere on the desktop: another program's window has
// the keyboard, the key is pressed on the display, the program is disguised.
#include "e2e/E2E.h"

#include <QApplication>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace {

QString xdotool(const QStringList& args) {
  QProcess p;
  p.start(QStringLiteral("xdotool"), args);
  p.waitForFinished(10000);
  return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

} // namespace

TEST(DesktopKey, RaisesTheAlarmWhileAnotherProgramHasTheKeyboard) {
  QProcess openbox;
  if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty() ||
      !e2e::startWindowManager(openbox))
    GTEST_SKIP() << "openbox or xdotool is not installed (scripts/setup installs them)";
  ASSERT_TRUE(openbox.waitForStarted());
  e2e::Run r;
  ASSERT_TRUE(r.serve());
  QStringList told;
  r.platform.onMsgBox = [&](const QString& text, int) {
    told << text;
    return int(vbNo);
  };
  frmNRV_SLV3* w = r.start();
  ASSERT_NE(w, nullptr);
  ASSERT_FALSE(w->mnuDesktopKeyTaken->isVisible());

  QProcess other;
  other.start(QStringLiteral("xmessage"), {"-name", "altro", "-center", "un altro programma"});
  ASSERT_TRUE(other.waitForStarted());
  QString id;
  ASSERT_TRUE(e2e::waitFor([&] {
    id = xdotool({"search", "--onlyvisible", "--classname", "altro"}).section('\n', 0, 0);
    return !id.isEmpty();
  }));
  xdotool({"windowactivate", "--sync", id});
  ASSERT_TRUE(e2e::waitFor([] { return QApplication::activeWindow() == nullptr; }));

  xdotool({"key", "shift+ctrl+F12"});
  ASSERT_TRUE(e2e::waitFor([&] { return w->isMinimized(); }));
  EXPECT_TRUE(r.state.AlarmActive);
  EXPECT_EQ(w->windowTitle(), "Microsoft Excel");
  // While disguised the key is the desktop's: no restore question from it.
  xdotool({"key", "shift+ctrl+F12"});
  e2e::waitFor([] { return false; }, 1500);
  EXPECT_TRUE(w->isMinimized());
  EXPECT_TRUE(told.filter("Ripristinare").isEmpty()) << told.join('\n').toStdString();

  other.terminate();
  other.waitForFinished();
  r.win.reset();
  openbox.terminate();
  openbox.waitForFinished();
}
