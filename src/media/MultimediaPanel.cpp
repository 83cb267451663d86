#include "media/MultimediaPanel.h"

#include "media/FileLists.h"
#include "media/MusicPictures.h"
#include "media/MusicVars.h"
#include "media/music.h"
#include "player/MediaPlayer.h"
#include "desktop/Platform.h"
#include "desktop/Strings.h"
#include "ui/PanelHost.h"
#include "ui/Widgets.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QPushButton>
#include <QTimer>

namespace {

const char* const kBackColor = "slvBackColor";

using slv::qs;

} // namespace

MultimediaPanel::MultimediaPanel(PanelHost& host, MusicVars& vars, QWidget* miniBar,
                                 QWidget* parent)
    : QFrame(parent), host_(host), vars_(vars), fraMM_(miniBar) {
  ui::setColors(this, 0x00FF8080);
  std::tie(Label33, Label34) =
      ui::shadowTitle(this, QStringLiteral("MULTIMEDIA"), 750, 105, 0x000000FF, 795, 120, 0x00C00000,
                      2400, 435, ui::font(15.75, true));

  // The player belongs to the main window; its area shows here.
  QWidget* area = player().widget();
  area->setParent(this);
  ui::place(area, 105, 660, 3600, 3300);
  area->show();

  const QFont frameFont = ui::font(8.25, true);
  fraR = new QGroupBox(QStringLiteral("RADIO"), this);
  ui::place(fraR, 210, 4125, 3300, 765);
  fraR->setFont(frameFont);
  cmdLatteMiele = new QPushButton(qs(slv::media::station(slv::media::Station::LatteMiele).caption), fraR);
  ui::place(cmdLatteMiele, 180, 345, 1350, 300);
  cmdRadioItalia = new QPushButton(qs(slv::media::station(slv::media::Station::RadioItalia).caption), fraR);
  ui::place(cmdRadioItalia, 1740, 345, 1350, 285);
  for (QPushButton* b : {cmdLatteMiele, cmdRadioItalia}) {
    b->setFocusPolicy(Qt::TabFocus);
    setBackColor(b, kPlain);
  }
  connect(cmdLatteMiele, &QPushButton::clicked, this, [this] { cmdLatteMiele_Click(); });
  connect(cmdRadioItalia, &QPushButton::clicked, this, [this] { cmdRadioItalia_Click(); });

  Frame2 = new QGroupBox(QStringLiteral("FILES"), this);
  ui::place(Frame2, 210, 4980, 3300, 2865);
  Frame2->setFont(frameFont);
  drvMM = new DriveListBox(Frame2);
  ui::place(drvMM, 150, 330, 2940, 330);
  dirMM = new DirListBox(Frame2);
  ui::place(dirMM, 165, 705, 2925, 810);
  fleMM = new FileListBox(Frame2);
  ui::place(fleMM, 180, 1560, 2910, 1140);
  for (QWidget* w : {static_cast<QWidget*>(drvMM), static_cast<QWidget*>(dirMM),
                     static_cast<QWidget*>(fleMM)})
    w->setFont(ui::font(8.25));
  connect(drvMM, &DriveListBox::Change, this, &MultimediaPanel::drvMM_Change);
  connect(dirMM, &DirListBox::Change, this, &MultimediaPanel::dirMM_Change);
  connect(fleMM, &FileListBox::Click, this, &MultimediaPanel::fleMM_Click);
  drvMM->setDrives(DriveListBox::mountedDrives());
  // The lists start on the program's own folder, where its data lives.
  dirMM->setPath(host_.platform().applicationFolder());
  drvMM->showDriveOf(dirMM->path());

  chkContM = new QCheckBox(QStringLiteral("Suona tutti i brani a seguire"), this);
  ui::place(chkContM, 480, 7920, 2955, 360);
  chkContM->setToolTip(QStringLiteral("Suona l'intera cartella"));
  chkMusic = new QCheckBox(QStringLiteral("Mantieni la Musica Attiva"), this);
  ui::place(chkMusic, 480, 8280, 2955, 360);
  chkMusic->setToolTip(QStringLiteral("Anche con il modulo non visibile continua a suonare"));
  for (QCheckBox* c : {chkContM, chkMusic})
    c->setFont(frameFont);

  // The mini bar.
  QWidget* bar = fraMM_;
  ui::setColors(bar, 0x00FF8080);
  struct Pic {
    PictureBox** box;
    QPixmap picture;
    int left;
    const char* tip;
    void (MultimediaPanel::*click)();
  };
  const Pic pics[4] = {
      {&imgNota, slv::media::musicNote(), 0, "Richiama Modulo Multimediale", &MultimediaPanel::imgNota_Click},
      {&imgPlay, slv::media::musicPlay(), 360, "Play", &MultimediaPanel::imgPlay_Click},
      {&imgStop, slv::media::musicStop(), 720, "Stop", &MultimediaPanel::imgStop_Click},
      {&imgNext, slv::media::musicNext(), 1080, "Prossimo Brano", &MultimediaPanel::imgNext_Click},
  };
  for (const Pic& p : pics) {
    auto* box = new PictureBox(bar, p.picture, p.left, 0);
    box->setToolTip(QString::fromUtf8(p.tip));
    box->setAutoSize(false);
    box->setPressedLook(true);
    connect(box, &PictureBox::clicked, this, p.click);
    *p.box = box;
  }
  lblTime = new QLabel(QStringLiteral("00.00"), bar);
  ui::place(lblTime, 1440, 90, 435, 210);
  ui::setColors(lblTime, 0x00800000, 0x00FFC0C0);
  lblTime->setAlignment(Qt::AlignCenter);
  lblTime->setFont(ui::font(7));
  lblTime->setToolTip(QStringLiteral("Tempo Trascorso"));
  lblMMInfo = ui::label(bar, QString(), 2160, 90, 7095, 255, ui::font(8.25, true), 0x00C00000,
                        Qt::AlignLeft | Qt::AlignVCenter);

  connect(&player(), &MediaPlayer::Buffering, this, &MultimediaPanel::WMP_Buffering);
  connect(&player(), &MediaPlayer::EndOfStream, this, &MultimediaPanel::WMP_EndOfStream);
  connect(&player(), &MediaPlayer::Failed, this, &MultimediaPanel::WMP_Failed);
  // The song a station names, where the engine passes it on; our own texts stay.
  connect(&player(), &MediaPlayer::StreamTitleChanged, this,
          [this] { lblMMInfo->setToolTip(slv::plainTip(player().streamTitle())); });
  // Every stop, the player's own button included, ends what a station was owed.
  connect(&player(), &MediaPlayer::Stopped, this, [this] {
    reconnect_.cancel();
    tmrReconnect->stop();
  });

  tmrMM = new QTimer(this);
  tmrMM->setInterval(800);
  connect(tmrMM, &QTimer::timeout, this, &MultimediaPanel::tmrMM_Timer);
  tmrMMInfoSwap = new QTimer(this);
  tmrMMInfoSwap->setInterval(5000);
  connect(tmrMMInfoSwap, &QTimer::timeout, this, &MultimediaPanel::tmrMMInfoSwap_Timer);
  tmrReconnect = new QTimer(this);
  tmrReconnect->setSingleShot(true);
  connect(tmrReconnect, &QTimer::timeout, this, &MultimediaPanel::tmrReconnect_Timer);
}

