#include "forums/FavouritesPanel.h"

#include "shell/Widgets.h"
#include "shell/frmNRV_SLV3.h"

#include <QListWidget>

FavouritesPanel::FavouritesPanel(frmNRV_SLV3& owner, QWidget* parent)
    : QFrame(parent), owner_(owner) {
  ui::setColors(this, 0x00FF8080);
  ui::shadowTitle(this, QStringLiteral("PREFERITI"), 555, 135, 0x000000FF, 585, 165, 0x00C00000,
                  2565, 450, ui::font(15.75, true));
  lstPreferiti = new QListWidget(this);
  ui::place(lstPreferiti, 60, 780, 3615, 3660);
  ui::setColors(lstPreferiti, 0x00FF8080, 0x00800000);
  lstPreferiti->setFont(ui::font(9.75, true));
}
