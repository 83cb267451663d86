#include "composer/ComposerPanel.h"

#include "composer/ImageWindows.h"
#include "composer/list_order.h"
#include "composer/markup.h"
#include "emoticons/personal_record.h"
#include "composer/frmDone.h"
#include "core/datafile.h"
#include "emoticons/PersonalFileAppend.h"
#include "emoticons/personal_file.h"
#include "platform/Platform.h"
#include "ui/Widgets.h"
#include "ui/NRV_SLV3.h"
#include "ui/PanelHost.h"
#include "composer/ComposerVars.h"

#include <QAction>
#include <QButtonGroup>
#include <QCursor>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

namespace {

const QString kComposer = QStringLiteral("Composer");
constexpr std::uint32_t kPanelBack = 0x00FF8080;
constexpr std::uint32_t kModeBack = 0x00FFC0C0;
constexpr std::uint32_t kLabelColor = 0x00C00000;

std::string toStd(const QString& s) {
  return s.toStdString();
}
QString fromStd(const std::string& s) {
  return QString::fromStdString(s);
}

// A graphical option button or check box: a push button that stays down.
QPushButton* toggleButton(QWidget* parent, const QString& caption, int left, int top, int width,
                          int height, std::uint32_t back, const QFont& f) {
  auto* b = new QPushButton(caption, parent);
  ui::place(b, left, top, width, height);
  ui::styleButton(b, back, f);
  b->setCheckable(true);
  return b;
}

void setButtonTextColor(QPushButton* b, std::uint32_t fore) {
  b->setStyleSheet(
      b->styleSheet() +
      QStringLiteral("QAbstractButton:enabled { color: %1; }").arg(ui::color(fore).name()));
}

// Graphical option buttons where none may be selected: the group is exclusive
// only while a button is being chosen.
void unselectAll(QButtonGroup* g) {
  g->setExclusive(false);
  for (QAbstractButton* b : g->buttons())
    b->setChecked(false);
  g->setExclusive(true);
}

QPlainTextEdit* multiLineBox(QWidget* parent, int left, int top, int width, int height,
                             const QFont& f, std::int64_t fore = kLabelColor) {
  auto* t = new QPlainTextEdit(parent);
  ui::place(t, left, top, width, height);
  ui::setColors(t, kModeBack, fore);
  t->setFont(f);
  t->setTabChangesFocus(true);
  return t;
}

QLineEdit* lineBox(QWidget* parent, int left, int top, int width, int height, const QFont& f) {
  auto* t = new QLineEdit(parent);
  ui::place(t, left, top, width, height);
  ui::setColors(t, kModeBack, kLabelColor);
  t->setFont(f);
  return t;
}

QPushButton* okButton(QWidget* parent, int left, int top, int width, int height) {
  auto* b = new QPushButton(QStringLiteral("OK"), parent);
  ui::place(b, left, top, width, height);
  ui::styleButton(b, kModeBack, ui::font(8.25, true));
  b->setEnabled(false);
  return b;
}

// A thin separator line of the formatted-text frame.
void line(QWidget* parent, int left, int top, int width, int height) {
  auto* l = ui::frame(parent, kPanelBack);
  l->setGeometry(ui::px(left), ui::px(top), std::max(1, ui::px(width)),
                 std::max(1, ui::px(height)));
}

} // namespace

