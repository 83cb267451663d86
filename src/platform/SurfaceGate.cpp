#include "platform/SurfaceGate.h"

#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QWidget>
#include <utility>

SurfaceGate::SurfaceGate(QObject* parent) : QObject(parent) {}

SurfaceGate::~SurfaceGate() {
  dropAll();
}

int SurfaceGate::scopeOf(const QObject* pane) const {
  return panes_.value(pane, 0);
}

void SurfaceGate::addPane(const QObject* pane) {
  if (pane && !panes_.contains(pane))
    panes_.insert(pane, static_cast<int>(panes_.size()) + 1);
}

void SurfaceGate::setFront(const QObject* pane) {
  state_.front = scopeOf(pane);
  release();
}

void SurfaceGate::setDisguised(bool on, QWidget* mainWindow) {
  if (on == state_.disguised)
    return;
  state_.disguised = on;
  if (on) {
    // Out of sight without being answered: a hidden dialog keeps its caller
    // waiting, and comes back as it was.
    hidden_.clear();
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (w == mainWindow || !w->isVisible())
        continue;
      // An open menu or tooltip simply closes; windows come back.
      const Qt::WindowType type = w->windowType();
      if (type != Qt::Popup && type != Qt::ToolTip)
        hidden_.append(w);
      w->hide();
    }
  } else {
    const auto back = std::exchange(hidden_, {});
    for (const QPointer<QWidget>& w : back)
      if (w)
        w->show();
    release();
  }
  emit disguiseChanged(on);
}

void SurfaceGate::present(QDialog& dialog) {
  dialog.show();
  dialog.raise();
  dialog.activateWindow();
}

int SurfaceGate::ask(QDialog& dialog, const QObject* pane) {
  // The program's own questions block the rest of it, as they always did;
  // a page's question holds only its pane.
  if (dialog.windowModality() == Qt::NonModal && !pane)
    dialog.setWindowModality(Qt::ApplicationModal);
  dialog.setResult(QDialog::Rejected);
  QEventLoop loop;
  QPointer<QDialog> guard(&dialog);
  const auto finished = connect(&dialog, &QDialog::finished, &loop, &QEventLoop::quit);
  connect(&dialog, &QObject::destroyed, &loop, &QEventLoop::quit);
  const int id = ++lastId_;
  open_.insert(id, guard);
  dialog.setProperty("slvPaneScope", scopeOf(pane)); // for waitsFor
  const slv::SurfaceAction action =
      passage_ > 0 ? slv::SurfaceAction::Show
                   : queue_.arrive({id, slv::SurfaceKind::Question, scopeOf(pane)}, state_);
  if (action == slv::SurfaceAction::Show)
    present(dialog);
  else
    waiting_.insert(id, {guard, {}});
  loop.exec();
  // Answered, dropped or gone: nothing of it waits any more.
  queue_.drop(id);
  waiting_.remove(id);
  open_.remove(id);
  if (!guard)
    return QDialog::Rejected;
  disconnect(finished);
  return dialog.result();
}

void SurfaceGate::tell(std::function<void()> show) {
  const int id = ++lastId_;
  if (queue_.arrive({id, slv::SurfaceKind::Notice, 0}, state_) == slv::SurfaceAction::Show) {
    show();
    return;
  }
  waiting_.insert(id, {{}, std::move(show)});
}

void SurfaceGate::release() {
  // One at a time: the next shows once the one before it is answered.
  if (releasing_)
    return;
  while (const std::optional<int> id = queue_.next(state_)) {
    const Waiting w = waiting_.take(*id);
    if (w.notice) {
      releasing_ = true;
      ++passage_; // what the notice asks in its turn shows at once
      w.notice();
      --passage_;
      releasing_ = false;
      continue;
    }
    if (!w.dialog)
      continue;
    releasing_ = true;
    connect(
        w.dialog, &QDialog::finished, this,
        [this] {
          releasing_ = false;
          // After the answer has reached its caller.
          QMetaObject::invokeMethod(this, &SurfaceGate::release, Qt::QueuedConnection);
        },
        Qt::SingleShotConnection);
    present(*w.dialog);
    return;
  }
}

void SurfaceGate::dropPane(const QObject* pane) {
  for (const int id : queue_.dropScope(scopeOf(pane)))
    if (const Waiting w = waiting_.take(id); w.dialog)
      w.dialog->reject();
}

void SurfaceGate::dropAll() {
  queue_.dropAll();
  waiting_.clear();
  // Shown or waiting, every question gets its default answer.
  for (const QPointer<QDialog>& d : std::exchange(open_, {}))
    if (d)
      d->reject();
}

bool SurfaceGate::waitsFor(const QObject* pane) const {
  const int scope = scopeOf(pane);
  if (scope == 0)
    return false;
  for (const QPointer<QDialog>& d : open_)
    if (d && d->property("slvPaneScope").toInt() == scope)
      return true;
  return false;
}
