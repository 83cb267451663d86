#include "privacy/PasswordBox.h"

#include "privacy/password_rules.h"
#include "ui/Widgets.h"

#include <QColor>

namespace slv::privacy {

QLineEdit* passwordBox(QWidget* parent, int left, int top, int width, int height,
                       std::uint32_t foreBgr) {
  auto* box = new QLineEdit(parent);
  ui::place(box, left, top, width, height);
  box->setMaxLength(static_cast<int>(slv::privacy::kMaxLength));
  box->setEchoMode(QLineEdit::Password);
  box->setFont(ui::font(9.75, true));
  // The style sheet is the one place Qt takes a fixed mask character from;
  // without it the style picks one by the font.
  box->setStyleSheet(QStringLiteral("QLineEdit { background-color: %1; color: %2; "
                                    "border: 1px solid #404040; "
                                    "lineedit-password-character: %3; "
                                    "lineedit-password-mask-delay: 0; }")
                         .arg(ui::color(0x00FF8080).name(), ui::color(foreBgr).name())
                         .arg(int(kMask)));
  box->setContextMenuPolicy(Qt::NoContextMenu);
  box->setDragEnabled(false);
  box->setAcceptDrops(false);
  return box;
}

void wipe(QString& s) {
  // Literals and the shared empty string have no heap buffer (and may sit in
  // read-only memory); only a heap buffer can hold typed text.
  if (!s.isEmpty() && s.data_ptr().d_ptr() != nullptr) {
    volatile char16_t* p = const_cast<char16_t*>(reinterpret_cast<const char16_t*>(s.constData()));
    for (qsizetype i = 0; i < s.size(); ++i)
      p[i] = u'\0';
  }
  s = QString();
}

void wipeBox(QLineEdit* box) {
  QString text = box->text(); // shares the box's own buffer
  wipe(text);
  // setText, unlike clear(), also drops the undo history, which holds every
  // typed character.
  box->setText(QString());
}

void setPassword(QString& password, const QString& text) {
  wipe(password);
  password = QString(text.constData(), text.size());
}

} // namespace slv::privacy
