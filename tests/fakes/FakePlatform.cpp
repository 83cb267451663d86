#include "fakes/FakePlatform.h"

#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <utility>

namespace {

// Sits on a dialog opened through the gate and answers it as a person would:
// after the gate has shown it, never inside the call that opened it.
class Answerer : public QObject {
public:
  Answerer(QDialog* dialog, QObject* life, int& due, std::function<void()> shown,
           std::function<int(QDialog&)> answer)
      : QObject(dialog), dialog_(dialog), life_(life), due_(due), shown_(std::move(shown)),
        answer_(std::move(answer)) {
    dialog->installEventFilter(this);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != dialog_ || event->type() != QEvent::Show)
      return false;
    if (shown_)
      std::exchange(shown_, {})();
    ++due_;
    QTimer::singleShot(0, life_, [self = QPointer<Answerer>(this), &due = due_] {
      --due;
      if (self)
        self->answer();
    });
    return false;
  }

private:
  void answer() {
    QPointer<QDialog> d = dialog_;
    // Hidden by the disguise meanwhile: answered once it shows again.
    if (!d->isVisible())
      return;
    const int result = answer_(*d);
    if (d && d->isVisible())
      d->done(result);
  }

  QDialog* dialog_;
  QObject* life_;
  int& due_;
  std::function<void()> shown_;
  std::function<int(QDialog&)> answer_;
};

// A box closed without an answer (dropped, or the program closing) gives the
// cautious one, as the real box does.
int boxAnswer(int result, int style) {
  const int buttons = style & 0x7;
  return result != QDialog::Rejected ? result
         : buttons == vbYesNo        ? vbNo
         : buttons == vbOKCancel     ? vbCancel
                                     : vbOK;
}

} // namespace

void FakePlatform::openAnswered(QDialog* dialog, SurfaceGate::Way way, std::function<void()> shown,
                                std::function<int(QDialog&)> answer,
                                std::function<void(int)> done) {
  new Answerer(dialog, life_.get(), due_, std::move(shown), std::move(answer));
  gate().open(dialog, way, std::move(done));
}

void FakePlatform::settle() {
  // What an answer sets off may show the next question a turn or two later.
  for (int i = 0, quiet = 0; i < 100 && quiet < 3; ++i) {
    QCoreApplication::processEvents();
    quiet = due_ > 0 ? 0 : quiet + 1;
  }
}

void FakeBrowserPane::navigate(const QString& address) {
  calls << "navigate " + address;
  // A new page drops the forward history, as browsers do.
  while (history.size() > historyIndex + 1)
    history.removeLast();
  history << address;
  historyIndex = static_cast<int>(history.size()) - 1;
  location = address;
  isBusy = true;
}

bool FakeBrowserPane::goBack() {
  calls << QStringLiteral("back");
  if (historyIndex <= 0)
    return false;
  location = history[--historyIndex];
  return true;
}

bool FakeBrowserPane::goForward() {
  calls << QStringLiteral("forward");
  if (historyIndex + 1 >= history.size())
    return false;
  location = history[++historyIndex];
  return true;
}

void FakeBrowserPane::goHome() {
  calls << QStringLiteral("home");
  if (!history.isEmpty())
    navigate(history.first());
}

std::unique_ptr<BrowserPane> FakePlatform::createBrowserPane(QWidget* parent) {
  auto p = std::make_unique<FakeBrowserPane>(parent);
  panes.push_back(p.get());
  return p;
}

std::unique_ptr<MediaPlayer> FakePlatform::createMediaPlayer(QWidget* parent) {
  auto p = std::make_unique<FakeMediaPlayer>(parent);
  players.push_back(p.get());
  return p;
}

void FakePlatform::clearClipboard() {
  events << QStringLiteral("clear");
  clipboard.clear();
}

bool FakePlatform::setClipboardText(const QString& text) {
  if (!clipboardWorks)
    return false;
  events << "clipboard " + text;
  clipboard = text;
  return true;
}

int FakePlatform::msgBox(const QString& text, int style, const QString& title) {
  record(text, style, title);
  return nextAnswer(style);
}

void FakePlatform::record(const QString& text, int style, const QString& title) {
  events << "msgbox " + title;
  messages.push_back({text, style, title});
}

int FakePlatform::nextAnswer(int style) {
  if (!answers.empty()) {
    const int a = answers.front();
    answers.pop_front();
    return a;
  }
  return (style & 0x7) == vbYesNo ? vbYes : vbOK;
}

void FakePlatform::msgBoxThen(const QString& text, int style, const QString& title,
                              SurfaceGate::Way way, std::function<void(int)> answered) {
  openAnswered(
      new QDialog, way, [this, text, style, title] { record(text, style, title); },
      [this, style](QDialog&) { return nextAnswer(style); },
      [style, answered = std::move(answered)](int result) {
        if (answered)
          answered(boxAnswer(result, style));
      });
}

void FakePlatform::pageBoxThen(const QObject* pane, const QString& text, int style,
                               const QString& title, bool /*offerSilence*/,
                               std::function<void(int, bool)> answered) {
  msgBoxThen(text, style, title, {pane, true, false},
             [answered = std::move(answered)](int answer) { answered(answer, false); });
}

void FakePlatform::beep() {
  events << QStringLiteral("beep");
  ++beeps;
}

int FakePlatform::showModal(QDialog& dialog) {
  events << QStringLiteral("modal ") + dialog.metaObject()->className();
  return onModal ? onModal(dialog) : 0;
}

void FakePlatform::openModal(QDialog* dialog, SurfaceGate::Way way, std::function<void(int)> done) {
  openAnswered(
      dialog, way,
      [this, dialog] { events << QStringLiteral("modal ") + dialog->metaObject()->className(); },
      [this](QDialog& d) { return onModal ? onModal(d) : 0; }, std::move(done));
}

void FakePlatform::chooseSaveFile(const QString& title, const QString& proposedPath,
                                  const QObject* pane, std::function<void(const QString&)> chosen) {
  if (onChooseSave)
    return onChooseSave(std::move(chosen));
  auto* box = new QDialog;
  openAnswered(
      box, {pane, false, false},
      [this, title, proposedPath] {
        events << "save " + title;
        savePathsProposed << proposedPath;
      },
      [this](QDialog& d) {
        d.setProperty("path", nextSaveAnswer());
        return int(QDialog::Accepted);
      },
      [box = QPointer<QDialog>(box), chosen = std::move(chosen)](int result) {
        chosen(box && result == QDialog::Accepted ? box->property("path").toString() : QString());
      });
}

QString FakePlatform::saveFileName(const QString& title, const QString& proposedPath) {
  events << "save " + title;
  savePathsProposed << proposedPath;
  return nextSaveAnswer();
}

QString FakePlatform::nextSaveAnswer() {
  if (saveAnswers.empty())
    return {};
  const QString a = saveAnswers.front();
  saveAnswers.pop_front();
  return a;
}
