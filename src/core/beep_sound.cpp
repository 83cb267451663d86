#include "core/beep_sound.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace slv {

namespace {

void put16(std::string& out, std::uint16_t v) {
  out += static_cast<char>(v & 0xFF);
  out += static_cast<char>(v >> 8);
}

void put32(std::string& out, std::uint32_t v) {
  put16(out, static_cast<std::uint16_t>(v & 0xFFFF));
  put16(out, static_cast<std::uint16_t>(v >> 16));
}

} // namespace

std::string toneWave(const Tone& tone) {
  const int rate = std::max(tone.sampleRate, 1);
  const int samples =
      std::max(0, static_cast<int>(static_cast<long long>(rate) * tone.durationMs / 1000));
  const int fade =
      std::min(samples / 2, static_cast<int>(static_cast<long long>(rate) * tone.fadeMs / 1000));
  const double amplitude = std::clamp(tone.volume, 0.0, 1.0) * 32767.0;
  const std::uint32_t dataBytes = static_cast<std::uint32_t>(samples) * 2;

  std::string out;
  out.reserve(44 + dataBytes);
  out += "RIFF";
  put32(out, 36 + dataBytes);
  out += "WAVE";
  out += "fmt ";
  put32(out, 16);
  put16(out, 1); // PCM
  put16(out, 1); // mono
  put32(out, static_cast<std::uint32_t>(rate));
  put32(out, static_cast<std::uint32_t>(rate) * 2); // bytes per second
  put16(out, 2);                                    // bytes per frame
  put16(out, 16);                                   // bits per sample
  out += "data";
  put32(out, dataBytes);

  for (int i = 0; i < samples; ++i) {
    double envelope = 1.0;
    if (fade > 0) {
      if (i < fade)
        envelope = static_cast<double>(i) / fade;
      else if (i >= samples - fade)
        envelope = static_cast<double>(samples - 1 - i) / fade;
    }
    const double t = static_cast<double>(i) / rate;
    const double v = amplitude * envelope * std::sin(2.0 * std::numbers::pi * tone.frequencyHz * t);
    put16(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(v))));
  }
  return out;
}

} // namespace slv
