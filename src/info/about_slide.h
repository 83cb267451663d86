#pragma once
// The about window's slide across the screen, in twips.

namespace slv::info {

constexpr int kSlideStep = 200;

// Where the window starts: wholly beyond the left edge of the screen.
constexpr int slideStartLeft(int windowWidth) {
  return -windowWidth;
}

struct SlideStep {
  int left;  // the window's new left edge
  bool stop; // the timer that moved it stops now
};

// One tick of the slide-in: a step to the right, stopping at the first step
// that reaches the centred position (not snapped back to it).
SlideStep slideIn(int left, int windowWidth, int screenWidth);

// One tick of the slide-out: a step to the right, stopping once the left
// edge is at or beyond the right edge of the screen.
SlideStep slideOut(int left, int screenWidth);

} // namespace slv::info
