#include "panes/WebEnginePane.h"

#include "core/navigation_policy.h"
#include "core/zoom_steps.h"
#include "panes/Downloads.h"
#include "panes/NotificationMark.h"
#include "panes/PageReader.h"
#include "panes/PageStyles.h"
#include "panes/PanePage.h"
#include "desktop/Platform.h"

#include <QAction>
#include <QBoxLayout>
#include <QCheckBox>
#include <QDesktopServices>
#include <QDialog>
#include <QFileInfo>
#include <QMenu>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QShortcut>
#include <QStandardPaths>
#include <QUrl>
#include <QWebEngineContextMenuRequest>
#include <QWebEngineFindTextResult>
#include <QWebEngineFullScreenRequest>
#include <QWebEngineHistory>
#include <QWebEngineProfile>
#include <QWebEngineView>
#include <QWheelEvent>

namespace {

// An address as the user or the program typed it; one without a scheme
// ("www.example.com") is completed the way a browser's address line does.
QUrl typedUrl(const QString& address) {
  if (slv::schemeOf(address.trimmed().toStdString()).empty())
    return QUrl::fromUserInput(address);
  return QUrl(address);
}

QString crashNotice(const QString& address) {
  return QStringLiteral(
             "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>Pagina interrotta</title>"
             "<style>body{font-family:sans-serif;background:#fff;color:#003;margin:40px}"
             "h1{font-size:20px}p{font-size:14px}</style></head><body>"
             "<h1>La pagina si è interrotta</h1>"
             "<p>Il programma che mostrava <b>%1</b> è terminato inaspettatamente.</p>"
             "<p>Premi <b>AGGIORNA</b> per ricaricarla.</p></body></html>")
      .arg(address.toHtmlEscaped());
}

// What a site may ask for, as the program asks the member. Qt 6.8 brought
// permissions of their own (QWebEnginePermission) in place of the page's
// features.
#if SLV_ENGINE_PERMISSIONS
using Feature = QWebEnginePermission::PermissionType;
#else
using Feature = QWebEnginePage::Feature;
#endif
struct FeatureName {
  Feature feature;
  PanePermission what;
};
const FeatureName kFeatures[] = {
    {Feature::Notifications, PanePermission::Notifications},
    {Feature::Geolocation, PanePermission::Location},
    {Feature::MediaVideoCapture, PanePermission::Camera},
    {Feature::MediaAudioCapture, PanePermission::Microphone},
    {Feature::MediaAudioVideoCapture, PanePermission::CameraAndMicrophone},
    {Feature::DesktopVideoCapture, PanePermission::ScreenSharing},
    {Feature::DesktopAudioVideoCapture, PanePermission::ScreenSharing},
};

const FeatureName* featureName(Feature feature) {
  for (const auto& f : kFeatures)
    if (f.feature == feature)
      return &f;
  return nullptr;
}

// A mouse button, or a key that follows the link that has the focus.
bool isLinkActivation(const QEvent* event) {
  switch (event->type()) {
  case QEvent::MouseButtonPress:
  case QEvent::MouseButtonRelease:
    return true;
  case QEvent::KeyPress: {
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
  }
  default:
    return false;
  }
}

} // namespace

WebEnginePane::WebEnginePane(QWebEngineProfile* profile, Platform& platform, QWidget* parent)
    : platform_(platform), view_(new QWebEngineView(parent)) {
  page_ = new PanePage(profile, platform, view_);
  notificationMark_ = NotificationMark::install(*page_);
  view_->setPage(page_);
  styles_ = std::make_unique<PageStyles>(*page_);
  // Right-click gives the browser's own menu (copy, copy image address...),
  // with the spelling suggestions and the PDF copy added.
  view_->setContextMenuPolicy(Qt::CustomContextMenu);
  QObject::connect(view_, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
    QMenu* menu = contextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(view_->mapToGlobal(pos));
  });
  connect(page_, &QWebEnginePage::loadStarted, this, [this] { loading_ = true; });
  connect(page_, &QWebEnginePage::loadFinished, this, [this](bool ok) {
    loading_ = false;
    emit loaded(ok);
  });
  connect(page_, &QWebEnginePage::findTextFinished, this,
          [this](const QWebEngineFindTextResult& r) {
            emit found(r.activeMatch(), r.numberOfMatches());
          });
  connect(
      page_, &QWebEnginePage::renderProcessTerminated, this,
      [this](QWebEnginePage::RenderProcessTerminationStatus status, int) { pageEnded(status); });
  connect(page_, &QWebEnginePage::fullScreenRequested, this,
          [this](QWebEngineFullScreenRequest request) { fullScreen(request); });
  connect(page_, &QWebEnginePage::printRequested, this, &WebEnginePane::pagePrint);
