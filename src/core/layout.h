#pragma once
// Where the three browser panes go for a given window size (all in twips).

namespace slv {

struct PaneLayout {
  bool ok;     // false when a width or height would be negative
  int left;    // 75 with no panel open, 3865 with one
  int width;   // window width - 100 - margin
  int height;  // window height - 2500
};

PaneLayout paneLayout(int windowWidth, int windowHeight, int panelOpen);

// The step of the busy animation after the current one (0..6, wrapping to 0);
// wrapped is true when the cycle ends and every letter must be hidden.
struct PeekAdvance {
  int next;
  bool wrapped;
};
PeekAdvance peekAdvance(int peekStep);

} // namespace slv
