#include "editor/editing/RowMoves.h"

#include <algorithm>
#include <functional>
#include <numeric>

#include "common/Format.h"

namespace sky {

namespace {

constexpr const char* kMoveSectionMessage =
    "Move Only possible \n\nWithin one section.\r\n(channel/pid channel)!!\r\n";

// The number a row carries once the list is renumbered, as every move renumbers it.
long long numberOfRow(std::size_t row) {
    return static_cast<long long>(row) + 1;
}

// What a move would do with the selected list rows, and the move itself, which leaves in the
// rows where the records now stand.
using MoveCheck = std::function<MoveResult(const SectionMap&, const std::vector<std::size_t>&)>;
using RowsMove = std::function<void(TokenArray&, std::vector<std::size_t>&)>;

// Runs the move as one step only when the check says it would move (so a move that cannot
// happen costs no undo entry); a move across sections is said.
MoveResult moveSelected(ListDocument& document, std::vector<std::size_t>& rows,
                        const MoveCheck& check, const RowsMove& move) {
    if (!document.editable()) return MoveResult::Unchanged;
    const MoveResult result = check(document.sections(), rows);
    if (result != MoveResult::Moved) {
        if (result == MoveResult::CrossesSections) document.ui().message(kMoveSectionMessage);
        return result;
    }
    document.edit(
        "Group Move",
        [&](ListEdit& list) {
            move(list.tokens(), rows);
            return true;
        },
        Renumber::Yes);
    return result;
}

// Moves the selected rows as a block that starts at the row `start` gives for their scope.
MoveResult placeSelected(ListDocument& document, bool digital, std::vector<std::size_t>& rows,
                         const std::function<std::size_t(const MoveScope&, std::size_t)>& start) {
    std::size_t first = 0;
    return moveSelected(
        document, rows,
        [&](const SectionMap& sections, const std::vector<std::size_t>& selected) {
            const MoveScope scope = moveScope(sections, digital, selected);
            if (scope.problem != MoveResult::Moved) return scope.problem;
            first = start(scope, selected.size());
            return placeResult(sections, digital, selected, first);
        },
        [&](TokenArray& tokens, std::vector<std::size_t>& moved) {
            placeRows(tokens, digital, moved, first);
            std::iota(moved.begin(), moved.end(), first);
        });
}

}  // namespace

MoveResult shiftSelectedRows(ListDocument& document, bool digital, std::vector<std::size_t>& rows,
                             bool up) {
    return moveSelected(
        document, rows,
        [digital, up](const SectionMap& sections, const std::vector<std::size_t>& selected) {
            return shiftResult(sections, digital, selected, up);
        },
        [digital, up](TokenArray& tokens, std::vector<std::size_t>& moved) {
            shiftRows(tokens, digital, moved, up);
        });
}

MoveResult moveRowsToEdge(ListDocument& document, bool digital, std::vector<std::size_t>& rows,
                          bool top) {
    return placeSelected(document, digital, rows, [top](const MoveScope& scope, std::size_t count) {
        return top ? scope.first : scope.lastStart(count);
    });
}

std::optional<NumberRange> moveToNumberRange(const ListDocument& document, bool digital,
                                             const std::vector<std::size_t>& rows) {
    const MoveScope scope = moveScope(document.sections(), digital, rows);
    if (scope.problem != MoveResult::Moved) return std::nullopt;
    return NumberRange{numberOfRow(scope.first), numberOfRow(scope.lastStart(rows.size()))};
}

MoveResult moveRowsToNumber(ListDocument& document, bool digital, std::vector<std::size_t>& rows,
                            long long number) {
    const std::optional<NumberRange> range = moveToNumberRange(document, digital, rows);
    MoveResult result = MoveResult::OutOfRange;
    // A number below 1 names no row.
    if (number >= 1 || !range) {
        result = placeSelected(document, digital, rows, [number](const MoveScope&, std::size_t) {
            return static_cast<std::size_t>(std::max(number, 1LL) - 1);
        });
    }
    if (result == MoveResult::OutOfRange && range) {
        document.ui().message(format("CANCELED : The number must be from %lld to %lld!!!",
                                     range->first, range->last));
    }
    return result;
}

MoveResult askNumberAndMove(ListDocument& document, INumberPrompt& prompt, bool digital,
                            std::vector<std::size_t>& rows) {
    const std::optional<NumberRange> range = moveToNumberRange(document, digital, rows);
    if (!range) {
        const MoveResult problem = moveScope(document.sections(), digital, rows).problem;
        if (problem == MoveResult::CrossesSections) document.ui().message(kMoveSectionMessage);
        return problem;
    }
    NumberQuestion question;
    question.caption = "Move to Number";
    question.prompt =
        format("Move Selected Channel(s) to Number (%lld - %lld)", range->first, range->last);
    question.first = range->first;
    question.last = range->last;
    question.initial = numberOfRow(rows.front());
    const std::optional<long long> number = prompt.askNumber(question);
    if (!number) return MoveResult::Unchanged;
    return moveRowsToNumber(document, digital, rows, *number);
}

}  // namespace sky
