#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "editor/view/ShownList.h"

namespace sky {

// The columns a view shows (width above 0), in their order: the only ones exported or copied.
std::vector<std::size_t> shownColumns(const ShownList& shown);

// A cell as exports and the clipboard carry it: in UTF-8, the list's Latin-1 text converted.
std::string exportedCell(const ShownList& shown, std::size_t row, std::size_t column);

// Every shown row, in order.
std::vector<std::size_t> allShownRows(const ShownList& shown);

}  // namespace sky
