#include "config.h"

#include <cstdlib>

namespace slv {

std::string configValue(const char* envName, const char* fallback) {
  const char* v = std::getenv(envName);
  if (v != nullptr && *v != '\0')
    return v;
  return fallback;
}

namespace config {
std::string portalHost() { return configValue("SLV_PORTAL_HOST", "www.portale.example"); }
std::string mailHost() { return configValue("SLV_MAIL_HOST", "webmail.portale.example"); }
std::string makerHost() { return configValue("SLV_MAKER_HOST", "www.norvalis.example"); }

std::string httpAddress(const std::string& host, const std::string& path) {
  return "http://" + host + path;
}
} // namespace config

} // namespace slv
