#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "editor/match/RowMatching.h"

namespace sky {

// The paired rows of A whose place among the paired rows changed: all but those of a longest run
// of pairs that keeps the order of both lists (a longest common subsequence). The rows before and
// after a row removed or added keep their order, so such a row moves nothing else.
//
// Of several longest runs, the one is kept whose rows moved the fewest places, then the one the
// sum of tieKeysA and tieKeysB (by row of each list) picks; neither depends on which list is A,
// so that comparing B with A finds the same rows moved.
std::vector<char> rowsOutOfOrder(const RowMatching& matching,
                                 std::span<const std::uint64_t> tieKeysA,
                                 std::span<const std::uint64_t> tieKeysB);

}  // namespace sky
