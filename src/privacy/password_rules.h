#pragma once
// The rules of the password lock and of bringing the disguised window back.
// Standard C++ only: the dialogs and the main window ask these for every decision.
#include <cstddef>
#include <string_view>

namespace slv::privacy {

inline constexpr std::size_t kMinLength = 4;  // shorter passwords cannot be confirmed or tried
inline constexpr std::size_t kMaxLength = 14; // the boxes take no more
inline constexpr int kMaxAttempts = 3; // wrong entries in one showing before the program ends

// "OK" of the password dialog: both boxes hold at least kMinLength characters.
bool protectOkEnabled(std::size_t passwordLength, std::size_t confirmLength);
// "OK" of the unlock dialog.
bool restoreOkEnabled(std::size_t passwordLength);

// Exact comparison: every code unit counts, letter case included, nothing is
// normalised or trimmed. Takes the same time for any two texts of one length.
bool samePassword(std::u16string_view a, std::u16string_view b);

enum class Attempt {
  Right,    // the window may come back
  Wrong,    // tell the user, the dialog stays open
  Exhausted // the last allowed wrong entry: the program must end
};
// Judges one unlock entry; a wrong one adds to attempts (the wrong entries of
// this showing of the dialog).
Attempt judgeAttempt(bool matches, int& attempts);

// What a resize or a window-state change of the main window leads to.
enum class RestoreAction {
  None,  // minimised, or not disguised: only the layout
  Ask,   // the yes/no question
  Unlock // the unlock dialog
};
RestoreAction restoreAction(bool minimised, bool alarmActive, bool passwordSet);

// After the unlock dialog has closed.
enum class AfterUnlock {
  Closing,    // the watchdog ends the program
  Reminimise, // cancelled or closed: back to the task bar, still disguised
  Restore     // right password: take the disguise off
};
AfterUnlock afterUnlock(bool forceClose, bool alarmActive);

// The states of the lock as the flags of the program describe them.
enum class LockState { Unprotected, Protected, Disguised, Locked, Closing };
LockState lockState(bool passwordSet, bool alarmActive, bool forceClose);

} // namespace slv::privacy
