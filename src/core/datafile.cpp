#include "datafile.h"

#include "cp1252.h"

namespace slv {
namespace {

bool isLineEnd(char c) { return c == '\r' || c == '\n'; }

// Consumes one field separator after a field: a comma, or a line end (CR LF,
// lone CR or lone LF).
void skipSeparator(std::string_view s, std::size_t& i) {
  if (i >= s.size())
    return;
  if (s[i] == ',') {
    ++i;
  } else if (s[i] == '\r') {
    ++i;
    if (i < s.size() && s[i] == '\n')
      ++i;
  } else if (s[i] == '\n') {
    ++i;
  }
}

} // namespace

std::vector<std::string> readFields(std::string_view s) {
  std::vector<std::string> fields;
  std::size_t i = 0;
  while (i < s.size()) {
    // Blanks and tabs before a field are skipped, also before a quote.
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t'))
      ++i;
    std::string_view value;
    if (i < s.size() && s[i] == '"') {
      const std::size_t start = i + 1;
      std::size_t close = s.find('"', start);
      if (close == std::string_view::npos)
        close = s.size();
      value = s.substr(start, close - start);
      i = close < s.size() ? close + 1 : close;
      while (i < s.size() && s[i] != ',' && !isLineEnd(s[i]))
        ++i;
    } else {
      const std::size_t start = i;
      while (i < s.size() && s[i] != ',' && !isLineEnd(s[i]))
        ++i;
      value = s.substr(start, i - start);
    }
    fields.push_back(cp1252ToUtf8(value));
    skipSeparator(s, i);
  }
  return fields;
}

FieldProblem checkField(std::string_view utf8) {
  for (char c : utf8) {
    if (c == '"')
      return FieldProblem::DoubleQuote;
    if (c == '\r' || c == '\n')
      return FieldProblem::LineBreak;
  }
  if (!utf8ToCp1252(utf8))
    return FieldProblem::NotCp1252;
  return FieldProblem::None;
}

std::optional<std::string> encodeLine(std::string_view utf8) {
  if (checkField(utf8) != FieldProblem::None)
    return std::nullopt;
  std::string line = "\"";
  line += *utf8ToCp1252(utf8);
  line += "\"\r\n";
  return line;
}

std::optional<std::string> encodeLines(const std::vector<std::string>& values) {
  std::string out;
  for (const auto& v : values) {
    const auto line = encodeLine(v);
    if (!line)
      return std::nullopt;
    out += *line;
  }
  return out;
}

std::string dataFilePath(std::string_view folder, std::string_view name) {
  std::string path(folder);
  path += '/';
  path += name;
  return path;
}

} // namespace slv
