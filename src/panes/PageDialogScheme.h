#pragma once
// A page's alert, confirm and prompt, asked through a request the program
// answers when the member does. The engine asks these synchronously from one
// of its own tasks, so a box answered there stops every pane until the
// member answers; here only the asking page waits (paused, as with a box of
// its own) while the others run on. The page's frames get a script that
// sends each question as a synchronous request to a scheme of the program's
// own, carrying the mark of the pane that asked: the request says nothing of
// its page, and no page knows another pane's mark.
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>
#include <QWebEngineUrlSchemeHandler>
#include <functional>
#include <optional>

class QWebEnginePage;
class QWebEngineProfile;
class QWebEngineUrlRequestJob;

class PageDialogScheme : public QWebEngineUrlSchemeHandler {
  Q_OBJECT
public:
  // Must run before the application object exists.
  static void registerScheme();
  // The questions of every page page shows from now on (and of their
  // frames) go to asked while page lives. A frame that may not make a
  // synchronous request (a policy forbids it, or the page is going) asks
  // the engine's way.
  using Asked = std::function<void(QWebEngineUrlRequestJob* job)>;
  static void install(QWebEnginePage& page, Asked asked);

  enum class Kind { Alert, Confirm, Prompt };
  struct Question {
    Kind kind = Kind::Alert;
    QString text;
    QString defaultValue;
    QUrl origin; // the frame that asks, as the engine tells it
  };
  // The question a request carries; none when it is not one.
  static std::optional<Question> question(const QWebEngineUrlRequestJob& job);
  // The page's answer: for confirm, accepted; for prompt, value or (not
  // accepted) null.
  static void answer(QWebEngineUrlRequestJob& job, bool accepted, const QString& value = {});

  void requestStarted(QWebEngineUrlRequestJob* job) override;

private:
  explicit PageDialogScheme(QObject* parent) : QWebEngineUrlSchemeHandler(parent) {}
  // The profile's handler, installed the first time.
  static PageDialogScheme& of(QWebEngineProfile& profile);
  // Questions carrying the returned mark go to asked while owner lives.
  QString enrol(QObject* owner, Asked asked);
  struct Asker {
    QPointer<QObject> owner;
    Asked asked;
  };
  QHash<QString, Asker> askers_;
};
