#include "panes/PaneEngine.h"

#include "core/data_folder.h"
#include "desktop/DesktopNotifications.h"
#include "desktop/Platform.h"
#include "desktop/Strings.h"
#include "panes/Downloads.h"
#include "panes/NotificationMark.h"
#include "panes/WebEnginePane.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QPointer>
#include <QStandardPaths>
#include <QUrl>
#include <QWebEngineDownloadRequest>
#include <QWebEngineNotification>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineView>
#include <QtWebEngineCore/qtwebenginecoreglobal.h>
#include <utility>

PaneEngine::PaneEngine(Platform& platform, DesktopNotifications& notifications)
    : platform_(platform), notifications_(notifications) {}

PaneEngine::~PaneEngine() {
  // The profile outlives this engine: its pages' notifications go nowhere now.
  if (profile_ != nullptr)
    profile_->setNotificationPresenter([](std::unique_ptr<QWebEngineNotification>) {});
}

QString PaneEngine::profileName() {
  return QStringLiteral("SOLVARINO3w");
}

QString PaneEngine::profileFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
         QStringLiteral("/QtWebEngine/") + profileName();
}

namespace {

// The folder of the Italian dictionary: the one QTWEBENGINE_DICTIONARIES_PATH
// names, else beside the program (a build or an unpacked copy), with the
// installed program's shared data, or in Qt's own data. Empty when none holds it.
QString italianDictionaryFolder() {
  const QString file = QStringLiteral("/it_IT.bdic");
  const QString named = qEnvironmentVariable("QTWEBENGINE_DICTIONARIES_PATH");
  if (!named.isEmpty())
    return QFileInfo::exists(named + file) ? named : QString();
  const QString exe = QCoreApplication::applicationDirPath();
  const QString sub = QStringLiteral("/qtwebengine_dictionaries");
  for (const QString& folder : {exe + sub, slv::qs(slv::shippedDataFolder(slv::toStd(exe))) + sub,
                                QLibraryInfo::path(QLibraryInfo::DataPath) + sub})
    if (QFileInfo::exists(folder + file))
      return folder;
  return {};
}

// One profile for the whole process: two profiles on the same folder would
// fight over its cookie store.
QWebEngineProfile* sharedProfile() {
  static QPointer<QWebEngineProfile> shared;
  if (shared)
    return shared;
  // The engine does not look in the shared data by itself; it reads where
  // to look when its spell-checker starts.
  const QString dictionaries = italianDictionaryFolder();
  if (!dictionaries.isEmpty())
    qputenv("QTWEBENGINE_DICTIONARIES_PATH", QFile::encodeName(dictionaries));
  // A named profile keeps cookies and logins across runs, session cookies
  // included, as a forum login expects.
  auto* p = new QWebEngineProfile(PaneEngine::profileName(), qApp);
  p->setPersistentStoragePath(PaneEngine::profileFolder());
  p->setPersistentCookiesPolicy(QWebEngineProfile::ForcePersistentCookies);
  // Pages reach the web only: no local files, no windows without a click,
  // other programs only on the user's click.
  QWebEngineSettings* s = p->settings();
  s->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
  s->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
  s->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
  s->setAttribute(QWebEngineSettings::JavascriptCanAccessClipboard, false);
  s->setAttribute(QWebEngineSettings::AllowRunningInsecureContent, false);
  s->setAttribute(QWebEngineSettings::PluginsEnabled, false);
  // An embedded video may fill the screen; the pane takes it back on Escape.
  s->setAttribute(QWebEngineSettings::FullScreenSupportEnabled, true);
  s->setUnknownUrlSchemePolicy(QWebEngineSettings::AllowUnknownUrlSchemesFromUserInteraction);
  // Replies are written in Italian; without the dictionary there is simply
  // no spell-checking.
  if (!dictionaries.isEmpty()) {
    p->setSpellCheckLanguages({QStringLiteral("it_IT")});
    p->setSpellCheckEnabled(true);
  }
  shared = p;
  return p;
}

} // namespace

