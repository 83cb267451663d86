#pragma once
// The forum's square-bracket markup built from the composer's fields. Pure
// functions of the values the user chose; texts are UTF-8, kept as typed.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace slv::composer {

// The "Dimensioni" buttons, top to bottom: caption and point size.
struct SizeChoice {
  const char* caption;
  int points;
};
inline constexpr std::array<SizeChoice, 5> kSizes{
    {{"minuscolo", 7}, {"piccolo", 9}, {"normale", 12}, {"largo", 18}, {"enorme", 24}}};
inline constexpr int kStartSizeIndex = 2;

// The colour buttons: Italian name (tooltip), button colour 0x00BBGGRR and the
// keyword the forum understands. Element 0 means "no colour tag".
struct ColorChoice {
  const char* name;
  std::uint32_t bgr;
  const char* keyword;
};
inline constexpr std::array<ColorChoice, 15> kColors{{
    {"Default", 0x00FFC0C0, "Default"},
    {"Rosso Scuro", 0x000000C0, "darkred"},
    {"Rosso", 0x000000FF, "red"},
    {"Arancione", 0x000080FF, "orange"},
    {"Marrone", 0x00004080, "brown"},
    {"Giallo", 0x0000FFFF, "yellow"},
    {"Verde", 0x0000FF00, "green"},
    {"Oliva", 0x00008080, "olive"},
    {"Verde Acqua", 0x00FFFF00, "cyan"},
    {"Blu", 0x00FF0000, "blue"},
    {"Blu Scuro", 0x00800000, "darkblue"},
    {"Indaco", 0x00FF8080, "indigo"},
    {"Violetto", 0x00C000C0, "violet"},
    {"Bianco", 0x00FFFFFF, "white"},
    {"Nero", 0x00000000, "black"},
}};
inline constexpr std::string_view kNoColor = "Default";

// Formatted text. The size tag is always there and always outermost; the
// style tags close in the order they were opened (b, i, u), as the forum's
// own editor writes them.
std::string formatted(int size, std::string_view color, bool bold, bool italic, bool underline,
                      std::string_view text);

// List types as chosen by the type buttons: 1 numbered, 2 lettered, 3 bulleted.
// Lines end with a single carriage return, the last one after "[/List]".
// Empty when no type has been chosen (0) or the type is unknown.
std::optional<std::string> list(int listType, const std::vector<std::string>& items);

// A quotation; an empty author leaves the "=" and the quotation marks out.
std::string quote(std::string_view text, std::string_view author);
std::string link(std::string_view address, std::string_view text);
std::string image(std::string_view address);

// The address test of the link and image modes: longer than 7 characters and
// beginning with "http://" in any letter case. Nothing is trimmed.
bool isWebAddress(std::string_view text);

} // namespace slv::composer