#if SLV_ENGINE_PERMISSIONS
  // The program keeps the member's answers for the session itself: the
  // engine asks every time and stores none of them on disk.
  profile->setPersistentPermissionsPolicy(
      QWebEngineProfile::PersistentPermissionsPolicy::AskEveryTime);
  connect(page_, &QWebEnginePage::permissionRequested, this, [this](QWebEnginePermission request) {
    const FeatureName* f = featureName(request.permissionType());
    if (f == nullptr) {
      // Anything else (the mouse pointer, say) is not the program's to give.
      request.deny();
      return;
    }
    permissionsAsked_.push_back(request);
    emit permissionRequested(request.origin().toString(QUrl::RemovePath), f->what);
  });
#else
  connect(page_, &QWebEnginePage::featurePermissionRequested, this,
          [this](const QUrl& origin, QWebEnginePage::Feature feature) {
            if (const FeatureName* f = featureName(feature)) {
              emit permissionRequested(origin.toString(QUrl::RemovePath), f->what);
              return;
            }
            // Anything else (the mouse pointer, say) is not the program's to give.
            page_->setFeaturePermission(origin, feature, QWebEnginePage::PermissionDeniedByUser);
          });
#endif
  connect(view_, &QWebEngineView::printFinished, this, [this](bool ok) {
    delete printer_;
    printer_ = nullptr;
    if (!ok)
      platform_.inform(QStringLiteral("Impossibile stampare la pagina."), vbExclamation,
                       kProgramTitle);
  });
  // Ctrl+wheel zooms; the engine's render widget comes and goes with pages.
  view_->installEventFilter(this);
}

WebEnginePane::~WebEnginePane() {
  // What still waits for this pane is answered with its default.
  platform_.gate().dropPane(view_, true);
  delete fullView_;
  delete printer_;
}

QWidget* WebEnginePane::widget() { return view_; }

void WebEnginePane::navigate(const QString& address) {
  if (home_.isEmpty())
    home_ = address;
  // A page paused on its box would hold the navigation until answered.
  page_->answerWaiting();
  crashedUrl_.clear();
  page_->setUrl(typedUrl(address));
}

bool WebEnginePane::goBack() {
  if (!page_->history()->canGoBack())
    return false;
  page_->answerWaiting();
  crashedUrl_.clear();
  page_->triggerAction(QWebEnginePage::Back);
  return true;
}

bool WebEnginePane::goForward() {
  if (!page_->history()->canGoForward())
    return false;
  page_->answerWaiting();
  crashedUrl_.clear();
  page_->triggerAction(QWebEnginePage::Forward);
  return true;
}

void WebEnginePane::stop() {
  page_->triggerAction(QWebEnginePage::Stop);
}

void WebEnginePane::refresh() {
  page_->answerWaiting();
  if (crashed()) {
    const QString address = crashedUrl_;
    crashedUrl_.clear();
    page_->setUrl(QUrl(address));
    return;
  }
  page_->triggerAction(QWebEnginePage::Reload);
}

void WebEnginePane::goHome() {
  if (!home_.isEmpty())
    navigate(home_);
}

bool WebEnginePane::busy() const { return loading_; }

QString WebEnginePane::locationURL() const {
  return crashed() ? crashedUrl_ : page_->url().toString();
}

void WebEnginePane::pageEnded(int status) {
  if (status == QWebEnginePage::NormalTerminationStatus)
    return;
  // The page is gone: say so and wait for AGGIORNA; reloading by ourselves
  // could crash again and again.
  if (!crashed())
    crashedUrl_ = page_->url().toString();
  loading_ = false;
  const QString address = crashedUrl_;
  QMetaObject::invokeMethod(
      this, [this, address] { page_->showNotice(crashNotice(address)); }, Qt::QueuedConnection);
}

