#pragma once
// The main window on the fake platform, with helpers that answer the two
// password dialogs the way a user would.
#include "fakes/MainFixture.h"
#include "privacy/password_rules.h"
#include "privacy/frmProtect.h"
#include "privacy/frmRestore.h"

#include <QLineEdit>
#include <QPushButton>
#include <functional>

class PrivacyFixture : public MainFixture {
protected:
  // Runs the queued resize and state-change handlers, and the answers of the
  // questions they asked.
  void drain() { platform.settle(); }

  // The next frmProtect is handed to f; its result goes back to the caller.
  void onProtect(std::function<void(frmProtect&)> f) {
    platform.onModal = [this, f](QDialog& d) {
      auto* p = qobject_cast<frmProtect*>(&d);
      EXPECT_NE(p, nullptr) << "expected the password dialog";
      ++protectShown;
      if (p)
        f(*p);
      return d.result();
    };
  }

  // The next frmRestore gets the entries in order, as long as it stays open,
  // then Annulla if it is still open and cancel is set.
  void onRestore(QStringList entries, bool cancel = true) {
    platform.onModal = [this, entries, cancel](QDialog& d) {
      auto* r = qobject_cast<frmRestore*>(&d);
      EXPECT_NE(r, nullptr) << "expected the unlock dialog";
      ++restoreShown;
      if (!r)
        return 0;
      bool closed = false;
      QObject::connect(r, &QDialog::finished, r, [&closed] { closed = true; });
      for (const QString& e : entries) {
        if (closed)
          break;
        r->txtPassword->setText(e);
        r->cmdOk->click();
      }
      if (!closed && cancel)
        r->cmdCancel->click();
      return d.result();
    };
  }

  // Sets the lock password through the menu and the dialog.
  void protect(const QString& pw) {
    onProtect([pw](frmProtect& d) {
      d.txtPassword->setText(pw);
      d.txtConferma->setText(pw);
      d.cmdOk->click();
    });
    win->mnuPassword->trigger();
    platform.onModal = nullptr;
  }

  void playMusic() {
    player().setURL(QStringLiteral("file:///musica/brano.mp3"));
    player().play();
    ASSERT_EQ(player().playState(), 3);
  }

  // What the task bar does when the user clicks the disguised window.
  void bringBack() {
    win->showNormal();
    drain();
  }

  slv::privacy::LockState state() const {
    return slv::privacy::lockState(!app.ProtectPassword.isEmpty(), app.AlarmActive, app.ForceClose);
  }

  QStringList texts() const {
    QStringList out;
    for (const auto& m : platform.messages)
      out << m.text;
    return out;
  }

  int protectShown = 0;
  int restoreShown = 0;
};
