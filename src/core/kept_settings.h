#pragma once
// What the member chose, kept from one start to the next: the checks a kept
// value passes before the program uses it, and the text it is kept as. A
// value that fails its check is ignored and its default stands; why tells
// the member, in a warning, what the value should have been.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace slv {

// The longest page address kept or taken back: browsers' own limits are far
// above what a forum page needs, and a file holding more is no page.
inline constexpr std::size_t kKeptAddressMax = 8192;

template <typename T> struct KeptValue {
  std::optional<T> value; // none: ignored
  std::string why;        // when ignored: what the value should be (Italian)
};

// A switch ("Lettura scura", "Avvisa dei nuovi messaggi", "Riapri le pagine
// dell'ultima volta"), kept as "true" or "false".
KeptValue<bool> keptSwitch(std::string_view text);
std::string keptSwitchText(bool on);

// A pane's zoom: a factor within the zoom rule's range (kZoomMin to
// kZoomMax), kept with a dot whatever the locale ("1.25").
KeptValue<double> keptZoom(std::string_view text);
std::string keptZoomText(double factor);

// The page a pane showed: a web address (http or https) on paneHost, the
// host that pane is configured for ("host" or "host:port", as the
// configuration gives it), at most kKeptAddressMax long, with no spaces or
// control characters. The same check decides whether a page is kept at all.
KeptValue<std::string> keptPage(std::string_view text, std::string_view paneHost);

} // namespace slv
