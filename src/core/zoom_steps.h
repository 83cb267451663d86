#pragma once
// The zoom levels a browser pane steps through, as browsers offer them.

namespace slv {

// The smallest and the largest zoom: the first and the last level.
inline constexpr double kZoomMin = 0.25;
inline constexpr double kZoomMax = 5.0;

// The zoom after one step in (direction > 0) or out (< 0) from current, or
// back to the page's own size (0). It stays within what the engine takes.
double zoomStep(double current, int direction);

} // namespace slv
