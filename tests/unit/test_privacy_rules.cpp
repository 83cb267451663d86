// The rules of the password lock and of bringing the disguised window back.
#include "privacy/password_rules.h"

#include <gtest/gtest.h>

using namespace slv::privacy;

TEST(PasswordRules, OkNeedsFourCharactersInEveryBox) {
  EXPECT_FALSE(protectOkEnabled(0, 0));
  EXPECT_FALSE(protectOkEnabled(3, 4));
  EXPECT_FALSE(protectOkEnabled(4, 3));
  EXPECT_TRUE(protectOkEnabled(4, 4));
  // Lengths need not agree to press OK; the comparison then says they differ.
  EXPECT_TRUE(protectOkEnabled(14, 5));
  EXPECT_FALSE(restoreOkEnabled(3));
  EXPECT_TRUE(restoreOkEnabled(4));
  EXPECT_TRUE(restoreOkEnabled(kMaxLength));
}

TEST(PasswordRules, ComparisonIsExact) {
  EXPECT_TRUE(samePassword(u"Gatto#99", u"Gatto#99"));
  EXPECT_FALSE(samePassword(u"Gatto#99", u"gatto#99"));  // letter case
  EXPECT_FALSE(samePassword(u"Gatto#99", u"Gatto#99 ")); // nothing is trimmed
  EXPECT_FALSE(samePassword(u"Gatto#99", u"Gatto#9"));
  EXPECT_FALSE(samePassword(u"abcd", u"abce"));                // the last character counts
  EXPECT_FALSE(samePassword(u"perch\u00e9", u"perche\u0301")); // no normalisation
  EXPECT_FALSE(samePassword(u"", u"abcd"));
  EXPECT_TRUE(samePassword(u"", u""));
}

TEST(PasswordRules, ThreeWrongEntriesInOneShowingExhaust) {
  int attempts = 0;
  EXPECT_EQ(judgeAttempt(false, attempts), Attempt::Wrong);
  EXPECT_EQ(judgeAttempt(false, attempts), Attempt::Wrong);
  EXPECT_EQ(attempts, 2);
  // A right entry after two wrong ones still opens and does not count.
  EXPECT_EQ(judgeAttempt(true, attempts), Attempt::Right);
  EXPECT_EQ(attempts, 2);
  EXPECT_EQ(judgeAttempt(false, attempts), Attempt::Exhausted);
  EXPECT_EQ(attempts, 3);
}

TEST(PasswordRules, RestoreActsOnlyWhenTheDisguisedWindowIsBack) {
  EXPECT_EQ(restoreAction(true, true, true), RestoreAction::None);
  EXPECT_EQ(restoreAction(true, true, false), RestoreAction::None);
  EXPECT_EQ(restoreAction(false, false, true), RestoreAction::None); // protected, not disguised
  EXPECT_EQ(restoreAction(false, true, false), RestoreAction::Ask);
  EXPECT_EQ(restoreAction(false, true, true), RestoreAction::Unlock);
}

TEST(PasswordRules, AfterTheUnlockDialog) {
  EXPECT_EQ(afterUnlock(true, false), AfterUnlock::Closing);
  EXPECT_EQ(afterUnlock(true, true), AfterUnlock::Closing);
  EXPECT_EQ(afterUnlock(false, true), AfterUnlock::Reminimise);
  EXPECT_EQ(afterUnlock(false, false), AfterUnlock::Restore);
}

TEST(PasswordRules, StatesFromTheFlags) {
  EXPECT_EQ(lockState(false, false, false), LockState::Unprotected);
  EXPECT_EQ(lockState(true, false, false), LockState::Protected);
  EXPECT_EQ(lockState(false, true, false), LockState::Disguised);
  EXPECT_EQ(lockState(true, true, false), LockState::Locked);
  EXPECT_EQ(lockState(true, false, true), LockState::Closing);
  EXPECT_EQ(lockState(false, false, true), LockState::Closing);
}