ComposerPanel::ComposerPanel(PanelHost& host, ComposerVars& vars, QWidget* parent)
    : QFrame(parent), host_(host), vars_(vars) {
  ui::setColors(this, kPanelBack);
  std::tie(Label26, Label25) =
      ui::shadowTitle(this, QStringLiteral("COMPOSER"), 360, 75, 0x000000FF, 390, 120, kLabelColor,
                      2820, 420, ui::font(18, true));
  Label1 = ui::label(this, QStringLiteral("Cosa vuoi aggiungere al tuo post ?"), 90, 645, 3510, 240,
                     ui::font(9.75, true), kLabelColor);

  const QString captions[5] = {QStringLiteral("Un Elenco"), QStringLiteral("Un'Immagine"),
                               QStringLiteral("Un Testo con collegamento"),
                               QStringLiteral("Una Citazione"),
                               QStringLiteral("Un Testo Formattato")};
  const int addLefts[5] = {75, 90, 90, 105, 105};
  const int addTops[5] = {930, 1230, 1530, 1830, 2145};
  const int addWidths[5] = {3495, 3480, 3495, 3480, 3480};
  addGroup_ = new QButtonGroup(this);
  for (int i = 0; i < 5; ++i) {
    optAdd[i] = toggleButton(this, captions[i], addLefts[i], addTops[i], addWidths[i], 285,
                             kPanelBack, ui::font(8.25));
    addGroup_->addButton(optAdd[i], i);
    connect(optAdd[i], &QPushButton::clicked, this, [this, i] { optAdd_Click(i); });
  }

  const int fraLefts[5] = {90, 105, 105, 105, 135};
  const int fraTops[5] = {2535, 2535, 2520, 2520, 2520};
  for (int i = 0; i < 5; ++i) {
    fraFunction[i] = ui::frame(this, kModeBack);
    ui::place(fraFunction[i], fraLefts[i], fraTops[i], 3465, 4335);
  }
  buildList(fraFunction[0]);
  buildImage(fraFunction[1]);
  buildLink(fraFunction[2]);
  buildQuote(fraFunction[3]);
  buildFormatted(fraFunction[4]);

  tmrDone = new QTimer(this);
  tmrDone->setInterval(1500);
  connect(tmrDone, &QTimer::timeout, this, &ComposerPanel::tmrDone_Timer);

  // Start state: no mode chosen, so only the question and the mode buttons show.
  for (int i = 0; i < 5; ++i) {
    fraFunction[i]->hide();
    optAdd[i]->setChecked(false);
  }
  unselectAll(addGroup_);
}

QString ComposerPanel::boxText(const QPlainTextEdit* box) {
  QString s = box->toPlainText();
  s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  s.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
  return s;
}

// ---------------------------------------------------------------- the panel

void ComposerPanel::optAdd_Click(int Index) {
  for (QFrame* f : fraFunction)
    f->hide();
  fraFunction[Index]->show();
  optAdd[Index]->setChecked(true);
}

bool ComposerPanel::DeliverMarkup(const QString& markup, const std::function<void()>& resetMode) {
  Platform& platform = host_.platform();
  platform.clearClipboard();
  if (!platform.setClipboardText(markup)) {
    // Nothing reached the clipboard: the fields stay, so the user can try again.
    platform.msgBox(QStringLiteral("Impossibile copiare il testo negli Appunti: forse un altro "
                                   "programma li sta usando. Il testo non è stato copiato; "
                                   "riprova tra qualche istante."),
                    vbExclamation, kComposer);
    return false;
  }
  resetMode();
  platform.beep();
  // While the confirmation is still up it keeps its place and its timer.
  if (doneWindow.isNull() || !doneWindow->Timer1->isActive())
    doneWindow = new frmDone(host_.hostWindow());
  doneWindow->show();
  if (!tmrDone->isActive())
    tmrDone->start();
  return true;
}

void ComposerPanel::tmrDone_Timer() {
  tmrDone->stop();
  host_.platform().beep();
}

// ---------------------------------------------------------------- formatted text

