#include "unread_count.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <initializer_list>
#include <utility>

namespace slv {

namespace {

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}
bool isSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && isSpace(s.front()))
    s.remove_prefix(1);
  while (!s.empty() && isSpace(s.back()))
    s.remove_suffix(1);
  return s;
}

std::string lower(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

// Reads the digits at the start of s; none, or more than a count can be: nothing.
std::optional<int> leadingNumber(std::string_view& s) {
  std::size_t n = 0;
  long value = 0;
  while (n < s.size() && isDigit(s[n])) {
    value = value * 10 + (s[n] - '0');
    if (value > kMostUnread)
      return std::nullopt;
    ++n;
  }
  if (n == 0)
    return std::nullopt;
  s.remove_prefix(n);
  return static_cast<int>(value);
}

// A badge's text: "2", "(2)", "[2]", "99+"; anything else is not a count.
std::optional<int> badgeNumber(std::string_view text) {
  std::string_view s = trimmed(text);
  char close = 0;
  if (!s.empty() && (s.front() == '(' || s.front() == '[')) {
    close = s.front() == '(' ? ')' : ']';
    s = trimmed(s.substr(1));
  }
  const auto n = leadingNumber(s);
  if (!n)
    return std::nullopt;
  if (!s.empty() && s.front() == '+')
    s.remove_prefix(1);
  s = trimmed(s);
  if (close != 0) {
    if (s.empty() || s.front() != close)
      return std::nullopt;
    s = trimmed(s.substr(1));
  }
  return s.empty() ? n : std::nullopt;
}

// An address as far as the count needs it: names and values lowercased.
struct Address {
  std::string scheme;
  std::string host; // with a port other than the scheme's own
  std::string path;
  std::vector<std::pair<std::string, std::string>> query;
};

std::string withoutDefaultPort(std::string_view host, std::string_view scheme) {
  const std::string_view port = scheme == "https" ? ":443" : ":80";
  if (host.size() > port.size() && host.ends_with(port))
    host.remove_suffix(port.size());
  return std::string(host);
}

// Web addresses only; anything else is none.
std::optional<Address> parseAddress(std::string_view href) {
  const std::string h = lower(trimmed(href));
  const auto schemeEnd = h.find("://");
  if (schemeEnd == std::string::npos)
    return std::nullopt;
  Address a;
  a.scheme = h.substr(0, schemeEnd);
  if (a.scheme != "http" && a.scheme != "https")
    return std::nullopt;
  std::string_view rest = std::string_view(h).substr(schemeEnd + 3);
  rest = rest.substr(0, rest.find('#'));
  const auto authorityEnd = rest.find_first_of("/?");
  std::string_view authority = rest.substr(0, authorityEnd);
  if (const auto at = authority.rfind('@'); at != std::string_view::npos)
    authority.remove_prefix(at + 1);
  a.host = withoutDefaultPort(authority, a.scheme);
  rest = authorityEnd == std::string_view::npos ? std::string_view() : rest.substr(authorityEnd);
  const auto queryStart = rest.find('?');
  const std::string_view path = rest.substr(0, queryStart);
  a.path = std::string(path.empty() ? std::string_view("/") : path);
  if (queryStart == std::string_view::npos)
    return a;
  std::string_view query = rest.substr(queryStart + 1);
  while (!query.empty()) {
    const std::string_view item = query.substr(0, query.find('&'));
    query.remove_prefix(std::min(query.size(), item.size() + 1));
    if (item.empty())
      continue;
    const auto eq = item.find('=');
    a.query.emplace_back(std::string(item.substr(0, eq)), eq == std::string_view::npos
                                                              ? std::string()
                                                              : std::string(item.substr(eq + 1)));
  }
  return a;
}

bool onHost(const Address& a, std::string_view host) {
  return !host.empty() && a.host == withoutDefaultPort(lower(host), a.scheme);
}

bool hasParameter(const Address& a, std::string_view name, std::string_view value) {
  return std::any_of(a.query.begin(), a.query.end(),
                     [&](const auto& p) { return p.first == name && p.second == value; });
}

// Every parameter is one of names: the page itself, not another page of it.
bool onlyParameters(const Address& a, std::initializer_list<std::string_view> names) {
  return std::all_of(a.query.begin(), a.query.end(), [&](const auto& p) {
    return std::find(names.begin(), names.end(), p.first) != names.end();
  });
}

// The page at place itself: a folder ("/msg/") is its own page with or
// without the slash, or its index file; nothing below it.
bool isPlace(const Address& a, std::string_view place) {
  const std::string p = lower(place);
  if (p.empty())
    return false;
  if (p.back() != '/' || p.size() == 1)
    return a.path == p;
  const std::string dir = p.substr(0, p.size() - 1);
  for (std::string_view own : {"", "/", "/index.php", "/index.html", "/index.htm"})
    if (a.path == dir + std::string(own))
      return true;
  return false;
}

// The private messages' page itself, on the portal: "?i=pm" (in a folder of
// them perhaps), or the messages' place. A session's id may come along.
bool isMessagesPage(const Address& a, const PortalPlaces& portal) {
  if (!onHost(a, portal.host))
    return false;
  if (hasParameter(a, "i", "pm"))
    return onlyParameters(a, {"i", "folder", "sid"});
  return isPlace(a, portal.messagesPath) && onlyParameters(a, {"sid"});
}

bool isIndexPage(const Address& a, const PortalPlaces& portal) {
  return onHost(a, portal.host) && isPlace(a, portal.indexPath) && onlyParameters(a, {"sid"});
}

std::optional<int> titleNumber(std::string_view title) {
  std::string_view s = trimmed(title);
  if (s.empty() || s.front() != '(')
    return std::nullopt;
  const auto close = s.find(')');
  if (close == std::string_view::npos)
    return std::nullopt;
  return badgeNumber(s.substr(0, close + 1));
}

// "N nuovi messaggi", "1 nuovo messaggio", "N new messages" anywhere in the text.
std::optional<int> sentenceNumber(std::string_view text) {
  static constexpr std::array<std::string_view, 4> kWords{"nuovi messaggi", "nuovo messaggio",
                                                          "new messages", "new message"};
  const std::string t = lower(text);
  const std::string_view all(t);
  for (std::size_t at = 0; at < all.size(); ++at) {
    if (!isDigit(all[at]) || (at > 0 && (isDigit(all[at - 1]) || all[at - 1] == '-')))
      continue;
    std::string_view rest = all.substr(at);
    const auto n = leadingNumber(rest);
    if (!n || rest.empty() || !isSpace(rest.front()))
      continue;
    rest = trimmed(rest);
    for (std::string_view w : kWords)
      if (rest.substr(0, w.size()) == w)
        return n;
  }
  return std::nullopt;
}

} // namespace

