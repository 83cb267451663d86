#include "panes/PanePage.h"

#include "core/navigation_policy.h"
#include "panes/LoginDialog.h"
#include "panes/PageDialogScheme.h"
#include "desktop/Platform.h"
#include "desktop/Strings.h"

#include <QAction>
#include <QApplication>
#include <QAuthenticator>
#include <QCheckBox>
#include <QDateTime>
#include <QDesktopServices>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QVBoxLayout>
#include <QWebEngineCertificateError>
#include <QWebEngineNewWindowRequest>
#include <QWebEngineUrlRequestJob>
#include <memory>
#include <utility>

namespace {

slv::NavigationSource sourceOf(QWebEnginePage::NavigationType type) {
  switch (type) {
  case QWebEnginePage::NavigationTypeTyped:
    return slv::NavigationSource::Typed;
  case QWebEnginePage::NavigationTypeBackForward:
  case QWebEnginePage::NavigationTypeReload:
    return slv::NavigationSource::History;
  case QWebEnginePage::NavigationTypeLinkClicked:
    return slv::NavigationSource::LinkClick;
  default:
    return slv::NavigationSource::PageOther;
  }
}

// The browser's own menu speaks the program's language. A link "in a new
// window" opens in the pane itself, so one item says just that.
void italianMenu(QWebEnginePage& page) {
  using P = QWebEnginePage;
  static const std::pair<P::WebAction, const char*> texts[] = {
      {P::Back, "Indietro"},
      {P::Forward, "Avanti"},
      {P::Stop, "Interrompi"},
      {P::Reload, "Ricarica"},
      {P::ReloadAndBypassCache, "Ricarica ignorando la cache"},
      {P::Cut, "Taglia"},
      {P::Copy, "Copia"},
      {P::Paste, "Incolla"},
      {P::PasteAndMatchStyle, "Incolla e mantieni lo stile"},
      {P::Undo, "Annulla"},
      {P::Redo, "Ripeti"},
      {P::SelectAll, "Seleziona tutto"},
      {P::Unselect, "Deseleziona"},
      {P::OpenLinkInThisWindow, "Apri link"},
      {P::OpenLinkInNewWindow, "Apri link"},
      {P::CopyLinkToClipboard, "Copia indirizzo link"},
      {P::DownloadLinkToDisk, "Salva link con nome..."},
      {P::CopyImageToClipboard, "Copia immagine"},
      {P::CopyImageUrlToClipboard, "Copia indirizzo immagine"},
      {P::DownloadImageToDisk, "Salva immagine con nome..."},
      {P::CopyMediaUrlToClipboard, "Copia indirizzo del file multimediale"},
      {P::ToggleMediaControls, "Mostra controlli"},
      {P::ToggleMediaLoop, "Ripeti a ciclo continuo"},
      {P::ToggleMediaPlayPause, "Riproduci/Pausa"},
      {P::ToggleMediaMute, "Audio sì/no"},
      {P::DownloadMediaToDisk, "Salva file multimediale con nome..."},
      {P::SavePage, "Salva pagina con nome..."},
      {P::ViewSource, "Visualizza sorgente pagina"},
      {P::InspectElement, "Ispeziona"},
      {P::ExitFullScreen, "Esci da schermo intero"},
      {P::RequestClose, "Chiudi pagina"},
  };
  for (const auto& [action, text] : texts)
    page.action(action)->setText(QString::fromUtf8(text));
  page.action(P::OpenLinkInNewTab)->setVisible(false);
  page.action(P::OpenLinkInNewBackgroundTab)->setVisible(false);
}

} // namespace

PanePage::PanePage(QWebEngineProfile* profile, Platform& platform, QObject* parent)
    : QWebEnginePage(profile, parent), platform_(platform) {
  connect(this, &QWebEnginePage::newWindowRequested, this, &PanePage::openNewWindow);
  // A certificate the engine does not trust is refused, and the engine's own
  // page says so; nothing is accepted behind the user's back.
  connect(this, &QWebEnginePage::certificateError, this,
          [](QWebEngineCertificateError error) { error.rejectCertificate(); });
  italianMenu(*this);
  // The page's boxes pause the page alone; the engine and the other panes
  // run on while the member answers.
  PageDialogScheme::install(*this, [this](QWebEngineUrlRequestJob* job) { asked(job); });
  // A page that loads anew may ask again; what the page it replaces still
  // had waiting goes with it.
  connect(this, &QWebEnginePage::loadStarted, this, [this] {
    answerWaiting();
    dialogs_.reset();
  });
  connect(this, &QWebEnginePage::renderProcessTerminated, this, &PanePage::answerWaiting);
  connect(this, &QWebEnginePage::authenticationRequired, this,
          [this](const QUrl& url, QAuthenticator* auth) { signIn(url, auth, QString()); });
  connect(this, &QWebEnginePage::proxyAuthenticationRequired, this,
          [this](const QUrl& url, QAuthenticator* auth, const QString& proxyHost) {
            signIn(url, auth, proxyHost);
          });
}

