#pragma once
#include "platform/Platform.h"

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
  void beep() override;
  QSize screenSize() const override;
  QString applicationFolder() const override;
  int showModal(QDialog& dialog) override;

  // The one persistent profile every browser of the program shares.
  QWebEngineProfile* profile();

private:
  QWebEngineProfile* profile_ = nullptr;
};
