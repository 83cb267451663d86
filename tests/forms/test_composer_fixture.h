#pragma once
// The composer panel on a fake host, as the main window places it, with the
// folder and file helpers of the main fixture (whose window is not built).
#include "composer/ComposerPanel.h"
#include "composer/ComposerVars.h"
#include "fakes/FakeHost.h"
#include "fakes/MainFixture.h"
#include "ui/Widgets.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

// Adds list items as a user does: typed, each ended with Enter.
inline void addItems(ComposerPanel& p, const QStringList& texts) {
  for (const QString& t : texts) {
    QTest::keyClicks(p.txtElenco, t);
    QTest::keyClick(p.txtElenco, Qt::Key_Return);
  }
}

class ComposerFixture : public MainFixture {
protected:
  // The panel, shown, with mode `mode` chosen (none for -1).
  ComposerPanel& open(int mode = -1) {
    if (c == nullptr) {
      host.window.resize(1280, 1024);
      c = new ComposerPanel(host, vars, &host.window);
      ui::place(c, 45, 1305, 3765, 7965);
      host.window.show();
    }
    if (mode >= 0)
      c->optAdd[mode]->click();
    return *c;
  }

  FakeHost host{platform};
  ComposerVars vars;
  ComposerPanel* c = nullptr; // owned by host.window
};