void MultimediaPanel::startTimers() {
  tmrMM->start();
  tmrMMInfoSwap->start();
}

MediaPlayer& MultimediaPanel::player() { return host_.player(); }
const MediaPlayer& MultimediaPanel::player() const {
  return host_.player();
}

std::uint32_t MultimediaPanel::backColor(const QPushButton* b) {
  return b->property(kBackColor).value<std::uint32_t>();
}

void MultimediaPanel::setBackColor(QPushButton* b, std::uint32_t bgr) {
  b->setProperty(kBackColor, QVariant::fromValue(bgr));
  ui::styleButton(b, bgr, ui::font(8.25, true));
}

// ---------------------------------------------------------------- the lists

void MultimediaPanel::drvMM_Change() {
  // A drive without a medium cannot be opened: keep the folder and files shown.
  if (!dirMM->setPath(drvMM->drive()))
    drvMM->restorePrevious();
}

void MultimediaPanel::dirMM_Change() { fleMM->setPath(dirMM->path()); }

void MultimediaPanel::fleMM_Click() {
  const int i = fleMM->listIndex();
  if (i < 0 || i >= fleMM->listCount())
    return;
  const QString address = qs(slv::media::fileAddress(fleMM->path().toStdString(),
                                                     fleMM->item(i)->text().toStdString()));
  player().stop();
  player().setURL(address);
  player().play();
  vars_.RadioMode = false;
  setBackColor(cmdLatteMiele, kPlain);
  setBackColor(cmdRadioItalia, kPlain);
}

