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

std::string httpAddress(const std::string& host, const std::string& path) {
  return "http://" + host + path;
}
} // namespace config

} // namespace slv
