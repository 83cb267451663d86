#include "privacy/Dialogs.h"

#include "desktop/Platform.h"
#include "ui/Widgets.h"

#include <QDialog>
#include <QPushButton>

namespace slv::privacy {

void setUpDialog(QDialog* d, Platform& platform, const QString& caption, int widthTwips,
                 int heightTwips) {
  d->setWindowTitle(kCaptionPad + caption);
  d->setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                    Qt::WindowCloseButtonHint);
  ui::setColors(d, kDialogBack);
  d->setFixedSize(ui::px(widthTwips), ui::px(heightTwips));
  const QSize screen = platform.screenSize();
  // Moved before showing, so the dialog is not put over its parent instead.
  d->move((screen.width() - d->width()) / 2, (screen.height() - d->height()) / 2);
}

QPushButton* dialogButton(QWidget* parent, const QString& caption, int left, int top, int width,
                          int height, std::uint32_t backBgr) {
  auto* b = new QPushButton(caption, parent);
  ui::place(b, left, top, width, height);
  ui::styleButton(b, backBgr, ui::font(9.75, true));
  b->setAutoDefault(false);
  return b;
}

} // namespace slv::privacy
