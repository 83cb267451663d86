#include "core/kept_settings.h"

#include "core/navigation_policy.h"
#include "core/zoom_steps.h"

#include <array>
#include <charconv>
#include <cmath>

namespace slv {

namespace {
// A factor written by hand may carry rounding at either end of the range.
constexpr double kZoomSlack = 1e-9;
} // namespace

KeptValue<bool> keptSwitch(std::string_view text) {
  if (text == "true")
    return {true, {}};
  if (text == "false")
    return {false, {}};
  return {std::nullopt, "vuole true o false"};
}

std::string keptSwitchText(bool on) {
  return on ? "true" : "false";
}

KeptValue<double> keptZoom(std::string_view text) {
  const std::string why = "vuole uno zoom da " + keptZoomText(kZoomMin) + " a " +
                          keptZoomText(kZoomMax) + " (1 è la pagina com'è)";
  double factor = 0;
  const char* end = text.data() + text.size();
  // Plain decimals only: no sign, no exponent, no "nan" or "inf".
  const auto [ptr, ec] = std::from_chars(text.data(), end, factor, std::chars_format::fixed);
  if (text.empty() || ec != std::errc() || ptr != end || text.front() == '-' ||
      text.front() == '+' || !std::isfinite(factor))
    return {std::nullopt, why};
  if (factor < kZoomMin - kZoomSlack || factor > kZoomMax + kZoomSlack)
    return {std::nullopt, why};
  return {factor, {}};
}

std::string keptZoomText(double factor) {
  std::array<char, 32> buf{};
  const auto [ptr, ec] = std::to_chars(buf.data(), buf.data() + buf.size(), factor);
  return ec == std::errc() ? std::string(buf.data(), ptr) : std::string("1");
}

KeptValue<std::string> keptPage(std::string_view text, std::string_view paneHost) {
  if (text.size() > kKeptAddressMax)
    return {std::nullopt, "vuole l'indirizzo di una pagina, non più lungo di " +
                              std::to_string(kKeptAddressMax) + " caratteri"};
  for (const char c : text)
    if (static_cast<unsigned char>(c) <= ' ' || c == 0x7f)
      return {std::nullopt, "vuole un indirizzo senza spazi né caratteri di controllo"};
  const std::string scheme = schemeOf(text);
  if (scheme != "http" && scheme != "https")
    return {std::nullopt, "vuole un indirizzo web (http o https)"};
  // A page of the pane's own site: what isOtherSite does not send out.
  if (paneHost.empty() || isOtherSite(text, {std::string(paneHost)}))
    return {std::nullopt, "vuole una pagina di " + std::string(paneHost)};
  return {std::string(text), {}};
}

} // namespace slv
