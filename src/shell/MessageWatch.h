#pragma once
// The watch on the private messages. The portal writes the unread count into
// each page it serves and never pushes it, so every portal page that loads is
// read, and the messages pane, while it is not in front and holds nothing of
// the member's, is loaded again now and then. The count shows on the MESSAGGI
// tab and before the window's caption until the member looks at the
// messages; a rise asks for the member's attention and shows one desktop
// notification. Nothing of it shows while the window is disguised. Page
// notifications' "Apri" comes here too: it brings their pane forward.
#include "core/unread_count.h"

#include <QObject>
#include <optional>

class BrowserPane;
class QAction;
class QTimer;
class frmNRV_SLV3;

class MessageWatch : public QObject {
  Q_OBJECT
public:
  explicit MessageWatch(frmNRV_SLV3& win);

  // One round: the messages pane, away from the front and at rest, holding
  // nothing the member typed, loads its page again.
  void tmrMessages_Timer();
  // "Avvisa dei nuovi messaggi".
  void mnuAvvisa_Click();
  // The count the tab and the caption show; 0 for none.
  int shown() const { return tally_.shown(); }

  QTimer* tmrMessages = nullptr;
  QAction* mnuAvvisa = nullptr;

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void pageLoaded(BrowserPane& pane, bool ok);
  void reading(std::optional<int> count);
  void showCount();
  void tellRise();
  void bringForward(int k);
  bool roundDue() const;
  // The messages in front of a window the member can see.
  bool looking() const;
  // What is there now is seen when the member is looking; true when that
  // changed what shows (and it was shown).
  bool seenIfLooking();
  bool messagesInFront() const;
  bool disguised() const;

  frmNRV_SLV3& win_;
  slv::UnreadTally tally_;
  int seconds_ = 300;
};
