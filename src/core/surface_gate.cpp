#include "core/surface_gate.h"

#include <algorithm>

namespace slv {

SurfaceAction surfaceAction(const SurfaceItem& item, const GateState& state) {
  const bool waitsForRestore = state.disguised && !item.disguiseOwn;
  const bool waitsForPane =
      item.scope != 0 && item.scope != state.front && !item.urgent && !item.disguiseOwn;
  if (item.kind == SurfaceKind::Notice)
    return waitsForRestore ? SurfaceAction::Keep : SurfaceAction::Show;
  if (waitsForRestore)
    return SurfaceAction::Hold;
  if (waitsForPane)
    return item.engineWaits ? SurfaceAction::ShowWithPane : SurfaceAction::Hold;
  return SurfaceAction::Show;
}

SurfaceAction SurfaceQueue::arrive(const SurfaceItem& item, const GateState& state) {
  SurfaceAction action = surfaceAction(item, state);
  // Nothing overtakes what already waits for the same showing, but what the
  // engine waits on cannot wait for anything.
  if (action == SurfaceAction::Show && !item.disguiseOwn && !item.engineWaits &&
      std::any_of(items_.begin(), items_.end(), [&](const SurfaceItem& w) {
        return showsNow(surfaceAction(w, state)) && w.scope == item.scope;
      }))
    action = item.kind == SurfaceKind::Notice ? SurfaceAction::Keep : SurfaceAction::Hold;
  if (!showsNow(action))
    items_.push_back(item);
  return action;
}

std::optional<int> SurfaceQueue::next(const GateState& state) {
  const std::optional<SurfaceItem> item = nextItem(state);
  if (!item)
    return std::nullopt;
  return item->id;
}

std::optional<SurfaceItem> SurfaceQueue::nextItem(const GateState& state) {
  const auto it = std::find_if(items_.begin(), items_.end(), [&](const SurfaceItem& w) {
    return showsNow(surfaceAction(w, state));
  });
  if (it == items_.end())
    return std::nullopt;
  const SurfaceItem item = *it;
  items_.erase(it);
  return item;
}

bool SurfaceQueue::drop(int id) {
  const auto it =
      std::find_if(items_.begin(), items_.end(), [id](const SurfaceItem& w) { return w.id == id; });
  if (it == items_.end())
    return false;
  items_.erase(it);
  return true;
}

std::vector<int> SurfaceQueue::dropScope(int scope) {
  std::vector<int> ids;
  std::erase_if(items_, [&](const SurfaceItem& w) {
    if (w.scope != scope)
      return false;
    ids.push_back(w.id);
    return true;
  });
  return ids;
}

std::vector<int> SurfaceQueue::dropAll() {
  std::vector<int> ids;
  for (const SurfaceItem& w : items_)
    ids.push_back(w.id);
  items_.clear();
  return ids;
}

void SurfaceQueue::hurry(int id) {
  for (SurfaceItem& w : items_)
    if (w.id == id)
      w.urgent = true;
}

bool SurfaceQueue::waitsFor(int scope) const {
  return std::any_of(items_.begin(), items_.end(),
                     [scope](const SurfaceItem& w) { return w.scope == scope; });
}

void NestedQuestions::pop(int id) {
  std::erase(ids_, id);
}

std::vector<int> NestedQuestions::innerOf(int id) const {
  const auto it = std::find(ids_.begin(), ids_.end(), id);
  if (it == ids_.end())
    return {};
  return {std::next(it), ids_.end()};
}

bool PageDialogGuard::arrive(long long nowMs) {
  const bool repeat = last_ && nowMs - *last_ < kRepeatMs;
  last_ = nowMs;
  return repeat;
}

void PageDialogGuard::reset() {
  last_.reset();
  silenced_ = false;
}

std::string plainDisplayText(const std::string& text, std::size_t maxChars) {
  std::string out;
  std::size_t chars = 0;
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t len = lead < 0x80    ? 1
                            : lead >= 0xF0 ? 4
                            : lead >= 0xE0 ? 3
                            : lead >= 0xC0 ? 2
                                           : 1;
    if (chars == maxChars) {
      out += "\xE2\x80\xA6"; // …
      break;
    }
    if (lead != 0)
      out.append(text, i, len);
    i += len;
    ++chars;
  }
  return out;
}

} // namespace slv
