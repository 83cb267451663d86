// The composer's formatted-text mode: colour, style and size buttons, a
// sample of the result, and the text.
#include "composer/ComposerPanel.h"

#include "composer/ComposerLook.h"
#include "composer/ComposerVars.h"
#include "composer/markup.h"
#include "desktop/Strings.h"
#include "ui/Widgets.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace composer_look;

void ComposerPanel::buildFormatted(QFrame* f) {
  ui::label(f, QStringLiteral("Caratteristiche del Testo"), 60, 15, 3330, 210, ui::font(9.75, true),
            kLabelColor);
  colorGroup_ = new QButtonGroup(this);
  const int lefts[7] = {60, 420, 780, 1140, 1500, 1860, 2220};
  for (int i = 1; i < 15; ++i) {
    const auto& c = slv::composer::kColors[static_cast<std::size_t>(i)];
    auto* b = toggleButton(f, QString(), lefts[(i - 1) % 7], i <= 7 ? 420 : 765, 300, 300, c.bgr,
                           ui::font(8.25));
    b->setToolTip(slv::qs(c.name));
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
    optSize[i] = toggleButton(Frame1, slv::qs(s.caption), 90, sizeTops[i], 975, 195, kModeBack,
                              ui::font(8.25));
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
  vars_.TextColor = slv::qs(c.keyword);
  QPalette p = txtMonitor->palette();
  p.setColor(QPalette::Text, vars_.TextColor != slv::qs(slv::composer::kNoColor) ? ui::color(c.bgr)
                                                                                 : QColor(0, 0, 0));
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
  const std::string markup = slv::composer::formatted(
      vars_.TextSize, slv::toStd(vars_.TextColor), vars_.TextBold, vars_.TextItalic,
      vars_.TextUnderline, slv::toStd(boxText(txtTesto)));
  DeliverMarkup(slv::qs(markup), [this] {
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
