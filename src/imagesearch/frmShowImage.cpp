#include "imagesearch/frmShowImage.h"

#include "panes/BrowserPane.h"
#include "desktop/Platform.h"
#include "ui/NRV_SLV3.h"
#include "ui/Widgets.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

frmShowImage::frmShowImage(Platform& platform, NRV_SLV3& app, QWidget* parent)
    : QDialog(parent), app_(app) {
  setWindowTitle(QStringLiteral("Mostra Immagine"));
  setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
  ui::setColors(this, 0x00FF8080);
  setFixedSize(ui::px(7620), ui::px(6045));
  const QSize screen = platform.screenSize();
  move((screen.width() - width()) / 2, (screen.height() - height()) / 2);

  Label1 =
      ui::label(this, QStringLiteral("Questa è l'immagine che risulta dall'indirizzo URL indicato"),
                45, 45, 7500, 270, ui::font(9.75, true), 0x00C00000);
  WBImage = platform.createBrowserPane(this);
  ui::place(WBImage->widget(), 45, 360, 7500, 5145);

  cmdClose = new QPushButton(QStringLiteral("CHIUDI"), this);
  ui::place(cmdClose, 2790, 5640, 2445, 300);
  ui::styleButton(cmdClose, 0x00FF8080, ui::font(8.25, true));
  cmdClose->setAutoDefault(false);
  connect(cmdClose, &QPushButton::clicked, this, &frmShowImage::cmdClose_Click);

  Form_Load();
}

frmShowImage::~frmShowImage() = default;

void frmShowImage::Form_Load() {
  // The address exactly as the composer holds it.
  WBImage->navigate(app_.ImageURL);
}

void frmShowImage::cmdClose_Click() {
  accept();
}

void frmShowImage::keyPressEvent(QKeyEvent* e) {
  // Without a title bar, "CHIUDI" is the way out.
  if (e->key() == Qt::Key_Escape)
    return;
  QDialog::keyPressEvent(e);
}
