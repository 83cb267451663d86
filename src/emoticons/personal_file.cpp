#include "emoticons/personal_file.h"

#include "core/datafile.h"

#include <filesystem>
#include <fstream>

namespace slv::emoticons {

PersonalSet parsePersonalSet(std::string_view bytes) {
  PersonalSet set;
  const std::vector<std::string> fields = slv::readFields(bytes);
  for (std::size_t i = 0; i < fields.size(); i += 2) {
    set.names.push_back(fields[i]);
    if (i + 1 < fields.size())
      set.addresses.push_back(fields[i + 1]);
    else
      set.ok = false;  // the file ends after a name
  }
  return set;
}

PersonalSet readPersonalSet(const std::string& path) {
  // The path is UTF-8. A narrow path would be read in the ANSI code page on
  // Windows, and a folder named outside it would not be found.
  std::ifstream in(std::filesystem::path(std::u8string(path.begin(), path.end())),
                   std::ios::binary);
  if (!in.is_open())
    return PersonalSet{{}, {}, false};
  std::string bytes;
  char buffer[4096];
  while (in.read(buffer, sizeof buffer) || in.gcount() > 0)
    bytes.append(buffer, static_cast<std::size_t>(in.gcount()));
  PersonalSet set = parsePersonalSet(bytes);
  // A read that broke off (a folder of that name, a disk error) is a damaged file.
  if (in.bad())
    set.ok = false;
  return set;
}

} // namespace slv::emoticons
