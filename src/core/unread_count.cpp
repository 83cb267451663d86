#include "unread_count.h"

#include <array>
#include <cctype>

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

bool linksToMessages(std::string_view href, std::string_view messagesPath) {
  const std::string h = lower(href);
  if (h.find("i=pm") != std::string::npos)
    return true;
  const auto scheme = h.find("://");
  const auto slash = h.find('/', scheme == std::string::npos ? 0 : scheme + 3);
  if (slash == std::string::npos || messagesPath.empty())
    return false;
  std::string_view path = std::string_view(h).substr(slash);
  path = path.substr(0, path.find_first_of("?#"));
  std::string_view dir = messagesPath;
  if (dir.size() > 1 && dir.back() == '/')
    dir.remove_suffix(1);
  return path.substr(0, dir.size()) == dir &&
         (path.size() == dir.size() || path[dir.size()] == '/');
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

std::optional<int> unreadCount(const PageTexts& page, std::string_view messagesPath) {
  bool hiddenBadge = false;
  for (const PageTexts::Link& link : page.links) {
    if (!linksToMessages(link.href, messagesPath))
      continue;
    for (const PageTexts::Element& e : link.elements) {
      if (e.hidden || trimmed(e.text).empty()) {
        hiddenBadge = true;
        continue;
      }
      if (const auto n = badgeNumber(e.text))
        return n;
    }
  }
  if (const auto n = titleNumber(page.title))
    return n;
  if (const auto n = sentenceNumber(page.text))
    return n;
  if (hiddenBadge)
    return 0;
  return std::nullopt;
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
