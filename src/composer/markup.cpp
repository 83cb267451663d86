#include "composer/markup.h"

namespace slv::composer {

std::string formatted(int size, std::string_view color, bool bold, bool italic, bool underline,
                      std::string_view text) {
  const bool colored = color != kNoColor;
  std::string s = "[size=" + std::to_string(size) + "]";
  if (colored) {
    s += "[color=";
    s += color;
    s += "]";
  }
  if (bold)
    s += "[b]";
  if (italic)
    s += "[i]";
  if (underline)
    s += "[u]";
  s += text;
  if (bold)
    s += "[/b]";
  if (italic)
    s += "[/i]";
  if (underline)
    s += "[/u]";
  if (colored)
    s += "[/color]";
  s += "[/size]";
  return s;
}

std::optional<std::string> list(int listType, const std::vector<std::string>& items) {
  const char* opening = nullptr;
  switch (listType) {
  case 1:
    opening = "[List=1]";
    break;
  case 2:
    opening = "[List=a]";
    break;
  case 3:
    opening = "[List]";
    break;
  default:
    return std::nullopt;
  }
  std::string s = opening;
  s += '\r';
  for (const auto& item : items) {
    s += "[*]";
    s += item;
    s += '\r';
  }
  s += "[/List]\r";
  return s;
}

std::string quote(std::string_view text, std::string_view author) {
  std::string s = "[quote";
  if (!author.empty()) {
    s += "=\"";
    s += author;
    s += "\"";
  }
  s += "]";
  s += text;
  s += "[/quote]";
  return s;
}

std::string link(std::string_view address, std::string_view text) {
  std::string s = "[url=";
  s += address;
  s += "]";
  s += text;
  s += "[/url]";
  return s;
}

std::string image(std::string_view address) {
  std::string s = "[img]";
  s += address;
  s += "[/img]";
  return s;
}

bool isWebAddress(std::string_view text) {
  constexpr std::string_view prefix = "http://";
  if (text.size() <= prefix.size())
    return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    char c = text[i];
    if (c >= 'A' && c <= 'Z')
      c = static_cast<char>(c - 'A' + 'a');
    if (c != prefix[i])
      return false;
  }
  return true;
}

} // namespace slv::composer
