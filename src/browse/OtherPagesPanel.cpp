#include "browse/OtherPagesPanel.h"

#include "shell/Widgets.h"
#include "shell/frmNRV_SLV3.h"

OtherPagesPanel::OtherPagesPanel(frmNRV_SLV3& owner, QWidget* parent) : QFrame(parent), owner_(owner) {
  ui::setColors(this, 0x00FF8080);
  ui::shadowTitle(this, QStringLiteral("ALTRE PAGINE"), 225, 150, 0x000000FF, 240, 180, 0x00C00000, 3300,
                  420, ui::font(15.75, true));
}
