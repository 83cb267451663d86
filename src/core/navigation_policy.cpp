#include "core/navigation_policy.h"

#include <algorithm>
#include <cctype>

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

bool followNewWindow(std::string_view address, bool userInitiated) {
  if (address.empty() || isBlankDocument(address))
    return false;
  return navigationAllowed(
      address, userInitiated ? NavigationSource::LinkClick : NavigationSource::PageOther, true);
}

} // namespace slv
