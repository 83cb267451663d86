#pragma once
// The dialog that asks for the lock password before the disguised window
// comes back.
#include <QDialog>

class frmNRV_SLV3;
class QLabel;
class QLineEdit;
class QPushButton;

class frmRestore : public QDialog {
  Q_OBJECT
public:
  explicit frmRestore(frmNRV_SLV3& owner);
  ~frmRestore() override;

  void txtPassword_Change();
  void cmdOk_Click();
  void cmdCancel_Click();

  QLabel* Label1;
  QLineEdit* txtPassword;
  QPushButton *cmdOk, *cmdCancel;

private:
  frmNRV_SLV3& owner_;
};
