#include "media/MusicPictures.h"

#include "ui/Widgets.h"

#include <QPainter>
#include <QPainterPath>
#include <functional>

namespace slv::media {

namespace {

// A rounded light tile with a dark-blue symbol, like the toolbar's pictures.
QPixmap tile(const std::function<void(QPainter&, double)>& symbol) {
  const int side = ui::px(330);
  QPixmap pm = ui::canvas(side, side);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient g(0, 0, 0, side);
  g.setColorAt(0, QColor(235, 240, 255));
  g.setColorAt(1, QColor(150, 170, 235));
  p.setPen(QPen(QColor(60, 60, 140), 1));
  p.setBrush(g);
  p.drawRoundedRect(QRectF(0.5, 0.5, side - 1, side - 1), 3, 3);
  p.setPen(Qt::NoPen);
  p.setBrush(ui::color(0x00800000));
  symbol(p, side);
  return pm;
}

} // namespace

QPixmap musicNote() {
  return tile([](QPainter& p, double s) {
    p.drawEllipse(QRectF(s * 0.22, s * 0.62, s * 0.30, s * 0.22));
    p.drawRect(QRectF(s * 0.45, s * 0.18, s * 0.07, s * 0.56));
    QPainterPath flag;
    flag.moveTo(s * 0.52, s * 0.18);
    flag.cubicTo(s * 0.62, s * 0.26, s * 0.80, s * 0.30, s * 0.74, s * 0.52);
    flag.cubicTo(s * 0.72, s * 0.40, s * 0.62, s * 0.36, s * 0.52, s * 0.34);
    flag.closeSubpath();
    p.drawPath(flag);
  });
}

QPixmap musicPlay() {
  return tile([](QPainter& p, double s) {
    const QPointF tri[3] = {{s * 0.32, s * 0.22}, {s * 0.32, s * 0.78}, {s * 0.78, s * 0.50}};
    p.drawPolygon(tri, 3);
  });
}

QPixmap musicStop() {
  return tile([](QPainter& p, double s) { p.drawRect(QRectF(s * 0.27, s * 0.27, s * 0.46, s * 0.46)); });
}

QPixmap musicNext() {
  return tile([](QPainter& p, double s) {
    const QPointF tri[3] = {{s * 0.22, s * 0.24}, {s * 0.22, s * 0.76}, {s * 0.62, s * 0.50}};
    p.drawPolygon(tri, 3);
    p.drawRect(QRectF(s * 0.64, s * 0.24, s * 0.12, s * 0.52));
  });
}

} // namespace slv::media
