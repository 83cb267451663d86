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
  };
  std::string title;
  std::vector<Link> links; // links holding elements
  std::string text;        // the page's visible text, perhaps cut short
  bool holdsInput = false; // text the member typed, or a dialog open in the page
};

// A count above this is not one a page can mean.
constexpr int kMostUnread = 9999;

// The first of: a number in a shown element inside a link to the private
// messages (an address holding "i=pm", or on messagesPath); a leading "(N)"
// in the title; "N nuovi messaggi" / "N new messages" in the text; zero when
// such a link has an element that is hidden or empty (the badge a board hides
// at zero). Nothing of these: unknown.
std::optional<int> unreadCount(const PageTexts& page, std::string_view messagesPath);

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
