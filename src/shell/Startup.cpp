#include "shell/Startup.h"

#include "shell/frmNRV_SLV3.h"
#include "shell/frmStart.h"

frmStart* startProgram(Platform& platform, NRV_SLV3& state,
                       std::unique_ptr<frmNRV_SLV3>& mainWindow) {
  auto* splash = new frmStart([&platform, &state, &mainWindow] {
    mainWindow = std::make_unique<frmNRV_SLV3>(platform, state);
    mainWindow->Form_Load();
    mainWindow->show();
  });
  splash->show();
  return splash;
}