PanePage::~PanePage() {
  for (const QPointer<QWebEngineUrlRequestJob>& job : std::exchange(asking_, {}))
    if (job)
      PageDialogScheme::answer(*job, false);
}

void PanePage::silence() {
  dialogs_.silence();
  answerWaiting();
}

void PanePage::answerWaiting() {
  for (const QPointer<QWebEngineUrlRequestJob>& job : std::exchange(asking_, {}))
    if (job)
      PageDialogScheme::answer(*job, false);
  platform_.gate().dropPane(pane());
}

void PanePage::reply(const QPointer<QWebEngineUrlRequestJob>& job, bool accepted,
                     const QString& value) {
  // Answered once: a box dropped after its page moved on has nobody waiting.
  if (job && asking_.removeOne(job))
    PageDialogScheme::answer(*job, accepted, value);
}

void PanePage::asked(QWebEngineUrlRequestJob* job) {
  const std::optional<PageDialogScheme::Question> q = PageDialogScheme::question(*job);
  if (!q || !mayAsk()) {
    PageDialogScheme::answer(*job, false);
    return;
  }
  const QPointer<QWebEngineUrlRequestJob> guard(job);
  asking_.append(guard);
  // The frame that asks, as the engine tells it; an opaque one by the page.
  const QUrl origin = q->origin.host().isEmpty() ? url() : q->origin;
  QPointer<PanePage> self(this);
  if (q->kind == PageDialogScheme::Kind::Prompt) {
    QCheckBox* box = nullptr;
    const QPointer<QInputDialog> dialog = promptDialog(origin, q->text, q->defaultValue, &box);
    const QPointer<QCheckBox> silence = box;
    platform_.openModal(dialog, {pane(), true, false}, [self, guard, dialog, silence](int result) {
      if (!self)
        return;
      const bool accepted = dialog && result == QDialog::Accepted;
      self->reply(guard, accepted, accepted ? dialog->textValue() : QString());
      if (silence && silence->isChecked())
        self->silence();
    });
    return;
  }
  const bool confirm = q->kind == PageDialogScheme::Kind::Confirm;
  platform_.pageBoxThen(
      pane(), q->text, confirm ? vbOKCancel + vbQuestion : vbOKOnly + vbExclamation,
      messageTitle(origin), offerSilence_, [self, guard](int answer, bool silence) {
        if (!self)
          return;
        self->reply(guard, answer == vbOK);
        if (silence)
          self->silence();
      });
}

void PanePage::showNotice(const QString& html) {
  noticePending_ = true;
  setHtml(html);
}

QWidget* PanePage::pane() const {
  return qobject_cast<QWidget*>(parent());
}

bool PanePage::mayPrint() {
  // A page's print request is one of its questions: silenced with them, and
  // offering silence when it comes again soon.
  return mayAsk();
}

QString PanePage::messageTitle(const QUrl& origin) {
  const QString host = slv::plainText(origin.host());
  return host.isEmpty() ? QStringLiteral("Messaggio dalla pagina")
                        : QStringLiteral("Messaggio dalla pagina %1").arg(host);
}

void PanePage::signIn(const QUrl& url, QAuthenticator* auth, const QString& proxyHost) {
  const bool proxy = !proxyHost.isEmpty();
  const QString site =
      proxy ? proxyHost : url.toString(QUrl::RemovePath | QUrl::RemoveQuery | QUrl::RemoveUserInfo);
  LoginDialog dialog(slv::plainText(site), slv::plainText(auth->realm()), proxy,
                     pane() ? pane()->window() : nullptr);
  // The engine waits for the answer here, every pane with it: the member
  // sees the question at once.
  SurfaceGate::EngineWait now(platform_.gate());
  if (platform_.showPageDialog(dialog, pane()) == QDialog::Accepted) {
    auth->setUser(dialog.txtUser->text());
    auth->setPassword(dialog.txtPassword->text());
  } else {
    // A null authenticator ends the request: the server's own page shows.
    *auth = QAuthenticator();
  }
}

bool PanePage::mayAsk() {
  if (dialogs_.silenced())
    return false;
  offerSilence_ = dialogs_.arrive(QDateTime::currentMSecsSinceEpoch());
  return true;
}

int PanePage::pageBox(const QUrl& origin, const QString& msg, int style) {
  // Only a box the page's own script could not ask (a frame that forbids
  // synchronous requests, a fresh blank frame, leaving the page) comes
  // here, and the engine waits for it, every pane with it: the member sees
  // it at once.
  SurfaceGate::EngineWait now(platform_.gate());
  bool silence = false;
  const int answer =
      platform_.pageBox(pane(), msg, style, messageTitle(origin), offerSilence_, &silence);
  if (silence)
    dialogs_.silence();
  return answer;
}

void PanePage::javaScriptAlert(const QUrl& securityOrigin, const QString& msg) {
  if (mayAsk())
    pageBox(securityOrigin, msg, vbOKOnly + vbExclamation);
}

