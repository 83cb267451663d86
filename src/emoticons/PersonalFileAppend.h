#pragma once
// Appending to the personal emoticon file.
#include <QString>
#include <string>

namespace slv::emoticons {

// Appends one whole record (its encoded lines) to the file at `path`, creating
// the file when it is missing. A record never lands half-written: when the
// file cannot be opened or the write fails, the file is left exactly as it
// was (and a file created for the occasion is removed) and false comes back.
bool appendPersonalRecord(const QString& path, const std::string& recordBytes);

} // namespace slv::emoticons
