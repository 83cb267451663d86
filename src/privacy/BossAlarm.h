#pragma once
// The boss alarm and the password lock of the main window.
#include <QByteArray>
#include <QObject>
#include <QPixmap>

class AlarmHost;
class QWidget;
struct NRV_SLV3;

class BossAlarm : public QObject {
  Q_OBJECT
public:
  explicit BossAlarm(AlarmHost& host);
  ~BossAlarm() override;

  // "&Allarme Boss" and the ALLARME picture button: stop the music, dress the
  // window as a spreadsheet and send it to the task bar.
  void raiseAlarm();
  void pboAllarme_MouseDown();
  void pboAllarme_MouseUp();

  // Runs on every resize or window-state change of the main window. When the
  // disguised window has been brought back it asks before showing anything.
  // Returns true when the window may be repainted now, false when a question
  // is open (the window is repainted after the restore) or the program is
  // ending.
  bool restoreProcedure();

  // "&Password".
  void mnuPassword_Click();

  // The disguise icon: 32 x 32, no transparency.
  static QPixmap spreadsheetIcon();

  // The blank sheet that hides the window's content while it is disguised.
  QWidget* cover() const { return cover_; }

signals:
  // The disguise goes on (true) or comes off (false).
  void disguised(bool on);

protected:
  // Resizes the blank sheet with the window, and raises the alarm from
  // whichever window of the program has the focus.
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  // The restore question or the password box, answered through the two
  // below: the procedure never waits in a loop of its own.
  void askToRestore();
  void unlockToRestore();
  void restoreAnswered(bool yes);
  void unlockAnswered();
  void takeDisguiseOff();
  // Shows the window again (shown: as the user restored it) with the
  // program's own identity on the desktop, or withdraws it and shows it
  // minimised as the spreadsheet.
  void showAs(bool disguised);

  AlarmHost& host_;
  QWidget& owner_;
  NRV_SLV3& app_; // outlives the window, so the password can be dropped at the end
  QWidget* cover_;
  bool restoring_ = false;
  QByteArray ownName_, ownClass_; // the window's class on the desktop
};