void ComposerPanel::buildFormatted(QFrame* f) {
  ui::label(f, QStringLiteral("Caratteristiche del Testo"), 60, 15, 3330, 210, ui::font(9.75, true),
            kLabelColor);
  colorGroup_ = new QButtonGroup(this);
  const int lefts[7] = {60, 420, 780, 1140, 1500, 1860, 2220};
  for (int i = 1; i < 15; ++i) {
    const auto& c = slv::composer::kColors[static_cast<std::size_t>(i)];
    auto* b = toggleButton(f, QString(), lefts[(i - 1) % 7], i <= 7 ? 420 : 765, 300, 300, c.bgr,
                           ui::font(8.25));
    b->setToolTip(QString::fromUtf8(c.name));
    optColor[static_cast<std::size_t>(i)] = b;
  }
  optColor[0] = toggleButton(f, QStringLiteral("Default"), 2580, 420, 795, 300, kModeBack,
                             ui::font(8.25, true));
  optColor[0]->setToolTip(QStringLiteral("Colore in Uso"));
  setButtonTextColor(optColor[0], kLabelColor);
  for (int i = 0; i < 15; ++i) {
    colorGroup_->addButton(optColor[static_cast<std::size_t>(i)], i);
    connect(optColor[static_cast<std::size_t>(i)], &QPushButton::clicked, this,
            [this, i] { optColor_Click(i); });
  }
  optColor[0]->setChecked(true);

  // "COLORI" in six colours: decoration only.
  const char* letters[6] = {"C", "O", "L", "O", "R", "I"};
  const int letterLefts[6] = {2565, 2715, 2880, 3015, 3180, 3345};
  const int letterTops[6] = {765, 777, 789, 801, 813, 825};
  const std::uint32_t letterColors[6] = {0x000000FF, 0x0000C0C0, 0x00C000C0,
                                         0x0000FF00, 0x00808080, 0x00FF0000};
  for (int i = 0; i < 6; ++i) {
    QLabel* l = ui::label(f, QString::fromLatin1(letters[i]), letterLefts[i], letterTops[i], 180,
                          255, ui::font(9.75, true), letterColors[i], Qt::AlignLeft | Qt::AlignTop);
    l->setToolTip(QStringLiteral("Io sono solo un'etichetta...non servo a niente....ufff..."));
  }

  QFont boldFont = ui::font(9.75, true);
  QFont italicFont = ui::font(9.75, false, true);
  QFont underFont = ui::font(9.75);
  underFont.setUnderline(true);
  chkBold = toggleButton(f, QStringLiteral("B"), 75, 1215, 315, 330, kModeBack, boldFont);
  chkItalics = toggleButton(f, QStringLiteral("I"), 75, 1665, 315, 330, kModeBack, italicFont);
  chkUnderlined = toggleButton(f, QStringLiteral("U"), 75, 2130, 315, 330, kModeBack, underFont);
  connect(chkBold, &QPushButton::clicked, this, &ComposerPanel::chkBold_Click);
  connect(chkItalics, &QPushButton::clicked, this, &ComposerPanel::chkItalics_Click);
  connect(chkUnderlined, &QPushButton::clicked, this, &ComposerPanel::chkUnderlined_Click);

  Frame1 = new QGroupBox(QStringLiteral("Dimensioni"), f);
  ui::place(Frame1, 585, 1230, 2775, 1350);
  Frame1->setFont(ui::font(8.25, true));
  Frame1->setStyleSheet(
      QStringLiteral("QGroupBox { color: %1; }").arg(ui::color(kLabelColor).name()));
  sizeGroup_ = new QButtonGroup(this);
  const int sizeTops[5] = {270, 480, 690, 915, 1125};
  for (int i = 0; i < 5; ++i) {
    const auto& s = slv::composer::kSizes[static_cast<std::size_t>(i)];
    optSize[i] = toggleButton(Frame1, QString::fromUtf8(s.caption), 90, sizeTops[i], 975, 195,
                              kModeBack, ui::font(8.25));
    sizeGroup_->addButton(optSize[i], i);
    connect(optSize[i], &QPushButton::clicked, this, [this, i] { optSize_Click(i); });
  }
  optSize[slv::composer::kStartSizeIndex]->setChecked(true);

  txtMonitor = new QPlainTextEdit(Frame1);
  ui::place(txtMonitor, 1245, 270, 1440, 1020);
  ui::setColors(txtMonitor, 0x00C0FFC0, 0x00000000);
  txtMonitor->setFont(ui::font(12));
  txtMonitor->setReadOnly(true);
  txtMonitor->setPlainText(QStringLiteral("Abc\n"));

  ui::label(f, QStringLiteral("Immettere Testo"), 930, 2715, 1755, 240, ui::font(8.25, true),
            kLabelColor);
  txtTesto = multiLineBox(f, 45, 2985, 3360, 810, ui::font(9.75));
  connect(txtTesto, &QPlainTextEdit::textChanged, this, &ComposerPanel::txtTesto_Change);
  cmdFormattato = okButton(f, 1335, 3885, 750, 360);
  connect(cmdFormattato, &QPushButton::clicked, this, &ComposerPanel::cmdFormattato_Click);

  line(f, 0, 360, 3465, 0);
  line(f, 0, 1125, 3465, 0);
  line(f, 0, 2625, 3465, 0);
  line(f, 495, 1125, 0, 1515);
}

