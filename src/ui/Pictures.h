#pragma once
// Pictures the program draws for itself.
#include <QPixmap>

namespace ui {
QPixmap appIcon();     // 32 x 32, the program's icon
QPixmap splashLogo();  // 600 x 300, the splash picture
} // namespace ui
