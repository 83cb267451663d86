#include "config.h"

#include "slv_defaults.h"

#include <cstdlib>

namespace slv {

std::string configValue(const char* envName, const char* fallback) {
  const char* v = std::getenv(envName);
  if (v != nullptr && *v != '\0')
    return v;
  return fallback;
}

namespace config {
std::string portalHost() {
  return configValue("SLV_PORTAL_HOST", SLV_DEFAULT_PORTAL_HOST);
}
std::string mailHost() {
  return configValue("SLV_MAIL_HOST", SLV_DEFAULT_MAIL_HOST);
}
std::string makerHost() {
  return configValue("SLV_MAKER_HOST", SLV_DEFAULT_MAKER_HOST);
}

std::vector<std::string> ownSites() {
  return {portalHost(),
          mailHost(),
          makerHost(),
          configValue("SLV_EMO_HOST", SLV_DEFAULT_EMO_HOST),
          configValue("SLV_LATTEMIELE_HOST", SLV_DEFAULT_LATTEMIELE_HOST),
          configValue("SLV_RADIOITALIA_HOST", SLV_DEFAULT_RADIOITALIA_HOST),
          configValue("SLV_HOMEPAGE_URL", SLV_DEFAULT_HOMEPAGE_URL)};
}

std::string httpAddress(const std::string& host, const std::string& path) {
  return "http://" + host + path;
}
} // namespace config

} // namespace slv
