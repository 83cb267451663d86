#pragma once
// The dialog that sets the lock password.
#include <QDialog>

class frmNRV_SLV3;
class QLabel;
class QLineEdit;
class QPushButton;

class frmProtect : public QDialog {
  Q_OBJECT
public:
  // Loading the dialog drops any password already set.
  explicit frmProtect(frmNRV_SLV3& owner);
  ~frmProtect() override;

  void txtPassword_Change();
  void txtConferma_Change();
  void cmdOk_Click();
  void cmdCancel_Click();
  // Runs once the dialog has closed, whichever way: marks the menu item and
  // says so when no password is left.
  void Form_Unload();

  QLabel *Label1, *Label2, *Label3, *Label4;
  QLineEdit *txtPassword, *txtConferma;
  QPushButton *cmdOk, *cmdCancel;

private:
  frmNRV_SLV3& owner_;
};
