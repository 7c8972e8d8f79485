#pragma once

#include <cstddef>
#include <vector>

#include "editor/view/ShownList.h"

namespace sky {

// The columns a view shows (width above 0), in their order: the only ones exported or copied.
std::vector<std::size_t> shownColumns(const ShownList& shown);

// Every shown row, in order.
std::vector<std::size_t> allShownRows(const ShownList& shown);

}  // namespace sky
