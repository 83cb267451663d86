// Where a page may lead a browser pane, and what the program's own addresses may do.
#include "core/navigation_policy.h"

#include <gtest/gtest.h>

using slv::navigationAllowed;
using slv::NavigationSource;

namespace {
constexpr NavigationSource kPageSources[] = {NavigationSource::LinkClick,
                                             NavigationSource::PageOther};
}

TEST(NavigationPolicy, SchemeOfAnAddress) {
  EXPECT_EQ(slv::schemeOf("http://127.0.0.1:8080/forum/index.php"), "http");
  EXPECT_EQ(slv::schemeOf("HtTpS://x"), "https");
  EXPECT_EQ(slv::schemeOf("FILE:///etc/passwd"), "file");
  EXPECT_EQ(slv::schemeOf("view-source:http://x"), "view-source");
  EXPECT_EQ(slv::schemeOf("web+forum:thread/5"), "web+forum");
  EXPECT_EQ(slv::schemeOf("mailto:a@b.example"), "mailto");
  // No scheme: plain host names, paths, drive letters, odd characters.
  EXPECT_EQ(slv::schemeOf("www.portale.example/forum"), "");
  EXPECT_EQ(slv::schemeOf("/forum/index.php?x=a:b"), "");
  EXPECT_EQ(slv::schemeOf("C:\\Documenti\\a.html"), "");
  EXPECT_EQ(slv::schemeOf(":x"), "");
  EXPECT_EQ(slv::schemeOf("1http://x"), "");
  EXPECT_EQ(slv::schemeOf("ht tp://x"), "");
  EXPECT_EQ(slv::schemeOf(""), "");
}

TEST(NavigationPolicy, TypedAddressesAndHistoryAreFollowedAsTheyAre) {
  for (const char* a : {"http://x/", "file:///home/u/pagina.html", "javascript:alert(1)",
                        "mailto:a@b.example", "www.portale.example", "about:version"}) {
    EXPECT_TRUE(navigationAllowed(a, NavigationSource::Typed, true)) << a;
    EXPECT_TRUE(navigationAllowed(a, NavigationSource::History, true)) << a;
  }
}

TEST(NavigationPolicy, PagesLeadToWebAddressesInPanesAndFrames) {
  for (const auto src : kPageSources) {
    for (const bool main : {true, false}) {
      for (const char* a : {"http://x/forum/viewforum.php?f=101", "HTTPS://x/",
                            "blob:http://x/1f2e", "about:blank", "about:srcdoc", "About:Blank#top"})
        EXPECT_TRUE(navigationAllowed(a, src, main)) << a;
    }
  }
}

TEST(NavigationPolicy, PagesNeverReachFilesScriptsOrTheEnginesOwnPages) {
  for (const auto src : kPageSources) {
    for (const bool main : {true, false}) {
      for (const char* a :
           {"file:///etc/passwd", "File://localhost/etc/passwd", "javascript:alert(1)",
            "JAVASCRIPT:void(0)", "view-source:http://x/", "chrome://settings",
            "devtools://devtools/x", "qrc:/x.html", "filesystem:http://x/temporary/f",
            "about:version", "relative/without/scheme"})
        EXPECT_FALSE(navigationAllowed(a, src, main)) << a;
    }
  }
}

TEST(NavigationPolicy, DataAddressesOnlyInsideFrames) {
  EXPECT_FALSE(navigationAllowed("data:text/html,<b>x</b>", NavigationSource::LinkClick, true));
  EXPECT_FALSE(navigationAllowed("data:text/html,<b>x</b>", NavigationSource::PageOther, true));
  EXPECT_TRUE(navigationAllowed("data:text/html,<b>x</b>", NavigationSource::PageOther, false));
}

TEST(NavigationPolicy, OtherProgramsOnlyFromALinkOfThePageItself) {
  for (const char* a : {"mailto:a@b.example", "tel:+39061234", "magnet:?xt=urn:x", "web+forum:5"}) {
    EXPECT_TRUE(navigationAllowed(a, NavigationSource::LinkClick, true)) << a;
    EXPECT_FALSE(navigationAllowed(a, NavigationSource::LinkClick, false)) << a;
    EXPECT_FALSE(navigationAllowed(a, NavigationSource::PageOther, true)) << a;
    EXPECT_FALSE(navigationAllowed(a, NavigationSource::PageOther, false)) << a;
  }
}

TEST(NavigationPolicy, NewWindowsOpenInTheSamePaneUnderThePageRules) {
  EXPECT_TRUE(slv::followNewWindow("http://x/forum/viewonline.php", true));
  EXPECT_TRUE(slv::followNewWindow("https://x/", false));
  // A blank window is what a script opens to write into: nothing to show.
  EXPECT_FALSE(slv::followNewWindow("", true));
  EXPECT_FALSE(slv::followNewWindow("about:blank", true));
  EXPECT_FALSE(slv::followNewWindow("file:///etc/passwd", true));
  EXPECT_FALSE(slv::followNewWindow("javascript:alert(1)", true));
  EXPECT_FALSE(slv::followNewWindow("view-source:http://x/", true));
  EXPECT_TRUE(slv::followNewWindow("mailto:a@b.example", true));
  EXPECT_FALSE(slv::followNewWindow("mailto:a@b.example", false));
}

TEST(NavigationPolicy, OnlyWebLinksToOtherHostsGoToTheMembersBrowser) {
  const std::vector<std::string> own = {"www.portale.example", "127.0.0.1:8080/cade",
                                        "xn--prtale-xya.example", "http://home.example:81/sky/"};
  // Ours: case, a final dot, user names, the usual port of either scheme, a
  // path, a backslash that ends the host as browsers read it.
  for (const char* a :
       {"http://www.portale.example/forum/index.php", "HTTPS://WWW.Portale.Example./x",
        "http://www.portale.example:80/", "https://www.portale.example:443/",
        "http://evil.example@www.portale.example/", "http://127.0.0.1:8080/forum/",
        "http://XN--PRTALE-XYA.example/", "http://home.example:81/other/path",
        "http://www.portale.example\\@evil.example/"})
    EXPECT_FALSE(slv::isOtherSite(a, own)) << a;
  // Others: another host or port, a user name that looks like ours, a
  // look-alike or international name, a host that cannot be read.
  for (const char* a :
       {"http://www.giornale.example/", "http://www.portale.example:8080/", "http://127.0.0.1/",
        "http://127.0.0.1:9090/", "http://www.portale.example@evil.example/",
        "http://www.portale.example.evil.example/", "http://www.portale.example..:80/",
        "http://www.p\xC3\xB6rtale.example/", "http://xn--prtale-xyb.example/",
        "http://evil.example\\@www.portale.example/", "http://home.example/", "http:///x",
        "http://www.portale.example:99999/", "http://[::1]:8080/"})
    EXPECT_TRUE(slv::isOtherSite(a, own)) << a;
  // Not web addresses: mail, torrents, scripts and relative links keep the page's rules.
  for (const char* a : {"mailto:socio@giornale.example", "magnet:?xt=urn:btih:x",
                        "javascript:location='http://evil.example/'", "/forum/index.php",
                        "ftp://ftp.giornale.example/"})
    EXPECT_FALSE(slv::isOtherSite(a, own)) << a;
  // With no own sites every web address is another site's.
  EXPECT_TRUE(slv::isOtherSite("http://www.portale.example/", {}));
}
