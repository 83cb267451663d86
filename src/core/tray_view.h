#pragma once
// What the icon in the desktop's notification area shows: nothing at all
// while the window is disguised (no name, no count, no menu), nothing where
// the desktop has no place for it or the member turned it off; otherwise the
// program's icon with the unread private messages on it and in its tooltip.
#include <string>

namespace slv {

struct TrayView {
  bool shown = false;
  std::string tooltip; // empty when not shown
  std::string badge;   // drawn on the icon; empty for none
};

// unread below zero counts as none.
TrayView trayView(bool chosen, bool hostPresent, bool disguised, int unread);

// "Nessun messaggio privato non letto", "1 messaggio privato non letto",
// "3 messaggi privati non letti".
std::string unreadTrayText(int unread);

} // namespace slv
