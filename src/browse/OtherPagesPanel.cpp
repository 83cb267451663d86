#include "browse/OtherPagesPanel.h"

#include "browse/other_pages.h"
#include "panes/BrowserPane.h"
#include "ui/Widgets.h"
#include "ui/PanelHost.h"

#include <QPushButton>

OtherPagesPanel::OtherPagesPanel(PanelHost& host, QWidget* parent)
    : QFrame(parent), host_(host) {
  ui::setColors(this, 0x00FF8080);
  ui::shadowTitle(this, QStringLiteral("ALTRE PAGINE"), 225, 150, 0x000000FF, 240, 180, 0x00C00000,
                  3300, 420, ui::font(15.75, true));

  struct Button {
    const char* caption;
    int left, top;
  };
  // By element; element 5 stands above element 4 on screen.
  const Button buttons[6] = {
      {"LOGIN", 690, 810},  {"INDICE", 675, 1290},      {"CHI C'E' IN LINEA?", 660, 1770},
      {"CERCA", 660, 2250}, {"SKY FOR ALL", 660, 3225}, {"REGOLAMENTO", 645, 2745},
  };
  for (int i = 0; i < 6; ++i) {
    auto* b = new QPushButton(QString::fromUtf8(buttons[i].caption), this);
    ui::place(b, buttons[i].left, buttons[i].top, 2340, 375);
    ui::styleButton(b, 0x00FF8080, ui::font(9.75, true));
    b->setFocusPolicy(Qt::TabFocus);
    connect(b, &QPushButton::clicked, this, [this, i] { cmdAltrePagine_Click(i); });
    cmdAltrePagine[i] = b;
  }
}

void OtherPagesPanel::cmdAltrePagine_Click(int Index) {
  // The page loads in the forum pane whichever pane is in front.
  if (const auto address = slv::browse::pageAddress(Index))
    host_.forumPane().navigate(QString::fromStdString(*address));
}
