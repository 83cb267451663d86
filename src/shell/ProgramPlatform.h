#pragma once
// The platform the program runs on: the desktop's, with the web panes and
// the player that are built on it.
#include "desktop/QtPlatform.h"
#include "panes/PaneEngine.h"

class ProgramPlatform : public QtPlatform {
public:
  ProgramPlatform();
  ~ProgramPlatform() override;

  std::unique_ptr<BrowserPane> createBrowserPane(QWidget* parent) override;
  std::unique_ptr<MediaPlayer> createMediaPlayer(QWidget* parent) override;
  void silencePages(bool on) override;

private:
  PaneEngine panes_;
};
