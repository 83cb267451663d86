#pragma once
// Reading the forum list files from disk (the field syntax lives in core).
#include <QString>
#include <QStringList>

namespace forums {

// Every field of the file, in file order. A missing or unreadable file gives
// an empty list: nothing is created or overwritten.
QStringList readListFile(const QString& path);

} // namespace forums
