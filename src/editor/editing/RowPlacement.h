#pragma once

#include <cstddef>
#include <vector>

#include "db/TokenArray.h"
#include "editor/editing/ChannelClipboard.h"
#include "editor/model/ChannelRecords.h"
#include "editor/model/SectionMap.h"

namespace sky {

// Moves of any selection of rows of the Digital Channel view (digitalView) or the Analog Channel
// view, beyond the drag's contiguous block (moveRows): Move to Number and the one-place moves.
// They follow the drag's rules: the selected rows move together, in their order, and only among
// records of their own kind, so in the Digital Channel view digital channels stay among digital
// channels and PID channels among PID channels. Rows are given in ascending order.

// The rows a selection may move within: the rows of its records' kind.
struct MoveScope {
    // Moved when the rows may move; Unchanged when there are none or one lies past the end of
    // the list; CrossesSections when they hold digital and PID channels.
    MoveResult problem = MoveResult::Unchanged;
    std::size_t first = 0;  // the scope's first row
    std::size_t count = 0;  // and its number of rows

    std::size_t end() const { return first + count; }
    // The last row a block of `size` rows may start at.
    std::size_t lastStart(std::size_t size) const { return end() - size; }
};

MoveScope moveScope(const SectionMap& sections, bool digitalView,
                    const std::vector<std::size_t>& rows);

// Moves the rows' records together, in their order, so that the first of them stands at row
// `start` and the others follow it; the rows between close up. `start` must leave the block
// inside the scope (from scope.first to scope.lastStart(rows.size())), else nothing moves and the
// result is CrossesSections for a start among rows of another kind and OutOfRange for any other
// (past the end of the view, or so near the end of the scope that the block would leave it). A
// block already standing there is Unchanged.
MoveResult placeRows(TokenArray& tokens, bool digitalView, const std::vector<std::size_t>& rows,
                     std::size_t start);
// What placeRows would return, without moving anything.
MoveResult placeResult(const SectionMap& sections, bool digitalView,
                       const std::vector<std::size_t>& rows, std::size_t start);

// Moves each run of consecutive rows one place up (towards row 0) or down, past the row next to
// it; a run already at the edge of its scope stays, and so the runs never merge. `rows` receives
// the rows the records now stand at. Moved when any run moved, Unchanged when none could.
MoveResult shiftRows(TokenArray& tokens, bool digitalView, std::vector<std::size_t>& rows, bool up);
// What shiftRows would return, without moving anything: Unchanged exactly when the rows are one
// block at the edge of their scope they would move towards.
MoveResult shiftResult(const SectionMap& sections, bool digitalView,
                       const std::vector<std::size_t>& rows, bool up);

}  // namespace sky
