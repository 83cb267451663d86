// The browser-pane layout rule and the busy animation step.
#include "core/config.h"
#include "core/layout.h"
#include "core/units.h"

#include <cstdlib>
#include <gtest/gtest.h>

TEST(PaneLayout, WithAndWithoutAPanel) {
  const auto none = slv::paneLayout(15000, 9000, 0);
  EXPECT_TRUE(none.ok);
  EXPECT_EQ(none.left, 75);
  EXPECT_EQ(none.width, 14850);
  EXPECT_EQ(none.height, 6500);
  const auto open = slv::paneLayout(15000, 9000, 1);
  EXPECT_EQ(open.left, 3865);
  EXPECT_EQ(open.width, 10800);
}

TEST(PaneLayout, MinimumSizesAcceptExactlyZero) {
  EXPECT_TRUE(slv::paneLayout(150, 2500, 0).ok);
  EXPECT_EQ(slv::paneLayout(150, 2500, 0).width, 0);
  EXPECT_FALSE(slv::paneLayout(149, 2500, 0).ok);
  EXPECT_TRUE(slv::paneLayout(4200, 2500, 1).ok);
  EXPECT_FALSE(slv::paneLayout(4199, 9000, 1).ok);
  EXPECT_FALSE(slv::paneLayout(9000, 2499, 0).ok);
}

TEST(PeekStep, SevenStepCycle) {
  int step = 0;
  for (int i = 1; i <= 6; ++i) {
    const auto a = slv::peekAdvance(step);
    EXPECT_FALSE(a.wrapped);
    step = a.next;
    EXPECT_EQ(step, i);
  }
  const auto last = slv::peekAdvance(step);
  EXPECT_TRUE(last.wrapped);
  EXPECT_EQ(last.next, 0);
}

TEST(Units, TwipsAndColours) {
  EXPECT_EQ(slv::twipsToPixels(900), 60);
  EXPECT_EQ(slv::twipsToPixels(960), 64);
  EXPECT_EQ(slv::twipsToPixels(-15), -1);
  const auto c = slv::bgrToRgb(0x000040C0);
  EXPECT_EQ(c.r, 192);
  EXPECT_EQ(c.g, 64);
  EXPECT_EQ(c.b, 0);
}

TEST(Config, EnvironmentOverridesTheDefault) {
  unsetenv("SLV_TEST_HOST");
  EXPECT_EQ(slv::configValue("SLV_TEST_HOST", "a.example"), "a.example");
  setenv("SLV_TEST_HOST", "127.0.0.1:8080", 1);
  EXPECT_EQ(slv::configValue("SLV_TEST_HOST", "a.example"), "127.0.0.1:8080");
  setenv("SLV_TEST_HOST", "", 1);
  EXPECT_EQ(slv::configValue("SLV_TEST_HOST", "a.example"), "a.example");
  EXPECT_EQ(slv::config::httpAddress("h", "/forum/"), "http://h/forum/");
}

#include "core/zoom_steps.h"

TEST(ZoomSteps, StepThroughTheLevelsAndStayWithinTheEnginesRange) {
  EXPECT_DOUBLE_EQ(slv::zoomStep(1.0, 1), 1.1);
  EXPECT_DOUBLE_EQ(slv::zoomStep(1.0, -1), 0.9);
  // From between two levels, to the next one that way.
  EXPECT_DOUBLE_EQ(slv::zoomStep(1.17, 1), 1.25);
  EXPECT_DOUBLE_EQ(slv::zoomStep(1.17, -1), 1.1);
  EXPECT_DOUBLE_EQ(slv::zoomStep(1.1000001, -1), 1.0);
  EXPECT_DOUBLE_EQ(slv::zoomStep(5.0, 1), 5.0);
  EXPECT_DOUBLE_EQ(slv::zoomStep(0.25, -1), 0.25);
  EXPECT_DOUBLE_EQ(slv::zoomStep(3.0, 0), 1.0);
}
