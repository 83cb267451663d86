#include "forums/forum_address.h"

#include "core/config.h"

namespace slv::forums {

std::string boardNumber(std::string_view entry) {
  // Count characters, not bytes: an accented letter is one character of the
  // board number even though it takes two bytes in UTF-8.
  std::size_t i = 0;
  for (int chars = 0; chars < 3 && i < entry.size(); ++chars) {
    ++i;
    while (i < entry.size() && (static_cast<unsigned char>(entry[i]) & 0xC0) == 0x80)
      ++i;
  }
  return std::string(entry.substr(0, i));
}

std::string forumPageAddress(const std::string& host, std::string_view entry) {
  return config::httpAddress(host, "/forum/viewforum.php?f=" + boardNumber(entry));
}

} // namespace slv::forums