void ComposerPanel::optSize_Click(int Index) {
  const int points = slv::composer::kSizes[static_cast<std::size_t>(Index)].points;
  QFont f = txtMonitor->font();
  f.setPointSize(points);
  txtMonitor->setFont(f);
  vars_.TextSize = points;
  optSize[Index]->setChecked(true);
}

void ComposerPanel::optColor_Click(int Index) {
  const auto& c = slv::composer::kColors[static_cast<std::size_t>(Index)];
  vars_.TextColor = QString::fromUtf8(c.keyword);
  QPalette p = txtMonitor->palette();
  const QString noColor = QString::fromUtf8(slv::composer::kNoColor.data(),
                                            static_cast<qsizetype>(slv::composer::kNoColor.size()));
  p.setColor(QPalette::Text, vars_.TextColor != noColor ? ui::color(c.bgr) : QColor(0, 0, 0));
  txtMonitor->setPalette(p);
  optColor[static_cast<std::size_t>(Index)]->setChecked(true);
}

void ComposerPanel::chkBold_Click() {
  QFont f = txtMonitor->font();
  f.setBold(chkBold->isChecked());
  txtMonitor->setFont(f);
  vars_.TextBold = chkBold->isChecked();
}

void ComposerPanel::chkItalics_Click() {
  QFont f = txtMonitor->font();
  f.setItalic(chkItalics->isChecked());
  txtMonitor->setFont(f);
  vars_.TextItalic = chkItalics->isChecked();
}

void ComposerPanel::chkUnderlined_Click() {
  QFont f = txtMonitor->font();
  f.setUnderline(chkUnderlined->isChecked());
  txtMonitor->setFont(f);
  vars_.TextUnderline = chkUnderlined->isChecked();
}

void ComposerPanel::txtTesto_Change() {
  cmdFormattato->setEnabled(!txtTesto->toPlainText().isEmpty());
}

void ComposerPanel::cmdFormattato_Click() {
  const std::string markup =
      slv::composer::formatted(vars_.TextSize, toStd(vars_.TextColor), vars_.TextBold,
                             vars_.TextItalic, vars_.TextUnderline, toStd(boxText(txtTesto)));
  DeliverMarkup(fromStd(markup), [this] {
    chkBold->setChecked(false);
    chkBold_Click();
    chkUnderlined->setChecked(false);
    chkUnderlined_Click();
    chkItalics->setChecked(false);
    chkItalics_Click();
    optColor_Click(0);
    optSize_Click(slv::composer::kStartSizeIndex);
    txtTesto->clear();
  });
}

// ---------------------------------------------------------------- list builder

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
  connect(lstElenco, &QListWidget::itemClicked, this, [this] { lstElenco_Click(); });
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
    items.push_back(toStd(lstElenco->item(i)->text()));
  const auto markup = slv::composer::list(vars_.ListType, items);
  if (!markup) {
    host_.platform().msgBox(
        QStringLiteral("Seleziona il TIPO di Elenco voluto prima di acquisirlo"),
        vbOKOnly + vbExclamation, kComposer);
    return;
  }
  // The chosen type stays for the next list, though no button shows it.
  DeliverMarkup(fromStd(*markup), [this] {
    lstElenco->clear();
    cmdElenco->setEnabled(false);
    unselectAll(listGroup_);
  });
}

// ---------------------------------------------------------------- quotation

