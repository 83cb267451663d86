#include "privacy/frmProtect.h"

#include "desktop/Platform.h"
#include "privacy/Dialogs.h"
#include "privacy/PasswordBox.h"
#include "privacy/password_rules.h"
#include "ui/Widgets.h"
#include "ui/NRV_SLV3.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
constexpr std::uint32_t kLabelColour = 0x00800000;
const QString kTitle = QStringLiteral("PASSWORD");
} // namespace

frmProtect::frmProtect(Platform& platform, NRV_SLV3& app, QAction* mnuPassword, QWidget* parent)
    : QDialog(parent), platform_(platform), app_(app), mnuPassword_(mnuPassword) {
  slv::privacy::setUpDialog(this, platform, QStringLiteral("PASSWORD DI PROTEZIONE"), 4680,
                       3090);

  Label1 = ui::label(this, QStringLiteral("Immettere la Password di Ripristino del SOLVARINO 3"),
                     105, 120, 4410, 510, ui::font(9.75, true), kLabelColour);
  Label1->setWordWrap(true);
  Label4 = ui::label(this, QStringLiteral("( Da 4 a 14 Caratteri )"), 1290, 615, 2010, 255,
                     ui::font(8.25), kLabelColour);
  Label2 = ui::label(this, QStringLiteral("Password"), 120, 1185, 1110, 270, ui::font(9.75, true),
                     kLabelColour, Qt::AlignRight | Qt::AlignVCenter);
  Label3 = ui::label(this, QStringLiteral("Ripeti Password"), 75, 1785, 1110, 480,
                     ui::font(9.75, true), kLabelColour, Qt::AlignRight | Qt::AlignVCenter);
  Label3->setWordWrap(true);

  // Created in tab order: the first box takes the focus.
  txtPassword = slv::privacy::passwordBox(this, 1350, 1170, 2955, 300, 0x00E0E0E0);
  txtConferma = slv::privacy::passwordBox(this, 1335, 1830, 2955, 300, 0x00E0E0E0);
  cmdOk =
      slv::privacy::dialogButton(this, QStringLiteral("OK"), 1350, 2520, 960, 345, slv::privacy::kDialogBack);
  cmdCancel = slv::privacy::dialogButton(this, QStringLiteral("Annulla"), 2610, 2520, 960, 345,
                                    slv::privacy::kDialogBack);
  cmdOk->setEnabled(false);
  cmdOk->setDefault(true);
  txtPassword->setFocus();

  connect(txtPassword, &QLineEdit::textChanged, this, &frmProtect::txtPassword_Change);
  connect(txtConferma, &QLineEdit::textChanged, this, &frmProtect::txtConferma_Change);
  connect(cmdOk, &QPushButton::clicked, this, &frmProtect::cmdOk_Click);
  connect(cmdCancel, &QPushButton::clicked, this, &frmProtect::cmdCancel_Click);

  // Opening the dialog removes the password: only a newly confirmed one replaces it.
  slv::privacy::wipe(app_.ProtectPassword);
}

frmProtect::~frmProtect() {
  slv::privacy::wipeBox(txtPassword);
  slv::privacy::wipeBox(txtConferma);
}

void frmProtect::txtPassword_Change() {
  cmdOk->setEnabled(
      slv::privacy::protectOkEnabled(txtPassword->text().size(), txtConferma->text().size()));
}

void frmProtect::txtConferma_Change() {
  txtPassword_Change();
}

void frmProtect::cmdOk_Click() {
  if (!cmdOk->isEnabled())
    return;
  NRV_SLV3& app = app_;
  if (!slv::privacy::samePassword(slv::privacy::view(txtConferma->text()),
                               slv::privacy::view(txtPassword->text()))) {
    platform_.msgBox(
        QStringLiteral("La Password di conferma non è coerente con quella data"), vbExclamation,
        kTitle);
    slv::privacy::wipeBox(txtPassword);
    slv::privacy::wipeBox(txtConferma);
    txtPassword->setFocus();
    return;
  }
  platform_.msgBox(QStringLiteral("Il SOLVARINO 3w è ora protetto da Password"),
                           vbInformation, kTitle);
  slv::privacy::setPassword(app.ProtectPassword, txtPassword->text());
  app.RestoreAttempts = 0;
  accept();
}

void frmProtect::cmdCancel_Click() {
  reject();
}

void frmProtect::Form_Unload() {
  if (!app_.ProtectPassword.isEmpty()) {
    mnuPassword_->setChecked(true);
    return;
  }
  mnuPassword_->setChecked(false);
  platform_.msgBox(QStringLiteral("Il SOLVARINO 3w non sarà protetto da Password"),
                           vbInformation, kTitle);
}
