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
