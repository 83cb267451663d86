#pragma once
// The mini bar's four button pictures, drawn in code at the size of their
// boxes (330 twips square).
#include <QPixmap>

namespace slv::media {
QPixmap musicNote();
QPixmap musicPlay();
QPixmap musicStop();
QPixmap musicNext();
} // namespace slv::media
