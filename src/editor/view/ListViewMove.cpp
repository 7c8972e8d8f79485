// The list view's moves of the selected rows: Move to Number and the one-place and edge moves.

#include "editor/view/ListView.h"

namespace sky {

std::optional<NumberRange> ListView::moveToNumberRange() const {
    if (!canMove()) return std::nullopt;
    return sky::moveToNumberRange(document_, digital_, selectedListRows());
}

MoveResult ListView::moveSelectionToNumber(long long number) {
    return moveSelected([this, number](std::vector<std::size_t>& rows) {
        return moveRowsToNumber(document_, digital_, rows, number);
    });
}

}  // namespace sky
