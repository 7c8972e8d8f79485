#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "editor/match/MatchRows.h"

namespace sky {

// How a reference row found its row in the other list: by identity, by name, or by a key of the
// caller's (pairByKey).
enum class MatchedBy : std::uint8_t { Nothing, Identity, Name, Key };

// The pairs of rows of a reference and of a list that are one channel (or transponder).
struct RowMatching {
    static constexpr std::uint32_t kNone = UINT32_MAX;
    std::vector<std::uint32_t> listRowOf;       // by reference row: its list row, or kNone
    std::vector<MatchedBy> matchedBy;           // by reference row
    std::vector<std::uint32_t> referenceRowOf;  // by list row: its reference row, or kNone
};

// Pairs each reference row with at most one list row and each list row with at most one reference
// row, alike whichever of the two lists is the reference: matchRows(b, a) holds the pairs of
// matchRows(a, b).
//
// First by identity: the rows of one identity on a satellite of the same name, then those on any
// satellite; each first at the same frequency, then 1 MHz apart, then 2 MHz apart
// (kFrequencyTolerance), the lower frequencies first. Where several rows of one side could take
// several of the other, rows of the same name and cells pair first, then those of the same name,
// then those of the same cells, then the rest; each time the k-th row of the reference with the
// k-th of the list. Then the rows still unpaired by name, likewise. Null channels are never paired.
// Rows are grouped by hash and sorted by frequency within their identity: a list of tens of
// thousands of rows takes milliseconds, however many of its rows share an identity.
RowMatching matchRows(std::span<const MatchRow> reference, std::span<const MatchRow> list);

// Pairs rows still unpaired that have a key: the k-th reference row of a key, in the reference's
// order, with the k-th list row of that key. Rows without a key are passed over.
void pairByKey(RowMatching& matching, std::span<const std::optional<std::uint64_t>> referenceKeys,
               std::span<const std::optional<std::uint64_t>> listKeys);

}  // namespace sky
