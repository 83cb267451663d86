// The unread private messages read from a page's texts, and what is shown of them.
#include "core/unread_count.h"

#include <gtest/gtest.h>

using slv::PageTexts;
using slv::unreadCount;

namespace {

using Elements = std::vector<PageTexts::Element>;
using Links = std::vector<PageTexts::Link>;

const std::string kSite = "http://portale.example";
const std::string kIndex = kSite + "/forum/index.php", kMessages = kSite + "/msg/";
const std::string kTopic = kSite + "/forum/viewtopic.php?t=7";

PageTexts::Link badged(const std::string& href, const std::string& badge, bool hidden = false) {
  return {href, {{"Messaggi privati", false}, {badge, hidden}}, "", false};
}
// The board's header, relative links resolved: notifications with a badge of their own first.
Links header(const std::string& at, const std::string& badge, bool hidden = false) {
  return {badged(at + "notifiche.php", "5"), badged(kMessages, badge, hidden)};
}
PageTexts page(const std::string& address, Links links, const std::string& title = "",
               const std::string& text = "") {
  return {address, title, std::move(links), text, false};
}
Links plus(Links a, const Links& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

} // namespace

// Each page shape, with the count it must give.
TEST(UnreadCount, PageShapes) {
  const Links post{badged(kMessages, "42")};
  const struct {
    const char* what;
    PageTexts page;
    std::optional<int> count;
  } shapes[] = {
      {"the real header with 2", page(kIndex, header(kSite + "/forum/", "2")), 2},
      {"notifications first, on the messages page", page(kMessages, header(kMessages, "2")), 2},
      {"a zero badge and a post linking the messages folder",
       page(kTopic, plus(header(kMessages, "0"), post)), 0},
      {"a hidden badge, the title and the sentence",
       page(kIndex, header(kMessages, "7", true), "(7) Indice", "Hai 9 nuovi messaggi"), 0},
      {"page numbers",
       page(kMessages, plus(header(kMessages, "0", true), {badged(kMessages + "?p=2", "2")})), 0},
      {"page numbers alone",
       page(kMessages,
            {badged(kMessages + "?p=2", "2"), badged(kSite + "/ucp.php?i=pm&start=25", "2")}),
       std::nullopt},
      {"a topic title", page(kTopic, {}, "(3) domande"), std::nullopt},
      {"the sentence in a post", page(kTopic, {}, "Forum", "ho 5 nuovi messaggi"), std::nullopt},
      {"a common board's header",
       page(kTopic, plus({badged(kSite + "/ucp.php?i=pm&folder=inbox", "(3)")}, post)), 3},
      {"the link's own sentence",
       page(kTopic, {{kSite + "/ucp.php?i=pm", {}, "Hai 2 nuovi messaggi", false}}), 2},
      {"a hidden copy of the header first",
       page(kTopic, plus({{kMessages, {{"5", false}}, "", true}}, header(kMessages, "99+"))), 99},
      {"the portal by its default port",
       page(kTopic, {badged("HTTP://Portale.Example:80/msg#x", "4")}), 4},
      {"not the messages page",
       page(kTopic, {badged(kSite + "/search.php?multi=pm", "6"),
                     badged(kSite + "/ucp.php?i=pm&mode=view&p=5", "6"),
                     badged("http://altro.example/msg/", "6"), badged(kSite + ":8080/msg/", "6"),
                     badged(kSite + "/message/", "6"), badged(kSite + "/forum/?msg/", "6")}),
       std::nullopt},
      {"the index's title", page(kIndex, {}, "(7) Indice", "Hai 9 nuovi messaggi"), 7},
      {"the index's sentence", page(kSite + "/forum/", {}, "Indice (7)", "You have 1 NEW MESSAGE"),
       1},
      {"a message read", page(kSite + "/msg/leggi.php?id=3", {}, "(3) Re: ciao"), std::nullopt},
      {"numbers that are not counts",
       page(kIndex, {}, "(-3) Indice", "-3 nuovi messaggi, 123456 new messages, 12nuovi messaggi"),
       std::nullopt},
      {"an empty page", PageTexts{}, std::nullopt},
  };
  const slv::PortalPlaces portal{"portale.example", "/msg/", "/forum/"};
  for (const auto& s : shapes)
    EXPECT_EQ(unreadCount(s.page, portal), s.count) << s.what;
  // A badge that is no count is none: zero.
  for (const char* bad : {"99999", "-3", "due", "2 3", "(2", "2)", "1.5"})
    EXPECT_EQ(unreadCount(page(kTopic, {badged(kMessages, bad)}), portal), 0) << bad;
  // Twenty elements: the first shown number counts.
  Elements many(20, {"8", false});
  many[0] = {"x", false};
  many[1] = {"6", true};
  EXPECT_EQ(unreadCount(page(kTopic, {{kMessages, many, "", false}}), portal), 8);
}

TEST(UnreadCount, BadgeSummaryAndInterval) {
  EXPECT_EQ(slv::unreadBadge(0), "");
  EXPECT_EQ(slv::unreadBadge(99), "99");
  EXPECT_EQ(slv::unreadBadge(100), "99+");
  EXPECT_EQ(slv::unreadSummary(1), "1 nuovo messaggio privato");
  EXPECT_EQ(slv::unreadSummary(2), "2 nuovi messaggi privati");
  EXPECT_EQ(slv::messagesCheckInterval("").seconds, 300);
  EXPECT_EQ(slv::messagesCheckInterval(" 0").seconds, 0);
  EXPECT_EQ(slv::messagesCheckInterval("45").seconds, 45);
  for (const char* bad : {"-5", "5m", "86401", "99999999999999999999"}) {
    EXPECT_FALSE(slv::messagesCheckInterval(bad).valid) << bad;
    EXPECT_EQ(slv::messagesCheckInterval(bad).seconds, 300) << bad;
  }
}

TEST(UnreadTally, RisesTellFallsAndOpeningClear) {
  slv::UnreadTally t;
  EXPECT_FALSE(t.reading(std::nullopt).changed);
  auto s = t.reading(2);
  EXPECT_TRUE(s.changed && s.rose);
  EXPECT_FALSE(t.reading(2).rose);
  EXPECT_FALSE(t.reading(std::nullopt).changed); // unknown is not zero
  EXPECT_EQ(t.shown(), 2);
  EXPECT_TRUE(t.opened().changed);
  EXPECT_EQ(t.shown(), 0);
  EXPECT_FALSE(t.reading(2).changed); // seen: no badge again
  s = t.reading(3);
  EXPECT_TRUE(s.rose);
  EXPECT_EQ(t.shown(), 3);
  s = t.reading(0);
  EXPECT_TRUE(s.changed && !s.rose);
  EXPECT_EQ(t.shown(), 0);
  EXPECT_TRUE(t.reading(1).rose);
}
