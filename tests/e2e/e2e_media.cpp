// The real player (no sound card needed) plays a folder in sequence and the
// two stations through their playlists on the local portal.
#include "e2e/E2E.h"
#include "core/beep_sound.h"

#include "media/FileLists.h"
#include "media/MultimediaPanel.h"
#include "player/QtMediaPlayer.h"
#include "ui/Widgets.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

void writeWav(const QString& path, double seconds) {
  slv::Tone tone;
  tone.frequencyHz = 320;
  tone.durationMs = static_cast<int>(seconds * 1000);
  tone.sampleRate = 8000;
  tone.volume = 0.06;
  const std::string wav = slv::toneWave(tone);
  ASSERT_TRUE(e2e::writeFile(path, QByteArray(wav.data(), static_cast<qsizetype>(wav.size()))));
}

// The window, and a close-up of the mini bar, once the last changes are painted.
void shots(frmNRV_SLV3* w, const QString& name) {
  QTest::qWait(300);
  const QString path = e2e::screenshot(w, name);
  w->fraMM->grab().scaled(w->fraMM->size() * 2).save(path.chopped(4) + "-bar.png");
}

bool anyMessageBox() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (qobject_cast<QMessageBox*>(w) && w->isVisible())
      return true;
  return false;
}

} // namespace

TEST(Media, FolderInSequenceThenBothStations) {
  e2e::Run run;
  ASSERT_TRUE(run.serve());
  Portal& portal = run.portal;
  NRV_SLV3& state = run.state;
  qputenv("SLV_LATTEMIELE_HOST", portal.host().toUtf8());
  qputenv("SLV_RADIOITALIA_HOST", portal.host().toUtf8());
  QTemporaryDir music;
  // Sorted as the list shows them: a file that is no audio at all, a long
  // item (advanced by the position tick), one shorter than a second (only the
  // end of stream moves on past it) and the last one.
  writeWav(music.filePath("1 primo.wav"), 12.5);
  writeWav(music.filePath("2 breve.wav"), 0.8);
  writeWav(music.filePath("3 ultimo.wav"), 2.5);
  ASSERT_TRUE(e2e::writeFile(music.filePath("0 leggimi.txt"), "non musica\n"));

  frmNRV_SLV3* w = run.start();
  ASSERT_NE(w, nullptr);
  MultimediaPanel& m = *w->fraRadio;
  auto& wmp = static_cast<QtMediaPlayer&>(*w->WMP);

  // F8 opens the panel.
  w->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(w));
  QTest::keyClick(w, Qt::Key_F8);
  ASSERT_TRUE(e2e::waitFor([&] { return m.isVisible(); }, 3000));
  EXPECT_EQ(wmp.volume(), 50);
  ASSERT_TRUE(m.dirMM->setPath(music.path()));
  ASSERT_EQ(m.fleMM->listCount(), 4);
  m.chkContM->setChecked(true);
  m.chkMusic->setChecked(true);

  // The first music file, by a real click.
  QTest::mouseClick(m.fleMM->viewport(), Qt::LeftButton, {},
                    m.fleMM->visualItemRect(m.fleMM->item(1)).center());
  ASSERT_TRUE(e2e::waitFor([&] { return wmp.playState() == 3; }, 8000)) << wmp.statusText().toStdString();
  EXPECT_TRUE(wmp.URL().endsWith("/1 primo.wav"));
  ASSERT_TRUE(e2e::waitFor([&] { return m.lblTime->text() == "00:01"; }, 5000)) << m.lblTime->text().toStdString();
  shots(w, "media-panel");

  // Closing the panel keeps the music; the mini bar shows what plays.
  w->cmdClose[5]->click();
  ASSERT_TRUE(e2e::waitFor([&] { return w->fraMM->isVisible(); }, 3000));
  ASSERT_TRUE(e2e::waitFor([&] { return m.lblMMInfo->text().startsWith("Stai Ascoltando > "); }, 6000));
  EXPECT_TRUE(m.lblMMInfo->text().endsWith("/1 primo.wav")) << m.lblMMInfo->text().toStdString();
  shots(w, "media-minibar");

  // Sequence: the tick moves on a second before the end, the end of stream
  // moves on past the short one, and the last one simply ends.
  ASSERT_TRUE(e2e::waitFor([&] { return wmp.URL().endsWith("/2 breve.wav"); }, 15000))
      << wmp.URL().toStdString() << " " << wmp.statusText().toStdString() << " " << m.lblTime->text().toStdString();
  ASSERT_TRUE(e2e::waitFor([&] { return wmp.URL().endsWith("/3 ultimo.wav"); }, 8000));
  ASSERT_TRUE(e2e::waitFor([&] { return wmp.playState() == 3; }, 5000));
  ASSERT_TRUE(e2e::waitFor([&] { return wmp.playState() != 3; }, 8000));
  QTest::qWait(1500);
  EXPECT_TRUE(wmp.URL().endsWith("/3 ultimo.wav"));
  EXPECT_EQ(m.fleMM->listIndex(), 3);
  EXPECT_EQ(w->musicVars.MMInfoText, QString(35, ' '));

  // A file that is no audio does not start, and nobody is told.
  m.fleMM->setListIndex(0);
  QTest::qWait(2500);
  EXPECT_NE(wmp.playState(), 3);
  EXPECT_FALSE(anyMessageBox());

  // A station: the playlist on the portal names a stream there.
  m.imgNota_Click();
  ASSERT_TRUE(m.isVisible());
  m.cmdLatteMiele->click();
  ASSERT_TRUE(e2e::waitFor([&] { return wmp.playState() == 3; }, 10000)) << wmp.statusText().toStdString();
  EXPECT_EQ(wmp.engineSource().toString(), portal.url("/radio/lattemiele.wav"));
  EXPECT_TRUE(portal.requests.contains("/lattemiele.asx"));
  EXPECT_TRUE(state.AlarmActive == false && w->musicVars.RadioMode);
  shots(w, "media-panel-radio");
  w->ClosePanel();
  ASSERT_TRUE(e2e::waitFor([&] { return m.lblMMInfo->text() == "Stai Ascoltando > RADIO LATTE E MIELE"; },
                           7000));
  shots(w, "media-minibar-radio");
  m.imgNext_Click();
  EXPECT_EQ(m.lblMMInfo->text(), "STAI ASCOLTANDO LA RADIO, non ci sono brani successivi...");

  // The other station's playlist is in the INI form.
  m.cmdRadioItalia_Click();
  ASSERT_TRUE(e2e::waitFor([&] {
    return wmp.playState() == 3 && wmp.engineSource().toString() == portal.url("/radio/italia.wav");
  }, 10000));
  EXPECT_TRUE(MultimediaPanel::backColor(m.cmdRadioItalia) == MultimediaPanel::kChosen);

  // A station that cannot be reached does not start, quietly.
  qputenv("SLV_RADIOITALIA_HOST", "127.0.0.1:1");
  m.cmdRadioItalia_Click();
  QTest::qWait(2500);
  EXPECT_NE(wmp.playState(), 3);
  EXPECT_TRUE(w->musicVars.RadioMode);
  EXPECT_FALSE(anyMessageBox());

  qunsetenv("SLV_LATTEMIELE_HOST");
  qunsetenv("SLV_RADIOITALIA_HOST");
  state.ForceClose = true;
  w->close();
}
