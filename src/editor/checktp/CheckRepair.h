#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "db/TokenArray.h"
#include "editor/checktp/TransponderCheck.h"
#include "editor/document/ListDocument.h"

namespace sky {

// The repairs of Check Transponders: the rows the user ticked in the result (setRepairTicked())
// take the table's frequency and symbol rate, and the channels of a ticked DVB-S2 transponder
// leave the list as Delete takes out channels (deleteRows()); the channels are then renumbered
// as after Delete. Nothing changes for a row without a tick.

// The undo entry of the repairs.
inline constexpr const char* kCheckTranspondersLabel = "Check Transponders";

// Ticks or unticks the repair of a checked transponder; false, with nothing changed, for a row
// without a repair.
bool setRepairTicked(CheckedTransponder& tp, bool ticked);
// The ticked repairs of the check.
std::size_t tickedRepairs(const TransponderCheck& check);

// What the repairs changed.
struct RepairCounts {
    std::size_t transponders = 0;  // rows given the table's values
    std::size_t channels = 0;      // channels deleted

    bool any() const { return transponders + channels > 0; }
};

// Applies the ticked repairs to the array. Nothing, with the array unchanged and `error` set,
// when a ticked row is no longer what the check saw (the list changed since).
std::optional<RepairCounts> applyRepairs(TokenArray& tokens, const TransponderCheck& check,
                                         std::string& error);

// The repairs as one edit of the document: records the undo entry "Check Transponders", applies
// them, marks the list modified and refreshes it, renumbered when channels were deleted. A
// refusal is shown in a box and leaves no undo entry, as does a check with nothing ticked.
// Nothing happens to a document that is locked by a transfer or has no list.
RepairCounts repairTransponders(ListDocument& document, const TransponderCheck& check);

}  // namespace sky
