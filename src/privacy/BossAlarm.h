#pragma once
#include <QObject>

class frmNRV_SLV3;

// The boss alarm and the password lock of the main window.
class BossAlarm : public QObject {
  Q_OBJECT
public:
  explicit BossAlarm(frmNRV_SLV3& owner);

  // "&Allarme Boss" and the ALLARME picture button.
  void raiseAlarm();
  // Runs when the disguised window is brought back. Returns true when the
  // window is restored and may be repainted, false when it was minimised again
  // or the program is ending.
  bool restoreProcedure();
  // "&Password".
  void mnuPassword_Click();

private:
  frmNRV_SLV3& owner_;
};
