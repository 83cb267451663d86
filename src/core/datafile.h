#pragma once
// The program's data files: one value per line written as "text" CR LF, read
// back as comma- or line-separated fields in Windows-1252.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace slv {

// Splits file bytes into fields (UTF-8 values). A quoted field runs to the next
// double quote (commas and line ends inside belong to it) and whatever follows
// the closing quote up to the next comma or line end is skipped. An unquoted
// field runs to the next comma or line end, leading blanks and tabs skipped.
// The end-of-file test comes before each read, so a final CR LF adds no field.
std::vector<std::string> readFields(std::string_view bytes);

// Why a value cannot be written to a data file.
enum class FieldProblem { None, DoubleQuote, NotCp1252, LineBreak };
FieldProblem checkField(std::string_view utf8);

// The bytes of one record line ("text" CR LF), or empty when the value cannot
// be held by the format (see checkField).
std::optional<std::string> encodeLine(std::string_view utf8);

// The bytes of a whole file holding these values, one line each; empty when
// any value cannot be held.
std::optional<std::string> encodeLines(const std::vector<std::string>& values);

// Joins the application folder and a file name the program's way: folder, "/",
// name, with no test for a trailing separator.
std::string dataFilePath(std::string_view folder, std::string_view name);

} // namespace slv
