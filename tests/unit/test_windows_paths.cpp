// Data files on disk, in a folder whose name is not ASCII: the bytes written
// are the bytes read, on Linux and on a Windows C runtime alike.
#include "core/datafile.h"
#include "emoticons/personal_file.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <random>

namespace fs = std::filesystem;

namespace {

class DataFileOnDisk : public ::testing::Test {
protected:
  void SetUp() override {
    root = fs::temp_directory_path() / ("slv-paths-" + std::to_string(std::random_device{}()));
    folder = root / fs::path(std::u8string(u8"Documenti/Società"));
    fs::create_directories(folder);
  }
  void TearDown() override { fs::remove_all(root); }

  static void write(const fs::path& file, const std::string& bytes) {
    std::ofstream out(file, std::ios::binary);
    out << bytes;
    ASSERT_TRUE(out.flush()) << file;
  }
  // A path as the program holds it: UTF-8 in a std::string.
  static std::string utf8(const fs::path& p) {
    const std::u8string s = p.u8string();
    return {s.begin(), s.end()};
  }
  static std::string read(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  fs::path root, folder;
};

} // namespace

TEST_F(DataFileOnDisk, AFolderNamedInUtf8IsFoundUnderItsName) {
  write(folder / "Favourite.svl", "\"a\"\r\n");
  EXPECT_EQ(utf8(fs::directory_iterator(root / "Documenti")->path().filename()), "Società");
  EXPECT_EQ(read(folder / "Favourite.svl"), "\"a\"\r\n");
}

TEST_F(DataFileOnDisk, CrLfAndWindows1252BytesAreWrittenBackExactly) {
  // A file as another program left it: the example sentence, then 0x80-0x9F
  // (the five undefined bytes included) in one field.
  std::string high;
  for (int b = 0x80; b <= 0x9f; ++b)
    high += static_cast<char>(b);
  const std::string file = "\"C'\xe8 mancato poco\"\r\n\"" + high + "\"\r\n";
  write(folder / "Allforums.svl", file);

  const std::vector<std::string> values = slv::readFields(read(folder / "Allforums.svl"));
  ASSERT_EQ(values.size(), 2u);
  EXPECT_EQ(values[0], "C'è mancato poco");
  const auto encoded = slv::encodeLines(values);
  ASSERT_TRUE(encoded);
  write(folder / "Favourite.svl", *encoded);
  EXPECT_EQ(read(folder / "Favourite.svl"), file); // a text-mode stream would double each CR
}

TEST_F(DataFileOnDisk, ThePersonalFileIsReadThroughAUtf8Path) {
  // The program hands over its folder as UTF-8; a Windows runtime would read a
  // narrow path in the ANSI code page and look for another folder.
  const fs::path file = folder / "Personali.et2";
  write(file, "\"Gatto\"\r\n\"http://img.test/g.gif\"\r\n");
  const auto set = slv::emoticons::readPersonalSet(utf8(file));
  EXPECT_TRUE(set.ok);
  EXPECT_EQ(set.names, std::vector<std::string>{"Gatto"});
}
