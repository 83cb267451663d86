#include "forums/favourites_removal.h"

#include <algorithm>

namespace slv::forums {

std::optional<std::size_t> lineToRemove(const std::vector<std::string>& onDisk,
                                        std::size_t chosenRow, const std::string& entry) {
  if (chosenRow < onDisk.size() && onDisk[chosenRow] == entry)
    return chosenRow;
  const auto it = std::find(onDisk.begin(), onDisk.end(), entry);
  if (it == onDisk.end())
    return std::nullopt;
  return static_cast<std::size_t>(it - onDisk.begin());
}

} // namespace slv::forums
