#pragma once
// The picker's shared variables, owned by the main window.
#include <QString>

struct EmoVars {
  QString EmoFolder;  // folder of the last built-in set chosen
  int EmoSet = 0;     // the set chosen (4: the personal set)
  QString EmoTag;     // the tag the OK picture copies
};
