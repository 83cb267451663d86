#pragma once
// Design units: positions in twips (15 twips = 1 pixel at 96 dpi) and colours
// as 0x00BBGGRR values.
#include <cstdint>

namespace slv {

constexpr int kTwipsPerPixel = 15;

constexpr int twipsToPixels(int twips) {
  return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                    : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}
constexpr int pixelsToTwips(int pixels) { return pixels * kTwipsPerPixel; }

struct Rgb {
  int r, g, b;
};
constexpr Rgb bgrToRgb(std::uint32_t bgr) {
  return {static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
          static_cast<int>((bgr >> 16) & 0xFF)};
}

} // namespace slv
