#pragma once
// The dialog that asks for the lock password before the disguised window
// comes back.
#include <QDialog>

class Platform;
struct NRV_SLV3;
class QLabel;
class QLineEdit;
class QPushButton;

class frmRestore : public QDialog {
  Q_OBJECT
public:
  frmRestore(Platform& platform, NRV_SLV3& app, QWidget* parent);
  ~frmRestore() override;

  void txtPassword_Change();
  void cmdOk_Click();
  void cmdCancel_Click();

  QLabel* Label1;
  QLineEdit* txtPassword;
  QPushButton *cmdOk, *cmdCancel;

private:
  // "La password inserita non è corretta".
  void wrong();
  Platform& platform_;
  NRV_SLV3& app_;
};
