#pragma once
// Reading the personal emoticon file: records of two fields, a name and the
// full address of its picture, in the program's data-file syntax.
#include <string>
#include <string_view>
#include <vector>

namespace slv::emoticons {

inline constexpr std::string_view kPersonalFileName = "Personali.et2";

struct PersonalSet {
  std::vector<std::string> names;      // one per record, in file order
  std::vector<std::string> addresses;  // addresses[k] belongs to names[k]
  // false when the file could not be read whole, or its last name has no
  // address (then names holds one item more than addresses). What was read
  // before the problem is kept either way.
  bool ok = true;
};

// The set held by the bytes of a personal file.
PersonalSet parsePersonalSet(std::string_view bytes);
// The set held by the file at `path` (UTF-8). A missing file gives an empty set that is
// not ok; reading never creates the file.
PersonalSet readPersonalSet(const std::string& path);

} // namespace slv::emoticons
