#include "browse/FindBar.h"

#include "panes/BrowserPane.h"
#include "ui/Widgets.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

FindBar::FindBar(QWidget* parent) : QFrame(parent) {
  setFrameShape(QFrame::Box);
  setAutoFillBackground(true);
  ui::setColors(this, 0x00FFC0C0);
  auto* label = new QLabel(QStringLiteral("Trova:"), this);
  txtFind = new QLineEdit(this);
  // Longer than any sensible search; the engine is never given a novel.
  txtFind->setMaxLength(500);
  txtFind->setMinimumWidth(200);
  cmdPrevious = new QPushButton(QStringLiteral("Precedente"), this);
  cmdNext = new QPushButton(QStringLiteral("Successivo"), this);
  cmdCloseFind = new QPushButton(QStringLiteral("Chiudi"), this);
  lblMatches = new QLabel(this);
  lblMatches->setMinimumWidth(150);
  for (QPushButton* b : {cmdPrevious, cmdNext, cmdCloseFind})
    b->setFocusPolicy(Qt::NoFocus);
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(6, 3, 6, 3);
  for (QWidget* w : std::initializer_list<QWidget*>{label, txtFind, cmdPrevious, cmdNext,
                                                    lblMatches, cmdCloseFind})
    row->addWidget(w);
  connect(txtFind, &QLineEdit::textChanged, this, [this] { search(false); });
  connect(cmdNext, &QPushButton::clicked, this, &FindBar::findNext);
  connect(cmdPrevious, &QPushButton::clicked, this, &FindBar::findPrevious);
  connect(cmdCloseFind, &QPushButton::clicked, this, &FindBar::closeBar);
  txtFind->installEventFilter(this);
  adjustSize();
  hide();
}

void FindBar::openOn(BrowserPane* pane) {
  if (pane != pane_) {
    closeBar();
    pane_ = pane;
    found_ = connect(pane, &BrowserPane::found, this, &FindBar::showResult);
  }
  show();
  raise();
  txtFind->setFocus();
  txtFind->selectAll();
  if (!txtFind->text().isEmpty())
    search(false);
}

void FindBar::closeBar() {
  if (pane_) {
    pane_->findText(QString(), false);
    disconnect(found_);
  }
  pane_ = nullptr;
  lblMatches->clear();
  const bool hadFocus = hasFocusInside();
  hide();
  if (hadFocus && parentWidget())
    parentWidget()->setFocus();
}

bool FindBar::hasFocusInside() const {
  const QWidget* f = QApplication::focusWidget();
  return f != nullptr && isVisible() && (f == this || isAncestorOf(f));
}

void FindBar::findNext() {
  search(false);
}
void FindBar::findPrevious() {
  search(true);
}

void FindBar::search(bool backward) {
  if (!pane_)
    return;
  const QString text = txtFind->text();
  // Blanks alone match nothing worth finding.
  if (text.trimmed().isEmpty()) {
    pane_->findText(QString(), false);
    lblMatches->setText(text.isEmpty() ? QString() : matchesText(0, 0));
    return;
  }
  pane_->findText(text, backward);
}

void FindBar::showResult(int current, int total) {
  if (txtFind->text().trimmed().isEmpty())
    return;
  lblMatches->setText(matchesText(current, total));
}

QString FindBar::matchesText(int current, int total) {
  if (total <= 0)
    return QStringLiteral("Nessuna corrispondenza");
  return QStringLiteral("%1 di %2").arg(current).arg(total);
}

bool FindBar::eventFilter(QObject* watched, QEvent* event) {
  if (watched == txtFind && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
      search(key->modifiers() & Qt::ShiftModifier);
      return true;
    }
  }
  return QFrame::eventFilter(watched, event);
}
