// The gate's rule: what shows, waits, is kept or answered with its default.
#include "core/surface_gate.h"

#include <gtest/gtest.h>

using namespace slv;

namespace {
constexpr SurfaceKind Q = SurfaceKind::Question, N = SurfaceKind::Notice;
} // namespace

TEST(SurfaceGate, DisguiseHoldsQuestionsKeepsNoticesAndGivesThemBackInOrder) {
  SurfaceQueue q;
  GateState s{false, 1};
  EXPECT_EQ(q.arrive({1, Q, 0}, s), SurfaceAction::Show);
  s.disguised = true;
  EXPECT_EQ(q.arrive({2, Q, 0}, s), SurfaceAction::Hold);
  EXPECT_EQ(q.arrive({3, N, 0}, s), SurfaceAction::Keep);
  EXPECT_EQ(q.arrive({4, Q, 1}, s), SurfaceAction::Hold); // its pane is in front, still held
  EXPECT_EQ(q.next(s), std::nullopt);
  s.disguised = false;
  // Something new while they wait queues behind them.
  EXPECT_EQ(q.arrive({5, Q, 0}, s), SurfaceAction::Hold);
  for (int id : {2, 3, 4, 5})
    EXPECT_EQ(q.next(s), id);
  EXPECT_EQ(q.next(s), std::nullopt);
  EXPECT_EQ(q.size(), 0u);
}

TEST(SurfaceGate, APagesQuestionWaitsForItsPaneAndGoesWithIt) {
  SurfaceQueue q;
  GateState s{false, 1};
  EXPECT_EQ(q.arrive({1, Q, 2}, s), SurfaceAction::Hold);
  EXPECT_EQ(q.arrive({2, Q, 3}, s), SurfaceAction::Hold);
  EXPECT_EQ(q.arrive({3, N, 2}, s), SurfaceAction::Show); // notices have no pane to wait for
  EXPECT_EQ(q.arrive({4, Q, 1}, s), SurfaceAction::Show); // other panes' questions hold nothing
  EXPECT_EQ(q.next(s), std::nullopt);
  s.front = 3;
  EXPECT_EQ(q.next(s), 2);
  // The page went: what waited for it is answered with its default.
  EXPECT_EQ(q.dropScope(2), std::vector<int>{1});
  EXPECT_FALSE(q.drop(1));
  s.disguised = true;
  q.arrive({5, Q, 0}, s);
  q.arrive({6, N, 0}, s);
  EXPECT_EQ(q.dropAll(), (std::vector<int>{5, 6}));
}

TEST(SurfaceGate, APageThatKeepsAskingMayBeSilencedUntilItLoadsAnew) {
  PageDialogGuard g;
  EXPECT_FALSE(g.arrive(1000));
  EXPECT_TRUE(g.arrive(1000 + PageDialogGuard::kRepeatMs - 1));
  EXPECT_FALSE(g.arrive(1000 + 3 * PageDialogGuard::kRepeatMs));
  g.silence();
  EXPECT_TRUE(g.silenced());
  g.reset();
  EXPECT_FALSE(g.silenced());
  EXPECT_FALSE(g.arrive(99999)); // a fresh page starts over
}

TEST(SurfaceGate, PageTextIsCutOnCharactersAndLosesNothingShort) {
  EXPECT_EQ(plainDisplayText("<b>ciao</b>"), "<b>ciao</b>"); // shown as text, not dropped
  EXPECT_EQ(plainDisplayText("àèìòù", 3), "àèì\xE2\x80\xA6");
  EXPECT_EQ(plainDisplayText(std::string(5, 'x'), 5), "xxxxx");
  EXPECT_EQ(plainDisplayText(std::string("a\0b", 3)), "ab");
  const std::string big(1 << 20, 'x');
  EXPECT_EQ(plainDisplayText(big).size(), 3000u + 3u);
}

TEST(SurfaceGate, UnderTheDisguiseOnlyItsOwnBoxPassesAndAnAnsweredQuestionHasItsInnerOnesFirst) {
  SurfaceQueue q;
  GateState s{true, 1};
  SurfaceItem restore{1, Q, 0};
  restore.disguiseOwn = true;
  EXPECT_EQ(q.arrive(restore, s), SurfaceAction::Show);
  // While it is up nothing else passes: not the program's, not the front pane's.
  EXPECT_EQ(q.arrive({2, Q, 0}, s), SurfaceAction::Hold);
  EXPECT_EQ(q.arrive({3, Q, 1}, s), SurfaceAction::Hold);
  EXPECT_EQ(q.next(s), std::nullopt);
  EXPECT_TRUE(q.waitsFor(1));
  EXPECT_FALSE(q.waitsFor(2));

  // The engine's questions nest: 10 (front pane) holds 11 (pane 2) and 12 (pane 3).
  s.disguised = false;
  q.dropAll();
  NestedQuestions nested;
  for (int id : {10, 11, 12})
    nested.push(id);
  EXPECT_EQ(q.arrive({11, Q, 2}, s), SurfaceAction::Hold);
  EXPECT_EQ(q.arrive({12, Q, 3}, s), SurfaceAction::Hold);
  EXPECT_EQ(nested.innerOf(10), (std::vector<int>{11, 12}));
  nested.pop(11);
  // 10 answered: it returns only after 12, which now shows although its pane is behind.
  for (int inner : nested.innerOf(10))
    q.hurry(inner);
  EXPECT_EQ(q.next(s), 12);
  EXPECT_EQ(q.next(s), std::nullopt); // 11 left the nest: it still waits for its pane
  EXPECT_TRUE(nested.innerOf(12).empty());
  EXPECT_TRUE(nested.innerOf(99).empty());
}

TEST(SurfaceGate, WhatTheEngineWaitsOnShowsAtOnceWithItsPaneAndOnlyTheDisguiseHoldsIt) {
  SurfaceQueue q;
  GateState s{false, 1};
  SurfaceItem behind{1, Q, 2};
  behind.engineWaits = true;
  SurfaceItem front{2, Q, 1};
  front.engineWaits = true;
  EXPECT_EQ(q.arrive(behind, s), SurfaceAction::ShowWithPane);
  EXPECT_EQ(q.arrive(front, s), SurfaceAction::Show);
  s.disguised = true;
  EXPECT_EQ(q.arrive({3, Q, 1}, s), SurfaceAction::Hold);
  behind.id = 4;
  EXPECT_EQ(q.arrive(behind, s), SurfaceAction::Hold);
  s.disguised = false;
  // It overtakes what waits for the same showing, which the member could
  // answer only once the engine runs again.
  EXPECT_EQ(q.arrive(front, s), SurfaceAction::Show);
  // After the restore what waited comes in order, the pane of each coming with it.
  const std::optional<SurfaceItem> first = q.nextItem(s);
  ASSERT_TRUE(first);
  EXPECT_EQ(first->id, 3);
  const std::optional<SurfaceItem> second = q.nextItem(s);
  ASSERT_TRUE(second);
  EXPECT_EQ(second->id, 4);
  EXPECT_EQ(surfaceAction(*second, s), SurfaceAction::ShowWithPane);
  // A page's box answered in the page itself still waits for its pane.
  EXPECT_EQ(q.arrive({5, Q, 2}, s), SurfaceAction::Hold);
}
