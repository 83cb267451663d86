#include "privacy/password_rules.h"

namespace slv::privacy {

bool protectOkEnabled(std::size_t passwordLength, std::size_t confirmLength) {
  return passwordLength >= kMinLength && confirmLength >= kMinLength;
}

bool restoreOkEnabled(std::size_t passwordLength) {
  return passwordLength >= kMinLength;
}

bool samePassword(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size())
    return false;
  // No early exit: how long the comparison takes says nothing about where it failed.
  char16_t diff = 0;
  for (std::size_t i = 0; i < a.size(); ++i)
    diff |= static_cast<char16_t>(a[i] ^ b[i]);
  return diff == 0;
}

Attempt judgeAttempt(bool matches, int& attempts) {
  if (matches)
    return Attempt::Right;
  ++attempts;
  return attempts >= kMaxAttempts ? Attempt::Exhausted : Attempt::Wrong;
}

RestoreAction restoreAction(bool minimised, bool alarmActive, bool passwordSet) {
  if (minimised || !alarmActive)
    return RestoreAction::None;
  return passwordSet ? RestoreAction::Unlock : RestoreAction::Ask;
}

AfterUnlock afterUnlock(bool forceClose, bool alarmActive) {
  if (forceClose)
    return AfterUnlock::Closing;
  return alarmActive ? AfterUnlock::Reminimise : AfterUnlock::Restore;
}

LockState lockState(bool passwordSet, bool alarmActive, bool forceClose) {
  if (forceClose)
    return LockState::Closing;
  if (alarmActive)
    return passwordSet ? LockState::Locked : LockState::Disguised;
  return passwordSet ? LockState::Protected : LockState::Unprotected;
}

} // namespace slv::privacy