void MultimediaPanel::selectNext(std::optional<int> entry) {
  if (entry)
    fleMM->setListIndex(*entry);  // plays it, as a click would
}

// ---------------------------------------------------------------- radio

void MultimediaPanel::playStation(QPushButton* chosen, QPushButton* other, const QString& address) {
  player().stop();
  player().setURL(address);
  player().play();
  vars_.RadioMode = true;
  setBackColor(chosen, kChosen);
  setBackColor(other, kPlain);
  reconnect_.start();
}

void MultimediaPanel::cmdLatteMiele_Click() {
  playStation(cmdLatteMiele, cmdRadioItalia,
              qs(slv::media::stationPlaylistAddress(slv::media::Station::LatteMiele)));
}

void MultimediaPanel::cmdRadioItalia_Click() {
  playStation(cmdRadioItalia, cmdLatteMiele,
              qs(slv::media::stationPlaylistAddress(slv::media::Station::RadioItalia)));
}

// ---------------------------------------------------------------- mini bar

void MultimediaPanel::imgNota_Click() { host_.OpenPanel(5); }

void MultimediaPanel::imgPlay_Click() {
  if (vars_.RadioMode && chosenStation()) {
    // Play on a chosen station owes it again; a try already scheduled is made now.
    if (!reconnect_.owed())
      reconnect_.start();
    tmrReconnect->stop();
    reconnect_.tryNow();
  }
  player().play();
  vars_.MMInfoText = player().statusText();
}

void MultimediaPanel::imgStop_Click() {
  player().stop();
  vars_.MMInfoText.clear();
}

void MultimediaPanel::imgNext_Click() {
  if (vars_.RadioMode) {
    lblMMInfo->setText(QStringLiteral("STAI ASCOLTANDO LA RADIO, non ci sono brani successivi..."));
    return;
  }
  selectNext(slv::media::nextEntry(fleMM->listIndex(), fleMM->listCount()));
}

// ---------------------------------------------------------------- timers and player events

std::optional<slv::media::Station> MultimediaPanel::chosenStation() const {
  if (backColor(cmdLatteMiele) == kChosen)
    return slv::media::Station::LatteMiele;
  if (backColor(cmdRadioItalia) == kChosen)
    return slv::media::Station::RadioItalia;
  return std::nullopt;
}

void MultimediaPanel::tmrMM_Timer() {
  if (player().playState() == slv::media::kPlaying) {
    if (const auto text = slv::media::listeningText(vars_.RadioMode, chosenStation(),
                                                    player().currentSourceURL().toStdString()))
      vars_.MMInfoText = qs(*text);
    fraMM_->setVisible(!host_.isPanelOpen(5));
  } else if (reconnect_.owed() && reconnect_.tries() > 0) {
    // Still the station's time: the mini bar says it is being reached again.
    vars_.MMInfoText = reconnectNote_;
    fraMM_->setVisible(!host_.isPanelOpen(5));
  } else {
    vars_.MMInfoText = qs(slv::media::kSilence);
    if (!chkMusic->isChecked())
      fraMM_->hide();
  }
  emit musicTick();
}

