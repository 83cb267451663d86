#pragma once
// Reads what a loaded page shows of the unread messages: its address and
// title, its links with the elements inside them, its visible text, and
// whether it holds something of the member's: typed text, a chosen file, a
// dialog, or a frame from another site, which it cannot look into. The script
// runs in the program's own world, which the page's scripts neither see nor
// change; the count is not decided here.
#include "core/unread_count.h"

#include <QVariant>
#include <functional>

class QWebEnginePage;

class PageReader {
public:
  static void read(QWebEnginePage& page, std::function<void(const slv::PageTexts&)> done);
  // What the script hands back; anything else gives an empty set of texts.
  static slv::PageTexts fromScript(const QVariant& result);
};
