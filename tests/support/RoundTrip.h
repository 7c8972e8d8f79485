#pragma once

#include <string>

#include "common/RuntimeSettings.h"

namespace sky::test {

// Opens the list at `path`, saves it, checks and opens the saved file, and saves it once more: a
// list that opens must come back with the same rows in every section (the sections themselves in
// the writer's order), and the second save must write the same bytes as the first. Returns what
// went wrong, or "" when the list kept; `refused` tells whether the first open refused the list,
// which is no fault when it said why.
std::string roundTripFault(const std::string& path, const RuntimeSettings& settings, bool& refused);

}  // namespace sky::test