void MultimediaPanel::tmrMMInfoSwap_Timer() {
  if (player().playState() == slv::media::kPlaying)
    lblMMInfo->setText(lblMMInfo->text() != vars_.MMInfoText ? vars_.MMInfoText
                                                              : player().statusText());
  else
    lblMMInfo->setText(vars_.MMInfoText);
}

void MultimediaPanel::WMP_Buffering(bool) {
  lblMMInfo->setText(QStringLiteral("Sto precaricando la musica...attendere..."));
}

void MultimediaPanel::WMP_EndOfStream(int) {
  // Sequence play hands an ended station over to the next file, as it always
  // has; with no file to go on to, the station is reached again.
  const auto next = chkContM->isChecked()
                        ? slv::media::nextEntry(fleMM->listIndex(), fleMM->listCount())
                        : std::nullopt;
  if (!next && reconnect_.owed())
    stationBroke();
  else
    selectNext(next);
}

void MultimediaPanel::WMP_Failed() {
  stationBroke();
}

void MultimediaPanel::stationBroke() {
  const auto chosen = chosenStation();
  if (!chosen) {
    reconnect_.cancel();
    return;
  }
  const std::string caption = slv::media::station(*chosen).caption;
  switch (reconnect_.broke()) {
  case slv::media::Reconnection::Step::Ignore:
    return;
  case slv::media::Reconnection::Step::Retry:
    reconnectNote_ = qs(slv::media::reconnectingText(caption, reconnect_.tries()));
    player().showNote(reconnectNote_);
    lblMMInfo->setText(reconnectNote_);
    tmrReconnect->start(reconnect_.delayMs());
    return;
  case slv::media::Reconnection::Step::GiveUp:
    // Quietly: the highlight goes, the player shows it stopped and why.
    setBackColor(cmdLatteMiele, kPlain);
    setBackColor(cmdRadioItalia, kPlain);
    player().stop();
    player().showNote(qs(slv::media::givenUpText(caption)));
    lblMMInfo->setText(qs(slv::media::givenUpText(caption)));
    return;
  }
}

void MultimediaPanel::tmrReconnect_Timer() {
  const auto chosen = chosenStation();
  if (!reconnect_.waiting() || !chosen)
    return;
  reconnect_.tryNow();
  // The playlist is read again: the station may have moved its stream.
  player().setURL(qs(slv::media::stationPlaylistAddress(*chosen)));
  player().play();
  player().showNote(reconnectNote_);
}

void MultimediaPanel::pauseMusic() {
  reconnect_.cancel();
  tmrReconnect->stop();
  player().pause();
}

QString MultimediaPanel::nowPlayingName() const {
  if (vars_.RadioMode) {
    const auto chosen = chosenStation();
    return chosen ? qs(slv::media::station(*chosen).caption) : QString();
  }
  const QString url = player().URL();
  return url.isEmpty() ? QString() : QFileInfo(url).fileName();
}

void MultimediaPanel::MusicPositionTickRead() {
  tickPosition_ = player().position();
  tickDuration_ = player().duration();
  tickPositionString_ = player().positionString();
  tickPlaying_ = player().playState() == slv::media::kPlaying;
}

void MultimediaPanel::MusicPositionTickApply() {
  if (tickPositionString_)
    lblTime->setText(*tickPositionString_);
  if (tickPosition_)
    reconnect_.heard(*tickPosition_);
  selectNext(slv::media::tickAdvance(tickPosition_, tickDuration_, tickPlaying_,
                                     chkContM->isChecked(), fleMM->listIndex(),
                                     fleMM->listCount()));
}
