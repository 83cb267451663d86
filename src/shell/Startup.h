#pragma once
#include <functional>
#include <memory>

class Platform;
struct NRV_SLV3;
class frmNRV_SLV3;
class frmStart;

// Shows the splash. While it stands, the main window is built (hidden) and its
// three panes load their home pages, so that when the splash unloads only the
// window's load and show remain: the list files are read and the window
// appears with the forum page already loaded. The window goes into mainWindow;
// the splash deletes itself when closed.
// splashEnding, when given, runs as the splash begins to unload.
frmStart* startProgram(Platform& platform, NRV_SLV3& state,
                       std::unique_ptr<frmNRV_SLV3>& mainWindow,
                       std::function<void()> splashEnding = {});
