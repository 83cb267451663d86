// The composer's link mode: a web address and the text that carries it.
#include "composer/ComposerPanel.h"

#include "composer/ComposerLook.h"
#include "composer/markup.h"
#include "desktop/Strings.h"
#include "ui/Widgets.h"

#include <QPlainTextEdit>
#include <QPushButton>

using namespace composer_look;

void ComposerPanel::buildLink(QFrame* f) {
  QLabel* l =
      ui::label(f, QStringLiteral("Immettere Collegamento URL al quale farà riferimento il testo"),
                60, 75, 3330, 450, ui::font(8.25, true), 0x00FF0000);
  l->setWordWrap(true);
  txtURL = multiLineBox(f, 30, 555, 3360, 945, ui::font(9.75), -1);
  connect(txtURL, &QPlainTextEdit::textChanged, this, &ComposerPanel::txtURL_Change);
  l = ui::label(f, QStringLiteral("Immettere il testo che conterrà il collegamento"), 45, 1830,
                3315, 405, ui::font(8.25, true), kLabelColor);
  l->setWordWrap(true);
  txtURLText = multiLineBox(f, 60, 2325, 3315, 855, ui::font(9.75));
  connect(txtURLText, &QPlainTextEdit::textChanged, this, &ComposerPanel::txtURLText_Change);
  cmdURL = okButton(f, 1335, 3585, 750, 450);
  connect(cmdURL, &QPushButton::clicked, this, &ComposerPanel::cmdURL_Click);
}

void ComposerPanel::updateLinkButton() {
  cmdURL->setEnabled(slv::composer::isWebAddress(slv::toStd(boxText(txtURL))) &&
                     !txtURLText->toPlainText().isEmpty());
}

void ComposerPanel::txtURL_Change() {
  updateLinkButton();
}
void ComposerPanel::txtURLText_Change() {
  updateLinkButton();
}

void ComposerPanel::cmdURL_Click() {
  const std::string markup =
      slv::composer::link(slv::toStd(boxText(txtURL)), slv::toStd(boxText(txtURLText)));
  DeliverMarkup(slv::qs(markup), [this] {
    txtURL->clear();
    txtURLText->clear();
  });
}
