#pragma once
// Application-wide state shared by the main window and the small dialogs.
#include <QString>

struct NRV_SLV3 {
  bool AlarmActive = false;   // the boss-alarm disguise is on
  bool ForceClose = false;    // three wrong unlock passwords: the program must end
  QString ProtectPassword;    // empty while no password is set; memory only
  int RestoreAttempts = 0;    // wrong passwords in the current unlock showing
  QString ImageURL;           // image address handed to the preview window
};
