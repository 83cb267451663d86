#include "fakes/FakePlatform.h"

#include <QDialog>

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
  events << "msgbox " + title;
  messages.push_back({text, style, title});
  if (!answers.empty()) {
    const int a = answers.front();
    answers.pop_front();
    return a;
  }
  return (style & 0x7) == vbYesNo ? vbYes : vbOK;
}

void FakePlatform::beep() {
  events << QStringLiteral("beep");
  ++beeps;
}

int FakePlatform::showModal(QDialog& dialog) {
  events << QStringLiteral("modal ") + dialog.metaObject()->className();
  return onModal ? onModal(dialog) : 0;
}

QString FakePlatform::saveFileName(const QString& title, const QString& proposedPath) {
  events << "save " + title;
  savePathsProposed << proposedPath;
  if (saveAnswers.empty())
    return {};
  const QString a = saveAnswers.front();
  saveAnswers.pop_front();
  return a;
}
