#include "shell/frmStart.h"

#include "ui/Pictures.h"
#include "ui/Widgets.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>

frmStart::frmStart(std::function<void()> showMain) : showMain_(std::move(showMain)) {
  setWindowTitle(QStringLiteral("Norvalis starter"));
  setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
  setAttribute(Qt::WA_DeleteOnClose);
  ui::setColors(this, 0x00FF8080);
  setFixedSize(ui::px(6990), ui::px(5025));
  if (const QScreen* s = QGuiApplication::primaryScreen())
    move(s->geometry().center() - rect().center());

  Image1 = new QLabel(this);
  ui::place(Image1, 30, 30, 6930, 4950);
  Image1->setPixmap(ui::splashLogo());
  Image1->setScaledContents(true);

  Label8 = ui::label(this, QStringLiteral("system"), 3990, 3150, 2535, 825, ui::font(36, true, true),
                     0x00FFC0FF);

  Timer1 = new QTimer(this);
  Timer1->setInterval(3000);
  connect(Timer1, &QTimer::timeout, this, &frmStart::Timer1_Timer);
  Timer1->start();
}

void frmStart::Timer1_Timer() {
  Timer1->stop();
  Form_Unload();
  close();
}

void frmStart::Form_Unload() {
  if (showMain_)
    showMain_();
}
