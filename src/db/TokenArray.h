#pragma once

#include <string>
#include <vector>

#include "db/LargeBlockAllocator.h"

namespace sky {

// The editable channel list: section markers and one string per field, in file order. A large
// list's array takes its memory in huge pages where the system offers them.
using TokenArray = std::vector<std::string, LargeBlockAllocator<std::string>>;

}  // namespace sky
