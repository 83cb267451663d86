// The multimedia panel and the mini bar on the fake player: choosing files,
// sequence play, the stations, the mini bar's timers and the lists' failures.
#include "fakes/MainFixture.h"
#include "media/FileLists.h"
#include "media/MprisPlayer.h"
#include "media/MultimediaPanel.h"
#include "privacy/BossAlarm.h"
#include "ui/Widgets.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

const QString kSpaces(35, ' ');
const QString kRadioNext = QStringLiteral("STAI ASCOLTANDO LA RADIO, non ci sono brani successivi...");
const QString kBuffering = QStringLiteral("Sto precaricando la musica...attendere...");

class Media : public MainFixture {
protected:
  void SetUp() override {
    MainFixture::SetUp();
    ASSERT_TRUE(music.isValid());
    for (const char* name : {"b.wav", "a.wav", "C.ogg", ".nascosto.wav"}) {
      QFile f(music.filePath(QString::fromLatin1(name)));
      ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    ASSERT_TRUE(QDir(music.path()).mkdir(QStringLiteral("Sotto")));
    qunsetenv("SLV_LATTEMIELE_HOST");
    qputenv("SLV_RADIOITALIA_HOST", "radio.test");
  }
  void TearDown() override { qunsetenv("SLV_RADIOITALIA_HOST"); }

  // The main window with the music folder shown in the lists.
  MultimediaPanel& open() {
    auto& w = load();
    EXPECT_TRUE(w.fraRadio->dirMM->setPath(music.path()));
    return *w.fraRadio;
  }
  QString file(const QString& name) const { return QDir(music.path()).absolutePath() + "/" + name; }
  QStringList entries(QListWidget* l) const {
    QStringList out;
    for (int i = 0; i < l->count(); ++i)
      out << l->item(i)->text();
    return out;
  }
  bool yellow(QPushButton* b) const { return MultimediaPanel::backColor(b) == MultimediaPanel::kChosen; }
  bool plain(QPushButton* b) const { return MultimediaPanel::backColor(b) == MultimediaPanel::kPlain; }

  QTemporaryDir music;
};

} // namespace

TEST_F(Media, PanelMiniBarAndTimersAsTheWindowLoads) {
  win = std::make_unique<frmNRV_SLV3>(platform, app);
  win->Form_Load();
  auto& w = *win;
  auto& m = *w.fraRadio;
  EXPECT_TRUE(m.tmrMM->isActive());
  EXPECT_EQ(m.tmrMM->interval(), 800);
  EXPECT_TRUE(m.tmrMMInfoSwap->isActive());
  EXPECT_EQ(m.tmrMMInfoSwap->interval(), 5000);
  w.stopTimers();
  w.show();

  // F8 and the note open the same panel.
  w.mnuMultimedia->trigger();
  EXPECT_TRUE(m.isVisible());
  EXPECT_EQ(w.PanelOpen, 1);
  EXPECT_TRUE(w.mnuMultimedia->isChecked());
  // Taller than the other panels, and 30 twips lower.
  EXPECT_EQ(m.geometry(), QRect(ui::px(45), ui::px(1335), ui::px(3825), ui::px(9360)));
  EXPECT_EQ(w.WMP->widget()->parentWidget(), &m);
  EXPECT_EQ(w.WMP->widget()->geometry(), QRect(ui::px(105), ui::px(660), ui::px(3600), ui::px(3300)));
  EXPECT_TRUE(w.WMP->widget()->isVisible());
  EXPECT_EQ(m.Label33->text(), "MULTIMEDIA");
  EXPECT_EQ(m.fraR->title(), "RADIO");
  EXPECT_EQ(m.Frame2->title(), "FILES");
  EXPECT_EQ(m.cmdLatteMiele->parentWidget(), m.fraR);
  EXPECT_EQ(m.fleMM->parentWidget(), m.Frame2);
  EXPECT_TRUE(plain(m.cmdLatteMiele) && plain(m.cmdRadioItalia));
  EXPECT_EQ(m.chkContM->toolTip(), "Suona l'intera cartella");
  EXPECT_EQ(m.chkMusic->toolTip(), "Anche con il modulo non visibile continua a suonare");
  EXPECT_FALSE(m.chkContM->isChecked() || m.chkMusic->isChecked());
  // The lists start on the program's data folder, its drive chosen, no file selected.
  EXPECT_EQ(m.dirMM->path(), QDir(platform.folder).absolutePath());
  EXPECT_EQ(m.fleMM->path(), m.dirMM->path());
  EXPECT_EQ(m.fleMM->listIndex(), -1);
  EXPECT_FALSE(m.drvMM->drive().isEmpty());
  EXPECT_TRUE(m.dirMM->path().startsWith(m.drvMM->drive()));

  // The mini bar lives in the toolbar row, hidden and quiet.
  EXPECT_EQ(m.imgNota->parentWidget(), w.fraMM);
  EXPECT_FALSE(w.fraMM->isVisible());
  EXPECT_EQ(m.lblTime->text(), "00.00");
  EXPECT_EQ(m.lblMMInfo->text(), "");
  EXPECT_EQ(m.imgNota->toolTip(), "Richiama Modulo Multimediale");
  EXPECT_EQ(m.imgNext->toolTip(), "Prossimo Brano");
  EXPECT_EQ(m.lblTime->toolTip(), "Tempo Trascorso");
  EXPECT_FALSE(w.musicVars.RadioMode);
  EXPECT_TRUE(player().calls.isEmpty());

  w.ClosePanel();
  m.imgNota_Click();
  EXPECT_TRUE(m.isVisible());
  EXPECT_TRUE(w.mnuMultimedia->isChecked());
}

