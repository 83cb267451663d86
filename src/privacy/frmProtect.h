#pragma once
// The dialog that sets the lock password.
#include <QDialog>

class Platform;
class QAction;
struct NRV_SLV3;
class QLabel;
class QLineEdit;
class QPushButton;

class frmProtect : public QDialog {
  Q_OBJECT
public:
  // Loading the dialog drops any password already set.
  // mnuPassword is the menu item that shows whether a password is set.
  frmProtect(Platform& platform, NRV_SLV3& app, QAction* mnuPassword, QWidget* parent);
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
  Platform& platform_;
  NRV_SLV3& app_;
  QAction* mnuPassword_;
};
