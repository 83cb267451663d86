#include "forums/ForumPanel.h"

#include "core/config.h"
#include "ui/ToggleButton.h"
#include "forums/forum_address.h"
#include "panes/BrowserPane.h"
#include "desktop/Platform.h"
#include "ui/Widgets.h"
#include "ui/PanelHost.h"

#include <QKeyEvent>
#include <QListWidget>
#include <tuple>

namespace {

const QString kArmed = QStringLiteral("IL FORUM VERRA' AGGIUNTO AI PREFERITI");
const QString kOff = QStringLiteral("IL FORUM NON VERRA' AGGIUNTO AI PREFERITI");

} // namespace

ForumPanel::ForumPanel(PanelHost& host, QWidget* parent) : QFrame(parent), host_(host) {
  ui::setColors(this, 0x00FF8080);
  std::tie(Label31, Label30) =
      ui::shadowTitle(this, QStringLiteral("FORUM"), 555, 105, 0x000000FF, 585, 135, 0x00C00000,
                      2400, 435, ui::font(15.75, true));

  lstForum = new QListWidget(this);
  ui::place(lstForum, 75, 705, 3615, 3660);
  ui::setColors(lstForum, 0x00FF8080, 0x00800000);
  lstForum->setFont(ui::font(9.75, true));
  ui::onItemClick(lstForum, [this] { lstForum_Click(); });
  ui::clickOnEnter(lstForum, [this] { lstForum_Click(); });

  Picture2 = ui::frame(this, 0x00FF8080);
  Picture2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  ui::place(Picture2, 75, 4575, 3630, 2595);
  Label29 = ui::label(
      Picture2,
      QStringLiteral("Cliccando sul pulsante qui sotto, potrai abilitare o disabilitare la "
                     "funzione che aggiungerà o meno il forum scelto tra i preferiti"),
      75, 90, 3360, 1455, ui::font(12, true), 0x00C00000, Qt::AlignLeft | Qt::AlignTop);
  Label29->setWordWrap(true);

  chkForum = new ToggleButton(kOff, Picture2);
  ui::place(chkForum, 60, 1665, 3405, 705);
  chkForum->setLook(0x00D8E9EC, ui::font(12, true));
  connect(chkForum, &QPushButton::toggled, this, [this] { chkForum_Click(); });
}

void ForumPanel::chkForum_Click() {
  chkForum->setText(chkForum->value() != 0 ? kArmed : kOff);
}

void ForumPanel::lstForum_Click() {
  const int index = lstForum->currentRow();
  if (index < 0)
    return; // nothing chosen
  host_.platform().beep();
  const QString entry = lstForum->item(index)->text();
  host_.forumPane().navigate(QString::fromStdString(
      slv::forums::forumPageAddress(slv::config::portalHost(), entry.toStdString())));
  if (chkForum->value() != 1)
    return;
  // The mode is used up by one forum.
  chkForum->setText(kOff);
  chkForum->setValue(0);
  emit favouriteChosen(lstForum->item(index)->text());
}
