#include "emoticons/EmoTrayPanel.h"

#include "core/datafile.h"
#include "emoticons/emo_catalogue.h"
#include "emoticons/personal_file.h"
#include "desktop/Platform.h"
#include "ui/Widgets.h"
#include "ui/PanelHost.h"
#include "emoticons/EmoVars.h"
#include "desktop/Strings.h"

#include <QButtonGroup>
#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QTimer>

namespace {

constexpr std::uint32_t kPanelColor = 0x00FF8080;  // RGB(128, 128, 255)
const QString kTitle = QStringLiteral("EmoTray SLV 3");

// The face of the OK button: 405 x 300 twips.
QPixmap okPicture() {
  const int w = ui::px(405), h = ui::px(300);
  QPixmap pm = ui::canvas(w, h);
  pm.fill(QColor(224, 224, 224));
  QPainter p(&pm);
  p.setPen(Qt::white);
  p.drawLine(0, 0, w - 1, 0);
  p.drawLine(0, 0, 0, h - 1);
  p.setPen(QColor(96, 96, 96));
  p.drawLine(0, h - 1, w - 1, h - 1);
  p.drawLine(w - 1, 0, w - 1, h - 1);
  p.setPen(QColor(0, 0, 128));
  p.setFont(ui::font(8.25, true));
  p.drawText(QRect(0, 0, w, h), Qt::AlignCenter, QStringLiteral("OK"));
  return pm;
}

// The signal of a completed copy: 1530 x 1245 twips.
QPixmap donePicture() {
  const int w = ui::px(1530), h = ui::px(1245);
  QPixmap pm = ui::canvas(w, h);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF disc(w / 2.0 - 27, 2, 54, 54);
  p.setBrush(QColor(40, 170, 70));
  p.setPen(QPen(QColor(0, 90, 30), 2));
  p.drawEllipse(disc);
  QPainterPath tick;
  tick.moveTo(disc.left() + 14, disc.top() + 28);
  tick.lineTo(disc.left() + 24, disc.top() + 39);
  tick.lineTo(disc.left() + 41, disc.top() + 16);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(Qt::white, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(tick);
  p.setPen(QColor(0, 0, 128));
  p.setFont(ui::font(9, true));
  p.drawText(QRect(0, 58, w, h - 58), Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("Copiato !"));
  return pm;
}

using slv::qs;

} // namespace

EmoTrayPanel::EmoTrayPanel(PanelHost& host, EmoVars& vars, QWidget* parent)
    : QFrame(parent), host_(host), vars_(vars) {
  ui::setColors(this, kPanelColor);
  std::tie(Label22, Label21) = ui::shadowTitle(this, kTitle, 345, 30, 0x000000FF, 375, 75, 0x00C00000,
                                               3060, 405, ui::font(18, true));
  Label22->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Label21->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  // Option buttons drawn as push buttons: one set at a time, none at start.
  setGroup_ = new QButtonGroup(this);
  setGroup_->setExclusive(true);
  const int lefts[5] = {90, 90, 75, 75, 75};
  const int tops[5] = {555, 885, 1215, 1545, 1860};
  for (int i = 0; i < 5; ++i) {
    auto* b = new QPushButton(qs(slv::emoticons::setCaption(i)), this);
    ui::place(b, lefts[i], tops[i], 1365, 255);
    ui::styleButton(b, 0x00E0E0E0, ui::font(8.25, true));
    // The chosen set stays pushed in, a shade darker, so it reads at a glance.
    b->setStyleSheet(b->styleSheet() +
                     QStringLiteral("QAbstractButton:checked { background-color: #b8b8c8; }"));
    b->setCheckable(true);
    b->setFocusPolicy(Qt::TabFocus);
    setGroup_->addButton(b, i);
    optSet[i] = b;
  }
  // A second press on the chosen set runs again too (it re-reads the personal file).
  connect(setGroup_, &QButtonGroup::idClicked, this, [this](int id) { optSet_Click(id); });

  lstEmo = new QListWidget(this);
  ui::place(lstEmo, 1560, 570, 2040, 1530);
  ui::setColors(lstEmo, kPanelColor, 0x00800000);
  lstEmo->setFont(ui::font(8.25, true));
  lstEmo->setSelectionMode(QAbstractItemView::SingleSelection);
  // Choosing a name by mouse or arrow keys; clearing the list chooses nothing.
  connect(lstEmo, &QListWidget::itemSelectionChanged, this, [this] {
    if (!lstEmo->selectedItems().isEmpty())
      lstEmo_Click();
  });

  WBEP = host_.platform().createBrowserPane(this);
  ui::place(WBEP->widget(), 75, 2220, 3525, 2475);

  lstURL = new QListWidget(this);
  ui::place(lstURL, 60, 4800, 1230, 255);
  lstURL->hide();

  pboOk = new PictureBox(this, okPicture(), 1545, 4995);
  pboOk->setAutoSize(false);
  pboOk->setEnabled(false);
  pboOk->setToolTip(QStringLiteral("OK"));
  connect(pboOk, &PictureBox::clicked, this, &EmoTrayPanel::pboOk_Click);
  connect(pboOk, &PictureBox::mouseDown, this, &EmoTrayPanel::pboOk_MouseDown);
  connect(pboOk, &PictureBox::mouseUp, this, &EmoTrayPanel::pboOk_MouseUp);

  imgDone = new QLabel(this);
  ui::place(imgDone, 1020, 5535, 1530, 1245);
  imgDone->setPixmap(donePicture());
  imgDone->setAttribute(Qt::WA_TranslucentBackground);
  imgDone->hide();

  tmrDoneEP = new QTimer(this);
  tmrDoneEP->setInterval(1500);
  connect(tmrDoneEP, &QTimer::timeout, this, &EmoTrayPanel::tmrDoneEP_Timer);
}

EmoTrayPanel::~EmoTrayPanel() = default;

// ---------------------------------------------------------------- handlers

void EmoTrayPanel::optSet_Click(int Index) {
  pboOk->setEnabled(false);
  vars_.EmoSet = Index;
  if (Index >= 0 && Index < slv::emoticons::kSetCount)
    optSet[static_cast<std::size_t>(Index)]->setChecked(true);
  switch (Index) {
  case 0: LoadSetEmoTray(); break;
  case 1: LoadSetPtoInform(); break;
  case 2: LoadSetTweedo(); break;
  case 3: LoadSetYahoo(); break;
  case 4: LoadSetPersonali(); return;  // the folder of the last built-in set stays
  default: return;
  }
  vars_.EmoFolder = qs(slv::emoticons::setFolder(Index));
}

void EmoTrayPanel::lstEmo_Click() {
  const QList<QListWidgetItem*> selected = lstEmo->selectedItems();
  if (selected.isEmpty())
    return;
  const int index = lstEmo->row(selected.first());
  QString address;
  if (vars_.EmoSet >= 0 && vars_.EmoSet < slv::emoticons::kPersonalSet) {
    address = qs(slv::emoticons::imageAddress(slv::emoticons::emoBaseAddress(), vars_.EmoFolder.toStdString(),
                                         index));
  } else if (vars_.EmoSet == slv::emoticons::kPersonalSet) {
    if (index >= lstURL->count()) {
      // A name whose address the damaged file lost: there is nothing to copy.
      vars_.EmoTag.clear();
      pboOk->setEnabled(false);
      return;
    }
    address = lstURL->item(index)->text();
  } else {
    return;
  }
  vars_.EmoTag = qs(slv::emoticons::imageTag(address.toStdString()));
  WBEP->navigate(address);
  pboOk->setEnabled(true);
}

void EmoTrayPanel::pboOk_Click() {
  Platform& platform = host_.platform();
  platform.clearClipboard();
  if (!platform.setClipboardText(vars_.EmoTag)) {
    // Signalling a copy that did not happen would mislead: say so instead.
    platform.msgBox(QStringLiteral("Impossibile copiare l'emoticon negli Appunti: forse un altro "
                                   "programma li sta usando. Riprova tra qualche istante."),
                    vbExclamation, kTitle);
    return;
  }
  platform.beep();
  imgDone->show();
  // A second copy while the first is being confirmed keeps the first's timer.
  if (!tmrDoneEP->isActive())
    tmrDoneEP->start();
}

void EmoTrayPanel::pboOk_MouseDown() { pboOk->setBorderStyle(1); }
void EmoTrayPanel::pboOk_MouseUp() { pboOk->setBorderStyle(0); }

void EmoTrayPanel::tmrDoneEP_Timer() {
  tmrDoneEP->stop();
  host_.platform().beep();
  imgDone->hide();
}

// ---------------------------------------------------------------- set loaders

void EmoTrayPanel::loadBuiltIn(int set) {
  lstEmo->clear();
  for (std::string_view name : slv::emoticons::setNames(set))
    lstEmo->addItem(qs(name));
}

void EmoTrayPanel::LoadSetEmoTray() { loadBuiltIn(0); }
void EmoTrayPanel::LoadSetPtoInform() { loadBuiltIn(1); }
void EmoTrayPanel::LoadSetTweedo() { loadBuiltIn(2); }
void EmoTrayPanel::LoadSetYahoo() { loadBuiltIn(3); }

void EmoTrayPanel::LoadSetPersonali() {
  lstURL->clear();
  lstEmo->clear();
  const slv::emoticons::PersonalSet set = slv::emoticons::readPersonalSet(
      slv::toStd(host_.platform().dataFilePath(slv::emoticons::kPersonalFileName)));
  for (const std::string& name : set.names)
    lstEmo->addItem(QString::fromStdString(name));
  for (const std::string& address : set.addresses)
    lstURL->addItem(QString::fromStdString(address));
  if (!set.ok)
    host_.platform().msgBox(QStringLiteral("Il File PERSONALI.ET2 non si trova nella stessa cartella "
                                            "dell'Applicazione o non è stato creato o è stato corrotto"),
                             vbCritical, QStringLiteral("IMPOSSIBILE ACCEDERE AL FILE PERSONALI"));
}
