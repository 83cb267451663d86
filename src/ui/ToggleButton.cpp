#include "ui/ToggleButton.h"

#include "ui/Widgets.h"

#include <QPainter>
#include <QStyleOptionButton>

ToggleButton::ToggleButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
  setCheckable(true);
  setAutoDefault(false);
}

void ToggleButton::setLook(std::uint32_t back, const QFont& f) {
  ui::styleButton(this, back, f);
  setStyleSheet(styleSheet() + QStringLiteral("QAbstractButton:checked { background-color: %1; }")
                                   .arg(ui::color(back).darker(115).name()));
}

void ToggleButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  QStyleOptionButton opt;
  initStyleOption(&opt);
  opt.text.clear();
  style()->drawControl(QStyle::CE_PushButton, &opt, &p, this);
  // A pressed button shows its caption shifted, as a sunken face does.
  const int shift = isChecked() || isDown() ? 1 : 0;
  p.setPen(
      palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
  p.setFont(font());
  p.drawText(rect().adjusted(4 + shift, 2 + shift, -4 + shift, -2 + shift),
             Qt::AlignCenter | Qt::TextWordWrap, text());
}
