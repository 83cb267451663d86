#pragma once
// What the member chose comes back at the next start: "Lettura scura",
// "Avvisa dei nuovi messaggi", "Icona nell'area di notifica", each pane's zoom and, when "Riapri le
// pagine dell'ultima volta" (Navigazione menu, off at first) is on, the page each pane showed. Read
// from the platform's KeptSettings once, as the window is built; written when the member changes a
// switch, at the restore after the boss alarm and at the close. Nothing is written while the window
// is disguised: the restore or the close keeps what changed meanwhile.
#include "desktop/KeptSettings.h"

#include <QObject>
#include <QString>
#include <array>
#include <optional>
#include <string>

class QAction;
class frmNRV_SLV3;

class KeptChoices : public QObject {
  Q_OBJECT
public:
  // Adds the Navigazione item and gives the window the switches and zooms
  // kept; builds after the panes, the Browser menu and the message watch.
  explicit KeptChoices(frmNRV_SLV3& win);

  // Where pane k (0 forum, 1 messages, 2 mail) starts: the page it showed
  // last time, when the member asked for it and it is on the pane's host;
  // home otherwise.
  QString startAddress(int k, const QString& home) const;

  // Writes every kept value now, unless the window is disguised. At the
  // close it writes all the same: the program ends, the disguise with it.
  void save();
  void saveAtClose();

  QAction* mnuRiapri = nullptr; // "Riapri le pagine dell'ultima volta"

private:
  void write();
  bool disguised() const;

  frmNRV_SLV3& win_;
  KeptSettings store_;
  std::array<std::optional<QString>, 3> pages_; // read at start, when asked for
  std::array<std::string, 3> hosts_;            // each pane's configured host
  // SLV_MESSAGES_CHECK_S=0 turns the watch off for the run: the member's
  // kept switch is left as it was, unless the member uses it meanwhile.
  bool watchOffByConfig_ = false;
  bool watchTouched_ = false;
};
