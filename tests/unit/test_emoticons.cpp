// The emoticon catalogue, the picture address and tag rule, and the personal file reader.
#include "emoticons/emo_catalogue.h"
#include "emoticons/personal_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <set>

namespace fs = std::filesystem;
using namespace slv::emoticons;
using V = std::vector<std::string>;

TEST(EmoCatalogue, EachBuiltInSetHasItsSizeFirstAndLastNames) {
  struct Expect {
    std::size_t size;
    std::string_view first, last, folder, caption;
  };
  const Expect sets[4] = {
      {51, "Angelo", "Si", "EmoTray/", "EMO TRAY"},
      {36, "sorriso", "troll 5", "PtoInformatico/", "PTO INFORM"},
      {86, "gruppetto", "peso della cultura", "Tweedo/", "TWEEDO"},
      {88, "sorridente", "cucciolo", "Yahoo/", "YAHOO"},
  };
  for (int s = 0; s < 4; ++s) {
    SCOPED_TRACE(s);
    const auto names = setNames(s);
    ASSERT_EQ(names.size(), sets[s].size);
    EXPECT_EQ(names.front(), sets[s].first);
    EXPECT_EQ(names.back(), sets[s].last);
    EXPECT_EQ(setFolder(s), sets[s].folder);
    EXPECT_EQ(setCaption(s), sets[s].caption);
    // No name repeats within a set.
    EXPECT_EQ(std::set<std::string_view>(names.begin(), names.end()).size(), names.size());
  }
  EXPECT_EQ(setCaption(4), "PERSONALI");
  EXPECT_TRUE(setNames(4).empty());
  EXPECT_TRUE(setFolder(4).empty());
  EXPECT_TRUE(setNames(5).empty() && setNames(-1).empty() && setCaption(5).empty());
}

TEST(EmoCatalogue, NamesKeepAccentsPunctuationAndPosition) {
  EXPECT_EQ(setNames(0)[18], "C'è mancato poco");  // number 19
  EXPECT_EQ(setNames(0)[48], "Che cosa ?!?");
  EXPECT_EQ(setNames(0)[11], "Cucinare");
  EXPECT_EQ(setNames(1)[25], "che significa ?");
  EXPECT_EQ(setNames(2)[82], "già già");
  EXPECT_EQ(setNames(2)[71], "strizza l'occhio");
  EXPECT_EQ(setNames(2)[9], "acc...");
  EXPECT_EQ(setNames(3)[56], "caffè");
  EXPECT_EQ(setNames(3)[32], "non ti parlo più");
}

TEST(EmoCatalogue, ListIndexMapsToPictureNumberInPlainDecimal) {
  const std::string base = "http://emo.test/e/";
  EXPECT_EQ(imageAddress(base, "Yahoo/", 0), "http://emo.test/e/Yahoo/1.gif");
  EXPECT_EQ(imageAddress(base, "EmoTray/", 11), "http://emo.test/e/EmoTray/12.gif");
  EXPECT_EQ(imageAddress(base, "EmoTray/", 9), "http://emo.test/e/EmoTray/10.gif");
  // The last entry of each set is the picture numbered as the set's size.
  const char* lastFiles[4] = {"EmoTray/51.gif", "PtoInformatico/36.gif", "Tweedo/86.gif",
                              "Yahoo/88.gif"};
  for (int s = 0; s < 4; ++s) {
    const int last = static_cast<int>(setNames(s).size()) - 1;
    EXPECT_EQ(imageAddress(base, setFolder(s), last), base + lastFiles[s]);
  }
  EXPECT_EQ(imageTag("http://emo.test/e/Yahoo/1.gif"), "[img]http://emo.test/e/Yahoo/1.gif[/img]");
  // Personal addresses go into the tag verbatim, whatever they are.
  EXPECT_EQ(imageTag(" x y,z "), "[img] x y,z [/img]");
}

TEST(EmoCatalogue, BaseAddressComesFromConfiguration) {
  ::unsetenv("SLV_EMO_HOST");
  const std::string fallback = emoBaseAddress();
  EXPECT_EQ(fallback.rfind("http://", 0), 0u);
  EXPECT_EQ(fallback.back(), '/');
  EXPECT_NE(fallback.find(".example/"), std::string::npos);
  ::setenv("SLV_EMO_HOST", "127.0.0.1:8123", 1);
  EXPECT_EQ(emoBaseAddress(), "http://127.0.0.1:8123/emoticons/");
  ::unsetenv("SLV_EMO_HOST");
}

TEST(PersonalSet, RecordsAreNamePlusAddress) {
  const auto set = parsePersonalSet("\"Gatto, nero\"\r\n\"http://img.test/g.gif\"\r\n"
                                    "\"caff\xe8\"\r\n\"http://img.test/c.gif\"\r\n");
  EXPECT_TRUE(set.ok);
  EXPECT_EQ(set.names, (V{"Gatto, nero", "caffè"}));
  EXPECT_EQ(set.addresses, (V{"http://img.test/g.gif", "http://img.test/c.gif"}));
}

TEST(PersonalSet, EmptyAndDamagedFiles) {
  const auto empty = parsePersonalSet("");
  EXPECT_TRUE(empty.ok);
  EXPECT_TRUE(empty.names.empty() && empty.addresses.empty());

  // The file ends after a name: the name stays, its address is missing.
  const auto cut = parsePersonalSet("\"uno\"\r\n\"http://a/1.gif\"\r\n\"due\"\r\n");
  EXPECT_FALSE(cut.ok);
  EXPECT_EQ(cut.names, (V{"uno", "due"}));
  EXPECT_EQ(cut.addresses, V{"http://a/1.gif"});
}

class PersonalFile : public ::testing::Test {
protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("slv-emo-" + std::to_string(std::random_device{}()));
    ASSERT_TRUE(fs::create_directory(dir)) << dir;
    path = (dir / "Personali.et2").string();
  }
  void TearDown() override { fs::remove_all(dir); }
  void write(std::string_view bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
  }
  fs::path dir;
  std::string path;
};

TEST_F(PersonalFile, ReadsTheFileAndNeverCreatesIt) {
  const auto missing = readPersonalSet(path);
  EXPECT_FALSE(missing.ok);
  EXPECT_TRUE(missing.names.empty());
  EXPECT_FALSE(fs::exists(path));

  write("\"Gatto, nero\"\r\n\"http://img.test/g.gif\"\r\n");
  const auto set = readPersonalSet(path);
  EXPECT_TRUE(set.ok);
  EXPECT_EQ(set.names, V{"Gatto, nero"});
  EXPECT_EQ(set.addresses, V{"http://img.test/g.gif"});

  write("");
  EXPECT_TRUE(readPersonalSet(path).ok);
}

TEST_F(PersonalFile, AFolderInItsPlaceIsReportedAsDamaged) {
  fs::create_directory(path);
  const auto set = readPersonalSet(path);
  EXPECT_FALSE(set.ok);
  EXPECT_TRUE(set.names.empty());
}
