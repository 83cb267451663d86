// What the member chose comes back at the next start: the window closed
// through its question and built again on a settings store of the test's own.
#include "fakes/MainFixture.h"

#include "core/config.h"
#include "shell/KeptChoices.h"
#include "shell/MessageWatch.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QSettings>

namespace {

class KeptOnWindow : public MainFixture {
protected:
  void SetUp() override {
    MainFixture::SetUp();
    ASSERT_TRUE(config.isValid());
    store = config.filePath("Norvalis/SOLVARINO3w.ini");
    platform.setKeptSettingsFile(store);
    // The data folder holds the member's lists; the store never goes there.
    writeFile("Favourite.svl", "\"Forum uno\"\r\n");
    writeFile("Allforums.svl", "\"Forum uno\"\r\n\"Forum due\"\r\n");
  }

  static QString portal(const char* path) {
    return QString::fromStdString(slv::config::httpAddress(slv::config::portalHost(), path));
  }
  static QString mailHome() {
    return QString::fromStdString(slv::config::httpAddress(slv::config::mailHost(), "/"));
  }
  // Closes the window as the member does, through its question, and drops it.
  void closeWindow() {
    const std::size_t asked = platform.messages.size();
    platform.answers = {vbYes};
    EXPECT_TRUE(win->close());
    ASSERT_EQ(platform.messages.size(), asked + 1);
    EXPECT_EQ(platform.messages.back().text, "Chiudere il SOLVARINO 3_w ?");
    win.reset();
    platform.panes.clear();
    platform.players.clear();
  }
  // The first address a pane was sent to.
  QString firstPage(int k) { return pane(k).history.value(0); }
  QString kept(const QString& key) {
    return QSettings(store, QSettings::IniFormat).value(key).toString();
  }
  QStringList dataFolder() { return QDir(dir.path()).entryList(QDir::Files, QDir::Name); }
  void writeStore(const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(store).path());
    QFile f(store);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
  }

  QTemporaryDir config;
  QString store;
};

} // namespace

TEST_F(KeptOnWindow, EveryChoiceComesBackAfterTheCloseAndThePagesOnlyWhenAskedFor) {
  const QStringList files = dataFolder();
  frmNRV_SLV3& w = load();
  // A new member: the defaults, the home pages, the new choice off.
  ASSERT_NE(w.kept, nullptr);
  EXPECT_TRUE(w.mnuNavigazione->actions().contains(w.kept->mnuRiapri));
  EXPECT_EQ(w.kept->mnuRiapri->text(), "&Riapri le pagine dell'ultima volta");
  EXPECT_FALSE(w.kept->mnuRiapri->isChecked());
  EXPECT_FALSE(w.mnuLetturaScura->isChecked());
  EXPECT_TRUE(w.watch->mnuAvvisa->isChecked());
  EXPECT_EQ(firstPage(0), portal("/forum/index.php"));

  w.mnuLetturaScura->trigger();
  w.watch->mnuAvvisa->trigger();
  w.kept->mnuRiapri->trigger();
  w.ZoomPage(1);
  w.ZoomPage(1);
  w.pboWins_Click(1);
  w.ZoomPage(-1);
  pane(0).navigate(portal("/forum/viewtopic.php?t=5&p=9#p9"));
  pane(1).navigate(portal("/msg/?folder=inbox,sent"));
  pane(2).navigate("http://altro.example/pagina"); // another host: the mail starts at home
  closeWindow();
  EXPECT_EQ(dataFolder(), files);

  frmNRV_SLV3& again = load();
  EXPECT_TRUE(again.mnuLetturaScura->isChecked());
  for (int k = 0; k < 3; ++k)
    EXPECT_TRUE(pane(k).dark) << k;
  EXPECT_FALSE(again.watch->mnuAvvisa->isChecked());
  EXPECT_TRUE(again.kept->mnuRiapri->isChecked());
  EXPECT_DOUBLE_EQ(pane(0).zoom, 1.25);
  EXPECT_DOUBLE_EQ(pane(1).zoom, 0.9);
  EXPECT_DOUBLE_EQ(pane(2).zoom, 1.0);
  EXPECT_EQ(firstPage(0), portal("/forum/viewtopic.php?t=5&p=9#p9"));
  EXPECT_EQ(firstPage(1), portal("/msg/?folder=inbox,sent"));
  EXPECT_EQ(firstPage(2), mailHome());
  EXPECT_EQ(pane(0).calls.filter("navigate").size(), 1);

  // The choice off: no page is noted, and the panes start at home.
  again.kept->mnuRiapri->trigger();
  EXPECT_EQ(kept("Forum/Pagina"), "");
  closeWindow();
  load();
  EXPECT_EQ(firstPage(0), portal("/forum/index.php"));
  EXPECT_EQ(firstPage(1), portal("/msg/"));
  EXPECT_DOUBLE_EQ(pane(0).zoom, 1.25);
  EXPECT_TRUE(win->mnuLetturaScura->isChecked());
  EXPECT_FALSE(QSettings(store, QSettings::IniFormat).contains("Messaggi/Pagina"));
  EXPECT_EQ(dataFolder(), files);
}

