#pragma once
// The masked text boxes of the two password dialogs, and how a password is
// kept and dropped: in memory only, never copied out, overwritten when it goes.
#include <QLineEdit>
#include <QString>
#include <cstdint>
#include <string_view>

namespace slv::privacy {

// The mask character of every password box.
inline constexpr char16_t kMask = u'\u2022';

// A box that shows "•" for every character, takes at most 14, and lets
// nothing of its text out: no copy, cut, drag or context menu.
QLineEdit* passwordBox(QWidget* parent, int left, int top, int width, int height,
                       std::uint32_t foreBgr);

// Overwrites the characters of the string in place, then empties it. Copies
// that share the buffer see the blanks too, which is the point.
void wipe(QString& s);
// Empties a password box, overwriting its text first.
void wipeBox(QLineEdit* box);
// Sets the lock password from a box's text, on a buffer of its own so that
// wiping the box does not touch it and wiping it does not touch the box.
void setPassword(QString& password, const QString& text);

inline std::u16string_view view(const QString& s) {
  return {reinterpret_cast<const char16_t*>(s.utf16()), static_cast<std::size_t>(s.size())};
}

} // namespace slv::privacy
