#pragma once
// What the boss alarm may do to the window it disguises: the alarm gets this
// narrow host, never the window itself.
#include <QString>

class PictureBox;
class Platform;
class QAction;
class QPixmap;
class QWidget;
struct NRV_SLV3;

class AlarmHost {
public:
  virtual ~AlarmHost() = default;

  virtual Platform& platform() = 0;
  virtual NRV_SLV3& app() = 0;
  // The window to disguise; the parent of the alarm's dialogs.
  virtual QWidget* hostWindow() = 0;
  // The ALLARME picture button and the "&Password" menu item.
  virtual PictureBox* alarmButton() = 0;
  virtual QAction* passwordItem() = 0;
  // The window's own caption and icon, and the disguise's icon.
  virtual QString ownCaption() const = 0;
  virtual QPixmap ownIcon() const = 0;
  virtual QPixmap disguiseIcon() const = 0;
  // Everything of the window that plays or stands over the screen stops:
  // the music, a page shown full screen.
  virtual void quietDown() = 0;
};
