// The real program under a window manager: its outer frame, title bar
// included, is what covers the screen.
#include "e2e/E2E.h"

#include <QGuiApplication>
#include <QScreen>
#include <gtest/gtest.h>

TEST(Frame, UnderAWindowManagerTheFrameCoversTheScreen) {
  QProcess openbox;
  if (!e2e::startWindowManager(openbox))
    GTEST_SKIP() << "openbox is not installed (scripts/setup installs it)";
  ASSERT_TRUE(openbox.waitForStarted());
  e2e::Run run;
  ASSERT_TRUE(run.serve());
  frmNRV_SLV3* w = run.start();
  ASSERT_NE(w, nullptr);
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  // The frame comes with the window manager's answer, after the first showing.
  EXPECT_TRUE(e2e::waitFor([&] { return w->frameGeometry() != w->geometry(); }));
  EXPECT_TRUE(e2e::waitFor([&] { return w->frameGeometry() == screen; }))
      << "frame " << w->frameGeometry().x() << "," << w->frameGeometry().y() << " "
      << w->frameGeometry().width() << "x" << w->frameGeometry().height();
  // The picture once the splash has gone and the pages are drawn.
  e2e::waitFor([] { return false; }, 3000);
  e2e::screenshot(w, QStringLiteral("frame_under_window_manager"));
  run.win.reset();
  openbox.terminate();
  openbox.waitForFinished();
}
