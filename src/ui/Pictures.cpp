#include "ui/Pictures.h"

#include "ui/Widgets.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace ui {

QPixmap appIcon() {
  QPixmap pm = canvas(32, 32);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setBrush(QColor(128, 128, 255));
  p.setPen(QPen(QColor(0, 0, 128), 2));
  p.drawEllipse(2, 2, 28, 28);
  p.setPen(Qt::white);
  p.setFont(ui::font(13, true, true));
  p.drawText(QRect(0, 0, 32, 32), Qt::AlignCenter, QStringLiteral("S3"));
  return pm;
}

QPixmap splashLogo() {
  QPixmap pm = canvas(600, 300);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient g(0, 0, 600, 300);
  g.setColorAt(0, QColor(40, 40, 150));
  g.setColorAt(1, QColor(140, 140, 255));
  p.fillRect(QRect(0, 0, 600, 300), g);
  // A few soft rings behind the name.
  p.setPen(QPen(QColor(255, 255, 255, 60), 6));
  for (int r = 60; r < 420; r += 70)
    p.drawEllipse(QPoint(120, 250), r, r);
  p.setPen(QColor(255, 255, 255));
  p.setFont(ui::font(40, true, true));
  p.drawText(QRect(0, 40, 600, 100), Qt::AlignCenter, QStringLiteral("SOLVARINO 3_w"));
  p.setFont(ui::font(14, true));
  p.drawText(QRect(0, 120, 600, 40), Qt::AlignCenter, QStringLiteral("il browser della comunità"));
  return pm;
}

QPixmap badgedWordPicture(const QString& word, const QString& badge) {
  QPixmap pm = wordPicture(badge.isEmpty() ? word : QString());
  if (badge.isEmpty())
    return pm;
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  const QFont small = ui::font(6, true);
  constexpr qreal h = 11;
  const qreal w = qMax(h, QFontMetricsF(small, &pm).horizontalAdvance(badge) + 5);
  const QRectF r(60 - w - 1, (20 - h) / 2, w, h);
  // The word keeps the room left of the badge, smaller when it must.
  QFont f = ui::font(7, true, true);
  const qreal room = r.left() - 2, wide = QFontMetricsF(f, &pm).horizontalAdvance(word.toUpper());
  if (wide > room)
    f.setPointSizeF(f.pointSizeF() * room / wide);
  p.setFont(f);
  p.setPen(Qt::white);
  p.drawText(QRectF(1, 0, r.left() - 1, 20), Qt::AlignCenter, word.toUpper());
  p.setPen(QPen(Qt::white, 1));
  p.setBrush(QColor(215, 30, 40));
  p.drawRoundedRect(r, h / 2, h / 2);
  p.setFont(small);
  p.drawText(r, Qt::AlignCenter, badge);
  return pm;
}

} // namespace ui
