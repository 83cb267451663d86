#include "browse/other_pages.h"

#include "core/config.h"
#include "slv_defaults.h"

namespace slv::browse {

std::string homePageAddress() {
  return configValue("SLV_HOMEPAGE_URL", SLV_DEFAULT_HOMEPAGE_URL);
}

std::optional<std::string> pageAddress(int index) {
  const char* path = nullptr;
  switch (index) {
  case 0:
    path = "/login.php";
    break;
  case 1:
    path = "/forum/";
    break;
  case 2:
    path = "/forum/viewonline.php";
    break;
  case 3:
    path = "/forum/search.php";
    break;
  case 4:
    return homePageAddress();
  case 5:
    path = "/disclaimer.php";
    break;
  default:
    return std::nullopt;
  }
  return config::httpAddress(config::portalHost(), path);
}

} // namespace slv::browse
