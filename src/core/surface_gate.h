#pragma once
// What the program puts in front of a person besides the main window's own
// content passes one gate that knows the boss alarm's disguise. This is its
// rule: what shows at once, what waits for the restore (or for its pane to
// come in front), in which order, and what is answered with its default.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace slv {

// Something that waits for an answer (a question: the caller waits too) or
// something that only tells (a finished download).
enum class SurfaceKind { Question, Notice };

enum class SurfaceAction {
  Show,         // now
  ShowWithPane, // now, its pane brought to the front first
  Hold,         // a question: shown later, its caller waits
  Keep,         // a notice: told later
};

// Show or ShowWithPane.
inline bool showsNow(SurfaceAction action) {
  return action == SurfaceAction::Show || action == SurfaceAction::ShowWithPane;
}

struct GateState {
  bool disguised = false;
  // The pane in front; questions of other panes wait for theirs.
  int front = 0;
};

// Questions with scope 0 belong to the program, others to one pane.
struct SurfaceItem {
  int id = 0;
  SurfaceKind kind = SurfaceKind::Question;
  int scope = 0;
  // The disguise's own box (the restore question, the password): the only
  // thing that shows while the disguise stands. The way through is the
  // item's, never a state of the whole program.
  bool disguiseOwn = false;
  // A question an answered one waits on (see NestedQuestions): it shows
  // without waiting for its pane.
  bool urgent = false;
  // The browser engine waits on the answer, every pane with it: never held
  // unseen for a pane behind, whose pane comes to the front with it instead.
  // Only the disguise holds it.
  bool engineWaits = false;
};

SurfaceAction surfaceAction(const SurfaceItem& item, const GateState& state);

// What waits, in arrival order.
class SurfaceQueue {
public:
  // The action for a new item; held and kept items join the queue.
  SurfaceAction arrive(const SurfaceItem& item, const GateState& state);
  // The first waiting item that may show now, taken off the queue. The gate
  // shows one at a time, so that what waited comes back in its order.
  std::optional<int> next(const GateState& state);
  std::optional<SurfaceItem> nextItem(const GateState& state);
  // Taken off without being shown (answered with its default); false when it
  // was not waiting.
  bool drop(int id);
  // Everything waiting for one pane, or for any, taken off in order.
  std::vector<int> dropScope(int scope);
  std::vector<int> dropAll();
  // The waiting item may show without waiting for its pane.
  void hurry(int id);
  bool waitsFor(int scope) const;
  std::size_t size() const { return items_.size(); }

private:
  std::vector<SurfaceItem> items_;
};

// The engine asks a page's dialogs synchronously, so each one's wait runs
// inside the one before it: an answered question returns only once every
// question asked after it is answered. These are the questions under way,
// outermost first.
class NestedQuestions {
public:
  void push(int id) { ids_.push_back(id); }
  // Its wait ended (answered, dropped, or its page gone).
  void pop(int id);
  // id was answered: the questions inside it, which it now waits on, so
  // that they show first and nobody is left with a grey pane and nothing
  // to answer.
  std::vector<int> innerOf(int id) const;
  bool empty() const { return ids_.empty(); }

private:
  std::vector<int> ids_;
};

// A page that keeps asking: from its second dialog within a short while the
// member may silence it until it loads anew.
class PageDialogGuard {
public:
  static constexpr long long kRepeatMs = 5000;
  // A dialog arrives at nowMs: true when the box should offer silence.
  bool arrive(long long nowMs);
  void silence() { silenced_ = true; }
  bool silenced() const { return silenced_; }
  // The page loaded anew.
  void reset();

private:
  std::optional<long long> last_;
  bool silenced_ = false;
};

// A text from a page or a stream, made fit to show: at most maxChars
// characters (UTF-8 aware), the rest replaced by an ellipsis, and no NUL.
std::string plainDisplayText(const std::string& text, std::size_t maxChars = 3000);

} // namespace slv
