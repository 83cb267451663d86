#include "info/frmHelp.h"

#include "core/config.h"
#include "panes/BrowserPane.h"
#include "desktop/Platform.h"
#include "ui/Widgets.h"

#include <QKeyEvent>

frmHelp::frmHelp(Platform& platform, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("   Norvalis SOLVARINO 3_w - Aiuto On Line"));
  setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  ui::setColors(this, 0x00FF8080);
  setFixedSize(ui::px(13680), ui::px(8610));
  const QSize screen = platform.screenSize();
  move((screen.width() - width()) / 2, (screen.height() - height()) / 2);

  WBHelp = platform.createBrowserPane(this);
  ui::place(WBHelp->widget(), 30, 75, 13605, 8445);
  Form_Load();
}

frmHelp::~frmHelp() = default;

QString frmHelp::helpPageAddress() {
  return QString::fromStdString(
      slv::config::httpAddress(slv::config::makerHost(), "/SLV3W/slv3w_help.htm"));
}

void frmHelp::Form_Load() {
  WBHelp->navigate(helpPageAddress());
}

void frmHelp::keyPressEvent(QKeyEvent* e) {
  // Closed by its title bar's close box only.
  if (e->key() == Qt::Key_Escape)
    return;
  QDialog::keyPressEvent(e);
}