TEST_F(KeptOnWindow, NothingIsWrittenWhileDisguisedAndTheRestoreKeepsWhatChanged) {
  frmNRV_SLV3& w = load();
  app.AlarmActive = true;
  platform.gate().setDisguised(true, &w);
  w.mnuLetturaScura->trigger();
  w.ZoomPage(1);
  EXPECT_FALSE(QFile::exists(store));
  app.AlarmActive = false;
  platform.gate().setDisguised(false, &w);
  EXPECT_EQ(kept("LetturaScura"), "true");
  EXPECT_EQ(kept("Forum/Zoom"), "1.1");
  // Closing the disguised window keeps what changed: the program ends.
  app.AlarmActive = true;
  platform.gate().setDisguised(true, &w);
  w.ZoomPage(1);
  win->close();
  EXPECT_EQ(kept("Forum/Zoom"), "1.25");
}

TEST_F(KeptOnWindow, NonsenseIsIgnoredValueByValueWithOneWarningEach) {
  const QByteArray megabyte = "http://" + QByteArray::fromStdString(slv::config::portalHost()) +
                              "/?" + QByteArray(1 << 20, 'x');
  writeStore("[General]\nLetturaScura=forse\nAvvisaNuoviMessaggi=false\nRiapriPagine=true\n"
             "[Forum]\nZoom=50\nPagina=file:///etc/passwd\n"
             "[Messaggi]\nZoom=1.5\nPagina=" +
             megabyte +
             "\n"
             "[Email]\nZoom=1, 2\nPagina=" +
             mailHome().toUtf8() + "?x=1\n");
  const QStringList files = dataFolder();
  testing::internal::CaptureStderr();
  frmNRV_SLV3& w = load();
  const QString err = QString::fromStdString(testing::internal::GetCapturedStderr());
  EXPECT_EQ(err.count("ignorata"), 5) << err.toStdString().substr(0, 2000);
  for (const char* key :
       {"LetturaScura", "Forum/Zoom", "Forum/Pagina", "Messaggi/Pagina", "Email/Zoom"})
    EXPECT_TRUE(err.contains(QStringLiteral("impostazione %1 ignorata").arg(key))) << key;
  EXPECT_FALSE(err.contains("xxxxxxxxxx")); // a value is never echoed
  // The defaults where the value was wrong, the member's value where it was right.
  EXPECT_FALSE(w.mnuLetturaScura->isChecked());
  EXPECT_FALSE(w.watch->mnuAvvisa->isChecked());
  EXPECT_DOUBLE_EQ(pane(0).zoom, 1.0);
  EXPECT_DOUBLE_EQ(pane(1).zoom, 1.5);
  EXPECT_DOUBLE_EQ(pane(2).zoom, 1.0);
  EXPECT_EQ(firstPage(0), portal("/forum/index.php"));
  EXPECT_EQ(firstPage(1), portal("/msg/"));
  EXPECT_EQ(firstPage(2), mailHome() + "?x=1");
  // The close puts sound values in their place and leaves the data alone.
  closeWindow();
  EXPECT_EQ(kept("Forum/Zoom"), "1");
  EXPECT_EQ(kept("LetturaScura"), "false");
  EXPECT_EQ(kept("Messaggi/Pagina"), portal("/msg/"));
  EXPECT_EQ(dataFolder(), files);
}

TEST_F(KeptOnWindow, AStoreThatCannotBeWrittenSaysSoOnceAndTheProgramGoesOn) {
  // Where the store's folder should be there is a file.
  writeStore("");
  store = QFileInfo(store).filePath() + "/SOLVARINO3w.ini";
  platform.setKeptSettingsFile(store);
  const QByteArray favourites = readFile("Favourite.svl");
  testing::internal::CaptureStderr();
  frmNRV_SLV3& w = load();
  w.mnuLetturaScura->trigger();
  w.ZoomPage(1);
  closeWindow();
  const QString err = QString::fromStdString(testing::internal::GetCapturedStderr());
  EXPECT_EQ(err.count("impossibile salvare le impostazioni"), 1) << err.toStdString();
  EXPECT_EQ(readFile("Favourite.svl"), favourites);
  // Next time: the defaults.
  load();
  EXPECT_FALSE(win->mnuLetturaScura->isChecked());
  EXPECT_DOUBLE_EQ(pane(0).zoom, 1.0);
}

TEST_F(KeptOnWindow, AWatchTurnedOffByTheConfigurationLeavesTheKeptSwitchAlone) {
  writeStore("[General]\nAvvisaNuoviMessaggi=true\n");
  qputenv("SLV_MESSAGES_CHECK_S", "0");
  frmNRV_SLV3& w = load();
  EXPECT_FALSE(w.watch->mnuAvvisa->isChecked());
  closeWindow();
  EXPECT_EQ(kept("AvvisaNuoviMessaggi"), "true");
  // Used by the member meanwhile, it is the member's choice.
  load();
  win->watch->mnuAvvisa->trigger();
  win->watch->mnuAvvisa->trigger();
  closeWindow();
  qunsetenv("SLV_MESSAGES_CHECK_S");
  EXPECT_EQ(kept("AvvisaNuoviMessaggi"), "false");
}
