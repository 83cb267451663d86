#include "composer/ComposerLook.h"

#include "ui/Widgets.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <algorithm>

namespace composer_look {

QPushButton* toggleButton(QWidget* parent, const QString& caption, int left, int top, int width,
                          int height, std::uint32_t back, const QFont& f) {
  auto* b = new QPushButton(caption, parent);
  ui::place(b, left, top, width, height);
  ui::styleButton(b, back, f);
  b->setCheckable(true);
  return b;
}

void setButtonTextColor(QPushButton* b, std::uint32_t fore) {
  b->setStyleSheet(
      b->styleSheet() +
      QStringLiteral("QAbstractButton:enabled { color: %1; }").arg(ui::color(fore).name()));
}

void unselectAll(QButtonGroup* g) {
  g->setExclusive(false);
  for (QAbstractButton* b : g->buttons())
    b->setChecked(false);
  g->setExclusive(true);
}

QPlainTextEdit* multiLineBox(QWidget* parent, int left, int top, int width, int height,
                             const QFont& f, std::int64_t fore) {
  auto* t = new QPlainTextEdit(parent);
  ui::place(t, left, top, width, height);
  ui::setColors(t, kModeBack, fore);
  t->setFont(f);
  t->setTabChangesFocus(true);
  return t;
}

QLineEdit* lineBox(QWidget* parent, int left, int top, int width, int height, const QFont& f) {
  auto* t = new QLineEdit(parent);
  ui::place(t, left, top, width, height);
  ui::setColors(t, kModeBack, kLabelColor);
  t->setFont(f);
  return t;
}

QPushButton* okButton(QWidget* parent, int left, int top, int width, int height) {
  auto* b = new QPushButton(QStringLiteral("OK"), parent);
  ui::place(b, left, top, width, height);
  ui::styleButton(b, kModeBack, ui::font(8.25, true));
  b->setEnabled(false);
  return b;
}

void line(QWidget* parent, int left, int top, int width, int height) {
  auto* l = ui::frame(parent, kPanelBack);
  l->setGeometry(ui::px(left), ui::px(top), std::max(1, ui::px(width)),
                 std::max(1, ui::px(height)));
}

} // namespace composer_look
