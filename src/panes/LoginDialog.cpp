#include "panes/LoginDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

LoginDialog::LoginDialog(const QString& site, const QString& realm, bool proxy, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(QStringLiteral("Accesso richiesto"));
  lblRequest = new QLabel(requestText(site, realm, proxy), this);
  lblRequest->setWordWrap(true);
  // Whatever the server sent is shown as text, never as markup.
  lblRequest->setTextFormat(Qt::PlainText);
  txtUser = new QLineEdit(this);
  txtPassword = new QLineEdit(this);
  txtPassword->setEchoMode(QLineEdit::Password);
  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("Nome utente:"), txtUser);
  form->addRow(QStringLiteral("Password:"), txtPassword);
  auto* buttons = new QDialogButtonBox(this);
  cmdOK = buttons->addButton(QStringLiteral("Accedi"), QDialogButtonBox::AcceptRole);
  cmdCancel = buttons->addButton(QStringLiteral("Annulla"), QDialogButtonBox::RejectRole);
  cmdOK->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* box = new QVBoxLayout(this);
  box->addWidget(lblRequest);
  box->addLayout(form);
  box->addWidget(buttons);
  txtUser->setFocus();
}

QString LoginDialog::requestText(const QString& site, const QString& realm, bool proxy) {
  if (proxy)
    return QStringLiteral("Il proxy %1 chiede nome utente e password.").arg(site);
  QString text = QStringLiteral("Il sito %1 chiede nome utente e password.").arg(site);
  if (!realm.isEmpty())
    text += QStringLiteral("\nArea riservata: «%1»").arg(realm);
  return text;
}
