#pragma once
#include "desktop/Platform.h"

#include <memory>

class DesktopNotifications;
class QSoundEffect;
class QTemporaryFile;

// The seam on the desktop, with Qt. The panes and the player are made by a
// platform built on this one, which knows them (the desktop does not).
class QtPlatform : public Platform {
public:
  QtPlatform();
  ~QtPlatform() override;

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
  QString saveFileName(const QString& title, const QString& proposedPath) override;
  void notify(const QString& key, const QString& summary, std::function<void()> open) override;
  void setNotificationIcon(const QImage& icon) override;

  // The desktop's notifications, held while the window is disguised.
  DesktopNotifications& notifications();

  // The folder of the data files: beside the executable in a folder the user
  // unpacked and can write, else the user's own data folder, seeded with the
  // shipped forum index.
  static QString chooseDataFolder();

private:
  // The window a pane's boxes stand over.
  static QWidget* paneWindow(const QObject* pane);

  mutable QString dataFolder_;
  std::unique_ptr<DesktopNotifications> notifications_;
  std::unique_ptr<QTemporaryFile> beepFile_;
  std::unique_ptr<QSoundEffect> beepSound_;
};
