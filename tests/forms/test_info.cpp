// The about and help windows.
#include "fakes/MainFixture.h"
#include "info/frmAbout.h"
#include "info/frmHelp.h"

#include <QAction>
#include <QPushButton>
#include <QTimer>

namespace {

// Ticks a timer handler while its timer runs; returns the number of ticks.
template <typename F> int tickWhile(QTimer* t, F tick) {
  int n = 0;
  while (t->isActive() && n < 10000) {
    tick();
    ++n;
  }
  return n;
}

} // namespace

class About : public ::testing::Test {
protected:
  FakePlatform platform; // a 1280 x 1024 screen: 19200 twips wide
};

TEST_F(About, SlidesInToTheMiddleAndOutToTheRight) {
  frmAbout about(platform);
  about.show();
  EXPECT_EQ(about.windowTitle(), "  Informazioni sul Programma");
  EXPECT_EQ(about.leftTwips(), -5955); // wholly beyond the left edge
  EXPECT_LE(about.x() + about.width(), 0);
  EXPECT_TRUE(about.tmrEntrata->isActive());
  EXPECT_FALSE(about.tmrUscita->isActive());
  const int top = about.y();

  // Centre 6622.5: the first 200-twip step at or past it is 6645.
  EXPECT_EQ(tickWhile(about.tmrEntrata, [&] { about.tmrEntrata_Timer(); }), 63);
  EXPECT_EQ(about.leftTwips(), 6645);
  EXPECT_EQ(about.x(), 443);
  EXPECT_TRUE(about.isVisible());

  about.cmdOk->click();
  EXPECT_TRUE(about.tmrUscita->isActive());
  tickWhile(about.tmrUscita, [&] { about.tmrUscita_Timer(); });
  EXPECT_GE(about.leftTwips(), 19200);
  EXPECT_LT(about.leftTwips(), 19400);
  EXPECT_FALSE(about.isVisible());
  EXPECT_EQ(about.result(), QDialog::Accepted);
  EXPECT_EQ(about.y(), top); // the slide never moves it up or down
}

TEST_F(About, TheCloseBoxClosesAtOnceAndStopsTheSlide) {
  frmAbout about(platform);
  about.show();
  about.tmrEntrata_Timer();
  about.close();
  EXPECT_FALSE(about.isVisible());
  EXPECT_FALSE(about.tmrEntrata->isActive());
  EXPECT_EQ(about.leftTwips(), -5755);
}

using InfoMenu = MainFixture;

TEST_F(InfoMenu, TheMenuShowsTheAboutAndHelpWindowsModally) {
  qputenv("SLV_MAKER_HOST", "maker.test");
  auto& w = load();
  QStringList seen;
  platform.onModal = [&](QDialog& d) {
    seen << d.windowTitle();
    if (auto* help = qobject_cast<frmHelp*>(&d))
      seen << static_cast<FakeBrowserPane*>(help->WBHelp.get())->calls;
    if (auto* about = qobject_cast<frmAbout*>(&d))
      seen << QString::number(about->leftTwips());
    return 0;
  };
  w.mnuInfo->trigger();
  w.mnuAiuto->trigger();
  qunsetenv("SLV_MAKER_HOST");
  EXPECT_EQ(seen, (QStringList{"  Informazioni sul Programma", "-5955",
                               "   Norvalis SOLVARINO 3_w - Aiuto On Line",
                               "navigate http://maker.test/SLV3W/slv3w_help.htm"}));
  EXPECT_TRUE(platform.events.contains("modal frmAbout"));
  EXPECT_TRUE(platform.events.contains("modal frmHelp"));
  // Neither window touches the main window's panes.
  EXPECT_EQ(pane(0).calls.size(), 1);
}
