#pragma once

#include <string>
#include <vector>

namespace sky {

// The editable channel list: section markers and one string per field, in file order.
using TokenArray = std::vector<std::string>;

}  // namespace sky