bool PanePage::javaScriptConfirm(const QUrl& securityOrigin, const QString& msg) {
  // The engine's own question when a page asks to be left with care; the
  // engine has no Italian for it.
  const bool leaving = msg == QLatin1String("Are you sure you want to leave this page? Changes "
                                            "that you made may not be saved.");
  const QString text = leaving ? QStringLiteral("Vuoi lasciare questa pagina? Le modifiche fatte "
                                                "potrebbero non essere salvate.")
                               : msg;
  return mayAsk() && pageBox(securityOrigin, text, vbOKCancel + vbQuestion) == vbOK;
}

QInputDialog* PanePage::promptDialog(const QUrl& origin, const QString& msg,
                                     const QString& defaultValue, QCheckBox** silence) {
  auto* dialog = new QInputDialog(pane() ? pane()->window() : nullptr);
  dialog->setWindowTitle(messageTitle(origin));
  dialog->setLabelText(slv::plainText(msg));
  // The label would take markup for markup.
  for (QLabel* label : dialog->findChildren<QLabel*>())
    label->setTextFormat(Qt::PlainText);
  dialog->setTextValue(slv::plainText(defaultValue));
  dialog->setOkButtonText(QStringLiteral("OK"));
  dialog->setCancelButtonText(QStringLiteral("Annulla"));
  // A page that keeps asking may be silenced here as from its messages.
  *silence = nullptr;
  if (offerSilence_) {
    if (auto* column = qobject_cast<QVBoxLayout*>(dialog->layout())) {
      *silence = new QCheckBox(kPageSilenceText, dialog);
      column->insertWidget(column->count() - 1, *silence);
    }
  }
  return dialog;
}

bool PanePage::javaScriptPrompt(const QUrl& securityOrigin, const QString& msg,
                                const QString& defaultValue, QString* result) {
  if (!mayAsk())
    return false;
  QCheckBox* silence = nullptr;
  const std::unique_ptr<QInputDialog> dialog(
      promptDialog(securityOrigin, msg, defaultValue, &silence));
  SurfaceGate::EngineWait now(platform_.gate());
  const bool accepted = platform_.showPageDialog(*dialog, pane()) == QDialog::Accepted;
  if (silence && silence->isChecked())
    dialogs_.silence();
  if (!accepted)
    return false;
  *result = dialog->textValue();
  return true;
}

QStringList PanePage::chooseFiles(FileSelectionMode mode, const QStringList& oldFiles,
                                  const QStringList&) {
  QFileDialog dialog(pane() ? pane()->window() : nullptr,
                     QStringLiteral("Scegli il file da inviare"));
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  switch (mode) {
  case FileSelectOpenMultiple:
    dialog.setFileMode(QFileDialog::ExistingFiles);
    break;
  case FileSelectUploadFolder:
    dialog.setFileMode(QFileDialog::Directory);
    break;
  default:
    dialog.setFileMode(QFileDialog::ExistingFile);
    break;
  }
  if (!oldFiles.isEmpty())
    dialog.selectFile(oldFiles.constFirst());
  dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("Cerca in:"));
  dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Nome file:"));
  dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Tipo file:"));
  dialog.setLabelText(QFileDialog::Accept, QStringLiteral("Apri"));
  dialog.setLabelText(QFileDialog::Reject, QStringLiteral("Annulla"));
  if (platform_.showPageDialog(dialog, pane()) != QDialog::Accepted)
    return {};
  return dialog.selectedFiles();
}

bool PanePage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) {
  // The program's own notice, once.
  if (noticePending_ && isMainFrame && url.scheme() == QLatin1String("data")) {
    noticePending_ = false;
    return true;
  }
  if (isMainFrame && sentOut(url, takeMemberClick() && type == NavigationTypeLinkClicked))
    return false;
  return slv::navigationAllowed(url.toString().toStdString(), sourceOf(type), isMainFrame);
}

void PanePage::openNewWindow(QWebEngineNewWindowRequest& request) {
  // Left unanswered, the request drops the new window; the address is loaded
  // here instead, keeping this pane's history.
  const QUrl url = request.requestedUrl();
  if (sentOut(url, takeMemberClick() && request.isUserInitiated()))
    return;
  // Loaded once the engine is done with the request.
  if (slv::followNewWindow(url.toString().toStdString(), request.isUserInitiated()))
    QMetaObject::invokeMethod(
        this, [this, url] { load(url); }, Qt::QueuedConnection);
}

void PanePage::memberInput(Qt::KeyboardModifiers modifiers) {
  inputModifiers_ = modifiers;
  lastInput_.start();
}

bool PanePage::takeMemberClick() {
  // A link follows its click at once; a page's own redirect a while later
  // is no click of the member's, and one click opens one page.
  constexpr qint64 kClickMs = 1000;
  const bool recent = lastInput_.isValid() && !lastInput_.hasExpired(kClickMs);
  lastInput_.invalidate();
  return recent;
}

bool PanePage::sentOut(const QUrl& url, bool memberClick) {
  if (!memberClick || !sendsOtherSitesOut() || (inputModifiers_ & Qt::ShiftModifier))
    return false;
  if (!slv::isOtherSite(url.toString(QUrl::FullyEncoded).toStdString(), ownSites_))
    return false;
  // With no browser to hand it to, the link opens here as it always did.
  return QDesktopServices::openUrl(url);
}
