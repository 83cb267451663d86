// The watch on the private messages, with fake panes: which pages count, when
// the messages pane is loaded again, what the tab, the caption and the desktop show.
#include "fakes/MainFixture.h"

#include "core/config.h"
#include "panes/PageReader.h"
#include "privacy/BossAlarm.h"
#include "shell/MessageWatch.h"
#include "ui/Widgets.h"

#include <QAction>
#include <QCoreApplication>
#include <QDialog>
#include <QExposeEvent>
#include <QTimer>
#include <QVariantMap>
#include <QWindow>

namespace {

class Messages : public MainFixture {
protected:
  QString portal(const QString& path) {
    return QString::fromStdString(
        slv::config::httpAddress(slv::config::portalHost(), path.toStdString()));
  }
  // A page of the panes finishes loading at address, its title telling the count.
  void pageLoads(int k, const QString& address, const std::string& title) {
    pane(k).location = address;
    pane(k).isBusy = false;
    pane(k).texts.title = title;
    emit pane(k).loaded(true);
  }
  QString tab() { return win->pboWins[1]->accessibleName(); }
  int navigations(int k) { return int(pane(k).calls.filter("navigate").size()); }
};

} // namespace

TEST_F(Messages, PortalPagesTellTheCountOnTabAndCaptionAndARiseNotifies) {
  frmNRV_SLV3& w = load();
  pageLoads(0, "http://altro.example/(5)", "(5) Altro sito");
  EXPECT_EQ(tab(), "MESSAGGI");
  pageLoads(0, portal("/forum/index.php"), "(2) Indice");
  EXPECT_EQ(tab(), "MESSAGGI (2)");
  EXPECT_TRUE(w.windowTitle().startsWith("(2) SOLVARINO 3_w"));
  EXPECT_EQ(platform.events.filter("notify"),
            QStringList{"notify messaggi 2 nuovi messaggi privati"});
  pageLoads(2, portal("/"), "Posta"); // no count on the page: unknown, not zero
  pageLoads(0, portal("/forum/index.php"), "(2) Indice");
  EXPECT_EQ(platform.events.filter("notify").size(), 1);
  EXPECT_EQ(tab(), "MESSAGGI (2)");
  // "Apri" brings the messages forward; they are seen.
  platform.opens.back()();
  EXPECT_EQ(w.CurrentBrowser, &pane(1));
  EXPECT_EQ(tab(), "MESSAGGI");
  EXPECT_EQ(w.windowTitle(), frmNRV_SLV3::normalCaption());
  // Off: nothing shows.
  w.watch->mnuAvvisa->trigger();
  w.pboWins_Click(0);
  pageLoads(0, portal("/forum/index.php"), "(4) Indice");
  EXPECT_EQ(tab(), "MESSAGGI");
}

TEST_F(Messages, ARoundReloadsTheMessagesOnlyAwayFromTheFrontAtRestAndUntouched) {
  frmNRV_SLV3& w = load();
  pageLoads(1, portal("/msg/?i=pm#fine"), "Messaggi");
  w.watch->tmrMessages_Timer();
  ASSERT_EQ(navigations(1), 2);
  EXPECT_EQ(pane(1).calls.last(), "navigate " + portal("/msg/?i=pm"));
  w.watch->tmrMessages_Timer(); // still loading
  pane(1).isBusy = false;
  pane(1).texts.holdsInput = true; // a reply being typed
  w.watch->tmrMessages_Timer();
  pane(1).texts.holdsInput = false;
  w.pboWins_Click(1);
  w.watch->tmrMessages_Timer();
  EXPECT_EQ(navigations(1), 2);
}

// The reader's script tells what the page holds of the member's; the watch gets one answer.
TEST(PageReaderResult, AFrameItCannotReadOrAChosenFileHoldsThePage) {
  const auto holds = [](const QString& what, int n) {
    QVariantMap held{{"typed", false}, {"files", 0}, {"dialog", false}, {"sealedFrames", 0}};
    held[what] = n;
    return PageReader::fromScript(QVariantMap{{"held", held}}).holdsInput;
  };
  EXPECT_FALSE(holds("files", 0));
  EXPECT_TRUE(holds("sealedFrames", 1));                      // a reply's editor from another site
  EXPECT_TRUE(holds("files", 1));                             // an attachment chosen
  EXPECT_TRUE(PageReader::fromScript(QVariant()).holdsInput); // nothing read: left alone
}

TEST_F(Messages, AQuestionOfThePageForTheMessagesPaneStopsTheRound) {
  frmNRV_SLV3& w = load();
  pageLoads(1, portal("/msg/"), "Messaggi");
  SurfaceGate& gate = platform.gate();
  QWidget* mess = pane(1).widget();
  // Asked while the forum is in front: it waits for the messages pane.
  {
    QDialog question;
    QTimer::singleShot(0, [&] {
      EXPECT_FALSE(gate.waitsFor(pane(0).widget()));
      w.watch->tmrMessages_Timer();
      question.reject();
    });
    gate.ask(question, mess);
  }
  EXPECT_EQ(navigations(1), 1);
  // Answered: the round goes on.
  w.watch->tmrMessages_Timer();
  EXPECT_EQ(navigations(1), 2);
}

TEST_F(Messages, TheWindowBackWithTheMessagesInFrontHasSeenTheCount) {
  frmNRV_SLV3& w = load();
  w.pboWins_Click(1);
  w.showMinimized();
  pageLoads(1, portal("/msg/"), "(2) Messaggi");
  EXPECT_EQ(tab(), "MESSAGGI (2)");
  // The window manager's restore, as X11 brings it: the window exposed (its
  // panes shown while it is still minimised), then its new state.
  QExposeEvent exposed(QRegion(w.rect()));
  QCoreApplication::sendEvent(w.windowHandle(), &exposed);
  EXPECT_EQ(tab(), "MESSAGGI (2)");
  w.windowHandle()->setWindowState(Qt::WindowNoState);
  QCoreApplication::processEvents();
  ASSERT_FALSE(w.isMinimized());
  EXPECT_EQ(tab(), "MESSAGGI");
  EXPECT_EQ(w.windowTitle(), frmNRV_SLV3::normalCaption());
}

TEST_F(Messages, TheDisguiseKeepsItsCaptionAndTheCountComesBackAfterIt) {
  frmNRV_SLV3& w = load();
  w.alarm->raiseAlarm();
  pageLoads(0, portal("/forum/index.php"), "(3) Indice");
  EXPECT_EQ(w.windowTitle(), "Microsoft Excel");
  platform.answers = {vbYes};
  w.showNormal();
  platform.settle();
  EXPECT_TRUE(w.windowTitle().startsWith("(3) SOLVARINO 3_w"));
}
