#include "imagesearch/frmSearchImages.h"

#include "imagesearch/search_services.h"
#include "panes/BrowserPane.h"
#include "desktop/Platform.h"
#include "ui/Widgets.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

namespace {

const QString kIdle = QStringLiteral("  RICERCA IMMAGINI ");
const QString kLoading = QStringLiteral("  RICERCA IMMAGINI - CARICAMENTO IN CORSO....");

QLabel* banner(QWidget* parent, const QString& text, int left, int top, int width, int height) {
  // Opaque, unlike the transparent labels of the panels.
  auto* l = new QLabel(text, parent);
  ui::place(l, left, top, width, height);
  l->setFont(ui::font(8.25, true));
  l->setAlignment(Qt::AlignCenter);
  ui::setColors(l, 0x00FFC0C0, 0x00C00000);
  return l;
}

QString domainOf(const std::string& host) {
  return QString::fromStdString(slv::imagesearch::domainName(host));
}

} // namespace

frmSearchImages::frmSearchImages(Platform& platform, NRV_SLV3&, QWidget* parent) : QDialog(parent) {
  setWindowTitle(kIdle);
  setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  ui::setColors(this, 0x00FF8080);
  setFixedSize(ui::px(10560), ui::px(8925));

  Label1 = banner(
      this,
      QStringLiteral("RICERCA L'IMMAGINE VOLUTA  E COPIA IL SUO INDIRIZZO URL PER INCOLLARLO "
                     "NEL COMPOSER"),
      45, 75, 10365, 300);
  Label2 = banner(this, QStringLiteral("Navigazione"), 120, 540, 1080, 225);
  Label3 = banner(this, QStringLiteral("Shortcut"), 4440, 555, 1080, 225);

  struct Button {
    QString caption, tip;
    int left, top, width;
  };
  const Button buttons[9] = {
      {QStringLiteral("<"), QStringLiteral("Indietro"), 1275, 480, 330},
      {QStringLiteral(">"), QStringLiteral("Avanti"), 1680, 480, 330},
      {QStringLiteral("T"), QStringLiteral("Termina"), 2100, 480, 330},
      {QStringLiteral("A"), QStringLiteral("Aggiorna"), 2520, 480, 330},
      {QStringLiteral("H"), QStringLiteral("Home Page"), 2925, 480, 330},
      {QStringLiteral("Google"), QStringLiteral("Cerca con Google"), 5610, 465, 930},
      {QStringLiteral("Yahoo!"), QStringLiteral("Cerca con Yahoo!"), 6600, 465, 930},
      {QStringLiteral("Ditto"), "Cerca con " + domainOf(slv::imagesearch::dittoHost()), 7605, 465,
       930},
      {QStringLiteral("Calshop"), "Cerca con " + domainOf(slv::imagesearch::calshopHost()), 8595,
       465, 960},
  };
  for (int i = 0; i < 9; ++i) {
    auto* b = new QPushButton(buttons[i].caption, this);
    ui::place(b, buttons[i].left, buttons[i].top, buttons[i].width, 330);
    ui::styleButton(b, 0x00FFC0C0, ui::font(9.75, true));
    b->setToolTip(buttons[i].tip);
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, [this, i] { cmdNavy_Click(i); });
    cmdNavy[i] = b;
  }

  txtAddress = new QLineEdit(this);
  ui::place(txtAddress, 105, 915, 9765, 300);
  ui::setColors(txtAddress, 0x00FFC0C0, 0x00C00000);
  txtAddress->setFont(ui::font(9.75));

  cmdVai = new QPushButton(QStringLiteral("VAI"), this);
  ui::place(cmdVai, 9930, 915, 555, 315);
  ui::styleButton(cmdVai, 0x00FF8080, ui::font(8.25, true));
  cmdVai->setAutoDefault(false);
  connect(cmdVai, &QPushButton::clicked, this, &frmSearchImages::cmdVai_Click);

  WB = platform.createBrowserPane(this);
  ui::place(WB->widget(), 105, 1275, 10350, 7545);

  tmrBusy = new QTimer(this);
  tmrBusy->setInterval(20);
  connect(tmrBusy, &QTimer::timeout, this, &frmSearchImages::tmrBusy_Timer);
  tmrBusy->start();

  Form_Load();
}

frmSearchImages::~frmSearchImages() = default;

void frmSearchImages::Form_Load() {
  // Placed by the program; the browser stays empty until the user acts.
  move(ui::px(105), ui::px(2010));
}

void frmSearchImages::cmdNavy_Click(int Index) {
  // What the browser cannot do (back with no history...) is simply not done.
  switch (Index) {
  case 0:
    WB->goBack();
    break;
  case 1:
    WB->goForward();
    break;
  case 2:
    WB->stop();
    break;
  case 3:
    WB->refresh();
    break;
  case 4:
    WB->goHome();
    break;
  default:
    if (const auto address = slv::imagesearch::shortcutAddress(Index))
      WB->navigate(QString::fromStdString(*address));
    break;
  }
}

void frmSearchImages::cmdVai_Click() {
  WB->navigate(txtAddress->text());
}

void frmSearchImages::tmrBusy_Timer() {
  if (WB->busy()) {
    txtAddress->setText(WB->locationURL());
    setWindowTitle(kLoading);
  } else {
    setWindowTitle(kIdle);
  }
}

void frmSearchImages::paintEvent(QPaintEvent*) {
  // Red rules under the two group labels.
  QPainter p(this);
  p.setPen(QPen(ui::color(0x000000FF), 2));
  p.drawLine(ui::px(1200), ui::px(630), ui::px(2925), ui::px(630));
  p.drawLine(ui::px(5520), ui::px(645), ui::px(8625), ui::px(675));
}

void frmSearchImages::keyPressEvent(QKeyEvent* e) {
  // Only "VAI" navigates; Enter in the address box does nothing, and the
  // window closes by its close box.
  switch (e->key()) {
  case Qt::Key_Escape:
  case Qt::Key_Return:
  case Qt::Key_Enter:
    return;
  default:
    QDialog::keyPressEvent(e);
  }
}
