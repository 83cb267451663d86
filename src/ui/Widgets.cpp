#include "ui/Widgets.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QtMath>

namespace ui {

void place(QWidget* w, int left, int top, int width, int height) {
  w->setGeometry(px(left), px(top), px(width), px(height));
}

QColor color(std::uint32_t bgr) {
  const auto c = slv::bgrToRgb(bgr);
  return QColor(c.r, c.g, c.b);
}

void setColors(QWidget* w, std::uint32_t back, std::int64_t fore) {
  QPalette p = w->palette();
  p.setColor(QPalette::Window, color(back));
  p.setColor(QPalette::Base, color(back));
  p.setColor(QPalette::Button, color(back));
  if (fore >= 0) {
    const QColor f = color(static_cast<std::uint32_t>(fore));
    p.setColor(QPalette::WindowText, f);
    p.setColor(QPalette::Text, f);
    p.setColor(QPalette::ButtonText, f);
  }
  w->setPalette(p);
  w->setAutoFillBackground(true);
}

QFont font(double points, bool bold, bool italic) {
  QFont f(QStringLiteral("Liberation Sans"));
  f.setStyleHint(QFont::SansSerif);
  f.setPointSizeF(points);
  f.setBold(bold);
  f.setItalic(italic);
  return f;
}

QFrame* frame(QWidget* parent, std::uint32_t back) {
  auto* f = new QFrame(parent);
  f->setFrameShape(QFrame::NoFrame);
  setColors(f, back);
  return f;
}

QLabel* label(QWidget* parent, const QString& text, int left, int top, int width, int height,
              const QFont& f, std::uint32_t fore, Qt::Alignment align) {
  auto* l = new QLabel(text, parent);
  l->setTextFormat(Qt::PlainText); // captions and what a stream names alike
  place(l, left, top, width, height);
  l->setFont(f);
  l->setAlignment(align);
  QPalette p = l->palette();
  p.setColor(QPalette::WindowText, color(fore));
  l->setPalette(p);
  l->setAttribute(Qt::WA_TranslucentBackground);
  return l;
}

std::pair<QLabel*, QLabel*> shadowTitle(QWidget* parent, const QString& text, int left1, int top1,
                                        std::uint32_t color1, int left2, int top2,
                                        std::uint32_t color2, int width, int height,
                                        const QFont& f) {
  QLabel* a = label(parent, text, left1, top1, width, height, f, color1);
  QLabel* b = label(parent, text, left2, top2, width, height, f, color2);
  return {a, b};
}

void styleButton(QAbstractButton* b, std::uint32_t back, const QFont& f) {
  b->setFont(f);
  const QColor c = color(back);
  b->setStyleSheet(QStringLiteral("QAbstractButton { background-color: %1; border: 1px solid #404040; "
                                  "border-radius: 0px; }"
                                  "QAbstractButton:pressed, QAbstractButton:checked { border: 2px inset #202020; }"
                                  "QAbstractButton:disabled { color: #808080; }")
                       .arg(c.name()));
}

qreal pictureRatio() {
  return qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
}

QPixmap canvas(int w, int h) {
  const qreal ratio = pictureRatio();
  QPixmap pm(qCeil(w * ratio), qCeil(h * ratio));
  pm.setDevicePixelRatio(ratio);
  pm.fill(Qt::transparent);
  return pm;
}

QPixmap wordPicture(const QString& word, QColor ground) {
  QPixmap pm = canvas(60, 20);
  pm.fill(ground);
  QPainter p(&pm);
  p.setRenderHint(QPainter::TextAntialiasing);
  QFont f = font(7, true, true);
  p.setFont(f);
  p.setPen(Qt::white);
  p.drawText(QRect(0, 0, 60, 20), Qt::AlignCenter, word.toUpper());
  return pm;
}

namespace {

// Drops the click that ends a double-click: the view reports a click on each
// release, the one after the double-click event included.
class DoubleClickFilter : public QObject {
public:
  using QObject::QObject;
  bool secondHalf = false;

protected:
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::MouseButtonDblClick)
      secondHalf = true;
    else if (e->type() == QEvent::MouseButtonPress)
      secondHalf = false;
    return false;
  }
};

