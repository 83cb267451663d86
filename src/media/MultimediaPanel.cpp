#include "media/MultimediaPanel.h"

#include "shell/Widgets.h"
#include "shell/frmNRV_SLV3.h"

#include <QCheckBox>

MultimediaPanel::MultimediaPanel(frmNRV_SLV3& owner, QWidget* parent)
    : QFrame(parent), owner_(owner) {
  ui::setColors(this, 0x00FF8080);
  ui::shadowTitle(this, QStringLiteral("MULTIMEDIA"), 225, 150, 0x000000FF, 240, 180, 0x00C00000,
                  3300, 420, ui::font(15.75, true));
  chkMusic = new QCheckBox(QStringLiteral("Mantieni la Musica Attiva"), this);
  ui::place(chkMusic, 120, 8400, 3500, 255);
}

void MultimediaPanel::MusicPositionTickRead() {}
void MultimediaPanel::MusicPositionTickApply() {}
