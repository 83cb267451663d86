// The about window's slide in and out.
#include "info/about_slide.h"

#include <gtest/gtest.h>

using namespace slv::info;

namespace {

// Ticks the slide-in from the start until it stops; returns where it rests.
int restingLeft(int window, int screen, int* ticks = nullptr) {
  int left = slideStartLeft(window);
  int n = 0;
  for (;;) {
    const SlideStep s = slideIn(left, window, screen);
    ++n;
    EXPECT_EQ(s.left, left + 200);
    left = s.left;
    if (s.stop)
      break;
    EXPECT_LT(2 * left, screen - window) << "kept going past the centre";
  }
  if (ticks)
    *ticks = n;
  return left;
}

} // namespace

TEST(AboutSlide, StartsWhollyBeyondTheLeftEdge) {
  EXPECT_EQ(slideStartLeft(5955), -5955);
}

TEST(AboutSlide, RestsExactlyCentredWhenAStepLandsThere) {
  int ticks = 0;
  // Centre = 12000/2 - 6000/2 = 3000, reached from -6000 in 45 steps.
  EXPECT_EQ(restingLeft(6000, 12000, &ticks), 3000);
  EXPECT_EQ(ticks, 45);
}

TEST(AboutSlide, StopsAtTheFirstStepPastTheCentreWithoutSnappingBack) {
  // Centre = 19200/2 - 5955/2 = 6622.5; the steps run -5955 + 200k.
  EXPECT_EQ(restingLeft(5955, 19200), 6645);
  // Odd sizes compare exactly: one twip short of the centre is not there yet.
  EXPECT_FALSE(slideIn(-201, 2, 3).stop); // 2*(-1) >= 1 ? no
  EXPECT_TRUE(slideIn(-200, 2, 2).stop);  // 0 >= 0
  // Up to 199 twips right of centre: centre 2999, steps land on 2998 then 3198.
  EXPECT_EQ(restingLeft(6002, 12000), 3198);
}

TEST(AboutSlide, SlideOutEndsAtOrBeyondTheRightEdge) {
  EXPECT_EQ(slideOut(0, 1000).left, 200);
  EXPECT_FALSE(slideOut(600, 1000).stop);
  EXPECT_TRUE(slideOut(800, 1000).stop); // exactly at the edge
  EXPECT_TRUE(slideOut(900, 1000).stop);
}

TEST(AboutSlide, OkDuringTheSlideInStillLeavesOnTheRight) {
  // Both timers tick in turn once "OK" is pressed; the slide-in keeps its own
  // stop test and the slide-out goes on alone to the edge.
  const int window = 5955, screen = 19200;
  int left = slideStartLeft(window);
  for (int i = 0; i < 10; ++i)
    left = slideIn(left, window, screen).left;
  bool inRunning = true, outRunning = true;
  int pairs = 0;
  while (outRunning) {
    if (inRunning) {
      const SlideStep s = slideIn(left, window, screen);
      left = s.left;
      inRunning = !s.stop;
    }
    const SlideStep s = slideOut(left, screen);
    left = s.left;
    outRunning = !s.stop;
    ++pairs;
    ASSERT_LT(pairs, 1000);
  }
  EXPECT_GE(left, screen);
  EXPECT_LT(left, screen + 400);
  EXPECT_FALSE(inRunning);
}
