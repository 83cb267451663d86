// The composer's image mode: an image address, its preview, the image search,
// and adding the image to the personal emoticons.
#include "composer/ComposerPanel.h"

#include "composer/ComposerLook.h"
#include "composer/ImageWindows.h"
#include "composer/markup.h"
#include "emoticons/PersonalFileAppend.h"
#include "emoticons/personal_file.h"
#include "emoticons/personal_record.h"
#include "desktop/Platform.h"
#include "desktop/Strings.h"
#include "ui/NRV_SLV3.h"
#include "ui/PanelHost.h"
#include "ui/Widgets.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace composer_look;

void ComposerPanel::buildImage(QFrame* f) {
  const QFont bold = ui::font(8.25, true);
  ui::label(f, QStringLiteral("Inserisci l'indirizzo URL dell'immagine"), 75, 105, 3315, 240, bold,
            kLabelColor);
  txtImmagine = multiLineBox(f, 75, 420, 3315, 765, ui::font(8.25));
  connect(txtImmagine, &QPlainTextEdit::textChanged, this, &ComposerPanel::txtImmagine_Change);
  cmdVerifyURL = new QPushButton(QStringLiteral("Verifica Indirizzo URL"), f);
  ui::place(cmdVerifyURL, 75, 1290, 3300, 255);
  ui::styleButton(cmdVerifyURL, kModeBack, bold);
  cmdVerifyURL->setEnabled(false);
  connect(cmdVerifyURL, &QPushButton::clicked, this, &ComposerPanel::cmdVerifyURL_Click);
  cmdSearchImages = new QPushButton(QStringLiteral("Cerca Immagini su Internet"), f);
  ui::place(cmdSearchImages, 75, 1725, 3300, 255);
  ui::styleButton(cmdSearchImages, kModeBack, bold);
  connect(cmdSearchImages, &QPushButton::clicked, this, &ComposerPanel::cmdSearchImages_Click);

  fraEP = ui::frame(f, 0x00FFC0C0);
  fraEP->setFrameShape(QFrame::Box);
  ui::place(fraEP, 75, 2040, 3300, 1110);
  fraEP->setEnabled(false);
  ui::label(fraEP, QStringLiteral("Aggiungi ai Personali dell'EmoTray"), 45, 120, 3195, 210, bold,
            kLabelColor);
  ui::label(fraEP, QStringLiteral("Nome"), 180, 450, 525, 180, bold, kLabelColor,
            Qt::AlignLeft | Qt::AlignVCenter);
  txtNome = lineBox(fraEP, 750, 405, 2325, 240, ui::font(8.25));
  connect(txtNome, &QLineEdit::textChanged, this, &ComposerPanel::txtNome_Change);
  cmdOkEP = new QPushButton(QStringLiteral("Aggiungi"), fraEP);
  ui::place(cmdOkEP, 1215, 750, 975, 285);
  ui::styleButton(cmdOkEP, kModeBack, bold);
  cmdOkEP->setEnabled(false);
  connect(cmdOkEP, &QPushButton::clicked, this, &ComposerPanel::cmdOkEP_Click);

  cmdImmagine = okButton(f, 1395, 3525, 585, 450);
  connect(cmdImmagine, &QPushButton::clicked, this, &ComposerPanel::cmdImmagine_Click);
}

void ComposerPanel::txtImmagine_Change() {
  const bool ok = slv::composer::isWebAddress(slv::toStd(boxText(txtImmagine)));
  cmdVerifyURL->setEnabled(ok);
  cmdImmagine->setEnabled(ok);
  fraEP->setEnabled(ok);
}

void ComposerPanel::cmdImmagine_Click() {
  DeliverMarkup(slv::qs(slv::composer::image(slv::toStd(boxText(txtImmagine)))), [this] {
    txtNome->clear();
    txtImmagine->clear();
  });
}

void ComposerPanel::cmdVerifyURL_Click() {
  host_.app().ImageURL = boxText(txtImmagine);
  slv::composer::showImagePreview(host_);
}

void ComposerPanel::cmdSearchImages_Click() {
  slv::composer::showImageSearch(host_);
}

void ComposerPanel::txtNome_Change() {
  cmdOkEP->setEnabled(!txtNome->text().isEmpty());
}

void ComposerPanel::cmdOkEP_Click() {
  Platform& platform = host_.platform();
  const slv::emoticons::PersonalRecord record =
      slv::emoticons::personalRecord(slv::toStd(txtNome->text()), slv::toStd(boxText(txtImmagine)));
  if (record.problem != slv::FieldProblem::None) {
    // The file has no way to hold these: refuse before writing anything.
    const QString what = record.inName ? QStringLiteral("Il nome") : QStringLiteral("L'indirizzo");
    QString why;
    switch (record.problem) {
    case slv::FieldProblem::DoubleQuote:
      why = QStringLiteral(
          " contiene le virgolette (\"), che il file dei Personali non può conservare.");
      break;
    case slv::FieldProblem::LineBreak:
      why = QStringLiteral(" deve stare su una sola riga.");
      break;
    default:
      why = QStringLiteral(" contiene caratteri che il file dei Personali non può conservare.");
      break;
    }
    platform.msgBox(what + why + QStringLiteral(" L'emoticon non è stata aggiunta."), vbExclamation,
                    QStringLiteral("Personali dell'EmoTray"));
    return;
  }
  const QString path = platform.dataFilePath(slv::emoticons::kPersonalFileName);
  if (!slv::emoticons::appendPersonalRecord(path, record.bytes)) {
    platform.msgBox(QStringLiteral("Impossibile scrivere nel file PERSONALI.ET2 nella cartella "
                                   "dell'Applicazione. L'emoticon non è stata aggiunta."),
                    vbCritical, QStringLiteral("IMPOSSIBILE ACCEDERE AL FILE PERSONALI"));
    return;
  }
  platform.beep();
  txtNome->clear();
}
