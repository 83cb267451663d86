#pragma once
// The program's command line: --help, --version, and nothing else of its
// own. Options of the toolkit (-platform, -style, ...) pass through.
#include <string>
#include <vector>

namespace slv {

struct CommandLine {
  enum Action { Run, Help, Version, Unknown };
  Action action = Run;
  std::string unknown; // Unknown: the option at fault
};

// args: the arguments after the program's name.
CommandLine parseCommandLine(const std::vector<std::string>& args);

// The Italian help, its first line the usage; it lists every configuration
// variable with its compiled-in default.
std::string helpText();
// "solvarino 3.3.12"
std::string versionText();

} // namespace slv
