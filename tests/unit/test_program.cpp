// Where the data files live, and the command line.
#include "core/command_line.h"
#include "core/data_folder.h"
#include "slv_defaults.h"

#include <gtest/gtest.h>

using slv::CommandLine;
using slv::parseCommandLine;

TEST(DataFolder, BesideAWritableExecutableWithItsIndexElseTheUsersSeededOnce) {
  slv::DataFolderFacts f{"/home/u/slv", true, true, "/home/u/.local/share/N/S", false, true};
  // An unpacked copy keeps its files beside the executable and copies nothing.
  EXPECT_EQ(slv::planDataFolder(f).folder, "/home/u/slv");
  EXPECT_FALSE(slv::planDataFolder(f).seedIndex);
  // Read-only, or installed without an index beside it: the user's folder, seeded.
  for (auto [index, writable] : {std::pair{true, false}, {false, true}, {false, false}}) {
    f.exeHoldsIndex = index;
    f.exeWritable = writable;
    EXPECT_EQ(slv::planDataFolder(f).folder, "/home/u/.local/share/N/S");
    EXPECT_TRUE(slv::planDataFolder(f).seedIndex);
  }
  // Never over the user's own index; nothing to copy when none was shipped.
  f.userHoldsIndex = true;
  EXPECT_FALSE(slv::planDataFolder(f).seedIndex);
  f.userHoldsIndex = false;
  f.shippedIndex = false;
  EXPECT_FALSE(slv::planDataFolder(f).seedIndex);
  EXPECT_EQ(slv::shippedDataFolder("/usr/bin"),
            std::string("/usr/bin/") + SLV_SHARED_DATA_FROM_BINDIR);
}

TEST(CommandLineOptions, HelpVersionUnknownAndTheToolkitsOwn) {
  EXPECT_EQ(parseCommandLine({}).action, CommandLine::Run);
  EXPECT_EQ(parseCommandLine({"--help"}).action, CommandLine::Help);
  EXPECT_EQ(parseCommandLine({"-platform", "offscreen", "--version"}).action, CommandLine::Version);
  // The toolkit's options and their values pass; a file name is not an option.
  EXPECT_EQ(parseCommandLine({"-style", "--fusion", "-reverse", "lista.svl"}).action,
            CommandLine::Run);
  EXPECT_EQ(parseCommandLine({"--webEngineArgs", "--no-sandbox"}).action, CommandLine::Run);
  const CommandLine bad = parseCommandLine({"--aiuto", "--help"});
  EXPECT_EQ(bad.action, CommandLine::Unknown);
  EXPECT_EQ(bad.unknown, "--aiuto");
  // The help's first line is the usage an unknown option repeats; every
  // configuration variable is listed.
  const std::string help = slv::helpText();
  EXPECT_EQ(help.rfind("Uso: solvarino", 0), 0u);
  for (const char* var :
       {"SLV_PORTAL_HOST", "SLV_CALSHOP_HOST", "SLV_HOMEPAGE_URL", "SLV_PORTAL_NAME"})
    EXPECT_NE(help.find(var), std::string::npos) << var;
  EXPECT_EQ(slv::versionText(), std::string("solvarino ") + SLV_VERSION + "\n");
}

TEST(CommandLineOptions, TheToolkitsOwnInEverySpellingQtTakes) {
  using Args = std::vector<std::string>;
  // One dash or two; a value after a blank, or after '=' where Qt reads it so.
  for (const Args& args :
       {Args{"--style", "fusion"}, Args{"--style=fusion"}, Args{"-style=fusion"},
        Args{"-style", "fusion"}, Args{"--stylesheet=a.qss"}, Args{"-stylesheet", "a.qss"},
        Args{"--platform", "offscreen"}, Args{"-platform", "offscreen"},
        Args{"--platformtheme", "gtk3"}, Args{"--plugin", "evdevtablet"},
        Args{"-qmljsdebugger=port:1234"}, Args{"--qmljsdebugger", "port:1234,block"},
        Args{"--qwindowgeometry", "200x100"}, Args{"-qwindowicon", "x.png"},
        Args{"--qwindowtitle", "x"}, Args{"--reverse"}, Args{"--session", "abc_1"},
        Args{"--widgetcount"}, Args{"--display", ":1"}, Args{"-geometry", "200x100+5+5"},
        Args{"-title", "x"}, Args{"--title", "x"}, Args{"-icon", "x.png"},
        Args{"--name", "slv"}, Args{"--sync"}}) {
    const CommandLine c = parseCommandLine(args);
    EXPECT_EQ(c.action, CommandLine::Run) << args[0] << " " << c.unknown;
  }
  // A value is taken as it comes, even one that looks like an option.
  EXPECT_EQ(parseCommandLine({"--title", "--aiuto"}).action, CommandLine::Run);
  // What Qt does not read stays unknown: '=' after an option Qt only reads
  // with a blank, three dashes, a flag given a value, a name Qt lacks.
  for (const char* bad : {"-platform=offscreen", "--geometry=200x100", "---style", "--reverse=1",
                          "-stylefusion", "--styles", "--titolo"}) {
    const CommandLine c = parseCommandLine({bad, "fusion"});
    EXPECT_EQ(c.action, CommandLine::Unknown) << bad;
    EXPECT_EQ(c.unknown, bad);
  }
}