QWebEngineProfile* PaneEngine::profile() {
  if (profile_ == nullptr) {
    profile_ = sharedProfile();
    downloads_ = std::make_unique<DownloadHandler>(platform_);
    DownloadHandler::removeLeftovers(DownloadHandler::cacheFolder());
    // The engine deletes a request nobody accepted right after this call,
    // and its stand-in with it.
    QObject::connect(profile_, &QWebEngineProfile::downloadRequested, downloads_.get(),
                     [this](QWebEngineDownloadRequest* request) {
                       downloads_->handle(*new WebEngineDownload(request));
                     });
    profile_->setNotificationPresenter([this](std::unique_ptr<QWebEngineNotification> note) {
      presentPageNotification(std::move(note));
    });
  }
  return profile_;
}

std::unique_ptr<BrowserPane> PaneEngine::createPane(QWidget* parent) {
  auto pane = std::make_unique<WebEnginePane>(profile(), platform_, parent);
  panes_.emplace_back(pane.get());
  return pane;
}

namespace {

// The pane whose page made a notification: the one whose mark it carries;
// else (one made where no mark is put, a service worker's) the first pane
// showing its site. Read from the panes, not their views: a view whose page
// is away in full screen would make a blank page of its own when asked.
QPointer<WebEnginePane> paneOf(const QWebEngineNotification& note,
                               const std::vector<QPointer<WebEnginePane>>& panes) {
  for (const QPointer<WebEnginePane>& p : panes)
    if (p && NotificationMark::carries(note.tag(), p->notificationMark()))
      return p;
  const QUrl origin = note.origin();
  for (const QPointer<WebEnginePane>& p : panes) {
    const QUrl at = p ? QUrl(p->locationURL()) : QUrl();
    if (p && at.scheme() == origin.scheme() && at.host() == origin.host() &&
        at.port() == origin.port())
      return p;
  }
  return nullptr;
}

} // namespace

void PaneEngine::presentPageNotification(std::unique_ptr<QWebEngineNotification> note) {
  const QUrl origin = note->origin();
  const QPointer<WebEnginePane> from = paneOf(*note, panes_);
  // One notification per pane (or site): the page's later one replaces it.
  const QString key =
      QStringLiteral("pagina ") +
      (from ? QString::number(reinterpret_cast<quintptr>(from.data())) : origin.toString());
  std::shared_ptr<QWebEngineNotification> shared(note.release());
  QPointer<DesktopNotifications> road(&notifications_);
  QObject::connect(shared.get(), &QWebEngineNotification::closed, road.data(), [road, key] {
    if (road)
      road->withdraw(key);
  });
  shared->show();
  const QString body = shared->message();
  notifications_.show(key, {shared->title(), body,
                            [shared, from] {
                              shared->click();
                              if (from)
                                emit from->frontRequested();
                            },
                            [shared] {
                              QObject::disconnect(shared.get(), &QWebEngineNotification::closed,
                                                  nullptr, nullptr);
                              shared->close();
                            }});
}

void PaneEngine::silencePages(bool on) {
  if (on) {
    silenced_.clear();
    // The pages the views own: asking a view whose page is away in full
    // screen for its page would make it a blank one.
    for (QWidget* w : QApplication::allWidgets())
      if (auto* view = qobject_cast<QWebEngineView*>(w))
        for (QWebEnginePage* page : view->findChildren<QWebEnginePage*>(Qt::FindDirectChildrenOnly))
          if (!page->isAudioMuted()) {
            page->setAudioMuted(true);
            silenced_.append(page);
          }
    return;
  }
  for (const QPointer<QWebEnginePage>& page : std::exchange(silenced_, {}))
    if (page)
      page->setAudioMuted(false);
}

QString PaneEngine::engineVersions() {
  // The libraries found at run time, which may be newer than those built with.
  return QStringLiteral("Qt %1, Qt WebEngine %2\n"
                        "Motore del browser: Chromium %3 (correzioni di sicurezza fino a %4)\n")
      .arg(QString::fromLatin1(qVersion()), QString::fromLatin1(qWebEngineVersion()),
           QString::fromLatin1(qWebEngineChromiumVersion()),
           QString::fromLatin1(qWebEngineChromiumSecurityPatchVersion()));
}
