#include "core/navigation_policy.h"

#include <algorithm>
#include <cctype>
#include <optional>

namespace slv {

namespace {

bool isOneOf(const std::string& scheme, std::initializer_list<std::string_view> list) {
  return std::find(list.begin(), list.end(), scheme) != list.end();
}

// Schemes the browser engine handles itself and that reach local files, run
// script in the page's name or show the engine's own pages.
bool isLocalOrInternal(const std::string& scheme) {
  return isOneOf(scheme,
                 {"file", "filesystem", "javascript", "view-source", "chrome", "chrome-untrusted",
                  "chrome-error", "chrome-extension", "devtools", "qrc"});
}

// "about:blank" or "about:srcdoc", whatever follows a '?' or '#'.
bool isBlankDocument(std::string_view address) {
  std::string a(address.substr(0, address.find_first_of("?#")));
  std::transform(a.begin(), a.end(), a.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return a == "about:blank" || a == "about:srcdoc";
}

std::string lowered(std::string_view s) {
  std::string out(s);
  std::transform(out.begin(), out.end(), out.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return out;
}

// A host and its port; port 0 is the scheme's usual one.
struct Site {
  std::string host;
  int port = 0;
  bool operator==(const Site&) const = default;
};

// The site of an address's authority, the part after "//": any user name
// before the last '@' is dropped. None when it holds no readable host.
std::optional<Site> siteOf(std::string_view authority, int usualPort) {
  // Browsers end the authority at a backslash as at a slash.
  authority = authority.substr(0, authority.find_first_of("/?#\\"));
  if (const auto at = authority.rfind('@'); at != std::string_view::npos)
    authority = authority.substr(at + 1);
  std::string_view host = authority;
  std::string_view port;
  const auto close = authority.rfind(']'); // an IPv6 address holds colons of its own
  const auto colon = authority.rfind(':');
  if (colon != std::string_view::npos && (close == std::string_view::npos || colon > close)) {
    host = authority.substr(0, colon);
    port = authority.substr(colon + 1);
  }
  Site site{lowered(host)};
  if (site.host.size() > 1 && site.host.back() == '.')
    site.host.pop_back();
  if (site.host.empty() || port.size() > 5)
    return std::nullopt;
  for (const char c : port) {
    if (!std::isdigit(static_cast<unsigned char>(c)))
      return std::nullopt;
    site.port = site.port * 10 + (c - '0');
  }
  if (site.port == usualPort)
    site.port = 0;
  return site;
}

// The site of a web address, or of a configured host (which the program
// reaches as "http://" + host).
std::optional<Site> webSiteOf(std::string_view address, bool bareHost) {
  const std::string scheme = schemeOf(address);
  // "host:8080" reads as a scheme without the slashes that follow one.
  if (scheme.empty() || address.substr(scheme.size() + 1, 2) != "//")
    return bareHost ? siteOf(address, 80) : std::nullopt;
  if (scheme != "http" && scheme != "https")
    return std::nullopt;
  return siteOf(address.substr(scheme.size() + 3), scheme == "http" ? 80 : 443);
}

} // namespace

std::string schemeOf(std::string_view address) {
  // A scheme is a letter followed by letters, digits, '+', '-' or '.', then ':'.
  const auto colon = address.find(':');
  if (colon == std::string_view::npos || colon == 0)
    return {};
  const std::string_view s = address.substr(0, colon);
  if (!std::isalpha(static_cast<unsigned char>(s[0])))
    return {};
  for (const char c : s) {
    const auto u = static_cast<unsigned char>(c);
    if (!std::isalnum(u) && c != '+' && c != '-' && c != '.')
      return {};
  }
  // A single letter is a drive ("C:\..."), not a scheme.
  if (s.size() == 1)
    return {};
  std::string out(s);
  std::transform(out.begin(), out.end(), out.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return out;
}

bool navigationAllowed(std::string_view address, NavigationSource source, bool mainFrame) {
  if (source == NavigationSource::Typed || source == NavigationSource::History)
    return true;
  const std::string scheme = schemeOf(address);
  if (scheme == "http" || scheme == "https" || scheme == "blob")
    return true;
  // Empty documents only: other about: addresses are the engine's own pages.
  if (scheme == "about")
    return isBlankDocument(address);
  // The engine refuses top-level data: pages from a page; frames may hold them.
  if (scheme == "data")
    return !mainFrame;
  if (scheme.empty() || isLocalOrInternal(scheme))
    return false;
  // Any other scheme goes to another program (mail, telephone...): only a
  // click on a link of the page itself may ask for that.
  return source == NavigationSource::LinkClick && mainFrame;
}

bool isOtherSite(std::string_view address, const std::vector<std::string>& ownSites) {
  const std::string scheme = schemeOf(address);
  if (scheme != "http" && scheme != "https")
    return false;
  // A web address whose host cannot be read is no site of ours.
  const std::optional<Site> site = webSiteOf(address, false);
  if (!site)
    return true;
  return std::none_of(ownSites.begin(), ownSites.end(),
                      [&](const std::string& own) { return webSiteOf(own, true) == site; });
}

bool followNewWindow(std::string_view address, bool userInitiated) {
  if (address.empty() || isBlankDocument(address))
    return false;
  return navigationAllowed(
      address, userInitiated ? NavigationSource::LinkClick : NavigationSource::PageOther, true);
}

} // namespace slv
