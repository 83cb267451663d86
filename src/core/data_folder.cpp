#include "data_folder.h"

#include "slv_defaults.h"

namespace slv {

DataFolderPlan planDataFolder(const DataFolderFacts& f) {
  // An index beside a writable executable means an unpacked copy: its files stay there.
  if (f.exeHoldsIndex && f.exeWritable)
    return {f.exeFolder, false};
  // Never overwrite a forum index the user already has.
  return {f.userFolder, f.shippedIndex && !f.userHoldsIndex};
}

std::string shippedDataFolder(const std::string& exeFolder) {
  return exeFolder + "/" + SLV_SHARED_DATA_FROM_BINDIR;
}

} // namespace slv
