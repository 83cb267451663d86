// The image-search services behind the shortcut buttons.
#include "imagesearch/search_services.h"

#include <gtest/gtest.h>

using namespace slv::imagesearch;

TEST(ImageSearch, DomainNameDropsWwwAndPort) {
  EXPECT_EQ(domainName("www.ditto.example"), "ditto.example");
  EXPECT_EQ(domainName("ditto.example"), "ditto.example");
  EXPECT_EQ(domainName("127.0.0.1:8080"), "127.0.0.1");
  EXPECT_EQ(domainName("wwwx.example"), "wwwx.example");
}
