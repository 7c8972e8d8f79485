#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "editor/document/ListDocument.h"
#include "editor/editing/RowPlacement.h"
#include "editor/view/NumberPrompt.h"

namespace sky {

// The moves of the selected rows of the Digital Channel view (digital) or the Analog Channel
// view: Move to Number, Move Up and Down, Move to Top and Bottom. Each is one undo step, "Group
// Move", renumbers the channels, and leaves in `rows` (the selected list rows, ascending) the
// rows where the moved channels now stand. They follow the drag's rule: digital channels and PID
// channels stay in their own sections, and a selection of both is refused with a message. A
// move that cannot happen records nothing.

// Each run of selected rows one place past its neighbour; a run at its section's edge stays.
MoveResult shiftSelectedRows(ListDocument& document, bool digital, std::vector<std::size_t>& rows,
                             bool up);
// The selection to the top or the bottom of its section.
MoveResult moveRowsToEdge(ListDocument& document, bool digital, std::vector<std::size_t>& rows,
                          bool top);

// A channel's number is its place in its view, from 1 (the PID channels count on from the
// digital channels), as every move renumbers. The numbers the selection may start at: the first
// and last of the section that holds it, less the rows that must follow. Nothing while the
// selection cannot move (none, or of two sections).
struct NumberRange {
    long long first;
    long long last;
};
std::optional<NumberRange> moveToNumberRange(const ListDocument& document, bool digital,
                                             const std::vector<std::size_t>& rows);
// Moves the selection to start at the number. A number outside the range is refused with a
// message naming the range (or the sections' message for a number of the other section); the
// result says why nothing moved.
MoveResult moveRowsToNumber(ListDocument& document, bool digital, std::vector<std::size_t>& rows,
                            long long number);
// "Move to Number...": asks the number within the range, starting at the first selected row's,
// then moves there; a selection of both sections is refused with a message.
MoveResult askNumberAndMove(ListDocument& document, INumberPrompt& prompt, bool digital,
                            std::vector<std::size_t>& rows);

}  // namespace sky
