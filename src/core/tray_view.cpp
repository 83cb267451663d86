#include "core/tray_view.h"

#include "core/unread_count.h"

namespace slv {

std::string unreadTrayText(int unread) {
  if (unread <= 0)
    return "Nessun messaggio privato non letto";
  if (unread == 1)
    return "1 messaggio privato non letto";
  return std::to_string(unread) + " messaggi privati non letti";
}

TrayView trayView(bool chosen, bool hostPresent, bool disguised, int unread) {
  if (!chosen || !hostPresent || disguised)
    return {};
  return {true, "SOLVARINO 3_w\n" + unreadTrayText(unread), unreadBadge(unread)};
}

} // namespace slv
