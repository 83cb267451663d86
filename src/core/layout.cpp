#include "layout.h"

namespace slv {

PaneLayout paneLayout(int windowWidth, int windowHeight, int panelOpen) {
  const bool panel = panelOpen != 0;
  const int left = panel ? 3865 : 75;
  const int margin = panel ? 4100 : 50;
  const int width = windowWidth - 100 - margin;
  const int height = windowHeight - 2500;
  return {width >= 0 && height >= 0, left, width, height};
}

PeekAdvance peekAdvance(int peekStep) {
  const int next = peekStep + 1;
  if (next == 7)
    return {0, true};
  return {next, false};
}

} // namespace slv
