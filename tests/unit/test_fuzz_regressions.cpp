// Inputs the fuzzer has found or that seed it: each reads without a crash as a
// data file, as Windows-1252 text and as a station playlist.
#include "core/datafile.h"
#include "core/asx.h"
#include "core/cp1252.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

#ifndef SLV_FUZZ_REGRESSIONS
#define SLV_FUZZ_REGRESSIONS ""
#endif

TEST(FuzzRegressions, EveryKeptInputReadsSafely) {
  const std::filesystem::path dir(SLV_FUZZ_REGRESSIONS);
  ASSERT_TRUE(std::filesystem::is_directory(dir)) << dir;
  int count = 0;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    std::ifstream in(entry.path(), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const auto fields = slv::readFields(bytes);
    if (const auto written = slv::encodeLines(fields)) {
      EXPECT_EQ(slv::readFields(*written), fields) << entry.path();
    }
    // Any bytes survive the trip to the program's text and back.
    EXPECT_EQ(slv::utf8ToCp1252(slv::cp1252ToUtf8(bytes)), bytes) << entry.path();
    // The same bytes as a station playlist: a stream found is one clean line.
    if (const auto ref = slv::asx::firstReference(bytes)) {
      EXPECT_FALSE(ref->empty()) << entry.path();
      EXPECT_EQ(ref->find_first_of("\r\n"), std::string::npos) << entry.path();
    }
    ++count;
  }
  EXPECT_GT(count, 0);
}
