// Song titles read from inside a station's stream.
#include "core/icy_metadata.h"

#include <gtest/gtest.h>

using namespace slv;

namespace {
// One metadata block as a station sends it: length byte, text, NUL padding.
std::string block(const std::string& text) {
  const std::size_t units = (text.size() + 15) / 16;
  return std::string(1, static_cast<char>(units)) + text +
         std::string(units * 16 - text.size(), '\0');
}
} // namespace

TEST(IcyMetadata, TitlesFromBlocksSplitAnywhere) {
  const std::string audio(16, 'a');
  const std::string stream = audio + block("StreamTitle='Mina - Se telefonando';StreamUrl='';") +
                             audio + block("StreamTitle='Mina - Se telefonando';") + audio +
                             std::string(1, '\0') + audio + block("StreamTitle='Dalla - L'anno';");
  for (std::size_t piece : {std::size_t{1}, std::size_t{7}, stream.size()}) {
    IcyReader r(16);
    int changes = 0;
    for (std::size_t at = 0; at < stream.size(); at += piece)
      changes += r.feed(std::string_view(stream).substr(at, piece));
    // The same title again is no news; one feed tells at most one change.
    EXPECT_EQ(changes, piece == stream.size() ? 1 : 2) << piece;
    EXPECT_EQ(r.title(), "Dalla - L'anno");
    EXPECT_EQ(r.audioBytes(), 64u);
  }
}

TEST(IcyMetadata, BadInputGivesWhatCanBeReadOrNothing) {
  EXPECT_EQ(icyStreamTitle("StreamTitle='Senza fine"), "Senza fine");
  EXPECT_EQ(icyStreamTitle("StreamUrl='x';"), std::nullopt);
  EXPECT_EQ(icyStreamTitle("StreamTitle='';"), "");
  EXPECT_EQ(icyStreamTitle("StreamTitle='Caf\xE9 \x80';"), "Caf\xC3\xA9 \xE2\x82\xAC");
  EXPECT_EQ(icyStreamTitle("StreamTitle='Citt\xC3\xA0';"), "Citt\xC3\xA0");
  EXPECT_EQ(icyStreamTitle("StreamTitle=' a\r\n\x1B[31m\xE2\x80\xAE b\x7F ';"), "a [31m b");
  EXPECT_EQ(icyStreamTitle(std::string(40, '\0')), std::nullopt);

  // The largest block, of junk, and a title far too long: bounded.
  std::string junk(4080, '\0');
  for (std::size_t i = 0; i < junk.size(); ++i)
    junk[i] = static_cast<char>(i * 37 + 11);
  IcyReader r(16);
  EXPECT_FALSE(r.feed(std::string(16, 'a') + "\xFF" + junk + std::string(16, 'a')));
  EXPECT_EQ(r.audioBytes(), 32u);
  const auto longTitle = icyStreamTitle("StreamTitle='" + std::string(5000, 'x') + "';");
  EXPECT_EQ(longTitle->size(), IcyReader::kMaxTitleChars + 3); // and an ellipsis

  EXPECT_EQ(icyInterval(" 16000"), 16000u);
  for (const char* bad : {"", "0", "-5", "12k", "99999999999999999999"})
    EXPECT_EQ(icyInterval(bad), std::nullopt) << bad;
}
