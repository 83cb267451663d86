#include "info/about_slide.h"

namespace slv::info {

SlideStep slideIn(int left, int windowWidth, int screenWidth) {
  const int next = left + kSlideStep;
  // next >= screen/2 - window/2, kept in whole numbers so odd widths compare exactly.
  return {next, 2 * next >= screenWidth - windowWidth};
}

SlideStep slideOut(int left, int screenWidth) {
  const int next = left + kSlideStep;
  return {next, next >= screenWidth};
}

} // namespace slv::info
