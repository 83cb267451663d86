#include "shell/Startup.h"

#include "shell/frmNRV_SLV3.h"
#include "shell/frmStart.h"

#include <QTimer>

namespace {
// Long enough for the splash to be on screen before the browser engine starts.
constexpr int kBuildDelayMs = 250;
} // namespace

frmStart* startProgram(Platform& platform, NRV_SLV3& state,
                       std::unique_ptr<frmNRV_SLV3>& mainWindow,
                       std::function<void()> splashEnding) {
  auto build = [&platform, &state, &mainWindow] {
    if (mainWindow)
      return;
    mainWindow = std::make_unique<frmNRV_SLV3>(platform, state);
    // The splash's seconds are idle: the three home pages load in the
    // window, which stays hidden until the splash ends.
    mainWindow->startPanes();
  };
  auto* splash = new frmStart([build, &mainWindow, splashEnding = std::move(splashEnding)] {
    if (splashEnding)
      splashEnding();
    build();
    mainWindow->Form_Load();
    mainWindow->show();
  });
  splash->show();
  // Starting the browser engine and loading the pages take a good part of a
  // second; the splash's idle seconds pay for them instead of the user's
  // wait after the splash.
  QTimer::singleShot(kBuildDelayMs, splash, build);
  return splash;
}
