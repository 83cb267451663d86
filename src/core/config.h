#pragma once
// Host names the program talks to. Each has a compiled-in default and one
// environment variable that overrides it (the demo and the tests point the
// program at a local portal this way). What the member chooses in the menus
// is kept apart (desktop/KeptSettings).
#include <string>
#include <vector>

namespace slv {

// The value of the environment variable envName when it is set and not empty,
// otherwise fallback.
std::string configValue(const char* envName, const char* fallback);

namespace config {
std::string portalHost();  // forum, private messages, login pages
std::string mailHost();    // web mail
std::string makerHost();   // the maker's site (help page)

// The program's own sites, as configured: the portal, the web mail, the
// maker, the emoticon pictures, the radio stations and the home page's
// address. Links to any other site go to the member's browser.
std::vector<std::string> ownSites();

// "http://" + host + path, the way the program builds every portal address.
std::string httpAddress(const std::string& host, const std::string& path);
} // namespace config

} // namespace slv