TEST_F(Media, FileListShowsEveryVisibleFileAndAClickPlaysIt) {
  auto& m = open();
  EXPECT_EQ(entries(m.fleMM), (QStringList{"a.wav", "b.wav", "C.ogg"}));
  EXPECT_EQ(m.fleMM->listIndex(), -1);
  EXPECT_TRUE(entries(m.dirMM).last().trimmed() == "Sotto");

  m.cmdLatteMiele->click();
  player().calls.clear();
  // A real click on the second entry.
  const QRect r = m.fleMM->visualItemRect(m.fleMM->item(1));
  QTest::mouseClick(m.fleMM->viewport(), Qt::LeftButton, {}, r.center());
  EXPECT_EQ(player().calls, (QStringList{"stop", "url " + file("b.wav"), "play"}));
  EXPECT_FALSE(win->musicVars.RadioMode);
  EXPECT_TRUE(plain(m.cmdLatteMiele) && plain(m.cmdRadioItalia));

  // The keys move the selection and play, as a click does.
  player().calls.clear();
  QTest::keyClick(m.fleMM, Qt::Key_Down);
  EXPECT_EQ(player().calls, (QStringList{"stop", "url " + file("C.ogg"), "play"}));
}

TEST_F(Media, StationButtonsPlayTheirPlaylistAndTakeTheHighlight) {
  auto& m = open();
  auto& w = *win;
  m.cmdLatteMiele->click();
  const QString lm = player().url;
  EXPECT_TRUE(lm.startsWith("http://") && lm.endsWith("/lattemiele.asx")) << lm.toStdString();
  EXPECT_EQ(player().calls, (QStringList{"stop", "url " + lm, "play"}));
  EXPECT_TRUE(w.musicVars.RadioMode);
  EXPECT_TRUE(yellow(m.cmdLatteMiele) && plain(m.cmdRadioItalia));
  m.tmrMM_Timer();
  EXPECT_EQ(w.musicVars.MMInfoText, "Stai Ascoltando > RADIO LATTE E MIELE");

  // Switching station moves the highlight and the listening text follows.
  player().calls.clear();
  m.cmdRadioItalia->click();
  EXPECT_EQ(player().calls,
            (QStringList{"stop", "url http://radio.test/player/rindigital.asx", "play"}));
  EXPECT_TRUE(plain(m.cmdLatteMiele) && yellow(m.cmdRadioItalia));
  m.tmrMM_Timer();
  EXPECT_EQ(w.musicVars.MMInfoText, "Stai Ascoltando > RADIO ITALIA NETWORK");

  // The yellow button again restarts its stream.
  player().calls.clear();
  m.cmdRadioItalia->click();
  EXPECT_EQ(player().calls.size(), 3);
  EXPECT_TRUE(yellow(m.cmdRadioItalia));

  // A station that never starts keeps its highlight and radio mode, with no message.
  player().unplayable << player().url;
  m.cmdRadioItalia->click();
  m.tmrMM_Timer();
  EXPECT_TRUE(w.musicVars.RadioMode && yellow(m.cmdRadioItalia));
  EXPECT_EQ(w.musicVars.MMInfoText, kSpaces);
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(Media, NextInEveryState) {
  auto& m = open();
  auto& w = *win;
  // Idle, nothing selected: the first entry.
  m.imgNext_Click();
  EXPECT_EQ(m.fleMM->listIndex(), 0);
  EXPECT_EQ(player().url, file("a.wav"));
  // Playing a file: the next one.
  m.imgNext_Click();
  EXPECT_EQ(player().url, file("b.wav"));
  // Stopped on a file: as while playing.
  m.imgStop_Click();
  m.imgNext_Click();
  EXPECT_EQ(player().url, file("C.ogg"));
  // At the last entry nothing happens.
  player().calls.clear();
  m.imgNext_Click();
  EXPECT_TRUE(player().calls.isEmpty());
  EXPECT_EQ(m.fleMM->listIndex(), 2);

  // Playing a station, and stopped after it: only the message.
  m.fleMM->setListIndex(0);
  m.cmdLatteMiele->click();
  for (bool stopped : {false, true}) {
    if (stopped)
      m.imgStop_Click();
    player().calls.clear();
    m.lblMMInfo->clear();
    m.imgNext_Click();
    EXPECT_EQ(m.lblMMInfo->text(), kRadioNext);
    EXPECT_TRUE(player().calls.isEmpty());
    EXPECT_EQ(m.fleMM->listIndex(), 0);
    EXPECT_TRUE(w.musicVars.RadioMode);
  }

  // An empty folder: nothing.
  QTemporaryDir empty;
  m.dirMM->setPath(empty.path());
  w.musicVars.RadioMode = false;
  player().calls.clear();
  m.imgNext_Click();
  EXPECT_TRUE(player().calls.isEmpty());
}

TEST_F(Media, SequencePlayByThePositionTick) {
  auto& m = open();
  auto& w = *win;
  m.fleMM->setListIndex(0);
  player().posString = QStringLiteral("03:19");
  player().dur = 200.0;
  player().pos = 199.4;

  // Sequence play off: the position shows, no advance.
  w.tmrBusy_Timer();
  EXPECT_EQ(m.lblTime->text(), "03:19");
  EXPECT_EQ(m.fleMM->listIndex(), 0);

  m.chkContM->setChecked(true);
  player().pos = 198.9;
  w.tmrBusy_Timer();
  EXPECT_EQ(m.fleMM->listIndex(), 0);
  player().pos = 199.0;
  w.tmrBusy_Timer();
  EXPECT_EQ(m.fleMM->listIndex(), 1);
  EXPECT_EQ(player().url, file("b.wav"));

  // The last entry plays to its end: no wrap.
  m.fleMM->setListIndex(2);
  player().pos = 199.5;
  player().calls.clear();
  w.tmrBusy_Timer();
  EXPECT_TRUE(player().calls.isEmpty());
  EXPECT_EQ(m.fleMM->listIndex(), 2);

  // A stream without duration or position never advances; the label keeps its text.
  m.fleMM->setListIndex(0);
  player().dur.reset();
  player().pos.reset();
  player().posString.reset();
  player().calls.clear();
  w.tmrBusy_Timer();
  EXPECT_TRUE(player().calls.isEmpty());
  EXPECT_EQ(m.lblTime->text(), "03:19");
}

TEST_F(Media, SequencePlayLeavesStoppedMusicAloneAndShortFilesPlayWhole) {
  auto& m = open();
  auto& w = *win;
  m.chkContM->setChecked(true);
  m.fleMM->setListIndex(0);
  // A file of 1.6 seconds, just started: it plays on.
  player().dur = 1.6;
  player().pos = 0.1;
  player().calls.clear();
  w.tmrBusy_Timer();
  EXPECT_TRUE(player().calls.isEmpty()) << player().calls.join(", ").toStdString();
  EXPECT_EQ(m.fleMM->listIndex(), 0);
  // Stopped, the position reads 0 again: nothing starts by itself.
  m.imgStop_Click();
  player().pos = 0.0;
  player().calls.clear();
  for (int tick = 0; tick < 3; ++tick)
    w.tmrBusy_Timer();
  EXPECT_TRUE(player().calls.isEmpty()) << player().calls.join(", ").toStdString();
  EXPECT_NE(player().state, 3);
  // Nor after the boss alarm stopped it: no music behind the disguise.
  m.imgPlay_Click();
  ASSERT_EQ(player().state, 3);
  w.alarm->raiseAlarm();
  player().calls.clear();
  w.tmrBusy_Timer();
  EXPECT_TRUE(player().calls.isEmpty()) << player().calls.join(", ").toStdString();
  EXPECT_NE(player().state, 3);
  // The short file's own end moves on, as for any file.
  m.imgPlay_Click();
  emit player().EndOfStream(0);
  EXPECT_EQ(player().url, file("b.wav"));
}

TEST_F(Media, SequencePlayByEndOfStream) {
  auto& m = open();
  auto& w = *win;
  m.fleMM->setListIndex(0);
  emit player().EndOfStream(0);  // sequence play off
  EXPECT_EQ(m.fleMM->listIndex(), 0);

  m.chkContM->setChecked(true);
  emit player().EndOfStream(0);
  EXPECT_EQ(player().url, file("b.wav"));

  // A station that ends by itself hands over to the entry after the selected file.
  m.cmdRadioItalia->click();
  emit player().EndOfStream(0);
  EXPECT_EQ(player().url, file("C.ogg"));
  EXPECT_FALSE(w.musicVars.RadioMode);
  EXPECT_TRUE(plain(m.cmdRadioItalia));

  // After the last entry playback simply ends.
  player().calls.clear();
  emit player().EndOfStream(0);
  EXPECT_TRUE(player().calls.isEmpty());
}

TEST_F(Media, MiniBarShowsWhilePlayingWithThePanelClosed) {
  auto& m = open();
  auto& w = *win;
  w.mnuMultimedia->trigger();
  m.fleMM->setListIndex(1);
  m.tmrMM_Timer();
  EXPECT_EQ(w.musicVars.MMInfoText, "Stai Ascoltando > " + file("b.wav"));
  EXPECT_FALSE(w.fraMM->isVisible());  // the panel is open

  // Closing the panel stops the music unless it is kept.
  w.ClosePanel();
  m.tmrMM_Timer();
  EXPECT_NE(player().state, 3);
  EXPECT_FALSE(w.fraMM->isVisible());
  EXPECT_EQ(w.musicVars.MMInfoText, kSpaces);

  w.mnuMultimedia->trigger();
  m.chkMusic->setChecked(true);
  m.fleMM->setListIndex(1);
  w.mnuWindow[0]->trigger();  // another panel: the music goes on
  EXPECT_EQ(player().state, 3);
  m.tmrMM_Timer();
  EXPECT_TRUE(w.fraMM->isVisible());
  m.imgNota_Click();  // back to the panel: still playing, bar hidden
  EXPECT_EQ(player().state, 3);
  m.tmrMM_Timer();
  EXPECT_FALSE(w.fraMM->isVisible());

  // Kept music that stops leaves the bar as it was, open panel or not.
  w.mnuWindow[0]->trigger();
  m.tmrMM_Timer();
  m.imgStop_Click();
  m.tmrMM_Timer();
  EXPECT_TRUE(w.fraMM->isVisible());
  m.imgNota_Click();
  m.tmrMM_Timer();
  EXPECT_TRUE(w.fraMM->isVisible());
  m.chkMusic->setChecked(false);
  m.tmrMM_Timer();
  EXPECT_FALSE(w.fraMM->isVisible());
}

TEST_F(Media, InformationLabelAlternates) {
  auto& m = open();
  auto& w = *win;
  player().status = QStringLiteral("In riproduzione");
  m.fleMM->setListIndex(0);
  m.tmrMM_Timer();
  const QString listening = "Stai Ascoltando > " + file("a.wav");
  m.tmrMMInfoSwap_Timer();
  EXPECT_EQ(m.lblMMInfo->text(), listening);
  m.tmrMMInfoSwap_Timer();
  EXPECT_EQ(m.lblMMInfo->text(), "In riproduzione");
  m.tmrMMInfoSwap_Timer();
  EXPECT_EQ(m.lblMMInfo->text(), listening);

  // A buffering notice lasts until the next swap.
  emit player().Buffering(true);
  EXPECT_EQ(m.lblMMInfo->text(), kBuffering);
  m.tmrMMInfoSwap_Timer();
  EXPECT_EQ(m.lblMMInfo->text(), listening);

  // Not playing: the text of the last 800 ms tick.
  m.imgStop_Click();
  EXPECT_EQ(w.musicVars.MMInfoText, "");
  m.tmrMMInfoSwap_Timer();
  EXPECT_EQ(m.lblMMInfo->text(), "");
  m.tmrMM_Timer();
  m.tmrMMInfoSwap_Timer();
  EXPECT_EQ(m.lblMMInfo->text(), kSpaces);

  // A file the engine cannot play never starts: spaces, bar hidden, no message.
  player().unplayable << file("b.wav");
  m.fleMM->setListIndex(1);
  m.tmrMM_Timer();
  m.tmrMMInfoSwap_Timer();
  EXPECT_EQ(m.lblMMInfo->text(), kSpaces);
  EXPECT_FALSE(w.fraMM->isVisible());
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(Media, PlayAndStop) {
  auto& m = open();
  auto& w = *win;
  // Idle: Play has no address to play; the status text is taken all the same.
  player().status = QStringLiteral("Pronto");
  m.imgPlay_Click();
  EXPECT_NE(player().state, 3);
  EXPECT_EQ(w.musicVars.MMInfoText, "Pronto");
  m.imgStop_Click();
  EXPECT_EQ(w.musicVars.MMInfoText, "");

  // Stop then Play starts the same item again.
  m.fleMM->setListIndex(2);
  m.imgStop_Click();
  player().calls.clear();
  m.imgPlay_Click();
  EXPECT_EQ(player().calls, QStringList{"play"});
  EXPECT_EQ(player().url, file("C.ogg"));
  EXPECT_EQ(player().state, 3);

  // Stop on a station keeps radio mode, so Play resumes the station.
  m.cmdLatteMiele->click();
  m.imgStop_Click();
  m.imgPlay_Click();
  EXPECT_TRUE(w.musicVars.RadioMode);
  EXPECT_TRUE(player().url.endsWith("/lattemiele.asx"));
}

TEST_F(Media, PicturesShowThePressedLook) {
  auto& m = open();
  win->fraMM->show();
  for (PictureBox* p : {m.imgNota, m.imgPlay, m.imgStop, m.imgNext}) {
    const QRect place = p->geometry();
    QTest::mousePress(p, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(p->borderStyle(), 1);
    EXPECT_EQ(p->geometry(), place);  // pressed, the picture keeps its box
    QTest::mouseRelease(p, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(p->borderStyle(), 0);
  }
  // The note's click opened the panel; Next's click played the first file.
  EXPECT_TRUE(m.isVisible());
  EXPECT_EQ(player().url, file("a.wav"));
}

TEST_F(Media, UnreadablePlacesKeepTheListsAsTheyWere) {
  auto& m = open();
  m.fleMM->setListIndex(1);
  const QStringList files = entries(m.fleMM);
  const QStringList folders = entries(m.dirMM);

  // A drive without a medium: the choice goes back, nothing else moves.
  QList<Drive> drives = m.drvMM->drives();
  drives.append({QStringLiteral("/media/cdrom-vuoto"), QStringLiteral("CD")});
  m.drvMM->setDrives(drives);
  m.drvMM->showDriveOf(music.path());
  const QString drive = m.drvMM->drive();
  m.drvMM->setDriveIndex(static_cast<int>(drives.size()) - 1);
  EXPECT_EQ(m.drvMM->drive(), drive);
  EXPECT_EQ(m.dirMM->path(), QDir(music.path()).absolutePath());
  EXPECT_EQ(entries(m.dirMM), folders);
  EXPECT_EQ(entries(m.fleMM), files);
  EXPECT_EQ(m.fleMM->listIndex(), 1);

  // A folder that vanished after it was listed: nothing moves either.
  ASSERT_TRUE(QDir(music.path()).rmdir(QStringLiteral("Sotto")));
  const int row = static_cast<int>(folders.size()) - 1;
  ASSERT_TRUE(m.dirMM->folderAt(row).endsWith("/Sotto"));
  emit m.dirMM->itemActivated(m.dirMM->item(row));
  QCoreApplication::processEvents();
  EXPECT_EQ(m.dirMM->path(), QDir(music.path()).absolutePath());
  EXPECT_EQ(entries(m.fleMM), files);
  EXPECT_FALSE(m.fleMM->setPath(music.filePath("a.wav")));  // a file is no folder
  EXPECT_EQ(m.fleMM->path(), QDir(music.path()).absolutePath());
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(player().url, file("b.wav"));
}

TEST_F(Media, ChangingFolderKeepsPlayingAndStartsTheNewListFromItsTop) {
  auto& m = open();
  m.fleMM->setListIndex(2);
  QDir(music.path()).mkpath(QStringLiteral("Sotto"));
  QFile(music.filePath("Sotto/z.mp3")).open(QIODevice::WriteOnly);
  player().calls.clear();
  m.dirMM->setPath(music.filePath("Sotto"));
  EXPECT_TRUE(player().calls.isEmpty());
  EXPECT_EQ(entries(m.fleMM), QStringList{"z.mp3"});
  EXPECT_EQ(m.fleMM->listIndex(), -1);
  m.imgNext_Click();
  EXPECT_EQ(player().url, file("Sotto/z.mp3"));
}

TEST_F(Media, BrokenStationIsTriedAgainUntilGivenUpAndStopOrAFileCancels) {
  auto& m = open();
  m.cmdLatteMiele->click();
  const QString playlist = player().url;
  player().state = 1;
  emit player().EndOfStream(0);
  for (int n = 1; n <= 5; ++n) {
    const QString note =
        QStringLiteral("Riconnessione a Latte e Miele… (tentativo %1 di 5)").arg(n);
    ASSERT_TRUE(m.tmrReconnect->isActive()) << n;
    m.tmrMM_Timer();
    EXPECT_TRUE(player().note == note && m.lblMMInfo->text() == note &&
                win->musicVars.MMInfoText == note);
    EXPECT_TRUE(yellow(m.cmdLatteMiele));
    player().calls.clear();
    m.tmrReconnect_Timer();
    EXPECT_EQ(player().calls, (QStringList{"url " + playlist, "play"}));
    player().state = 1;
    emit player().Failed();
  }
  // Given up (what the user then sees is checked end to end).
  EXPECT_FALSE(m.tmrReconnect->isActive());
  EXPECT_EQ(player().calls.last(), "stop");

  // Stop, another station, a file: a try pending before each is off after it.
  m.cmdLatteMiele->click();
  emit player().Failed();
  ASSERT_TRUE(m.tmrReconnect->isActive());
  m.imgStop_Click();
  EXPECT_FALSE(m.tmrReconnect->isActive());
  m.imgPlay_Click(); // owes the chosen station again
  emit player().Failed();
  ASSERT_TRUE(m.tmrReconnect->isActive());
  m.cmdRadioItalia->click();
  EXPECT_FALSE(m.tmrReconnect->isActive());
  emit player().Failed();
  ASSERT_TRUE(m.tmrReconnect->isActive());
  m.chkContM->setChecked(true);
  m.fleMM->setListIndex(0);
  EXPECT_FALSE(m.tmrReconnect->isActive());
  // A file that fails or ends is no station's: nothing is tried.
  emit player().Failed();
  EXPECT_FALSE(m.tmrReconnect->isActive());
  player().calls.clear();
  emit player().EndOfStream(0);
  EXPECT_FALSE(m.tmrReconnect->isActive());
  EXPECT_EQ(player().calls, (QStringList{"stop", "url " + file("b.wav"), "play"}));
}

TEST_F(Media, DesktopControlsTakeTheNextRuleAndComeBackAfterTheAlarm) {
  auto& m = open();
  MprisPlayer& mp = *win->mpris;
  m.cmdLatteMiele->click();
  mp.next();
  EXPECT_EQ(m.lblMMInfo->text(), kRadioNext);
  win->alarm->raiseAlarm();
  EXPECT_TRUE(mp.identity().isEmpty() && mp.metadata().isEmpty());
  win->showMaximized(); // the question is answered yes
  platform.settle();
  EXPECT_EQ(mp.identity(), "SOLVARINO 3_w");
}
