#pragma once
// A panel host on the fake platform: a panel under test is built on this
// instead of the whole main window.
#include "fakes/FakePlatform.h"
#include "ui/NRV_SLV3.h"
#include "ui/PanelHost.h"

#include <QWidget>
#include <memory>

class FakeHost : public PanelHost {
public:
  explicit FakeHost(FakePlatform& platform)
      : platform_(platform), forum_(platform.createBrowserPane(&window)),
        player_(platform.createMediaPlayer(&window)) {}

  Platform& platform() override { return platform_; }
  NRV_SLV3& app() override { return state; }
  BrowserPane& forumPane() override { return *forum_; }
  MediaPlayer& player() override { return *player_; }
  void OpenPanel(int n) override {
    opened << n;
    openPanel = n;
  }
  bool isPanelOpen(int n) const override { return openPanel == n; }
  QWidget* hostWindow() override { return &window; }

  FakeBrowserPane& forum() { return static_cast<FakeBrowserPane&>(*forum_); }
  FakeMediaPlayer& fakePlayer() { return static_cast<FakeMediaPlayer&>(*player_); }

  QWidget window;  // parent of the panel under test and of its dialogs
  NRV_SLV3 state;
  QList<int> opened;  // every OpenPanel call
  int openPanel = -1;

private:
  FakePlatform& platform_;
  std::unique_ptr<BrowserPane> forum_;
  std::unique_ptr<MediaPlayer> player_;
};
