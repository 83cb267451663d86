#include "forums/FavouritesPanel.h"

#include "core/config.h"
#include "forums/ForumListFile.h"
#include "forums/favourites_removal.h"
#include "forums/forum_address.h"
#include "panes/BrowserPane.h"
#include "desktop/Platform.h"
#include "desktop/Strings.h"
#include "ui/PanelHost.h"
#include "ui/ToggleButton.h"
#include "ui/Widgets.h"

#include <QListWidget>
#include <tuple>

namespace {

const QString kArmed = QStringLiteral("IL FORUM VERRA' RIMOSSO DAI PREFERITI");
const QString kOff = QStringLiteral("IL FORUM NON VERRA' RIMOSSO DAI PREFERITI");
const QString kUnchanged = QStringLiteral("Il file dei preferiti non è stato modificato.");

} // namespace

FavouritesPanel::FavouritesPanel(PanelHost& host, QWidget* parent)
    : QFrame(parent), host_(host) {
  ui::setColors(this, 0x00FF8080);
  std::tie(Label28, Label27) =
      ui::shadowTitle(this, QStringLiteral("PREFERITI"), 555, 135, 0x000000FF, 585, 165, 0x00C00000,
                      2565, 450, ui::font(15.75, true));

  lstPreferiti = new QListWidget(this);
  ui::place(lstPreferiti, 60, 780, 3615, 3660);
  ui::setColors(lstPreferiti, 0x00FF8080, 0x00800000);
  lstPreferiti->setFont(ui::font(9.75, true));
  ui::onItemClick(lstPreferiti, [this] { lstPreferiti_Click(); });
  ui::clickOnEnter(lstPreferiti, [this] { lstPreferiti_Click(); });

  Picture1 = ui::frame(this, 0x00FF8080);
  Picture1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  ui::place(Picture1, 60, 4650, 3630, 2595);
  Label20 = ui::label(
      Picture1,
      QStringLiteral("Cliccando sul pulsante qui sotto, potrai indicare che il forum scelto "
                     "deve essere rimosso dall'elenco dei preferiti"),
      75, 90, 3360, 1455, ui::font(12, true), 0x00C00000, Qt::AlignLeft | Qt::AlignTop);
  Label20->setWordWrap(true);

  chkAdd = new ToggleButton(kOff, Picture1);
  ui::place(chkAdd, 60, 1665, 3405, 705);
  chkAdd->setLook(0x00D8E9EC, ui::font(12, true));
  connect(chkAdd, &QPushButton::toggled, this, [this] { chkAdd_Click(); });
}

QString FavouritesPanel::favouritesPath() const {
  return host_.platform().dataFilePath("Favourite.svl");
}

void FavouritesPanel::chkAdd_Click() {
  chkAdd->setText(chkAdd->value() != 0 ? kArmed : kOff);
}

void FavouritesPanel::lstPreferiti_Click() {
  const int index = lstPreferiti->currentRow();
  if (index < 0)
    return; // nothing chosen
  host_.platform().beep();
  const QString entry = lstPreferiti->item(index)->text();
  switch (chkAdd->value()) {
  case 0:
    host_.forumPane().navigate(QString::fromStdString(
        slv::forums::forumPageAddress(slv::config::portalHost(), entry.toStdString())));
    break;
  case 1:
    // The mode is used up by one removal; the forum is not opened.
    chkAdd->setText(kOff);
    chkAdd->setValue(0);
    removeFavourite(index);
    break;
  default:
    break;
  }
}

void FavouritesPanel::removeFavourite(int index) {
  const QString entry = lstPreferiti->item(index)->text();
  // The file may have changed since the list was read: the entry is taken out
  // of what is on disk now, so nothing added meanwhile is lost.
  QStringList remaining = slv::forums::readListFile(favouritesPath());
  std::vector<std::string> onDisk;
  for (const QString& line : remaining)
    onDisk.push_back(slv::toStd(line));
  const auto line =
      slv::forums::lineToRemove(onDisk, static_cast<std::size_t>(index), slv::toStd(entry));
  if (!line) {
    reloadFavourites(); // already gone: nothing to write
    return;
  }
  remaining.removeAt(static_cast<qsizetype>(*line));
  const slv::forums::WriteOutcome out = slv::forums::rewriteEntries(favouritesPath(), remaining);
  if (out.kind == slv::forums::WriteOutcome::Refused) {
    host_.platform().msgBox(
        QStringLiteral("Impossibile rimuovere il forum \"%1\" dai preferiti: la voce "
                       "\"%2\" del file Favourite.svl %3.\n%4")
            .arg(entry, out.entry, out.reason, kUnchanged),
        vbExclamation, kProgramTitle);
  } else if (out.kind == slv::forums::WriteOutcome::Failed) {
    host_.platform().msgBox(
        QStringLiteral("Impossibile rimuovere il forum \"%1\" dai preferiti: il file "
                       "Favourite.svl non può essere scritto (%2).\n%3")
            .arg(entry, out.reason, kUnchanged),
        vbExclamation, kProgramTitle);
  }
  reloadFavourites();
}

void FavouritesPanel::addFavourite(const QString& entry) {
  const slv::forums::WriteOutcome out = slv::forums::appendEntry(favouritesPath(), entry);
  if (out.kind == slv::forums::WriteOutcome::Refused) {
    host_.platform().msgBox(
        QStringLiteral("Il forum \"%1\" non può essere aggiunto ai preferiti: il suo "
                       "nome %2.\n%3")
            .arg(entry, out.reason, kUnchanged),
        vbExclamation, kProgramTitle);
  } else if (out.kind == slv::forums::WriteOutcome::Failed) {
    host_.platform().msgBox(
        QStringLiteral("Impossibile aggiungere il forum \"%1\" ai preferiti: il file "
                       "Favourite.svl non può essere scritto (%2).\n%3")
            .arg(entry, out.reason, kUnchanged),
        vbExclamation, kProgramTitle);
  }
  reloadFavourites();
}

void FavouritesPanel::reloadFavourites() {
  lstPreferiti->clear();
  lstPreferiti->addItems(slv::forums::readListFile(favouritesPath()));
}
