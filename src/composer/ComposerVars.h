#pragma once
// The composer's shared variables: owned by the main window, which resets
// them at start, and handed to the composer panel by reference.
#include <QString>

struct ComposerVars {
  int TextSize = 12;
  QString TextColor = QStringLiteral("Default");
  bool TextBold = false, TextItalic = false, TextUnderline = false;
  int ListType = 0, ListItemIndex = 0;
};
