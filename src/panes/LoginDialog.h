#pragma once
// The sign-in a site (or a proxy) asks for: user name and password, for this
// time only; the program remembers neither.
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

class LoginDialog : public QDialog {
  Q_OBJECT
public:
  // proxy: the request comes from the proxy named by site, not from a site.
  LoginDialog(const QString& site, const QString& realm, bool proxy, QWidget* parent = nullptr);

  static QString requestText(const QString& site, const QString& realm, bool proxy);

  QLabel* lblRequest;
  QLineEdit* txtUser;
  QLineEdit* txtPassword;
  QPushButton* cmdOK;
  QPushButton* cmdCancel;
};