std::optional<int> unreadCount(const PageTexts& page, const PortalPlaces& portal) {
  for (const PageTexts::Link& link : page.links) {
    if (link.hidden)
      continue;
    const auto address = parseAddress(link.href);
    if (!address || !isMessagesPage(*address, portal))
      continue;
    // The header's link: whatever it shows ends the search.
    for (const PageTexts::Element& e : link.elements)
      if (!e.hidden)
        if (const auto n = badgeNumber(e.text))
          return n;
    if (const auto n = sentenceNumber(link.text))
      return n;
    return 0;
  }
  // No header: only the board's own pages tell it otherwise, never a topic's.
  const auto address = parseAddress(page.address);
  if (!address || !(isMessagesPage(*address, portal) || isIndexPage(*address, portal)))
    return std::nullopt;
  if (const auto n = titleNumber(page.title))
    return n;
  return sentenceNumber(page.text);
}

std::string unreadBadge(int count) {
  if (count <= 0)
    return {};
  return count > 99 ? "99+" : std::to_string(count);
}

std::string unreadSummary(int count) {
  if (count == 1)
    return "1 nuovo messaggio privato";
  return std::to_string(count) + " nuovi messaggi privati";
}

UnreadTally::Step UnreadTally::reading(std::optional<int> count) {
  if (!count)
    return {};
  const int before = shown();
  const bool rose = *count > count_ && *count > seen_;
  count_ = *count;
  // Fewer than the member saw: those were read, the rest are still seen.
  if (count_ < seen_)
    seen_ = count_;
  return {shown() != before, rose};
}

UnreadTally::Step UnreadTally::opened() {
  const int before = shown();
  seen_ = count_;
  return {shown() != before, false};
}

CheckInterval messagesCheckInterval(std::string_view value) {
  std::string_view s = trimmed(value);
  if (s.empty())
    return {};
  long seconds = 0;
  for (char c : s) {
    if (!isDigit(c))
      return {300, false};
    seconds = seconds * 10 + (c - '0');
    if (seconds > 86400)
      return {300, false};
  }
  return {static_cast<int>(seconds), true};
}

} // namespace slv
