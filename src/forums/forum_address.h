#pragma once
// The forum page a list entry leads to.
#include <string>
#include <string_view>

namespace slv::forums {

// The board number of a forum entry: its first three characters, verbatim
// (the whole text when it is shorter). Works on UTF-8 text by characters.
std::string boardNumber(std::string_view entry);

// "http://" + host + "/forum/viewforum.php?f=" + the entry's board number.
std::string forumPageAddress(const std::string& host, std::string_view entry);

} // namespace slv::forums
