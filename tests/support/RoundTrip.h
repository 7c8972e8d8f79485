#pragma once

#include <string>
#include <string_view>

#include "common/RuntimeSettings.h"

namespace sky::test {

// Opens the list's text, saves it to text, checks and opens the saved text, and saves it once
// more: a list that opens must come back with the same rows in every section (the sections
// themselves in the writer's order), and the second save must write the same bytes as the first.
// Returns what went wrong, or "" when the list kept; `refused` tells whether the first open refused
// the list, which is no fault when it said why.
std::string roundTripFault(std::string_view text, const RuntimeSettings& settings, bool& refused);

}  // namespace sky::test
