// Inputs the fuzzer has found or that seed it: each reads without a crash and
// what can be written back reads back the same.
#include "core/datafile.h"

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
    ++count;
  }
  EXPECT_GT(count, 0);
}
