// What the member chose comes back at the next start: the window closed
// through its question and built again on a settings store of the test's own.
#include "fakes/MainFixture.h"

#include "core/config.h"
#include "shell/KeptChoices.h"
#include "shell/MessageWatch.h"

#include <QAction>
#include <QDir>
#include <QGuiApplication>
#include <QMenu>
#include <QSessionManager>
#include <QSettings>

namespace {

class KeptOnWindow : public MainFixture {
protected:
  void SetUp() override {
    MainFixture::SetUp();
    store = config.filePath("Norvalis/SOLVARINO3w.ini");
    platform.setKeptSettingsFile(store);
    writeFile("Favourite.svl", "\"Forum uno\"\r\n");
    files = QDir(dir.path()).entryList(QDir::Files);
  }
  void TearDown() override {
    // The store never goes into the data folder, whatever happened.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), files);
    EXPECT_EQ(readFile("Favourite.svl"), "\"Forum uno\"\r\n");
  }
  static QString portal(const char* path) {
    return QString::fromStdString(slv::config::httpAddress(slv::config::portalHost(), path));
  }
  // Closes the window as the member does, through its question.
  void closeWindow() {
    platform.answers = {vbYes};
    EXPECT_TRUE(win->close());
    EXPECT_EQ(platform.messages.back().text, "Chiudere il SOLVARINO 3_w ?");
    win.reset();
    platform.panes.clear();
    platform.players.clear();
  }
  QString firstPage(int k) { return pane(k).history.value(0); }
  QString kept(const QString& key) {
    return QSettings(store, QSettings::IniFormat).value(key).toString();
  }

  QTemporaryDir config;
  QString store;
  QStringList files;
};

} // namespace

TEST_F(KeptOnWindow, EveryChoiceComesBackAfterTheCloseAndThePagesOnlyWhenAskedFor) {
  frmNRV_SLV3& w = load();
  EXPECT_TRUE(w.mnuNavigazione->actions().contains(w.kept->mnuRiapri));
  EXPECT_FALSE(w.kept->mnuRiapri->isChecked());
  w.mnuLetturaScura->trigger();
  w.watch->mnuAvvisa->trigger();
  w.kept->mnuRiapri->trigger();
  w.ZoomPage(1);
  w.ZoomPage(1);
  w.pboWins_Click(1);
  w.ZoomPage(-1);
  pane(0).navigate(portal("/forum/viewtopic.php?t=5&p=9#p9"));
  pane(2).navigate("http://altro.example/pagina"); // another host: the mail starts at home
  closeWindow();

  frmNRV_SLV3& again = load();
  EXPECT_TRUE(again.mnuLetturaScura->isChecked());
  EXPECT_TRUE(pane(0).dark && pane(1).dark && pane(2).dark);
  EXPECT_FALSE(again.watch->mnuAvvisa->isChecked());
  EXPECT_TRUE(again.kept->mnuRiapri->isChecked());
  EXPECT_DOUBLE_EQ(pane(0).zoom, 1.25);
  EXPECT_DOUBLE_EQ(pane(1).zoom, 0.9);
  EXPECT_DOUBLE_EQ(pane(2).zoom, 1.0);
  EXPECT_EQ(pane(0).calls.filter("navigate"),
            QStringList{"navigate " + portal("/forum/viewtopic.php?t=5&p=9#p9")});
  EXPECT_EQ(firstPage(1), portal("/msg/"));
  EXPECT_EQ(firstPage(2),
            QString::fromStdString(slv::config::httpAddress(slv::config::mailHost(), "/")));

  // The choice off: no page is noted, and the panes start at home.
  again.kept->mnuRiapri->trigger();
  EXPECT_FALSE(QSettings(store, QSettings::IniFormat).contains("Forum/Pagina"));
  closeWindow();
  load();
  EXPECT_EQ(firstPage(0), portal("/forum/index.php"));
  EXPECT_DOUBLE_EQ(pane(0).zoom, 1.25);
}

TEST_F(KeptOnWindow, NothingIsWrittenWhileDisguisedTheRestoreAndTheCloseKeepWhatChanged) {
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
  app.AlarmActive = true;
  platform.gate().setDisguised(true, &w);
  w.ZoomPage(1);
  win->close(); // the program ends, the disguise with it
  EXPECT_EQ(kept("Forum/Zoom"), "1.25");
}

TEST_F(KeptOnWindow, AStoreThatCannotBeReadOrWrittenGivesTheDefaultsAndIsToldOnce) {
  ASSERT_TRUE(QDir().mkpath(store)); // a folder where the file goes: neither read nor written
  testing::internal::CaptureStderr();
  frmNRV_SLV3& w = load();
  EXPECT_FALSE(w.mnuLetturaScura->isChecked());
  w.mnuLetturaScura->trigger();
  w.mnuLetturaScura->trigger();
  closeWindow();
  const QString told = QString::fromStdString(testing::internal::GetCapturedStderr());
  EXPECT_EQ(told.count("impossibile leggere le impostazioni in " + store), 1) << told.toStdString();
  EXPECT_EQ(told.count("impossibile salvare le impostazioni in " + store), 1) << told.toStdString();
}

TEST_F(KeptOnWindow, TheDesktopSessionEndingKeepsWhatChangedThoughDisguised) {
  frmNRV_SLV3& w = load();
  app.AlarmActive = true;
  platform.gate().setDisguised(true, &w);
  w.ZoomPage(1);
  auto* session = qGuiApp->findChild<QSessionManager*>();
  ASSERT_NE(session, nullptr);
  emit qGuiApp->commitDataRequest(*session); // as the platform asks at a log-off
  EXPECT_EQ(kept("Forum/Zoom"), "1.1");
}
