#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "editor/match/MatchRows.h"

namespace sky {

// How a reference row found its row in the other list.
enum class MatchedBy : std::uint8_t { Nothing, Identity, Name };

// The pairs of rows of a reference and of a list that are one channel (or transponder).
struct RowMatching {
    static constexpr std::uint32_t kNone = UINT32_MAX;
    std::vector<std::uint32_t> listRowOf;       // by reference row: its list row, or kNone
    std::vector<MatchedBy> matchedBy;           // by reference row
    std::vector<std::uint32_t> referenceRowOf;  // by list row: its reference row, or kNone
};

// Pairs each reference row with at most one list row and each list row with at most one reference
// row. First by identity, the reference rows in their order: the candidates have the same
// identity and a frequency within kFrequencyTolerance; of several, one on a satellite of the same
// name comes first, then the nearest frequency, then the first in the list. Then the rows still
// unpaired by name, the reference rows in their order taking the first list row of that name.
// Null channels are never paired. Rows are looked up by hash, each frequency a key of its own, so
// that the tolerance is a look at five keys: a list of tens of thousands of rows takes
// milliseconds, however many of its rows share an identity.
RowMatching matchRows(std::span<const MatchRow> reference, std::span<const MatchRow> list);

}  // namespace sky
