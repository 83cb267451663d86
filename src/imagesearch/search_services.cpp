#include "imagesearch/search_services.h"

#include "core/config.h"
#include "slv_defaults.h"

namespace slv::imagesearch {

std::string googleHost() {
  return configValue("SLV_GOOGLE_HOST", SLV_DEFAULT_GOOGLE_HOST);
}
std::string yahooHost() {
  return configValue("SLV_YAHOO_HOST", SLV_DEFAULT_YAHOO_HOST);
}
std::string dittoHost() {
  return configValue("SLV_DITTO_HOST", SLV_DEFAULT_DITTO_HOST);
}
std::string calshopHost() {
  return configValue("SLV_CALSHOP_HOST", SLV_DEFAULT_CALSHOP_HOST);
}

std::string domainName(const std::string& host) {
  std::string d = host;
  if (d.rfind("www.", 0) == 0)
    d.erase(0, 4);
  if (const auto colon = d.find(':'); colon != std::string::npos)
    d.erase(colon);
  return d;
}

std::optional<std::string> shortcutAddress(int index) {
  switch (index) {
  case 5:
    return config::httpAddress(googleHost(), "/imghp?hl=it&tab=wi&q=");
  case 6:
    return config::httpAddress(yahooHost(), "/images");
  case 7:
    return config::httpAddress(dittoHost(), "");
  case 8:
    return config::httpAddress(calshopHost(), "/smiles/index.html");
  default:
    return std::nullopt;
  }
}

} // namespace slv::imagesearch
