// The program's own beep tone as a WAV file.
#include "core/beep_sound.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

std::uint32_t u32(const std::string& b, size_t at) {
  return static_cast<std::uint8_t>(b[at]) | static_cast<std::uint8_t>(b[at + 1]) << 8 |
         static_cast<std::uint8_t>(b[at + 2]) << 16 |
         static_cast<std::uint32_t>(static_cast<std::uint8_t>(b[at + 3])) << 24;
}
std::uint16_t u16(const std::string& b, size_t at) {
  return static_cast<std::uint16_t>(static_cast<std::uint8_t>(b[at]) |
                                    static_cast<std::uint8_t>(b[at + 1]) << 8);
}
std::vector<int> samplesOf(const std::string& wave) {
  std::vector<int> s;
  for (size_t at = 44; at + 1 < wave.size(); at += 2)
    s.push_back(static_cast<std::int16_t>(u16(wave, at)));
  return s;
}

} // namespace

TEST(BeepSound, AWaveFileAudioSystemsRead) {
  slv::Tone tone;
  tone.sampleRate = 8000;
  tone.durationMs = 250;
  const std::string w = slv::toneWave(tone);
  ASSERT_EQ(w.size(), 44u + 2000u * 2u);
  EXPECT_EQ(w.substr(0, 4), "RIFF");
  EXPECT_EQ(u32(w, 4), w.size() - 8);
  EXPECT_EQ(w.substr(8, 8), "WAVEfmt ");
  EXPECT_EQ(u32(w, 16), 16u);
  EXPECT_EQ(u16(w, 20), 1u); // PCM
  EXPECT_EQ(u16(w, 22), 1u); // mono
  EXPECT_EQ(u32(w, 24), 8000u);
  EXPECT_EQ(u32(w, 28), 16000u); // bytes per second
  EXPECT_EQ(u16(w, 32), 2u);
  EXPECT_EQ(u16(w, 34), 16u);
  EXPECT_EQ(w.substr(36, 4), "data");
  EXPECT_EQ(u32(w, 40), 4000u);
}

TEST(BeepSound, ATuneAtTheAskedPitchAndLoudnessWithSoftEdges) {
  slv::Tone tone;
  tone.frequencyHz = 1000;
  tone.durationMs = 200;
  tone.sampleRate = 22050;
  tone.volume = 0.5;
  const auto s = samplesOf(slv::toneWave(tone));
  ASSERT_EQ(s.size(), 4410u);
  int crossings = 0, peak = 0;
  for (size_t i = 1; i < s.size(); ++i) {
    if ((s[i - 1] < 0) != (s[i] < 0))
      ++crossings;
    peak = std::max(peak, std::abs(s[i]));
  }
  // 1000 Hz for 0.2 s: 200 periods, two sign changes each.
  EXPECT_NEAR(crossings, 400, 4);
  EXPECT_NEAR(peak, 16384, 200);
  // No click: the tone starts and ends at silence and swells gradually.
  EXPECT_EQ(s.front(), 0);
  EXPECT_LE(std::abs(s.back()), 200);
  for (size_t i = 0; i < 20; ++i)
    EXPECT_LE(std::abs(s[i]), 16384 * static_cast<int>(i + 1) / 220 + 2) << i;
}

TEST(BeepSound, OutOfRangeSettingsStillGiveAValidFile) {
  slv::Tone loud;
  loud.volume = 7.0; // clipped to full scale, never wrapped round
  for (int v : samplesOf(slv::toneWave(loud)))
    EXPECT_LE(std::abs(v), 32767);
  slv::Tone none;
  none.durationMs = 0;
  const std::string w = slv::toneWave(none);
  EXPECT_EQ(w.size(), 44u);
  EXPECT_EQ(u32(w, 40), 0u);
}