void ComposerPanel::buildQuote(QFrame* f) {
  const QFont font = ui::font(9.75, true);
  ui::label(f, QStringLiteral("Immettere il Testo della Citazione"), 75, 75, 3315, 255, font,
            kLabelColor);
  txtCitazione = multiLineBox(f, 60, 375, 3330, 1980, ui::font(9.75));
  connect(txtCitazione, &QPlainTextEdit::textChanged, this, &ComposerPanel::txtCitazione_Change);
  QLabel* l = ui::label(f,
                        QStringLiteral("Immettere il nome dell'Autore della Citazione (lasciare in "
                                       "bianco per non menzionarlo)"),
                        60, 2505, 3315, 810, font, kLabelColor);
  l->setWordWrap(true);
  txtAutore = lineBox(f, 45, 3300, 3330, 315, ui::font(9.75));
  cmdCitazione = okButton(f, 1335, 3795, 750, 420);
  connect(cmdCitazione, &QPushButton::clicked, this, &ComposerPanel::cmdCitazione_Click);
}

void ComposerPanel::txtCitazione_Change() {
  cmdCitazione->setEnabled(!txtCitazione->toPlainText().isEmpty());
}

void ComposerPanel::cmdCitazione_Click() {
  const std::string markup =
      slv::composer::quote(toStd(boxText(txtCitazione)), toStd(txtAutore->text()));
  DeliverMarkup(fromStd(markup), [this] {
    txtCitazione->clear();
    txtAutore->clear();
  });
}

// ---------------------------------------------------------------- link

void ComposerPanel::buildLink(QFrame* f) {
  QLabel* l =
      ui::label(f, QStringLiteral("Immettere Collegamento URL al quale farà riferimento il testo"),
                60, 75, 3330, 450, ui::font(8.25, true), 0x00FF0000);
  l->setWordWrap(true);
  txtURL = multiLineBox(f, 30, 555, 3360, 945, ui::font(9.75), -1);
  connect(txtURL, &QPlainTextEdit::textChanged, this, &ComposerPanel::txtURL_Change);
  l = ui::label(f, QStringLiteral("Immettere il testo che conterrà il collegamento"), 45, 1830,
                3315, 405, ui::font(8.25, true), kLabelColor);
  l->setWordWrap(true);
  txtURLText = multiLineBox(f, 60, 2325, 3315, 855, ui::font(9.75));
  connect(txtURLText, &QPlainTextEdit::textChanged, this, &ComposerPanel::txtURLText_Change);
  cmdURL = okButton(f, 1335, 3585, 750, 450);
  connect(cmdURL, &QPushButton::clicked, this, &ComposerPanel::cmdURL_Click);
}

void ComposerPanel::updateLinkButton() {
  cmdURL->setEnabled(slv::composer::isWebAddress(toStd(boxText(txtURL))) &&
                     !txtURLText->toPlainText().isEmpty());
}

void ComposerPanel::txtURL_Change() {
  updateLinkButton();
}
void ComposerPanel::txtURLText_Change() {
  updateLinkButton();
}

void ComposerPanel::cmdURL_Click() {
  const std::string markup = slv::composer::link(toStd(boxText(txtURL)), toStd(boxText(txtURLText)));
  DeliverMarkup(fromStd(markup), [this] {
    txtURL->clear();
    txtURLText->clear();
  });
}

// ---------------------------------------------------------------- image

