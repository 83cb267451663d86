#pragma once
// The one bridge between the program's Qt strings and the UTF-8 strings of
// the Qt-free rules.
#include <QString>
#include <string>
#include <string_view>

namespace slv {

inline QString qs(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}
inline std::string toStd(const QString& s) { return s.toStdString(); }

} // namespace slv