class EnterFilter : public QObject {
public:
  EnterFilter(QObject* parent, std::function<void()> click)
      : QObject(parent), click_(std::move(click)) {}

protected:
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() != QEvent::KeyPress)
      return false;
    const int key = static_cast<QKeyEvent*>(e)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Space)
      return false;
    click_();
    return true;
  }

private:
  std::function<void()> click_;
};

} // namespace

void onItemClick(QListWidget* list, std::function<void()> click) {
  auto* filter = new DoubleClickFilter(list);
  list->viewport()->installEventFilter(filter);
  QObject::connect(list, &QListWidget::itemClicked, list, [filter, click = std::move(click)] {
    if (filter->secondHalf) {
      filter->secondHalf = false;
      return;
    }
    click();
  });
}

void clickOnEnter(QListWidget* list, std::function<void()> click) {
  list->installEventFilter(new EnterFilter(list, std::move(click)));
}

} // namespace ui

namespace {

// A picture box is a button to a screen reader: its name is its caption or,
// without one, its tooltip, and pressing it clicks it.
class PictureBoxAccessible : public QAccessibleWidget {
public:
  explicit PictureBoxAccessible(PictureBox* box) : QAccessibleWidget(box, QAccessible::Button) {}
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
      return widget()->toolTip();
    return QAccessibleWidget::text(t);
  }
  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& action) override {
    if (action == pressAction() && widget()->isEnabled())
      emit static_cast<PictureBox*>(widget())->clicked();
  }
};

QAccessibleInterface* pictureBoxAccessible(const QString& className, QObject* object) {
  if (className == QLatin1String("PictureBox") && object && object->isWidgetType())
    return new PictureBoxAccessible(static_cast<PictureBox*>(object));
  return nullptr;
}

} // namespace

PictureBox::PictureBox(QWidget* parent, const QPixmap& picture, int leftTwips, int topTwips)
    : QLabel(parent), picture_(picture), origin_(ui::px(leftTwips), ui::px(topTwips)) {
  static const bool factoryInstalled = [] {
    QAccessible::installFactory(pictureBoxAccessible);
    return true;
  }();
  Q_UNUSED(factoryInstalled);
  setCursor(Qt::PointingHandCursor);
  resizeToPicture();
}

void PictureBox::setBorderStyle(int style) {
  borderStyle_ = style;
  resizeToPicture();
  update();
}

void PictureBox::setPicture(const QPixmap& picture) {
  picture_ = picture;
  resizeToPicture();
  update();
}

void PictureBox::setAutoSize(bool on) {
  autoSize_ = on;
  resizeToPicture();
  update();
}

void PictureBox::resizeToPicture() {
  // A single border adds two pixels on each side; the top-left corner stays.
  const int extra = autoSize_ && borderStyle_ == 1 ? 4 : 0;
  const QSize size = picture_.deviceIndependentSize().toSize();
  setGeometry(origin_.x(), origin_.y(), size.width() + extra, size.height() + extra);
}

void PictureBox::mousePressEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton) {
    if (pressedLook_)
      setBorderStyle(1);
    emit mouseDown();
  }
}

void PictureBox::mouseReleaseEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton)
    return;
  if (pressedLook_)
    setBorderStyle(0);
  emit mouseUp();
  if (rect().contains(e->position().toPoint()))
    emit clicked();
}

void PictureBox::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const int off = autoSize_ && borderStyle_ == 1 ? 2 : 0;
  p.drawPixmap(off, off, picture_);
  if (borderStyle_ == 1) {
    p.setPen(QPen(Qt::black, 1));
    p.drawRect(0, 0, width() - 1, height() - 1);
    p.setPen(QPen(Qt::white, 1));
    p.drawRect(1, 1, width() - 3, height() - 3);
  }
}
