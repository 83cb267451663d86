#pragma once
// The fixed pages of the other pages panel.
#include <optional>
#include <string>

namespace slv::browse {

// The personal home page behind "SKY FOR ALL", on its own free web-hosting
// host; SLV_HOMEPAGE_URL overrides the whole address.
std::string homePageAddress();

// The page that button element index loads into the forum pane (elements 0
// to 5); nothing for any other index.
std::optional<std::string> pageAddress(int index);

} // namespace slv::browse
