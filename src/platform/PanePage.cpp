#include "platform/PanePage.h"

#include "core/navigation_policy.h"

#include <QAction>
#include <QWebEngineCertificateError>
#include <QWebEngineNewWindowRequest>
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

PanePage::PanePage(QWebEngineProfile* profile, QObject* parent) : QWebEnginePage(profile, parent) {
  connect(this, &QWebEnginePage::newWindowRequested, this, &PanePage::openNewWindow);
  // A certificate the engine does not trust is refused, and the engine's own
  // page says so; nothing is accepted behind the user's back.
  connect(this, &QWebEnginePage::certificateError, this,
          [](QWebEngineCertificateError error) { error.rejectCertificate(); });
  italianMenu(*this);
}

bool PanePage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) {
  return slv::navigationAllowed(url.toString().toStdString(), sourceOf(type), isMainFrame);
}

void PanePage::openNewWindow(QWebEngineNewWindowRequest& request) {
  // Left unanswered, the request drops the new window; the address is loaded
  // here instead, keeping this pane's history.
  const QUrl url = request.requestedUrl();
  // Loaded once the engine is done with the request.
  if (slv::followNewWindow(url.toString().toStdString(), request.isUserInitiated()))
    QMetaObject::invokeMethod(
        this, [this, url] { load(url); }, Qt::QueuedConnection);
}
