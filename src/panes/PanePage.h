#pragma once
// The page inside a browser pane: it keeps pages away from the user's files
// and from other programs, and opens what a page wants in a new window in the
// pane itself, since the program has no other browser windows. What a page
// asks of the user (messages, sign-in, files) it asks in the program's own
// Italian dialogs.
#include "core/surface_gate.h"

#include <QElapsedTimer>
#include <QList>
#include <QPointer>
#include <QWebEnginePage>
#include <string>
#include <utility>
#include <vector>

class Platform;
class QAuthenticator;
class QCheckBox;
class QInputDialog;
class QWebEngineNewWindowRequest;
class QWebEngineUrlRequestJob;

class PanePage : public QWebEnginePage {
  Q_OBJECT
public:
  PanePage(QWebEngineProfile* profile, Platform& platform, QObject* parent);
  ~PanePage() override;

  // Shows a page of the program's own in place of the page (the notice of a
  // page that ended).
  void showNotice(const QString& html);

  // The pane the page shows in (its view): what its dialogs hold.
  QWidget* pane() const;

  // The page asks to print: false when it was silenced. offersSilence then
  // tells whether the question should offer silence.
  bool mayPrint();
  bool offersSilence() const { return offerSilence_; }
  // Keeps the page quiet until it loads anew; what it still asks gets its
  // default answer.
  void silence();
  // The page's questions, shown or waiting, get their default answers: the
  // page is paused on them and would hold its next navigation.
  void answerWaiting();

  // The title of the messages a page shows.
  static QString messageTitle(const QUrl& origin);

  // Links the member clicks to sites other than these open in the desktop's
  // browser; none (the default) keeps every link in the pane.
  void setOwnSites(std::vector<std::string> sites) { ownSites_ = std::move(sites); }
  bool sendsOtherSitesOut() const { return !ownSites_.empty(); }
  // The member pressed a mouse button or a key on the page, holding these keys.
  void memberInput(Qt::KeyboardModifiers modifiers);

protected:
  bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
  // The pages' own console lines are the portal's business, not the user's
  // terminal's.
  void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString&, int,
                                const QString&) override {}
  void javaScriptAlert(const QUrl& securityOrigin, const QString& msg) override;
  bool javaScriptConfirm(const QUrl& securityOrigin, const QString& msg) override;
  bool javaScriptPrompt(const QUrl& securityOrigin, const QString& msg, const QString& defaultValue,
                        QString* result) override;
  QStringList chooseFiles(FileSelectionMode mode, const QStringList& oldFiles,
                          const QStringList& acceptedMimeTypes) override;

private:
  void openNewWindow(QWebEngineNewWindowRequest& request);
  void signIn(const QUrl& url, QAuthenticator* auth, const QString& proxyHost);
  // false when the member silenced the page: its dialog gets its default.
  bool mayAsk();
  int pageBox(const QUrl& origin, const QString& msg, int style);
  // The prompt's dialog; *silence is its silence choice when it offers one.
  QInputDialog* promptDialog(const QUrl& origin, const QString& msg, const QString& defaultValue,
                             QCheckBox** silence);
  // A question the page asked through the program's own scheme, answered
  // when the member answers it.
  void asked(QWebEngineUrlRequestJob* job);
  void reply(const QPointer<QWebEngineUrlRequestJob>& job, bool accepted,
             const QString& value = {});

  // The member's click (or key) that starts a navigation now, used up by it.
  bool takeMemberClick();
  // Hands url to the desktop's browser when the member clicked a link to
  // another site without Shift; false when it stays in the pane.
  bool sentOut(const QUrl& url, bool memberClick);

  Platform& platform_;
  bool noticePending_ = false;
  slv::PageDialogGuard dialogs_;
  QList<QPointer<QWebEngineUrlRequestJob>> asking_; // paused on the member's answer
  bool offerSilence_ = false;
  std::vector<std::string> ownSites_;
  QElapsedTimer lastInput_;
  Qt::KeyboardModifiers inputModifiers_;
};
