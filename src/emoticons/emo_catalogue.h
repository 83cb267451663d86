#pragma once
// The emoticon sets. Four are built in: their names are fixed here and their
// pictures are numbered GIF files on a web host, one folder per set. The fifth,
// the personal set, comes from a file (PersonalFileRead.h).
#include <span>
#include <string>
#include <string_view>

namespace slv::emoticons {

inline constexpr int kSetCount = 5;
inline constexpr int kPersonalSet = 4;

// Caption of the set's button (sets 0 to 4); empty for any other number.
std::string_view setCaption(int set);
// Folder part of a built-in set (0 to 3), ending with "/"; empty otherwise.
std::string_view setFolder(int set);
// Names of a built-in set in list order; empty for the personal set or any
// other number. The name at list index i is picture number i + 1.
std::span<const std::string_view> setNames(int set);

// Address of the picture at list index `index` of a built-in set: base, folder,
// the number index + 1 in plain decimal, ".gif".
std::string imageAddress(std::string_view base, std::string_view folder, int index);
// The forum markup that shows a picture: "[img]" address "[/img]", no line end.
std::string imageTag(std::string_view address);

// Where the four folders are hosted, ending with "/". The host is configuration
// (SLV_EMO_HOST), as every host the program talks to.
std::string emoBaseAddress();

} // namespace slv::emoticons
