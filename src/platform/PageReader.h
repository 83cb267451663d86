#pragma once
// Reads what a loaded page shows of the unread messages: its title, the
// elements inside its links, its visible text, and whether it holds text the
// member typed or a dialog. The script runs in the program's own world, which
// the page's scripts neither see nor change; the decision is not made here.
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
