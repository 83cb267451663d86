// A broken station is tried again on a doubling delay, five times, then given up.
#include "media/reconnection.h"

#include <gtest/gtest.h>
#include <vector>

using slv::media::Reconnection;
using Step = Reconnection::Step;

TEST(Reconnection, DoublingDelaysFiveTriesSteadyListeningStartsOverCancelStops) {
  Reconnection r(200);
  // Breaks each try at once (a server that accepts and drops); the delays used.
  const auto breakEveryTry = [&r] {
    std::vector<int> delays;
    // Capped: a rule that never gives up fails here instead of hanging.
    while (delays.size() <= std::size_t{Reconnection::kTries} && r.broke() == Step::Retry) {
      delays.push_back(r.delayMs());
      EXPECT_EQ(r.broke(), Step::Ignore) << "a second report while waiting schedules nothing";
      r.heard(30); // the old stream's last reading, before the try: counts for nothing
      r.tryNow();
      r.heard(Reconnection::kSteadySeconds - 0.1);
    }
    return delays;
  };
  EXPECT_EQ(r.broke(), Step::Ignore); // nothing chosen: a file's end is not ours
  r.start();
  ASSERT_EQ(r.broke(), Step::Retry);
  r.tryNow();
  r.heard(Reconnection::kSteadySeconds);
  EXPECT_EQ(breakEveryTry(), (std::vector<int>{200, 400, 800, 1600, 3200}));
  EXPECT_FALSE(r.owed());
  EXPECT_EQ(r.broke(), Step::Ignore);

  r.start();
  ASSERT_EQ(r.broke(), Step::Retry);
  r.cancel();
  EXPECT_FALSE(r.owed() || r.waiting());
  EXPECT_EQ(r.broke(), Step::Ignore);
  Reconnection real;
  real.start();
  real.broke();
  EXPECT_EQ(real.delayMs(), 1000);
}
