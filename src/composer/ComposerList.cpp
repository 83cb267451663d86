// The composer's list builder: a list type, items added one by one, and a
// pop-up menu (the window's) to delete an item or move it up or down.
#include "composer/ComposerPanel.h"

#include "composer/ComposerLook.h"
#include "composer/ComposerVars.h"
#include "composer/list_order.h"
#include "composer/markup.h"
#include "desktop/Platform.h"
#include "desktop/Strings.h"
#include "ui/PanelHost.h"
#include "ui/Widgets.h"

#include <QButtonGroup>
#include <QEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

using namespace composer_look;

void ComposerPanel::buildList(QFrame* f) {
  const QFont labelFont = ui::font(8.25, true);
  ui::label(f, QStringLiteral("Vuoi creare un elenco..."), 45, 45, 3375, 270, labelFont,
            kLabelColor);
  const QString captions[3] = {QStringLiteral("1, 2, 3..."), QStringLiteral("a, b, c..."),
                               QStringLiteral("puntato")};
  const int geo[3][4] = {{165, 345, 930, 300}, {1230, 360, 960, 285}, {2325, 360, 960, 285}};
  listGroup_ = new QButtonGroup(this);
  for (int i = 0; i < 3; ++i) {
    optList[i] = toggleButton(f, captions[i], geo[i][0], geo[i][1], geo[i][2], geo[i][3], kModeBack,
                              ui::font(9.75, true));
    setButtonTextColor(optList[i], 0x00FF0000);
    listGroup_->addButton(optList[i], i);
    connect(optList[i], &QPushButton::clicked, this, [this, i] { optList_Click(i); });
  }
  unselectAll(listGroup_);

  ui::label(f, QStringLiteral("Elementi dell'elenco"), 135, 885, 1770, 225, labelFont, kLabelColor,
            Qt::AlignLeft | Qt::AlignVCenter);
  cmdClearElenco = new QPushButton(QStringLiteral("Resetta"), f);
  ui::place(cmdClearElenco, 2235, 855, 990, 225);
  ui::styleButton(cmdClearElenco, kModeBack, ui::font(8.25, true));
  connect(cmdClearElenco, &QPushButton::clicked, this, &ComposerPanel::cmdClearElenco_Click);

  lstElenco = new QListWidget(f);
  ui::place(lstElenco, 75, 1125, 3285, 1950);
  ui::setColors(lstElenco, kModeBack, kLabelColor);
  lstElenco->setFont(ui::font(8.25));
  ui::onItemClick(lstElenco, [this] { lstElenco_Click(); });
  lstElenco->installEventFilter(this);

  ui::label(f, QStringLiteral("Aggiungi un Elemento"), 75, 3270, 1950, 225, labelFont, kLabelColor,
            Qt::AlignLeft | Qt::AlignVCenter);
  txtElenco = lineBox(f, 45, 3525, 3315, 285, ui::font(8.25));
  connect(txtElenco, &QLineEdit::returnPressed, this, [this] { txtElenco_KeyPress(13); });
  cmdElenco = okButton(f, 1290, 3900, 720, 360);
  connect(cmdElenco, &QPushButton::clicked, this, &ComposerPanel::cmdElenco_Click);

  lstMoveElenco = new QListWidget(f);
  lstMoveElenco->hide();
}

void ComposerPanel::optList_Click(int Index) {
  vars_.ListType = Index + 1;
  optList[Index]->setChecked(true);
}

void ComposerPanel::txtElenco_KeyPress(int KeyAscii) {
  if (KeyAscii != 13 || txtElenco->text().isEmpty())
    return;
  lstElenco->addItem(txtElenco->text());
  cmdElenco->setEnabled(true);
  txtElenco->clear();
  txtElenco->setFocus();
}

void ComposerPanel::lstElenco_Click() {
  const int row = lstElenco->currentRow();
  if (row < 0)
    return;
  vars_.ListItemIndex = row;
  emit listMenuRequested(row != 0, row != lstElenco->count() - 1);
}

bool ComposerPanel::eventFilter(QObject* watched, QEvent* event) {
  // Choosing an item with the keyboard counts as a click on it, as with the mouse.
  if (watched == lstElenco && event->type() == QEvent::KeyPress) {
    const int before = lstElenco->currentRow();
    static_cast<QObject*>(lstElenco)->event(event);
    if (lstElenco->currentRow() != before && lstElenco->currentRow() >= 0)
      lstElenco_Click();
    return true;
  }
  return QFrame::eventFilter(watched, event);
}

void ComposerPanel::mnuDelete_Click() {
  const QList<QListWidgetItem*> selected = lstElenco->selectedItems();
  if (selected.isEmpty())
    return;
  delete lstElenco->takeItem(lstElenco->row(selected.first()));
  // The list keeps no selection after a removal, as after a move.
  lstElenco->clearSelection();
  lstElenco->setCurrentRow(-1);
  if (lstElenco->count() == 0)
    cmdElenco->setEnabled(false);
}

void ComposerPanel::mnuUp_Click() {
  moveItem(vars_.ListItemIndex - 1);
}

void ComposerPanel::mnuDown_Click() {
  moveItem(vars_.ListItemIndex);
}

void ComposerPanel::moveItem(int heldBack) {
  // Only the item the pop-up menu was opened on may move.
  if (lstElenco->selectedItems().isEmpty())
    return;
  lstMoveElenco->clear();
  for (int i : slv::composer::orderAfterSwap(lstElenco->count(), heldBack))
    lstMoveElenco->addItem(lstElenco->item(i)->text());
  lstElenco->clear();
  for (int i = 0; i < lstMoveElenco->count(); ++i)
    lstElenco->addItem(lstMoveElenco->item(i)->text());
}

void ComposerPanel::cmdClearElenco_Click() {
  if (lstElenco->count() > 0 &&
      host_.platform().msgBox(QStringLiteral("Sicuri di voler cancellare l'elenco ?"),
                              vbYesNo + vbInformation, kComposer) != vbYes)
    return;
  lstElenco->clear();
  cmdElenco->setEnabled(false);
}

void ComposerPanel::cmdElenco_Click() {
  std::vector<std::string> items;
  for (int i = 0; i < lstElenco->count(); ++i)
    items.push_back(slv::toStd(lstElenco->item(i)->text()));
  const auto markup = slv::composer::list(vars_.ListType, items);
  if (!markup) {
    host_.platform().msgBox(
        QStringLiteral("Seleziona il TIPO di Elenco voluto prima di acquisirlo"),
        vbOKOnly + vbExclamation, kComposer);
    return;
  }
  // The chosen type stays for the next list, though no button shows it.
  DeliverMarkup(slv::qs(*markup), [this] {
    lstElenco->clear();
    cmdElenco->setEnabled(false);
    unselectAll(listGroup_);
  });
}
