#pragma once
// Reading and writing the forum list files on disk (the field syntax and the
// record encoding live in core).
#include <QString>
#include <QStringList>

namespace slv::forums {

// Every field of the file, in file order. A missing or unreadable file gives
// an empty list: nothing is created or overwritten.
QStringList readListFile(const QString& path);

// What became of a write. On anything but Written the file is as it was.
struct WriteOutcome {
  enum Kind {
    Written,
    Refused, // an entry the format cannot hold; nothing was written
    Failed,  // the disk did not take it
  };
  Kind kind = Written;
  QString entry;  // Refused: the entry at fault
  QString reason; // Refused: why, for the user; Failed: the system's error text
  bool ok() const { return kind == Written; }
};

// Appends one entry as a line of its own, creating the file when missing.
// The line goes in whole or not at all: a failed write is cut back off.
WriteOutcome appendEntry(const QString& path, const QString& entry);

// Replaces the file with these entries, one line each. The new content goes
// to a temporary file that takes the old one's place only once complete.
WriteOutcome rewriteEntries(const QString& path, const QStringList& entries);

} // namespace slv::forums
