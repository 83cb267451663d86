#pragma once
// Which line of Favourite.svl a removal takes out. The file may have changed
// since the list was shown (another program, an edit by hand), so the choice
// is matched against what is on disk now and never drops a line the user did
// not choose.
#include <optional>
#include <string>
#include <vector>

namespace slv::forums {

// The line at the chosen position when it still holds the chosen entry, else
// the first line that does; none when the entry is gone.
std::optional<std::size_t> lineToRemove(const std::vector<std::string>& onDisk,
                                        std::size_t chosenRow, const std::string& entry);

} // namespace slv::forums
