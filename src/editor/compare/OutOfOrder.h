#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "editor/match/RowMatching.h"

namespace sky {

// The paired rows of A whose place among the paired rows changed: all but those of a longest run
// of pairs that keeps the order of both lists (a longest common subsequence). The rows before and
// after a row removed or added keep their order, so such a row moves nothing else.
//
// Of several longest runs, the one is kept whose rows moved the fewest places, then the one
// tieKey(rowA, rowB) of its pairs picks; neither may depend on which list is A, so that comparing
// B with A finds the same rows moved. The key is asked only where runs tie, which is seldom.
using PairTieKey = std::function<std::uint64_t(std::uint32_t rowA, std::uint32_t rowB)>;
std::vector<char> rowsOutOfOrder(const RowMatching& matching, const PairTieKey& tieKey);

}  // namespace sky
