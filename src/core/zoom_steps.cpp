#include "core/zoom_steps.h"

#include <array>

namespace slv {

namespace {
constexpr std::array<double, 17> kSteps = {0.25, 0.33, 0.5,  0.67, 0.75, 0.8, 0.9, 1.0, 1.1,
                                           1.25, 1.5,  1.75, 2.0,  2.5,  3.0, 4.0, 5.0};
static_assert(kSteps.front() == kZoomMin && kSteps.back() == kZoomMax);
// A zoom set from elsewhere may sit between two levels or carry rounding.
constexpr double kSlack = 0.005;
} // namespace

double zoomStep(double current, int direction) {
  if (direction > 0) {
    for (double s : kSteps)
      if (s > current + kSlack)
        return s;
    return kSteps.back();
  }
  if (direction < 0) {
    for (auto it = kSteps.rbegin(); it != kSteps.rend(); ++it)
      if (*it < current - kSlack)
        return *it;
    return kSteps.front();
  }
  return 1.0;
}

} // namespace slv
