// The real program starts on the local portal and shows its main window.
#include "e2e/E2E.h"

#include "forums/FavouritesPanel.h"
#include "forums/ForumPanel.h"
#include "panes/WebEnginePane.h"

#include <QFile>
#include <QFrame>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QWebEngineView>
#include <gtest/gtest.h>

TEST(Startup, SplashThenMainWindowOnThePortal) {
  e2e::Run run;
  ASSERT_TRUE(run.serve());
  ASSERT_TRUE(run.writeDataFile("Allforums.svl", "\"101 Calcio\"\r\n\"205 Cucina\"\r\n"));
  Portal& portal = run.portal;
  E2EPlatform& platform = run.platform;
  NRV_SLV3& state = run.state;
  qint64 ms = 0;
  bool loadingHidden = false;
  frmNRV_SLV3* w = run.start(&ms, [&] {
    // As the splash ends, the window stands built and hidden with its three
    // panes already sent to their home pages, and the list files are still
    // unread: a favourite written now is in the list.
    const frmNRV_SLV3* b = run.win.get();
    loadingHidden = b != nullptr && !b->isVisible() &&
                       b->WBMain->locationURL() == portal.url("/forum/index.php") &&
                       b->WBMess->locationURL() == portal.url("/msg/") &&
                       b->WBMail->locationURL() == portal.url("/");
    run.writeDataFile("Favourite.svl", "\"101 Calcio\"\r\n");
  });
  ASSERT_NE(w, nullptr);
  EXPECT_TRUE(loadingHidden);
  EXPECT_GE(ms, 2900);
  EXPECT_LE(ms, 6000);
  EXPECT_EQ(w->pos(), QPoint(0, 0));
  EXPECT_EQ(w->size(), platform.screenSize());
  EXPECT_EQ(w->fraForum->lstForum->count(), 2);
  EXPECT_EQ(w->fraPreferiti->lstPreferiti->count(), 1);

  auto* view = static_cast<WebEnginePane*>(w->WBMain.get())->view();
  ASSERT_TRUE(e2e::waitFor([&] { return view->title() == "Indice del forum"; }));
  ASSERT_TRUE(e2e::waitFor([&] { return w->txtAddressBar->text() == portal.url("/forum/index.php"); }));
  EXPECT_TRUE(portal.requests.contains("/msg/"));
  EXPECT_TRUE(portal.requests.contains("/"));

  // The busy indicator shows while the slow page loads in the pane in front.
  w->WBMain->navigate(portal.url("/slow?ms=2500"));
  ASSERT_TRUE(e2e::waitFor([&] { return w->fraBusy->isVisible(); }, 2000));
  e2e::screenshot(w, "main-window-busy");
  ASSERT_TRUE(e2e::waitFor([&] { return !w->fraBusy->isVisible(); }, 8000));
  EXPECT_EQ(view->title(), "Pagina lenta");
  // A page that never finishes keeps the indicator up until "TERMINA".
  w->WBMain->navigate(portal.url("/slow?ms=600000"));
  ASSERT_TRUE(e2e::waitFor([&] { return w->fraBusy->isVisible(); }, 2000));
  QTest::qWait(1500);
  EXPECT_TRUE(w->fraBusy->isVisible());
  w->pboNavy_Click(2);
  ASSERT_TRUE(e2e::waitFor([&] { return !w->fraBusy->isVisible(); }, 3000));
  w->mnuWindow[0]->trigger();
  QTest::qWait(300);
  e2e::screenshot(w, "main-window");
  state.ForceClose = true;  // close without the question
  w->close();
}