void WebEnginePane::findText(const QString& text, bool backward) {
  if (text.isEmpty()) {
    page_->findText(QString());
    emit found(0, 0);
    return;
  }
  page_->findText(text, backward ? QWebEnginePage::FindBackward : QWebEnginePage::FindFlags());
}

double WebEnginePane::zoomFactor() const {
  return page_->zoomFactor();
}
void WebEnginePane::setZoomFactor(double factor) {
  page_->setZoomFactor(factor);
}

bool WebEnginePane::eventFilter(QObject* watched, QEvent* event) {
  if (watched == view_ && event->type() == QEvent::ChildAdded) {
    if (auto* child = static_cast<QChildEvent*>(event)->child(); child->isWidgetType())
      child->installEventFilter(this);
  } else if (watched != view_ && isLinkActivation(event)) {
    // Whether a link was the member's click, and with Shift held.
    page_->memberInput(static_cast<QInputEvent*>(event)->modifiers());
  } else if (watched != view_ && event->type() == QEvent::Wheel) {
    auto* wheel = static_cast<QWheelEvent*>(event);
    if (wheel->modifiers() & Qt::ControlModifier) {
      const int dy = wheel->angleDelta().y();
      if (dy != 0)
        setZoomFactor(slv::zoomStep(zoomFactor(), dy > 0 ? 1 : -1));
      return true;
    }
  }
  return BrowserPane::eventFilter(watched, event);
}

void WebEnginePane::print() {
  askToPrint(false);
}

void WebEnginePane::pagePrint() {
  // The page's own request is one of its questions: it holds only this
  // pane, waits while the pane is behind, and may be silenced.
  if (page_->mayPrint())
    askToPrint(true);
}

void WebEnginePane::askToPrint(bool byPage) {
  // One print at a time, one waiting at most, and not of a page away in
  // full screen.
  if (printer_ != nullptr || printAsked_ || fullView_)
    return;
  printAsked_ = true;
  auto* printer = new QPrinter(QPrinter::HighResolution);
  auto* dialog = new QPrintDialog(printer, view_->window());
  dialog->setWindowTitle(QStringLiteral("Stampa"));
  QCheckBox* silence = nullptr;
  if (byPage && page_->offersSilence()) {
    // Qt's own print dialog has room below its buttons.
    if (auto* column = qobject_cast<QBoxLayout*>(dialog->layout())) {
      silence = new QCheckBox(kPageSilenceText, dialog);
      column->addWidget(silence);
    }
  }
  QPointer<WebEnginePane> self(this);
  platform_.openModal(dialog, {view_, byPage, false}, [self, printer, silence](int result) {
    std::unique_ptr<QPrinter> owned(printer);
    if (!self)
      return;
    self->printAsked_ = false;
    if (silence && silence->isChecked())
      self->page_->silence();
    if (result != QDialog::Accepted)
      return;
    // The printer lives until the engine says it is done with it.
    self->printer_ = owned.release();
    self->view_->print(self->printer_);
  });
}

QMenu* WebEnginePane::contextMenu() {
  // The engine's menu already opens with the spelling suggestions of a
  // misspelled word in a text field; a click replaces the word.
  QMenu* menu = view_->createStandardContextMenu();
  addOpenOutside(menu);
  menu->addSeparator();
  QAction* pdf = menu->addAction(QStringLiteral("Salva come PDF..."));
  connect(pdf, &QAction::triggered, this, &WebEnginePane::savePdf);
  return menu;
}

void WebEnginePane::savePdf() {
  QString name = page_->title().trimmed();
  name.replace(QRegularExpression(QStringLiteral("[\\\\/:*?\"<>|]")), QStringLiteral("-"));
  if (name.isEmpty())
    name = QStringLiteral("pagina");
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  QPointer<WebEnginePane> self(this);
  platform_.chooseSaveFile(QStringLiteral("Salva come PDF"),
                           DownloadHandler::proposedPath(folder, name + ".pdf"), view_,
                           [self](const QString& path) {
                             if (self && !path.isEmpty())
                               self->writePdf(path);
                           });
}

