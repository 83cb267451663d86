#include "composer/list_order.h"

namespace slv::composer {

std::vector<int> orderAfterSwap(int count, int heldBack) {
  std::vector<int> order;
  order.reserve(count > 0 ? static_cast<std::size_t>(count) : 0);
  const bool swap = heldBack >= 0 && heldBack + 1 < count;
  for (int i = 0; i < count; ++i) {
    if (swap && i == heldBack)
      continue;
    order.push_back(i);
    if (swap && i == heldBack + 1)
      order.push_back(heldBack);
  }
  return order;
}

} // namespace slv::composer
