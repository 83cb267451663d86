#pragma once
// One record of the personal emoticon file: the name on one line, the image
// address on the next, each as "text" CR LF in Windows-1252.
#include "core/datafile.h"

#include <string>
#include <string_view>

namespace slv::emoticons {

struct PersonalRecord {
  FieldProblem problem = FieldProblem::None;
  bool inName = false; // which value the problem is in
  std::string bytes;   // both lines, only when there is no problem
};

// Builds the bytes of one record, or says why the file could not hold it.
// A name or address with a double quote, a line break or a character outside
// Windows-1252 is refused whole: nothing of the record is produced.
PersonalRecord personalRecord(std::string_view name, std::string_view address);

// What to write before a record so that it starts on a line of its own: a
// CR LF when the file's last byte is not a line end (a file edited by hand),
// nothing for an empty file or one that already ends its last line.
std::string separatorBefore(std::string_view fileTail);

} // namespace slv::emoticons
