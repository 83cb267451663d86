#pragma once
// Pictures the program draws for itself.
#include <QPixmap>

namespace ui {
QPixmap appIcon();     // 32 x 32, the program's icon
QPixmap splashLogo();  // 600 x 300, the splash picture
// picture with a small red count badge in its top right corner, at the
// picture's own density and size; an empty badge gives picture as it is.
QPixmap badgedPicture(const QPixmap& picture, const QString& badge);
} // namespace ui
