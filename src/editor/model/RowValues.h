#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "db/TokenArray.h"
#include "editor/model/ChannelRecords.h"
#include "editor/model/SectionMap.h"

namespace sky {

// What the rules that compare rows (Find Duplicates, the matching of two lists) read of a row,
// shared so that every such rule reads a row alike.

// A null channel (Blank "Y") is a placeholder that keeps its place in the receiver's list without
// naming a service; no rule takes it for a channel.
bool isNullChannel(RecordKind kind, const std::string* record);

// A channel record's Name and SAT Index cells.
std::size_t channelNameField(RecordKind kind);
std::size_t channelSatelliteField(RecordKind kind);

// Names compared regardless of the case of their ASCII letters ("ZDF" and "zdf" are alike), byte
// for byte otherwise.
bool sameFoldedName(std::string_view a, std::string_view b);
// A hash that is equal for names sameFoldedName() finds alike.
std::uint64_t foldedNameHash(std::string_view name);

// The transponders by the value of their Index, as the compiler joins channels to them; of two
// transponders with one Index the first counts.
class TransponderIndex {
public:
    TransponderIndex(const TokenArray& tokens, const SectionMap& sections);

    // The row (the position in the transponder section) of the transponder a channel's TP Index
    // cell names; nothing when it names none.
    std::optional<std::size_t> rowOf(std::string_view tpIndexCell) const;

private:
    std::vector<std::pair<std::int32_t, std::uint32_t>> byIndex_;  // (Index value, row), sorted
};

}  // namespace sky