void WebEnginePane::writePdf(const QString& path) {
  page_->printToPdf([this, path](const QByteArray& pdf) {
    // Written beside the destination and put in its place only when whole.
    QSaveFile file(path);
    const bool ok = !pdf.isEmpty() && file.open(QIODevice::WriteOnly) &&
                    file.write(pdf) == pdf.size() && file.commit();
    platform_.inform(ok ? DownloadHandler::doneText(path) : DownloadHandler::failedText(path),
                     ok ? vbInformation : vbExclamation, DownloadHandler::messageTitle());
  });
}

void WebEnginePane::answerPermission(const QString& site, PanePermission what, bool granted) {
#if SLV_ENGINE_PERMISSIONS
  // Every request of the site for it that waits gets the answer.
  std::erase_if(permissionsAsked_, [&](const QWebEnginePermission& request) {
    const FeatureName* f = featureName(request.permissionType());
    if (f == nullptr || f->what != what || request.origin().toString(QUrl::RemovePath) != site)
      return false;
    if (granted)
      request.grant();
    else
      request.deny();
    return true;
  });
#else
  const QUrl origin(site);
  for (const auto& f : kFeatures)
    if (f.what == what)
      page_->setFeaturePermission(origin, f.feature,
                                  granted ? QWebEnginePage::PermissionGrantedByUser
                                          : QWebEnginePage::PermissionDeniedByUser);
#endif
}

void WebEnginePane::readTexts(std::function<void(const slv::PageTexts&)> done) {
  if (!crashed())
    PageReader::read(*page_, std::move(done));
}

void WebEnginePane::leaveFullScreen() {
  if (fullView_)
    page_->triggerAction(QWebEnginePage::ExitFullScreen);
}

void WebEnginePane::fullScreen(QWebEngineFullScreenRequest& request) {
  request.accept();
  if (request.toggleOn()) {
    if (fullView_)
      return; // already shown full screen
    // The page moves to a window of its own over the whole screen, and comes
    // back to its pane afterwards; the pane keeps its place in the layout.
    fullView_ = new QWebEngineView;
    fullView_->setWindowTitle(view_->window()->windowTitle());
    auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), fullView_);
    connect(esc, &QShortcut::activated, page_,
            [this] { page_->triggerAction(QWebEnginePage::ExitFullScreen); });
    fullView_->setPage(page_);
    fullView_->showFullScreen();
    return;
  }
  if (!fullView_)
    return;
  // The window goes when the event loop next gets to it, and is no longer the
  // page's from now on: a request meanwhile gets a window of its own, shown.
  QWebEngineView* leaving = fullView_;
  fullView_ = nullptr;
  view_->setPage(page_);
  leaving->hide();
  leaving->deleteLater();
  view_->setFocus();
}

void WebEnginePane::sendOtherSitesOut(const std::vector<std::string>& ownSites) {
  page_->setOwnSites(ownSites);
}

void WebEnginePane::setDarkReading(bool on) {
  styles_->setDark(on);
}

void WebEnginePane::setMemberStyle(const QString& css) {
  styles_->setMemberCss(css);
}

void WebEnginePane::addOpenOutside(QMenu* menu) {
  const QWebEngineContextMenuRequest* request = view_->lastContextMenuRequest();
  if (!page_->sendsOtherSitesOut() || request == nullptr)
    return;
  const QUrl link = request->linkUrl();
  if (link.scheme() != QLatin1String("http") && link.scheme() != QLatin1String("https"))
    return;
  auto* open = new QAction(QStringLiteral("Apri nel browser predefinito"), menu);
  connect(open, &QAction::triggered, this, [this, link] {
    // With no browser to hand it to, the link opens here.
    if (!QDesktopServices::openUrl(link))
      page_->load(link);
  });
  // Right after the engine's own "Apri link".
  const QList<QAction*> items = menu->actions();
  QAction* before = nullptr;
  for (qsizetype i = 0; i + 1 < items.size(); ++i)
    if (items[i] == page_->action(QWebEnginePage::OpenLinkInThisWindow) ||
        items[i] == page_->action(QWebEnginePage::OpenLinkInNewWindow))
      before = items[i + 1];
  menu->insertAction(before, open);
}
