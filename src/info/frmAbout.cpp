#include "info/frmAbout.h"

#include "core/config.h"
#include "info/about_slide.h"
#include "desktop/Platform.h"
#include "slv_defaults.h"
#include "ui/Pictures.h"
#include "ui/Widgets.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <tuple>

namespace {

// The portal's name as the subtitle shows it.
QString portalName() {
  return QString::fromStdString(slv::configValue("SLV_PORTAL_NAME", SLV_DEFAULT_PORTAL_NAME))
      .toUpper();
}

// A long configured name shrinks the line rather than losing its ends.
void fitText(QLabel* l) {
  QFont f = l->font();
  while (QFontMetrics(f).horizontalAdvance(l->text()) > l->width() && f.pointSizeF() > 6)
    f.setPointSizeF(f.pointSizeF() - 0.25);
  l->setFont(f);
}

} // namespace

frmAbout::frmAbout(Platform& platform, QWidget* parent) : QDialog(parent), platform_(platform) {
  setWindowTitle(QStringLiteral("  Informazioni sul Programma"));
  setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  ui::setColors(this, 0x00FF8080);
  setFixedSize(ui::px(5955), ui::px(4845));

  const QFont title = ui::font(36, true);
  const QFont titleW = ui::font(36, true, true);
  const QFont small = ui::font(9.75, true);
  std::tie(Label2, Label1) = ui::shadowTitle(this, QStringLiteral("SOLVARINO 3"), 285, 120,
                                             0x000000FF, 360, 165, 0x00C00000, 4725, 840, title);
  Label4 = ui::label(this, QStringLiteral("w"), 5070, 150, 555, 825, titleW, 0x0000FF00);
  Label3 = ui::label(this, QStringLiteral("w"), 5145, 195, 555, 825, titleW, 0x00008000);
  Label3->stackUnder(Label4);
  Label9 = ui::label(this,
                     QStringLiteral("VER %1.%2.%3")
                         .arg(SLV_VERSION_MAJOR)
                         .arg(SLV_VERSION_MINOR)
                         .arg(SLV_VERSION_PATCH, 3, 10, QLatin1Char('0')),
                     150, 1110, 5655, 255, small, 0x00FF0000);
  Label5 = ui::label(this, QStringLiteral("BROWSER DEDICATO AI FORUMISTI DI ") + portalName(), 150,
                     1665, 5655, 255, small, 0x00E0E0E0);
  fitText(Label5);
  Label6 = ui::label(this, QStringLiteral("FREEWARE  -  CON FUNZIONI AGGIUNTIVE"), 150, 1950, 5655,
                     255, small, 0x00E0E0E0);
  Label7 = ui::label(this, QStringLiteral("Un programma Norvalis per la comunità"), 150, 2355, 5655,
                     315, ui::font(12, true), 0x00FF0000);

  Image1 = new QLabel(this);
  ui::place(Image1, 1380, 2730, 3375, 1155);
  Image1->setPixmap(ui::splashLogo());
  Image1->setScaledContents(true);
  Label8 = ui::label(this, QStringLiteral("system"), 3675, 3480, 1035, 345,
                     ui::font(14.25, true, true), 0x00FFC0FF);
  Label8->raise();

  cmdOk = new QPushButton(QStringLiteral("OK"), this);
  ui::place(cmdOk, 2415, 4245, 1185, 435);
  cmdOk->setFont(ui::font(8.25));
  cmdOk->setAutoDefault(false);
  connect(cmdOk, &QPushButton::clicked, this, &frmAbout::cmdOk_Click);

  tmrEntrata = new QTimer(this);
  tmrEntrata->setInterval(2);
  connect(tmrEntrata, &QTimer::timeout, this, &frmAbout::tmrEntrata_Timer);
  tmrUscita = new QTimer(this);
  tmrUscita->setInterval(2);
  connect(tmrUscita, &QTimer::timeout, this, &frmAbout::tmrUscita_Timer);
  // A window closed by its title bar stops sliding at once.
  connect(this, &QDialog::finished, this, [this] {
    tmrEntrata->stop();
    tmrUscita->stop();
  });

  Form_Load();
}

int frmAbout::widthTwips() const {
  return slv::pixelsToTwips(frameGeometry().width());
}

void frmAbout::moveTo(int leftTwips) {
  left_ = leftTwips;
  move(ui::px(left_), top_);
}

void frmAbout::Form_Load() {
  // The height is the program's choice: the middle of the screen.
  top_ = (platform_.screenSize().height() - height()) / 2;
  moveTo(slv::info::slideStartLeft(widthTwips()));
  tmrEntrata->start();
}

void frmAbout::tmrEntrata_Timer() {
  const auto step =
      slv::info::slideIn(left_, widthTwips(), slv::pixelsToTwips(platform_.screenSize().width()));
  moveTo(step.left);
  if (step.stop)
    tmrEntrata->stop();
}

void frmAbout::tmrUscita_Timer() {
  const auto step = slv::info::slideOut(left_, slv::pixelsToTwips(platform_.screenSize().width()));
  moveTo(step.left);
  if (step.stop) {
    tmrUscita->stop();
    accept();
  }
}

void frmAbout::cmdOk_Click() {
  tmrUscita->start();
}

void frmAbout::paintEvent(QPaintEvent*) {
  QPainter p(this);
  // The frame around the title and the rule under the subtitles.
  p.setPen(QPen(ui::color(0x00C00000), 1));
  p.drawRect(ui::px(180), ui::px(105), ui::px(5625) - 1, ui::px(930) - 1);
  p.setPen(QPen(ui::color(0x00FFC0C0), 1));
  p.drawLine(ui::px(150), ui::px(2250), ui::px(5790), ui::px(2250));
}

void frmAbout::keyPressEvent(QKeyEvent* e) {
  // The window leaves by "OK" or its close box, not by Escape.
  if (e->key() == Qt::Key_Escape)
    return;
  QDialog::keyPressEvent(e);
}
