#pragma once
// The zoom levels a browser pane steps through, as browsers offer them.

namespace slv {

// The zoom after one step in (direction > 0) or out (< 0) from current, or
// back to the page's own size (0). It stays within what the engine takes.
double zoomStep(double current, int direction);

} // namespace slv
