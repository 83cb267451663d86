#pragma once
// The unread private messages the portal's pages tell of. Boards write the
// count into each page they serve (a badge on the "Messaggi privati" link of
// the header, "(N)" before the title, or a sentence) and never push it, so
// the program reads it from pages as they load.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace slv {

// What a loaded page hands back: texts only, the decision is made here.
struct PageTexts {
  struct Element {
    std::string text;
    bool hidden = false; // not displayed (itself or a parent)
  };
  struct Link {
    std::string href;              // absolute address
    std::vector<Element> elements; // the elements inside the link, in page order
    std::string text;              // the link's own text, perhaps cut short
    bool hidden = false;           // the link is not displayed
  };
  std::string address; // the page's own address
  std::string title;
  std::vector<Link> links; // the page's links, in page order
  std::string text;        // the page's visible text, perhaps cut short
  bool holdsInput = false; // text the member typed, a file chosen, a dialog open, a frame unread
};

// A count above this is not one a page can mean.
constexpr int kMostUnread = 9999;

// Where the portal keeps the pages that tell the count.
struct PortalPlaces {
  std::string host;         // as configured, perhaps with ":port"
  std::string messagesPath; // the private messages' page: "/msg/"
  std::string indexPath;    // the forum index: "/forum/"
};

// The count is the header's: the first shown link, on the portal's host, to
// the private messages' page itself (its path, or an "i=pm" parameter; not a
// page below it, not another page of it) decides. The first number shown in
// one of its elements is the count; no number there (a badge hidden, empty
// or left out at zero) is zero, unless the link's own text says "N nuovi
// messaggi". Only a page without such a link, and only the portal's messages
// page or forum index, tells it otherwise: a leading "(N)" in its title, then
// "N nuovi messaggi" / "N new messages" in its text. Nothing of these:
// unknown.
std::optional<int> unreadCount(const PageTexts& page, const PortalPlaces& portal);

// The tab's badge: empty for none, "99+" past 99.
std::string unreadBadge(int count);
// "1 nuovo messaggio privato", "2 nuovi messaggi privati".
std::string unreadSummary(int count);

// What the program shows of the count, and when it tells the member.
class UnreadTally {
public:
  struct Step {
    bool changed = false; // what is shown changed
    bool rose = false;    // more messages than before: tell the member
  };
  // A page's reading; an unknown one changes nothing.
  Step reading(std::optional<int> count);
  // The member brought the messages forward: what is there now is seen.
  Step opened();
  // The count on the tab and in the title; 0 for none.
  int shown() const { return count_ > seen_ ? count_ : 0; }

private:
  int count_ = 0;
  int seen_ = 0;
};

// Seconds between two rounds of the watch, from SLV_MESSAGES_CHECK_S: 300
// when unset; 0 turns the watch off. A value that is not a whole number of
// seconds up to a day gives 300 and valid false, for the caller to say so.
struct CheckInterval {
  int seconds = 300;
  bool valid = true;
};
CheckInterval messagesCheckInterval(std::string_view value);

} // namespace slv
