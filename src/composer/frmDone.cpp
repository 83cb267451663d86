#include "composer/frmDone.h"

#include "ui/Widgets.h"

#include <QPainter>
#include <QPainterPath>
#include <QTimer>

frmDone::frmDone(QWidget* owner)
    : QWidget(owner, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus),
      owner_(owner) {
  setAttribute(Qt::WA_DeleteOnClose);
  // The main window keeps the focus: the user may go on typing.
  setAttribute(Qt::WA_ShowWithoutActivating);
  setFixedSize(ui::px(2055), ui::px(1845));
  Timer1 = new QTimer(this);
  Timer1->setInterval(1400);
  connect(Timer1, &QTimer::timeout, this, &frmDone::Timer1_Timer);
  Form_Load();
}

void frmDone::Form_Load() {
  // Left + 750 twips and half-way down the main window, in screen coordinates.
  const QRect o = owner_->frameGeometry();
  const int left = slv::pixelsToTwips(o.x()) + 750;
  const int top = slv::pixelsToTwips(o.y()) + slv::pixelsToTwips(o.height()) / 2;
  move(ui::px(left), ui::px(top));
  Timer1->start();
}

void frmDone::Timer1_Timer() {
  Timer1->stop();
  close();
}

void frmDone::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::white);
  p.drawPixmap(0, 0, picture());
}

QPixmap frmDone::picture() {
  QPixmap pm = ui::canvas(120, 120);
  pm.fill(Qt::white);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);

  // Speech balloon with its tail pointing at the smiley.
  QPainterPath balloon;
  balloon.addRoundedRect(QRectF(6, 3, 108, 36), 14, 14);
  QPainterPath tail;
  tail.moveTo(34, 36);
  tail.lineTo(30, 54);
  tail.lineTo(50, 37);
  tail.closeSubpath();
  balloon = balloon.united(tail);
  p.setPen(QPen(QColor(40, 40, 40), 2));
  p.setBrush(QColor(255, 255, 235));
  p.drawPath(balloon);
  p.setPen(QColor(200, 0, 0));
  p.setFont(ui::font(15, true));
  p.drawText(QRectF(6, 3, 108, 36), Qt::AlignCenter, QStringLiteral("FATTO !"));

  // The smiley.
  const QPointF c(48, 84);
  const double r = 30;
  QRadialGradient face(c - QPointF(10, 10), r * 1.4);
  face.setColorAt(0, QColor(255, 250, 150));
  face.setColorAt(1, QColor(245, 200, 0));
  p.setPen(QPen(QColor(150, 100, 0), 2));
  p.setBrush(face);
  p.drawEllipse(c, r, r);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(40, 30, 0));
  p.drawEllipse(QPointF(c.x() - 10, c.y() - 8), 3.5, 5.5);
  p.drawEllipse(QPointF(c.x() + 10, c.y() - 8), 3.5, 5.5);
  p.setPen(QPen(QColor(40, 30, 0), 3, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(c.x() - 17, c.y() - 12, 34, 28), 200 * 16, 140 * 16);

  // The thumbs-up hand beside the face.
  p.setPen(QPen(QColor(150, 100, 0), 2));
  p.setBrush(QColor(250, 215, 40));
  p.drawRoundedRect(QRectF(84, 82, 24, 26), 6, 6); // fist
  p.drawRoundedRect(QRectF(88, 60, 10, 28), 5, 5); // thumb
  p.setPen(QPen(QColor(150, 100, 0), 1.5));
  for (int i = 1; i < 4; ++i) // folded fingers
    p.drawLine(QPointF(92, 82 + i * 6.5), QPointF(107, 82 + i * 6.5));
  return pm;
}
