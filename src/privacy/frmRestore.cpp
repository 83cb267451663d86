#include "privacy/frmRestore.h"

#include "desktop/Platform.h"
#include "privacy/Dialogs.h"
#include "privacy/PasswordBox.h"
#include "privacy/password_rules.h"
#include "ui/NRV_SLV3.h"
#include "ui/Widgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

frmRestore::frmRestore(Platform& platform, NRV_SLV3& app, QWidget* parent)
    : QDialog(parent), platform_(platform), app_(app) {
  slv::privacy::setUpDialog(this, platform, QStringLiteral("Ripristino SOLVARINO 3_w"), 4680,
                       1560);
  Label1 = ui::label(this, QStringLiteral("Immettere la Password di Ripristino"), 135, 135, 4410,
                     345, ui::font(9.75, true), 0x00800000);
  txtPassword = slv::privacy::passwordBox(this, 660, 555, 3405, 285, 0x00C0C0C0);
  cmdOk = slv::privacy::dialogButton(this, QStringLiteral("OK"), 1005, 1005, 1065, 420, 0x00FF80FF);
  cmdCancel =
      slv::privacy::dialogButton(this, QStringLiteral("Annulla"), 2565, 1005, 1065, 420, 0x00FF80FF);
  cmdOk->setEnabled(false);
  cmdOk->setDefault(true);
  txtPassword->setFocus();

  connect(txtPassword, &QLineEdit::textChanged, this, &frmRestore::txtPassword_Change);
  connect(cmdOk, &QPushButton::clicked, this, &frmRestore::cmdOk_Click);
  connect(cmdCancel, &QPushButton::clicked, this, &frmRestore::cmdCancel_Click);
}

frmRestore::~frmRestore() {
  slv::privacy::wipeBox(txtPassword);
}

void frmRestore::txtPassword_Change() {
  cmdOk->setEnabled(slv::privacy::restoreOkEnabled(txtPassword->text().size()));
}

void frmRestore::cmdOk_Click() {
  if (!cmdOk->isEnabled())
    return;
  NRV_SLV3& app = app_;
  const bool right = slv::privacy::samePassword(slv::privacy::view(txtPassword->text()),
                                             slv::privacy::view(app.ProtectPassword));
  switch (slv::privacy::judgeAttempt(right, app.RestoreAttempts)) {
  case slv::privacy::Attempt::Right:
    app.AlarmActive = false;
    accept();
    return;
  case slv::privacy::Attempt::Wrong:
    wrong();
    txtPassword->setFocus();
    return;
  case slv::privacy::Attempt::Exhausted:
    wrong();
    {
      // The closing notice is the box's own too.
      SurfaceGate::Passage pass(platform_.gate());
      platform_.msgBox(QStringLiteral("Sono stati effettuati 3 tentativi di ripristino senza "
                                      "successo, il programma verrà ora chiuso"),
                       vbCritical, QStringLiteral("AUTOPROTEZIONE SOLVARINO 3_w"));
    }
    app.ForceClose = true;
    app.AlarmActive = false;
    reject();
    return;
  }
}

void frmRestore::wrong() {
  // Its message belongs to this box and passes the disguise with it.
  SurfaceGate::Passage pass(platform_.gate());
  platform_.msgBox(QStringLiteral("La password inserita non è corretta"), vbCritical,
                   QStringLiteral("Ripristino SOLVARINO 3_w"));
}

void frmRestore::cmdCancel_Click() {
  reject();
}
