#pragma once
// The list builder's reorder rule: one item trades places with the next one.
#include <vector>

namespace slv::composer {

// Positions of a list of `count` items in their new order after the item at
// `heldBack` has been moved below the item that follows it. "Move up" of item
// k is heldBack = k - 1; "move down" is heldBack = k. A position with no item
// after it (or outside the list) leaves the order unchanged, so no item is
// ever lost.
std::vector<int> orderAfterSwap(int count, int heldBack);

} // namespace slv::composer
