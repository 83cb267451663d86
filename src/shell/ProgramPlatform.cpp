#include "shell/ProgramPlatform.h"

#include "panes/BrowserPane.h"
#include "player/QtMediaPlayer.h"

ProgramPlatform::ProgramPlatform() : panes_(*this, notifications()) {}

ProgramPlatform::~ProgramPlatform() = default;

std::unique_ptr<BrowserPane> ProgramPlatform::createBrowserPane(QWidget* parent) {
  return panes_.createPane(parent);
}

std::unique_ptr<MediaPlayer> ProgramPlatform::createMediaPlayer(QWidget* parent) {
  return std::make_unique<QtMediaPlayer>(parent);
}

void ProgramPlatform::silencePages(bool on) {
  panes_.silencePages(on);
}
