// The real player keeps a station going whose stream ends, gives up one whose
// stream server is gone, and answers the desktop's media controls on the
// private session bus the test runs in (dbus-run-session).
#include "e2e/E2E.h"

#include "media/MprisPlayer.h"
#include "media/MultimediaPanel.h"
#include "player/QtMediaPlayer.h"
#include "privacy/BossAlarm.h"

#include <QApplication>
#include <QCheckBox>
#include <QDBusConnection>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QToolTip>
#include <gtest/gtest.h>

// One gdbus call on the media object, without blocking the event loop that
// must answer it: its output and errors.
static QString mpris(const QStringList& methodAndArgs) {
  QProcess p;
  p.start(QStringLiteral("gdbus"),
          QStringList{"call", "--session", "--dest", MprisPlayer::kServiceName, "--object-path",
                      "/org/mpris/MediaPlayer2", "--method"} +
              methodAndArgs);
  e2e::waitFor([&] { return p.state() == QProcess::NotRunning; }, 10000);
  return QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError());
}
static const QString kRoot = QStringLiteral("org.mpris.MediaPlayer2"), kPlayer = kRoot + ".Player";
static QString get(const QString& iface, const char* name) {
  return mpris({"org.freedesktop.DBus.Properties.Get", iface, name});
}

TEST(Radio, KeepsPlayingGivesUpAndAnswersTheMediaKeys) {
  constexpr int kBaseMs = 250; // a quarter of the real delays
  qputenv("SLV_RECONNECT_MS", QByteArray::number(kBaseMs));
  e2e::Run run;
  ASSERT_TRUE(run.serve());
  Portal& portal = run.portal;
  qputenv("SLV_LATTEMIELE_HOST", (portal.host() + "/cade").toUtf8());
  qputenv("SLV_RADIOITALIA_HOST", (portal.host() + "/spenta").toUtf8());
  frmNRV_SLV3* w = run.start();
  ASSERT_NE(w, nullptr);
  MultimediaPanel& m = *w->fraRadio;
  auto& wmp = static_cast<QtMediaPlayer&>(*w->WMP);
  const auto chosen = [](QPushButton* b) {
    return MultimediaPanel::backColor(b) == MultimediaPanel::kChosen;
  };
  const auto playing = [&] { return wmp.playState() == 3; };
  w->OpenPanel(5);

  // A stream that ends after 3 seconds is asked for again and plays again.
  const QString shortStream = QStringLiteral("/radio/lattemiele.wav?s=3");
  m.cmdLatteMiele->click();
  ASSERT_TRUE(e2e::waitFor(playing, 10000)) << wmp.statusText().toStdString();
  // The song title the stream sends shows as the mini bar's tooltip and to the desktop.
  const QString song = QStringLiteral("Un cantante - Un brano");
  EXPECT_TRUE(e2e::waitFor([&] { return m.lblMMInfo->toolTip() == song; }, 3000));
  EXPECT_EQ(w->mpris->metadata().value("xesam:title"), song);
  ASSERT_TRUE(e2e::waitFor(
      [&] { return wmp.statusText().startsWith("Riconnessione a Latte e Miele"); }, 8000));
  QTest::qWait(100);
  e2e::screenshot(w, "radio-reconnecting");
  ASSERT_TRUE(e2e::waitFor(
      [&] { return portal.requests.filter(shortStream).size() >= 2 && playing(); }, 8000));
  // With the panel closed the mini bar says it, the next time the stream ends.
  m.chkMusic->setChecked(true);
  w->ClosePanel();
  ASSERT_TRUE(e2e::waitFor(
      [&] { return m.lblMMInfo->text().startsWith("Riconnessione a Latte e Miele"); }, 8000));
  QTest::qWait(200);
  e2e::screenshot(w, "radio-reconnecting-minibar");
  ASSERT_TRUE(e2e::waitFor(
      [&] { return portal.requests.filter(shortStream).size() >= 3 && playing(); }, 8000));
  // The song shows again on the mini bar once the station is back.
  EXPECT_TRUE(e2e::waitFor([&] { return m.lblMMInfo->toolTip() == song; }, 3000));
  QToolTip::showText(m.lblMMInfo->mapToGlobal(QPoint(10, 20)), m.lblMMInfo->toolTip(), m.lblMMInfo);
  QTest::qWait(200);
  e2e::screenshot(w, "radio-song-title");
  EXPECT_TRUE(chosen(m.cmdLatteMiele));

  // A stream server that is gone: five tries on the doubling delay, then the
  // station is let go, quietly.
  const QString gone = QStringLiteral("/spenta/player/rindigital.asx");
  m.cmdRadioItalia->click();
  ASSERT_TRUE(e2e::waitFor([&] { return !chosen(m.cmdRadioItalia); }, 30 * kBaseMs + 15000));
  QTest::qWait(4 * kBaseMs);
  const QList<qint64> tries = portal.requestTimes.value(gone);
  ASSERT_EQ(tries.size(), 6);
  for (int i = 1; i < 6; ++i) {
    const qint64 gap = tries[i] - tries[i - 1], delay = kBaseMs << (i - 1);
    EXPECT_TRUE(gap >= delay - 50 && gap < delay + 2000) << i << ": " << gap;
  }
  EXPECT_FALSE(playing() || chosen(m.cmdLatteMiele) || QApplication::activeModalWidget());
  EXPECT_EQ(wmp.statusText(), "Radio Italia non risponde: radio fermata");
  e2e::screenshot(w, "radio-given-up");

  // The media keys drive the real player.
  ASSERT_TRUE(w->mpris->onBus());
  qputenv("SLV_LATTEMIELE_HOST", portal.host().toUtf8());
  m.cmdLatteMiele->click();
  ASSERT_TRUE(e2e::waitFor(playing, 10000));
  EXPECT_TRUE(get(kRoot, "Identity").contains("'SOLVARINO 3_w'"));
  EXPECT_TRUE(get(kPlayer, "Metadata").contains("'Latte e Miele'"));
  EXPECT_TRUE(get(kPlayer, "PlaybackStatus").contains("'Playing'"));
  mpris({kPlayer + ".PlayPause"});
  EXPECT_TRUE(e2e::waitFor([&] { return !playing(); }, 5000));
  mpris({kPlayer + ".PlayPause"});
  EXPECT_TRUE(e2e::waitFor(playing, 10000)) << wmp.statusText().toStdString();
  mpris({kPlayer + ".Stop"});
  EXPECT_TRUE(e2e::waitFor([&] { return !playing(); }, 5000));

  // Behind the disguise the program is not on the bus at all.
  w->alarm->raiseAlarm();
  for (const QString& answer :
       {get(kRoot, "Identity"), get(kPlayer, "Metadata"), mpris({kPlayer + ".Play"})})
    EXPECT_TRUE(answer.contains("Error") && !answer.contains("SOLVARINO")) << answer.toStdString();
  QTest::qWait(1000);
  EXPECT_FALSE(playing());
  // Another program took the name meanwhile: the program goes on without it.
  QDBusConnection other = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "other");
  ASSERT_TRUE(other.registerService(MprisPlayer::kServiceName));
  w->mpris->setHidden(false);
  EXPECT_FALSE(w->mpris->onBus());

  for (const char* var : {"SLV_LATTEMIELE_HOST", "SLV_RADIOITALIA_HOST", "SLV_RECONNECT_MS"})
    qunsetenv(var);
  run.state.AlarmActive = false; // closing a disguised window would ask first
  run.state.ForceClose = true;
  w->close();
}
