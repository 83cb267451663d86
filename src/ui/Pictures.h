#pragma once
// Pictures the program draws for itself.
#include <QPixmap>

namespace ui {
QPixmap appIcon();     // 32 x 32, the program's icon
QPixmap splashLogo();  // 600 x 300, the splash picture
// The toolbar's word picture (ui::wordPicture) with a small red count badge
// at its right end, the word narrowed beside it; an empty badge gives the
// plain word picture.
QPixmap badgedWordPicture(const QString& word, const QString& badge);
} // namespace ui