void ComposerPanel::buildImage(QFrame* f) {
  const QFont bold = ui::font(8.25, true);
  ui::label(f, QStringLiteral("Inserisci l'indirizzo URL dell'immagine"), 75, 105, 3315, 240, bold,
            kLabelColor);
  txtImmagine = multiLineBox(f, 75, 420, 3315, 765, ui::font(8.25));
  connect(txtImmagine, &QPlainTextEdit::textChanged, this, &ComposerPanel::txtImmagine_Change);
  cmdVerifyURL = new QPushButton(QStringLiteral("Verifica Indirizzo URL"), f);
  ui::place(cmdVerifyURL, 75, 1290, 3300, 255);
  ui::styleButton(cmdVerifyURL, kModeBack, bold);
  cmdVerifyURL->setEnabled(false);
  connect(cmdVerifyURL, &QPushButton::clicked, this, &ComposerPanel::cmdVerifyURL_Click);
  cmdSearchImages = new QPushButton(QStringLiteral("Cerca Immagini su Internet"), f);
  ui::place(cmdSearchImages, 75, 1725, 3300, 255);
  ui::styleButton(cmdSearchImages, kModeBack, bold);
  connect(cmdSearchImages, &QPushButton::clicked, this, &ComposerPanel::cmdSearchImages_Click);

  fraEP = ui::frame(f, 0x00FFC0C0);
  fraEP->setFrameShape(QFrame::Box);
  ui::place(fraEP, 75, 2040, 3300, 1110);
  fraEP->setEnabled(false);
  ui::label(fraEP, QStringLiteral("Aggiungi ai Personali dell'EmoTray"), 45, 120, 3195, 210, bold,
            kLabelColor);
  ui::label(fraEP, QStringLiteral("Nome"), 180, 450, 525, 180, bold, kLabelColor,
            Qt::AlignLeft | Qt::AlignVCenter);
  txtNome = lineBox(fraEP, 750, 405, 2325, 240, ui::font(8.25));
  connect(txtNome, &QLineEdit::textChanged, this, &ComposerPanel::txtNome_Change);
  cmdOkEP = new QPushButton(QStringLiteral("Aggiungi"), fraEP);
  ui::place(cmdOkEP, 1215, 750, 975, 285);
  ui::styleButton(cmdOkEP, kModeBack, bold);
  cmdOkEP->setEnabled(false);
  connect(cmdOkEP, &QPushButton::clicked, this, &ComposerPanel::cmdOkEP_Click);

  cmdImmagine = okButton(f, 1395, 3525, 585, 450);
  connect(cmdImmagine, &QPushButton::clicked, this, &ComposerPanel::cmdImmagine_Click);
}

void ComposerPanel::txtImmagine_Change() {
  const bool ok = slv::composer::isWebAddress(toStd(boxText(txtImmagine)));
  cmdVerifyURL->setEnabled(ok);
  cmdImmagine->setEnabled(ok);
  fraEP->setEnabled(ok);
}

void ComposerPanel::cmdImmagine_Click() {
  DeliverMarkup(fromStd(slv::composer::image(toStd(boxText(txtImmagine)))), [this] {
    txtNome->clear();
    txtImmagine->clear();
  });
}

void ComposerPanel::cmdVerifyURL_Click() {
  host_.app().ImageURL = boxText(txtImmagine);
  slv::composer::showImagePreview(host_);
}

void ComposerPanel::cmdSearchImages_Click() {
  slv::composer::showImageSearch(host_);
}

void ComposerPanel::txtNome_Change() {
  cmdOkEP->setEnabled(!txtNome->text().isEmpty());
}

void ComposerPanel::cmdOkEP_Click() {
  Platform& platform = host_.platform();
  const slv::emoticons::PersonalRecord record =
      slv::emoticons::personalRecord(toStd(txtNome->text()), toStd(boxText(txtImmagine)));
  if (record.problem != slv::FieldProblem::None) {
    // The file has no way to hold these: refuse before writing anything.
    const QString what = record.inName ? QStringLiteral("Il nome") : QStringLiteral("L'indirizzo");
    QString why;
    switch (record.problem) {
    case slv::FieldProblem::DoubleQuote:
      why = QStringLiteral(
          " contiene le virgolette (\"), che il file dei Personali non può conservare.");
      break;
    case slv::FieldProblem::LineBreak:
      why = QStringLiteral(" deve stare su una sola riga.");
      break;
    default:
      why = QStringLiteral(" contiene caratteri che il file dei Personali non può conservare.");
      break;
    }
    platform.msgBox(what + why + QStringLiteral(" L'emoticon non è stata aggiunta."), vbExclamation,
                    QStringLiteral("Personali dell'EmoTray"));
    return;
  }
  const QString path = platform.dataFilePath(slv::emoticons::kPersonalFileName);
  if (!slv::emoticons::appendPersonalRecord(path, record.bytes)) {
    platform.msgBox(QStringLiteral("Impossibile scrivere nel file PERSONALI.ET2 nella cartella "
                                   "dell'Applicazione. L'emoticon non è stata aggiunta."),
                    vbCritical, QStringLiteral("IMPOSSIBILE ACCEDERE AL FILE PERSONALI"));
    return;
  }
  platform.beep();
  txtNome->clear();
}
