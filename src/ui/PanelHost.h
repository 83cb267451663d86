#pragma once
// What a panel may ask of the window that holds it. Panels get this narrow
// host (and the few widgets or state groups they act on), never the window
// itself; what they do that concerns other panels they tell by signals.
class BrowserPane;
class MediaPlayer;
class Platform;
class QWidget;
struct NRV_SLV3;

class PanelHost {
public:
  virtual ~PanelHost() = default;

  virtual Platform& platform() = 0;
  virtual NRV_SLV3& app() = 0;
  // The forum pane (WBMain), where forum addresses are opened.
  virtual BrowserPane& forumPane() = 0;
  // The program's one media player (WMP).
  virtual MediaPlayer& player() = 0;
  // The opening sequence of panel n (0 forum index ... 5 multimedia).
  virtual void OpenPanel(int n) = 0;
  // Whether panel n is the one shown.
  virtual bool isPanelOpen(int n) const = 0;
  // The window, as parent of the dialogs a panel opens.
  virtual QWidget* hostWindow() = 0;
};
