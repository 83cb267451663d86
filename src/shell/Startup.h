#pragma once
#include <memory>

class Platform;
struct NRV_SLV3;
class frmNRV_SLV3;
class frmStart;

// Shows the splash; when it unloads, the main window is made, loaded and shown
// into mainWindow. The splash deletes itself when closed.
frmStart* startProgram(Platform& platform, NRV_SLV3& state,
                       std::unique_ptr<frmNRV_SLV3>& mainWindow);
