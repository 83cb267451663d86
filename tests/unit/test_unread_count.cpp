// The unread private messages read from a page's texts, and what is shown of them.
#include "core/unread_count.h"

#include <gtest/gtest.h>

using slv::PageTexts;
using slv::unreadCount;

namespace {

PageTexts header(const std::string& href, std::vector<PageTexts::Element> elements) {
  PageTexts p;
  p.links.push_back({href, std::move(elements)});
  return p;
}

} // namespace

TEST(UnreadCount, FirstOfBadgeTitleAndSentence) {
  const std::string pm = "http://portale.example/ucp.php?i=pm&folder=inbox";
  EXPECT_EQ(unreadCount(header(pm, {{"Messaggi privati", false}, {"2", false}}), "/msg/"), 2);
  EXPECT_EQ(unreadCount(header("http://p.example/msg/", {{"(3)", false}}), "/msg/"), 3);
  EXPECT_EQ(unreadCount(header("http://p.example/msg?x", {{"99+", false}}), "/msg/"), 99);
  // The badge wins over the title; the title over the text.
  PageTexts p = header(pm, {{"4", false}});
  p.title = "(7) Indice";
  p.text = "Hai 9 nuovi messaggi";
  EXPECT_EQ(unreadCount(p, "/msg/"), 4);
  p.links.clear();
  EXPECT_EQ(unreadCount(p, "/msg/"), 7);
  p.title = "Indice (7)";
  EXPECT_EQ(unreadCount(p, "/msg/"), 9);
  p.text = "You have 1 NEW MESSAGE";
  EXPECT_EQ(unreadCount(p, "/msg/"), 1);
  // A board hides its badge at zero.
  EXPECT_EQ(unreadCount(header(pm, {{"5", true}}), "/msg/"), 0);
}

TEST(UnreadCount, BadPagesGiveASaneCountOrNone) {
  EXPECT_EQ(unreadCount(PageTexts{}, "/msg/"), std::nullopt);
  // Not links to the messages, or numbers that are not counts.
  EXPECT_EQ(unreadCount(header("http://p.example/message/", {{"2", false}}), "/msg/"),
            std::nullopt);
  EXPECT_EQ(unreadCount(header("http://p.example/forum/?msg/", {{"2", false}}), "/msg/"),
            std::nullopt);
  for (const char* bad : {"99999", "-3", "due", "2 3", "(2", "2)", "1.5"})
    EXPECT_EQ(unreadCount(header("http://p.example/msg/", {{bad, false}}), "/msg/"), std::nullopt)
        << bad;
  PageTexts p;
  p.title = "(-3) Indice";
  p.text = "-3 nuovi messaggi, 123456 new messages, 12nuovi messaggi";
  EXPECT_EQ(unreadCount(p, "/msg/"), std::nullopt);
  // Twenty badges: the first shown one counts.
  std::vector<PageTexts::Element> many(20, {"8", false});
  many[0] = {"x", false};
  many[1] = {"6", true};
  EXPECT_EQ(unreadCount(header("http://p.example/msg/", many), "/msg/"), 8);
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
