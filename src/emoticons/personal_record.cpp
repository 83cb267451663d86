#include "emoticons/personal_record.h"

namespace slv::emoticons {

PersonalRecord personalRecord(std::string_view name, std::string_view address) {
  PersonalRecord r;
  r.problem = checkField(name);
  r.inName = r.problem != FieldProblem::None;
  if (!r.inName)
    r.problem = checkField(address);
  if (r.problem == FieldProblem::None)
    r.bytes = *encodeLine(name) + *encodeLine(address);
  return r;
}

std::string separatorBefore(std::string_view fileTail) {
  if (fileTail.empty())
    return {};
  const char last = fileTail.back();
  return last == '\n' || last == '\r' ? std::string() : std::string("\r\n");
}

} // namespace slv::emoticons
