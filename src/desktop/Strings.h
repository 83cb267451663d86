#pragma once
// The one bridge between the program's Qt strings and the UTF-8 strings of
// the Qt-free rules.
#include "core/surface_gate.h"

#include <QString>
#include <QTextDocument>
#include <string>
#include <string_view>

namespace slv {

inline QString qs(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}
inline std::string toStd(const QString& s) { return s.toStdString(); }

// A text from a page or a stream, cut to a length fit to show. Wherever it
// goes it must be shown as plain text.
inline QString plainText(const QString& s) { return qs(plainDisplayText(toStd(s))); }
// The same for a tooltip, which would take anything that looks like markup
// as markup: escaped, so it shows as typed.
inline QString plainTip(const QString& s) {
  const QString cut = plainText(s);
  return !Qt::mightBeRichText(cut) ? cut
                                   : QStringLiteral("<p style='white-space:pre-wrap'>%1</p>")
                                         .arg(cut.toHtmlEscaped());
}

} // namespace slv
