#pragma once
#include "platform/Platform.h"

#include <QList>
#include <QPointer>
#include <memory>
#include <vector>

class DesktopNotifications;
class DownloadHandler;
class QWebEngineNotification;
class WebEnginePane;
class QSoundEffect;
class QTemporaryFile;
class QWebEnginePage;
class QWebEngineProfile;

class QtPlatform : public Platform {
public:
  QtPlatform();
  ~QtPlatform() override;

  std::unique_ptr<BrowserPane> createBrowserPane(QWidget* parent) override;
  std::unique_ptr<MediaPlayer> createMediaPlayer(QWidget* parent) override;
  void clearClipboard() override;
  bool setClipboardText(const QString& text) override;
  int msgBox(const QString& text, int style, const QString& title) override;
  void msgBoxThen(const QString& text, int style, const QString& title, SurfaceGate::Way way,
                  std::function<void(int)> answered) override;
  void openModal(QDialog* dialog, SurfaceGate::Way way, std::function<void(int)> done) override;
  void chooseSaveFile(const QString& title, const QString& proposedPath, const QObject* pane,
                      std::function<void(const QString&)> chosen) override;
  void beep() override;
  QSize screenSize() const override;
  QString applicationFolder() const override;
  int showModal(QDialog& dialog) override;
  int pageBox(const QObject* pane, const QString& text, int style, const QString& title,
              bool offerSilence, bool* silence) override;
  void pageBoxThen(const QObject* pane, const QString& text, int style, const QString& title,
                   bool offerSilence, std::function<void(int, bool)> answered) override;
  int showPageDialog(QDialog& dialog, const QObject* pane) override;
  void silencePages(bool on) override;
  QString saveFileName(const QString& title, const QString& proposedPath) override;
  void notify(const QString& key, const QString& summary, std::function<void()> open) override;
  void setNotificationIcon(const QImage& icon) override;

  // The one persistent profile every browser of the program shares; its
  // downloads are handled by this platform.
  QWebEngineProfile* profile();

  // The name of that profile and where it keeps cookies, logins and the like.
  static QString profileName();
  static QString profileFolder();

  // The folder of the data files: beside the executable in a folder the user
  // unpacked and can write, else the user's own data folder, seeded with the
  // shipped forum index.
  static QString chooseDataFolder();

  // The Qt and browser-engine versions the program runs on, one per line.
  static QString engineVersions();

private:
  // The window a pane's boxes stand over.
  static QWidget* paneWindow(const QObject* pane);
  DesktopNotifications& notifications();
  // A page's notification takes the program's road; "Apri" brings its pane forward.
  void presentPageNotification(std::unique_ptr<QWebEngineNotification> note);

  mutable QString dataFolder_;
  std::unique_ptr<DesktopNotifications> notifications_;
  std::vector<QPointer<WebEnginePane>> panes_;
  QWebEngineProfile* profile_ = nullptr;
  std::unique_ptr<DownloadHandler> downloads_;
  std::unique_ptr<QTemporaryFile> beepFile_;
  std::unique_ptr<QSoundEffect> beepSound_;
  QList<QPointer<QWebEnginePage>> silenced_; // muted by the boss alarm
};
