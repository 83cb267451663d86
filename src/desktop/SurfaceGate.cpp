#include "desktop/SurfaceGate.h"

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
  releaseLater();
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
    // What waited comes once the restore is over, not inside it.
    releaseLater();
  }
  emit disguiseChanged(on);
}

void SurfaceGate::holdPane(const QObject* pane, int delta) {
  if (!pane)
    return;
  const int n = held_.value(pane) + delta;
  if (n > 0)
    held_.insert(pane, n);
  else
    held_.remove(pane);
  // Only the pane waits for its question; the rest of the program goes on.
  if (auto* w = qobject_cast<QWidget*>(const_cast<QObject*>(pane)))
    w->setEnabled(n <= 0);
}

int SurfaceGate::enter(QDialog& dialog, Way way, std::function<void(int)> answered) {
  const int id = ++lastId_;
  way.disguiseOwn = way.disguiseOwn || std::exchange(passNext_, false);
  way.engineWaits = way.engineWaits || std::exchange(engineNext_, false);
  // A pane's question holds that pane only; the program's own questions
  // block the rest of it, as they always did.
  if (way.pane)
    dialog.setWindowModality(Qt::NonModal);
  else if (dialog.windowModality() == Qt::NonModal)
    dialog.setWindowModality(Qt::ApplicationModal);
  dialog.setResult(QDialog::Rejected);
  entries_.insert(id, {&dialog, std::move(answered), {}, way});
  holdPane(way.pane, 1);
  connect(&dialog, &QDialog::finished, this, [this, id](int result) { finish(id, result); });
  connect(&dialog, &QObject::destroyed, this, [this, id] {
    // Half destroyed already: no longer a dialog to touch.
    if (const auto it = entries_.find(id); it != entries_.end())
      it->dialog.clear();
    finish(id, QDialog::Rejected);
  });
  slv::SurfaceItem item{id, slv::SurfaceKind::Question, scopeOf(way.pane), way.disguiseOwn};
  item.engineWaits = way.engineWaits;
  if (const slv::SurfaceAction action = queue_.arrive(item, state_); slv::showsNow(action))
    show(id, action);
  return id;
}

void SurfaceGate::show(int id, slv::SurfaceAction action) {
  const auto it = entries_.find(id);
  if (it == entries_.end() || !it->dialog)
    return;
  it->shown = true;
  QPointer<QDialog> d = it->dialog;
  if (action == slv::SurfaceAction::ShowWithPane)
    emit paneForward(it->way.pane);
  if (!d)
    return;
  d->show();
  d->raise();
  d->activateWindow();
}

void SurfaceGate::finish(int id, int result) {
  const auto it = entries_.find(id);
  if (it == entries_.end())
    return;
  const Entry e = *it;
  entries_.erase(it);
  queue_.drop(id);
  holdPane(e.way.pane, -1);
  // An engine's question answered while one asked after it is still open
  // returns only after that one: it shows now, wherever its pane is.
  for (const int inner : nested_.innerOf(id))
    queue_.hurry(inner);
  if (releasing_ == id)
    releasing_ = 0;
  if (e.answered) {
    if (e.dialog)
      e.dialog->deleteLater();
    e.answered(result);
  }
  // After the answer has reached its caller.
  releaseLater();
}

void SurfaceGate::releaseLater() {
  if (releaseQueued_)
    return;
  releaseQueued_ = true;
  QMetaObject::invokeMethod(this, &SurfaceGate::release, Qt::QueuedConnection);
}

void SurfaceGate::open(QDialog* dialog, Way way, std::function<void(int)> answered) {
  if (!answered)
    answered = [](int) {};
  enter(*dialog, way, std::move(answered));
}

int SurfaceGate::ask(QDialog& dialog, const QObject* pane) {
  return ask(dialog, Way{pane, pane != nullptr, false});
}

int SurfaceGate::ask(QDialog& dialog, Way way) {
  QEventLoop loop;
  QPointer<QDialog> guard(&dialog);
  connect(&dialog, &QDialog::finished, &loop, &QEventLoop::quit);
  connect(&dialog, &QObject::destroyed, &loop, &QEventLoop::quit);
  const int id = enter(dialog, way, {});
  nested_.push(id);
  if (entries_.contains(id))
    loop.exec();
  nested_.pop(id);
  // Answered, dropped or gone: nothing of it waits any more.
  finish(id, QDialog::Rejected);
  if (!guard)
    return QDialog::Rejected;
  disconnect(guard, nullptr, &loop, nullptr);
  return dialog.result();
}

int SurfaceGate::tell(std::function<void()> show) {
  const int id = ++lastId_;
  if (queue_.arrive({id, slv::SurfaceKind::Notice, 0}, state_) == slv::SurfaceAction::Show) {
    show();
    return 0;
  }
  entries_.insert(id, {{}, {}, std::move(show), {}});
  return id;
}

void SurfaceGate::untell(int id) {
  const auto it = entries_.find(id);
  if (it == entries_.end() || !it->notice)
    return;
  entries_.erase(it);
  queue_.drop(id);
}

void SurfaceGate::release() {
  releaseQueued_ = false;
  // One at a time: the next shows once the one before it is answered.
  while (releasing_ == 0) {
    const std::optional<slv::SurfaceItem> item = queue_.nextItem(state_);
    if (!item)
      return;
    const int id = item->id;
    const auto it = entries_.find(id);
    if (it == entries_.end())
      continue;
    if (it->notice) {
      const std::function<void()> notice = std::move(it->notice);
      entries_.erase(it);
      // What the notice opens is the released one in front; it shows now,
      // ahead of what still waits.
      const int before = lastId_;
      notice();
      for (int opened = before + 1; opened <= lastId_; ++opened)
        if (entries_.contains(opened) && entries_[opened].dialog) {
          queue_.drop(opened);
          show(opened);
          releasing_ = opened;
          break;
        }
      continue;
    }
    if (!it->dialog) {
      entries_.erase(it);
      continue;
    }
    releasing_ = id;
    show(id, slv::surfaceAction(*item, state_));
  }
}

bool SurfaceGate::waitsFor(const QObject* pane) const {
  if (!pane)
    return false;
  for (const Entry& e : entries_)
    if (e.dialog && e.way.pane == pane)
      return true;
  return false;
}

void SurfaceGate::dropPane(const QObject* pane, bool everything) {
  if (everything)
    emit paneGone(pane);
  QList<QPointer<QDialog>> gone;
  for (const Entry& e : std::as_const(entries_))
    if (e.dialog && e.way.pane == pane && (everything || e.way.ofPage))
      gone.append(e.dialog);
  for (const QPointer<QDialog>& d : gone)
    if (d)
      d->reject();
}

void SurfaceGate::dropAll() {
  emit closing();
  queue_.dropAll();
  QList<QPointer<QDialog>> open;
  for (auto it = entries_.begin(); it != entries_.end();) {
    if (it->dialog) {
      open.append(it->dialog);
      ++it;
    } else {
      it = entries_.erase(it);
    }
  }
  // Shown or waiting, every question gets its default answer.
  for (const QPointer<QDialog>& d : open)
    if (d)
      d->reject();
}
