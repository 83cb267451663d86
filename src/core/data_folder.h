#pragma once
// Where the program keeps its data files (Allforums.svl, Favourite.svl,
// Personali.et2). A folder the user unpacked the program into keeps them beside
// the executable, as always; an installed program keeps them in the user's own
// data folder, seeded once with the forum index shipped in the installation.
#include <string>

namespace slv {

// What the program finds on disk when it starts.
struct DataFolderFacts {
  std::string exeFolder;
  bool exeHoldsIndex = false; // Allforums.svl beside the executable
  bool exeWritable = false;
  std::string userFolder; // the user's own data folder for the program
  bool userHoldsIndex = false;
  bool shippedIndex = false; // the installation's Allforums.svl exists
};

struct DataFolderPlan {
  std::string folder;
  // Copy the shipped forum index into folder (it holds none yet).
  bool seedIndex = false;
};

DataFolderPlan planDataFolder(const DataFolderFacts& facts);

// The folder of an installation's shipped data, from the executable's folder.
std::string shippedDataFolder(const std::string& exeFolder);

} // namespace slv
