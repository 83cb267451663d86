// The composer panel itself: the mode buttons and their frames, and the
// delivery every mode ends with. Each mode's controls and handlers are in a
// file of their own (ComposerFormatted.cpp, ComposerList.cpp, ...).
#include "composer/ComposerPanel.h"

#include "composer/ComposerLook.h"
#include "composer/ComposerVars.h"
#include "composer/frmDone.h"
#include "desktop/Platform.h"
#include "ui/PanelHost.h"
#include "ui/Widgets.h"

#include <QButtonGroup>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <tuple>

using namespace composer_look;

ComposerPanel::ComposerPanel(PanelHost& host, ComposerVars& vars, QWidget* parent)
    : QFrame(parent), host_(host), vars_(vars) {
  ui::setColors(this, kPanelBack);
  std::tie(Label26, Label25) =
      ui::shadowTitle(this, QStringLiteral("COMPOSER"), 360, 75, 0x000000FF, 390, 120, kLabelColor,
                      2820, 420, ui::font(18, true));
  Label1 = ui::label(this, QStringLiteral("Cosa vuoi aggiungere al tuo post ?"), 90, 645, 3510, 240,
                     ui::font(9.75, true), kLabelColor);

  const QString captions[5] = {QStringLiteral("Un Elenco"), QStringLiteral("Un'Immagine"),
                               QStringLiteral("Un Testo con collegamento"),
                               QStringLiteral("Una Citazione"),
                               QStringLiteral("Un Testo Formattato")};
  const int addLefts[5] = {75, 90, 90, 105, 105};
  const int addTops[5] = {930, 1230, 1530, 1830, 2145};
  const int addWidths[5] = {3495, 3480, 3495, 3480, 3480};
  addGroup_ = new QButtonGroup(this);
  for (int i = 0; i < 5; ++i) {
    optAdd[i] = toggleButton(this, captions[i], addLefts[i], addTops[i], addWidths[i], 285,
                             kPanelBack, ui::font(8.25));
    addGroup_->addButton(optAdd[i], i);
    connect(optAdd[i], &QPushButton::clicked, this, [this, i] { optAdd_Click(i); });
  }

  const int fraLefts[5] = {90, 105, 105, 105, 135};
  const int fraTops[5] = {2535, 2535, 2520, 2520, 2520};
  for (int i = 0; i < 5; ++i) {
    fraFunction[i] = ui::frame(this, kModeBack);
    ui::place(fraFunction[i], fraLefts[i], fraTops[i], 3465, 4335);
  }
  buildList(fraFunction[0]);
  buildImage(fraFunction[1]);
  buildLink(fraFunction[2]);
  buildQuote(fraFunction[3]);
  buildFormatted(fraFunction[4]);

  tmrDone = new QTimer(this);
  tmrDone->setInterval(1500);
  connect(tmrDone, &QTimer::timeout, this, &ComposerPanel::tmrDone_Timer);

  // Start state: no mode chosen, so only the question and the mode buttons show.
  for (int i = 0; i < 5; ++i) {
    fraFunction[i]->hide();
    optAdd[i]->setChecked(false);
  }
  unselectAll(addGroup_);
}

QString ComposerPanel::boxText(const QPlainTextEdit* box) {
  QString s = box->toPlainText();
  s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  s.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
  return s;
}

void ComposerPanel::optAdd_Click(int Index) {
  for (QFrame* f : fraFunction)
    f->hide();
  fraFunction[Index]->show();
  optAdd[Index]->setChecked(true);
}

bool ComposerPanel::DeliverMarkup(const QString& markup, const std::function<void()>& resetMode) {
  Platform& platform = host_.platform();
  platform.clearClipboard();
  if (!platform.setClipboardText(markup)) {
    // Nothing reached the clipboard: the fields stay, so the user can try again.
    platform.msgBox(QStringLiteral("Impossibile copiare il testo negli Appunti: forse un altro "
                                   "programma li sta usando. Il testo non è stato copiato; "
                                   "riprova tra qualche istante."),
                    vbExclamation, kComposer);
    return false;
  }
  resetMode();
  platform.beep();
  // While the confirmation is still up it keeps its place and its timer.
  if (doneWindow.isNull() || !doneWindow->Timer1->isActive())
    doneWindow = new frmDone(host_.hostWindow());
  doneWindow->show();
  if (!tmrDone->isActive())
    tmrDone->start();
  return true;
}

void ComposerPanel::tmrDone_Timer() {
  tmrDone->stop();
  host_.platform().beep();
}
