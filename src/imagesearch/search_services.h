#pragma once
// The four image-search services behind the shortcut buttons. Each host is
// configuration with one environment variable.
#include <optional>
#include <string>

namespace slv::imagesearch {

std::string googleHost();  // SLV_GOOGLE_HOST
std::string yahooHost();   // SLV_YAHOO_HOST
std::string dittoHost();   // SLV_DITTO_HOST
std::string calshopHost(); // SLV_CALSHOP_HOST

// The domain name of a host as people say it: without "www." and without a port.
std::string domainName(const std::string& host);

// The page a shortcut button opens (elements 5 to 8); nothing for any other.
std::optional<std::string> shortcutAddress(int index);

} // namespace slv::imagesearch
