#pragma once
// The browser engine behind every pane: the one profile they share, its
// downloads and its pages' notifications, and the pages' sound.
#include <QList>
#include <QPointer>
#include <QString>
#include <memory>
#include <vector>

class BrowserPane;
class DesktopNotifications;
class DownloadHandler;
class Platform;
class QWebEngineNotification;
class QWebEnginePage;
class QWebEngineProfile;
class QWidget;
class WebEnginePane;

class PaneEngine {
public:
  // notifications: the desktop's road for what pages notify.
  PaneEngine(Platform& platform, DesktopNotifications& notifications);
  ~PaneEngine();
  PaneEngine(const PaneEngine&) = delete;
  PaneEngine& operator=(const PaneEngine&) = delete;

  std::unique_ptr<BrowserPane> createPane(QWidget* parent);

  // Pages' sound off while the boss alarm stands; back on after, except
  // where the user had muted a page.
  void silencePages(bool on);

  // The one persistent profile every pane of the program shares; made with
  // the first pane.
  QWebEngineProfile* profile();

  // The name of that profile and where it keeps cookies, logins and the like.
  static QString profileName();
  static QString profileFolder();

  // The Qt and browser-engine versions the program runs on, one per line.
  static QString engineVersions();

private:
  // A page's notification takes the program's road; "Apri" brings its pane forward.
  void presentPageNotification(std::unique_ptr<QWebEngineNotification> note);

  Platform& platform_;
  DesktopNotifications& notifications_;
  std::vector<QPointer<WebEnginePane>> panes_;
  QWebEngineProfile* profile_ = nullptr;
  std::unique_ptr<DownloadHandler> downloads_;
  QList<QPointer<QWebEnginePage>> silenced_; // muted by the boss alarm
};
