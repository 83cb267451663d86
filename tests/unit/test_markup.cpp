// The composer's markup, character for character, and the web-address test.
#include "composer/markup.h"

#include <gtest/gtest.h>

namespace m = slv::composer;

TEST(FormattedMarkup, GivenExamples) {
  EXPECT_EQ(m::formatted(18, "red", true, false, true, "Ciao"),
            "[size=18][color=red][b][u]Ciao[/b][/u][/color][/size]");
  EXPECT_EQ(m::formatted(12, "Default", false, false, false, "Ciao"), "[size=12]Ciao[/size]");
  EXPECT_EQ(m::formatted(12, "Default", false, false, false, " "), "[size=12] [/size]");
  EXPECT_EQ(m::formatted(12, "Default", true, true, false, "abc"),
            "[size=12][b][i]abc[/b][/i][/size]");
  EXPECT_EQ(m::formatted(12, "black", false, false, false, "x"),
            "[size=12][color=black]x[/color][/size]");
}

TEST(FormattedMarkup, StylesCloseInOpeningOrderInsideColourInsideSize) {
  EXPECT_EQ(m::formatted(24, "darkblue", true, true, true, "t"),
            "[size=24][color=darkblue][b][i][u]t[/b][/i][/u][/color][/size]");
  EXPECT_EQ(m::formatted(7, "Default", false, true, true, "t"), "[size=7][i][u]t[/i][/u][/size]");
  // Only the exact keyword "Default" means no colour.
  EXPECT_EQ(m::formatted(9, "default", false, false, false, "t"),
            "[size=9][color=default]t[/color][/size]");
}

TEST(FormattedMarkup, TextIsKeptAsTyped) {
  EXPECT_EQ(m::formatted(12, "Default", false, false, false, "uno\r\ndue"),
            "[size=12]uno\r\ndue[/size]");
  EXPECT_EQ(m::formatted(12, "Default", true, false, false, "  [b]\"è\"  "),
            "[size=12][b]  [b]\"è\"  [/b][/size]");
}

TEST(ListMarkup, CarriageReturnsOnlyAndOneAfterTheEnd) {
  EXPECT_EQ(*m::list(1, {"uno", "due"}), "[List=1]\r[*]uno\r[*]due\r[/List]\r");
  EXPECT_EQ(*m::list(2, {"a"}), "[List=a]\r[*]a\r[/List]\r");
  EXPECT_EQ(*m::list(3, {" ", "x,y"}), "[List]\r[*] \r[*]x,y\r[/List]\r");
  EXPECT_EQ(m::list(3, {"uno", "due"})->find('\n'), std::string::npos);
  EXPECT_FALSE(m::list(0, {"uno"}));
  EXPECT_FALSE(m::list(4, {"uno"}));
}

TEST(QuoteLinkImage, GivenExamplesAndAuthors) {
  EXPECT_EQ(m::quote("Ciao", "anonimo"), "[quote=\"anonimo\"]Ciao[/quote]");
  EXPECT_EQ(m::quote("Ciao", ""), "[quote]Ciao[/quote]");
  EXPECT_EQ(m::quote("Ciao", " "), "[quote=\" \"]Ciao[/quote]");
  EXPECT_EQ(m::quote("riga 1\r\nriga [2]", "Tizio \"Caio\""),
            "[quote=\"Tizio \"Caio\"\"]riga 1\r\nriga [2][/quote]");
  EXPECT_EQ(m::link("http://portale.it/a?b=1", "il testo"),
            "[url=http://portale.it/a?b=1]il testo[/url]");
  EXPECT_EQ(m::link("HTTP://x.it\r\n", "a\r\nb"), "[url=HTTP://x.it\r\n]a\r\nb[/url]");
  EXPECT_EQ(m::image("http://img.it/gatto.gif"), "[img]http://img.it/gatto.gif[/img]");
}

TEST(WebAddress, PrefixAndLength) {
  EXPECT_FALSE(m::isWebAddress("http://")); // exactly seven characters
  EXPECT_TRUE(m::isWebAddress("http://a"));
  EXPECT_TRUE(m::isWebAddress("HTTP://A"));
  EXPECT_TRUE(m::isWebAddress("hTtP://è"));
  EXPECT_TRUE(m::isWebAddress("http:// nothing else is checked"));
  EXPECT_FALSE(m::isWebAddress("https://a.it"));
  EXPECT_FALSE(m::isWebAddress(" http://a.it"));
  EXPECT_FALSE(m::isWebAddress("http:/a.it"));
  EXPECT_FALSE(m::isWebAddress(""));
  EXPECT_FALSE(m::isWebAddress("ftp://a.it"));
}
