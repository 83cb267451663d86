#pragma once
// Which pane a page's notification comes from. The engine hands a
// notification over with its site only, and two panes may show the same
// site: the pages of each pane put a mark of the pane's own, which no other
// pane's page knows, in the tag of the notifications they make.
#include <QString>

class QWebEnginePage;

namespace NotificationMark {

// Marks the notifications of every page that page shows from now on (and of
// their frames); returns the mark.
QString install(QWebEnginePage& page);
// Whether a notification's tag carries mark.
bool carries(const QString& tag, const QString& mark);

} // namespace NotificationMark
