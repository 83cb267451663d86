// The composer's quotation mode: a text and, if given, its author.
#include "composer/ComposerPanel.h"

#include "composer/ComposerLook.h"
#include "composer/markup.h"
#include "desktop/Strings.h"
#include "ui/Widgets.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace composer_look;

void ComposerPanel::buildQuote(QFrame* f) {
  const QFont font = ui::font(9.75, true);
  ui::label(f, QStringLiteral("Immettere il Testo della Citazione"), 75, 75, 3315, 255, font,
            kLabelColor);
  txtCitazione = multiLineBox(f, 60, 375, 3330, 1980, ui::font(9.75));
  connect(txtCitazione, &QPlainTextEdit::textChanged, this, &ComposerPanel::txtCitazione_Change);
  QLabel* l = ui::label(f,
                        QStringLiteral("Immettere il nome dell'Autore della Citazione (lasciare in "
                                       "bianco per non menzionarlo)"),
                        60, 2505, 3315, 810, font, kLabelColor);
  l->setWordWrap(true);
  txtAutore = lineBox(f, 45, 3300, 3330, 315, ui::font(9.75));
  cmdCitazione = okButton(f, 1335, 3795, 750, 420);
  connect(cmdCitazione, &QPushButton::clicked, this, &ComposerPanel::cmdCitazione_Click);
}

void ComposerPanel::txtCitazione_Change() {
  cmdCitazione->setEnabled(!txtCitazione->toPlainText().isEmpty());
}

void ComposerPanel::cmdCitazione_Click() {
  const std::string markup =
      slv::composer::quote(slv::toStd(boxText(txtCitazione)), slv::toStd(txtAutore->text()));
  DeliverMarkup(slv::qs(markup), [this] {
    txtCitazione->clear();
    txtAutore->clear();
  });
}
