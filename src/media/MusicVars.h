#pragma once
// The music module's shared variables, owned by the main window.
#include <QString>

struct MusicVars {
  bool RadioMode = false;  // a station, not a file, is in the player
  QString MMInfoText;      // what the mini bar's text shows
};
