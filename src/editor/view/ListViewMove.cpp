// The list view's moves of the selected rows: Move to Number and the one-place and edge moves.

#include <algorithm>
#include <numeric>

#include "common/Format.h"
#include "editor/view/ListView.h"

namespace sky {

namespace {

constexpr const char* kMoveSectionMessage =
    "Move Only possible \n\nWithin one section.\r\n(channel/pid channel)!!\r\n";

// The number a row carries once the list is renumbered, as every move renumbers it.
long long numberOfRow(std::size_t row) {
    return static_cast<long long>(row) + 1;
}

}  // namespace

std::optional<ListView::NumberRange> ListView::moveToNumberRange() const {
    if (!canMove()) return std::nullopt;
    const std::vector<std::size_t> rows = selectedListRows();
    const MoveScope scope = moveScope(document_.sections(), digital_, rows);
    if (scope.problem != MoveResult::Moved) return std::nullopt;
    return NumberRange{numberOfRow(scope.first), numberOfRow(scope.lastStart(rows.size()))};
}

MoveResult ListView::moveSelectionToNumber(long long number) {
    const std::optional<NumberRange> range = moveToNumberRange();
    MoveResult result = MoveResult::OutOfRange;
    // A number below 1 names no row.
    if (number >= 1 || !range) {
        result = placeSelected([number](const MoveScope&, std::size_t) {
            return static_cast<std::size_t>(std::max(number, 1LL) - 1);
        });
    }
    if (result == MoveResult::OutOfRange && range) {
        ui_.message(format("CANCELED : The number must be from %lld to %lld!!!", range->first,
                           range->last));
    }
    return result;
}

void ListView::askNumberAndMove() {
    if (!numberPrompt_) return;
    const std::vector<std::size_t> rows = selectedListRows();
    const std::optional<NumberRange> range = moveToNumberRange();
    if (!range) {
        if (moveScope(document_.sections(), digital_, rows).problem ==
            MoveResult::CrossesSections) {
            ui_.message(kMoveSectionMessage);
        }
        return;
    }
    NumberQuestion question;
    question.caption = "Move to Number";
    question.prompt =
        format("Move Selected Channel(s) to Number (%lld - %lld)", range->first, range->last);
    question.first = range->first;
    question.last = range->last;
    question.initial = numberOfRow(rows.front());
    if (const std::optional<long long> number = numberPrompt_->askNumber(question)) {
        moveSelectionToNumber(*number);
    }
}

void ListView::moveToEdge(bool top) {
    placeSelected([top](const MoveScope& scope, std::size_t count) {
        return top ? scope.first : scope.lastStart(count);
    });
}

void ListView::shiftSelected(bool up) {
    moveSelected(
        [this, up](const SectionMap& sections, const std::vector<std::size_t>& rows) {
            return shiftResult(sections, digital_, rows, up);
        },
        [this, up](TokenArray& tokens, std::vector<std::size_t>& rows) {
            shiftRows(tokens, digital_, rows, up);
        });
}

MoveResult ListView::placeSelected(
    const std::function<std::size_t(const MoveScope&, std::size_t)>& start) {
    std::size_t first = 0;
    return moveSelected(
        [&](const SectionMap& sections, const std::vector<std::size_t>& rows) {
            const MoveScope scope = moveScope(sections, digital_, rows);
            if (scope.problem != MoveResult::Moved) return scope.problem;
            first = start(scope, rows.size());
            return placeResult(sections, digital_, rows, first);
        },
        [&](TokenArray& tokens, std::vector<std::size_t>& rows) {
            placeRows(tokens, digital_, rows, first);
            std::iota(rows.begin(), rows.end(), first);
        });
}

MoveResult ListView::moveSelected(const MoveCheck& check, const RowsMove& move) {
    if (!canMove()) return MoveResult::Unchanged;
    std::vector<std::size_t> rows = selectedListRows();
    const MoveResult result = check(document_.sections(), rows);
    if (result != MoveResult::Moved) {
        if (result == MoveResult::CrossesSections) ui_.message(kMoveSectionMessage);
        return result;
    }
    document_.recordUndo("Group Move");
    move(document_.tokens(), rows);
    document_.markModified();
    refresh(true);
    selectListRows(rows);
    return result;
}

}  // namespace sky
