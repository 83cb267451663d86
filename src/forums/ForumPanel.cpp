#include "forums/ForumPanel.h"

#include "shell/Widgets.h"
#include "shell/frmNRV_SLV3.h"

#include <QListWidget>

ForumPanel::ForumPanel(frmNRV_SLV3& owner, QWidget* parent) : QFrame(parent), owner_(owner) {
  ui::setColors(this, 0x00FF8080);
  ui::shadowTitle(this, QStringLiteral("FORUM"), 555, 105, 0x000000FF, 585, 135, 0x00C00000, 2400,
                  435, ui::font(15.75, true));
  lstForum = new QListWidget(this);
  ui::place(lstForum, 75, 705, 3615, 3660);
  ui::setColors(lstForum, 0x00FF8080, 0x00800000);
  lstForum->setFont(ui::font(9.75, true));
}
