#include "icy_metadata.h"

#include "cp1252.h"
#include "surface_gate.h"

#include <algorithm>

namespace slv {
namespace {

// Larger intervals than this are no station's (they send every few seconds).
constexpr std::size_t kMaxInterval = std::size_t{1} << 24;

struct CodePoint {
  char32_t value = 0;
  std::size_t length = 0; // 0: not valid UTF-8 here
};

// The character starting at `at`, if the bytes there are well-formed UTF-8
// (no overlong forms, no surrogates).
CodePoint decodeAt(std::string_view s, std::size_t at) {
  const auto lead = static_cast<unsigned char>(s[at]);
  if (lead < 0x80)
    return {lead, 1};
  const std::size_t len = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
  if (len == 0 || lead > 0xF4 || at + len > s.size())
    return {};
  char32_t cp = lead & (0x7F >> len);
  for (std::size_t k = 1; k < len; ++k) {
    const auto cont = static_cast<unsigned char>(s[at + k]);
    if ((cont & 0xC0) != 0x80)
      return {};
    cp = (cp << 6) | (cont & 0x3F);
  }
  constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
  if (cp < kLeast[len] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
    return {};
  return {cp, len};
}

bool validUtf8(std::string_view s) {
  for (std::size_t i = 0; i < s.size();) {
    const CodePoint c = decodeAt(s, i);
    if (c.length == 0)
      return false;
    i += c.length;
  }
  return true;
}

// Characters that would break a line or turn the text around where it shows.
bool unfit(char32_t c) {
  return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029 ||
         (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069) || c == 0xFEFF;
}

std::string fitToShow(std::string_view raw) {
  const std::string utf8 = validUtf8(raw) ? std::string(raw) : cp1252ToUtf8(raw);
  std::string out;
  bool blank = false;
  for (std::size_t i = 0; i < utf8.size();) {
    const CodePoint c = decodeAt(utf8, i);
    if (unfit(c.value) || c.value == ' ') {
      blank = !out.empty();
    } else {
      if (blank)
        out += ' ';
      blank = false;
      out.append(utf8, i, c.length);
    }
    i += c.length;
  }
  return plainDisplayText(out, IcyReader::kMaxTitleChars);
}

} // namespace

std::optional<std::size_t> icyInterval(std::string_view header) {
  while (!header.empty() && (header.front() == ' ' || header.front() == '\t'))
    header.remove_prefix(1);
  while (!header.empty() && (header.back() == ' ' || header.back() == '\t'))
    header.remove_suffix(1);
  if (header.empty())
    return std::nullopt;
  std::size_t n = 0;
  for (char c : header) {
    if (c < '0' || c > '9')
      return std::nullopt;
    n = n * 10 + static_cast<std::size_t>(c - '0');
    if (n > kMaxInterval)
      return std::nullopt;
  }
  if (n == 0)
    return std::nullopt;
  return n;
}

std::optional<std::string> icyStreamTitle(std::string_view block) {
  block = block.substr(0, block.find('\0'));
  // Fields one after the other: Key='value'; the value runs to the next "';",
  // since a title may hold an apostrophe; a value cut short runs to the end.
  std::size_t at = 0;
  while (at < block.size()) {
    const std::size_t eq = block.find('=', at);
    if (eq == std::string_view::npos)
      return std::nullopt;
    const std::string_view key = block.substr(at, eq - at);
    std::string_view value;
    std::size_t next;
    if (eq + 1 < block.size() && block[eq + 1] == '\'') {
      const std::size_t end = block.find("';", eq + 2);
      if (end == std::string_view::npos) {
        value = block.substr(eq + 2);
        if (!value.empty() && value.back() == '\'')
          value.remove_suffix(1);
        next = block.size();
      } else {
        value = block.substr(eq + 2, end - eq - 2);
        next = end + 2;
      }
    } else {
      const std::size_t end = std::min(block.find(';', eq + 1), block.size());
      value = block.substr(eq + 1, end - eq - 1);
      next = end + 1;
    }
    if (key == "StreamTitle")
      return fitToShow(value);
    at = next;
  }
  return std::nullopt;
}

bool IcyReader::feed(std::string_view bytes) {
  bool changed = false;
  while (!bytes.empty()) {
    if (interval_ == 0 || audioLeft_ > 0) {
      const std::size_t n = interval_ == 0 ? bytes.size() : std::min(audioLeft_, bytes.size());
      audioBytes_ += n;
      if (interval_ != 0)
        audioLeft_ -= n;
      bytes.remove_prefix(n);
    } else if (blockLeft_ == 0 && block_.empty()) {
      // The length byte.
      blockLeft_ = static_cast<unsigned char>(bytes.front()) * std::size_t{16};
      bytes.remove_prefix(1);
      if (blockLeft_ == 0)
        audioLeft_ = interval_;
      else
        block_.reserve(blockLeft_);
    } else {
      const std::size_t n = std::min(blockLeft_, bytes.size());
      block_.append(bytes.substr(0, n));
      blockLeft_ -= n;
      bytes.remove_prefix(n);
      if (blockLeft_ == 0) {
        const auto title = icyStreamTitle(block_);
        if (title && *title != title_) {
          title_ = *title;
          changed = true;
        }
        block_.clear();
        audioLeft_ = interval_;
      }
    }
  }
  return changed;
}

} // namespace slv
