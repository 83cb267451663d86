#include "core/asx.h"

#include <cctype>

namespace slv::asx {

namespace {

char lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }
bool space(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

std::string lowered(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    c = lower(c);
  return out;
}

bool startsWithNoCase(std::string_view s, std::string_view prefix) {
  if (s.size() < prefix.size())
    return false;
  for (std::size_t i = 0; i < prefix.size(); ++i)
    if (lower(s[i]) != lower(prefix[i]))
      return false;
  return true;
}

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && space(s.front()))
    s.remove_prefix(1);
  while (!s.empty() && space(s.back()))
    s.remove_suffix(1);
  return s;
}

std::string decodeEntities(std::string_view s) {
  static const std::pair<std::string_view, char> entities[] = {
      {"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&apos;", '\''}};
  std::string out;
  for (std::size_t i = 0; i < s.size();) {
    bool done = false;
    if (s[i] == '&')
      for (const auto& [name, ch] : entities)
        if (startsWithNoCase(s.substr(i), name)) {
          out += ch;
          i += name.size();
          done = true;
          break;
        }
    if (!done)
      out += s[i++];
  }
  return out;
}

// One markup tag: its lower-case name ("entry", "/entry", "ref"...) and the
// text between the name and the closing '>'.
struct Tag {
  std::string name;
  std::string_view attributes;
};

// Reads the tag that starts at text[pos] == '<' and moves pos past it.
// Quoted values may hold '>'. Comments come back with the name "!--".
std::optional<Tag> readTag(std::string_view text, std::size_t& pos) {
  if (text.compare(pos, 4, "<!--") == 0) {
    const std::size_t end = text.find("-->", pos + 4);
    pos = end == std::string_view::npos ? text.size() : end + 3;
    return Tag{"!--", {}};
  }
  std::size_t i = pos + 1;
  const std::size_t nameStart = i;
  while (i < text.size() && !space(text[i]) && text[i] != '>' && !(text[i] == '/' && i > nameStart))
    ++i;
  Tag tag{lowered(text.substr(nameStart, i - nameStart)), {}};
  const std::size_t attrStart = i;
  char quote = 0;
  for (; i < text.size(); ++i) {
    if (quote != 0) {
      if (text[i] == quote)
        quote = 0;
    } else if (text[i] == '"' || text[i] == '\'') {
      quote = text[i];
    } else if (text[i] == '>') {
      break;
    }
  }
  if (i >= text.size())
    return std::nullopt;  // the text ends inside a tag
  tag.attributes = text.substr(attrStart, i - attrStart);
  pos = i + 1;
  return tag;
}

// The value of attribute `name` (lower case) inside a tag's attribute text.
std::optional<std::string> attribute(std::string_view attrs, std::string_view name) {
  std::size_t i = 0;
  while (i < attrs.size()) {
    while (i < attrs.size() && (space(attrs[i]) || attrs[i] == '/'))
      ++i;
    const std::size_t keyStart = i;
    while (i < attrs.size() && !space(attrs[i]) && attrs[i] != '=' && attrs[i] != '/')
      ++i;
    const std::string key = lowered(attrs.substr(keyStart, i - keyStart));
    while (i < attrs.size() && space(attrs[i]))
      ++i;
    if (i >= attrs.size() || attrs[i] != '=') {
      if (key.empty() && i < attrs.size())
        ++i;  // a stray character; step over it
      continue;
    }
    ++i;
    while (i < attrs.size() && space(attrs[i]))
      ++i;
    std::string_view value;
    if (i < attrs.size() && (attrs[i] == '"' || attrs[i] == '\'')) {
      const char q = attrs[i++];
      const std::size_t end = attrs.find(q, i);
      const std::size_t stop = end == std::string_view::npos ? attrs.size() : end;
      value = attrs.substr(i, stop - i);
      i = stop + 1;
    } else {
      const std::size_t start = i;
      while (i < attrs.size() && !space(attrs[i]))
        ++i;
      value = attrs.substr(start, i - start);
      // A bare value right before "/>" does not own the slash.
      if (i == attrs.size() && !value.empty() && value.back() == '/')
        value.remove_suffix(1);
    }
    if (key == name)
      return decodeEntities(trimmed(value));
  }
  return std::nullopt;
}

// An address with a line break or another control character in it names no
// stream; a damaged playlist must not hand such text to the player.
bool usableAddress(std::string_view s) {
  if (s.empty())
    return false;
  for (char c : s)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
      return false;
  return true;
}

std::optional<std::string> fromXml(std::string_view text) {
  bool inPlaylist = false;
  bool inEntry = false;
  for (std::size_t pos = text.find('<'); pos != std::string_view::npos; pos = text.find('<', pos)) {
    const std::optional<Tag> tag = readTag(text, pos);
    if (!tag)
      break;
    if (tag->name == "asx")
      inPlaylist = true;
    else if (tag->name == "/asx")
      inPlaylist = false;
    else if (tag->name == "entry")
      inEntry = true;
    else if (tag->name == "/entry")
      inEntry = false;
    else if (inPlaylist && inEntry && tag->name == "ref")
      if (auto href = attribute(tag->attributes, "href"); href && usableAddress(*href))
        return href;
  }
  return std::nullopt;
}

std::optional<std::string> fromIni(std::string_view text) {
  bool inReference = false;
  std::optional<std::string> first;
  while (!text.empty()) {
    const std::size_t eol = text.find_first_of("\r\n");
    std::string_view line = trimmed(text.substr(0, eol));
    text.remove_prefix(eol == std::string_view::npos ? text.size() : eol + 1);
    if (line.substr(0, 3) == "\xEF\xBB\xBF")
      line = trimmed(line.substr(3));
    if (!line.empty() && line.front() == '[') {
      inReference = lowered(line) == "[reference]";
      continue;
    }
    const std::size_t eq = line.find('=');
    if (!inReference || eq == std::string_view::npos)
      continue;
    const std::string key = lowered(trimmed(line.substr(0, eq)));
    const std::string_view value = trimmed(line.substr(eq + 1));
    if (key.size() < 4 || key.rfind("ref", 0) != 0 ||
        key.find_first_not_of("0123456789", 3) != std::string::npos || !usableAddress(value))
      continue;
    if (key == "ref1")
      return std::string(value);
    if (!first)
      first = std::string(value);
  }
  return first;
}

} // namespace

bool isPlaylistAddress(std::string_view address) {
  const std::size_t cut = address.find_first_of("?#");
  const std::string_view path = address.substr(0, cut);
  return path.size() >= 4 && lowered(path.substr(path.size() - 4)) == ".asx" &&
         path.find("://") != std::string_view::npos;
}

std::optional<std::string> firstReference(std::string_view playlist) {
  if (auto r = fromXml(playlist))
    return r;
  return fromIni(playlist);
}

std::string playableAddress(const std::string& reference) {
  for (std::string_view scheme : {"mmsh://", "mms://"})
    if (startsWithNoCase(reference, scheme))
      return "http://" + reference.substr(scheme.size());
  return reference;
}

} // namespace slv::asx
