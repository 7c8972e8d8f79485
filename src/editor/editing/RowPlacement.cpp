#include "editor/editing/RowPlacement.h"

#include <algorithm>
#include <iterator>

namespace sky {

namespace {

// The first row of a kind's records in its view: the PID channels follow the digital channels.
std::size_t firstRowOf(const SectionMap& sections, RecordKind kind) {
    return kind == RecordKind::Pid ? digitalChannelCount(sections) : 0;
}

std::size_t viewRowCount(const SectionMap& sections, bool digitalView) {
    return digitalView ? digitalViewRowCount(sections) : analogViewRowCount(sections);
}

// The rows are the block start, start + 1, ...
bool standsAt(const std::vector<std::size_t>& rows, std::size_t start) {
    return rows.front() == start && rows.back() == start + rows.size() - 1;
}

}  // namespace

MoveScope moveScope(const SectionMap& sections, bool digitalView,
                    const std::vector<std::size_t>& rows) {
    MoveScope scope;
    if (rows.empty()) return scope;
    const auto head = recordOfRow(sections, digitalView, rows.front());
    const auto tail = recordOfRow(sections, digitalView, rows.back());
    if (!head || !tail) return scope;
    // Rows are ascending and the kinds lie in blocks: the ends tell whether all are of one kind.
    if (head->kind != tail->kind) {
        scope.problem = MoveResult::CrossesSections;
        return scope;
    }
    scope.problem = MoveResult::Moved;
    scope.first = firstRowOf(sections, head->kind);
    scope.count = sections[sectionOf(head->kind)].records(recordWidth(head->kind));
    return scope;
}

MoveResult placeResult(const SectionMap& sections, bool digitalView,
                       const std::vector<std::size_t>& rows, std::size_t start) {
    const MoveScope scope = moveScope(sections, digitalView, rows);
    if (scope.problem != MoveResult::Moved) return scope.problem;
    if (start < scope.first || start >= scope.end()) {
        return start < viewRowCount(sections, digitalView) ? MoveResult::CrossesSections
                                                           : MoveResult::OutOfRange;
    }
    // A start within the scope from which the block would run past its end.
    if (start > scope.lastStart(rows.size())) return MoveResult::OutOfRange;
    return standsAt(rows, start) ? MoveResult::Unchanged : MoveResult::Moved;
}

MoveResult placeRows(TokenArray& tokens, bool digitalView, const std::vector<std::size_t>& rows,
                     std::size_t start) {
    const SectionMap sections = locateSections(tokens);
    const MoveResult result = placeResult(sections, digitalView, rows, start);
    if (result != MoveResult::Moved) return result;
    const RecordKind kind = recordOfRow(sections, digitalView, rows.front())->kind;
    const std::size_t scopeFirst = moveScope(sections, digitalView, rows).first;
    // Cut the records into a clipboard of the move's own, then put them back at their place in
    // the list without them: the rows before `start` there are the rows before it afterwards.
    ChannelClipboard moving;
    cutRows(tokens, digitalView, rows, moving);
    const std::size_t at = locateSections(tokens)[sectionOf(kind)].begin +
                           (start - scopeFirst) * static_cast<std::size_t>(recordWidth(kind));
    std::vector<std::string> cells = moving.take(kind);
    tokens.insert(tokens.begin() + static_cast<std::ptrdiff_t>(at),
                  std::make_move_iterator(cells.begin()), std::make_move_iterator(cells.end()));
    return MoveResult::Moved;
}

MoveResult shiftResult(const SectionMap& sections, bool digitalView,
                       const std::vector<std::size_t>& rows, bool up) {
    const MoveScope scope = moveScope(sections, digitalView, rows);
    if (scope.problem != MoveResult::Moved) return scope.problem;
    const std::size_t edge = up ? scope.first : scope.lastStart(rows.size());
    return standsAt(rows, edge) ? MoveResult::Unchanged : MoveResult::Moved;
}

MoveResult shiftRows(TokenArray& tokens, bool digitalView, std::vector<std::size_t>& rows,
                     bool up) {
    const SectionMap sections = locateSections(tokens);
    const MoveResult result = shiftResult(sections, digitalView, rows, up);
    if (result != MoveResult::Moved) return result;
    const MoveScope scope = moveScope(sections, digitalView, rows);
    const auto cellOf = [&](std::size_t row) {
        return tokens.begin() +
               static_cast<std::ptrdiff_t>(recordOfRow(sections, digitalView, row)->cell);
    };
    const auto endOf = [&](std::size_t row) {
        return tokens.begin() +
               static_cast<std::ptrdiff_t>(recordOfRow(sections, digitalView, row)->endCell());
    };
    for (std::size_t runStart = 0; runStart < rows.size();) {
        std::size_t runEnd = runStart + 1;  // one past the run's last index in `rows`
        while (runEnd < rows.size() && rows[runEnd] == rows[runEnd - 1] + 1) ++runEnd;
        const std::size_t first = rows[runStart];
        const std::size_t last = rows[runEnd - 1];
        const bool atEdge = up ? first == scope.first : last + 1 == scope.end();
        if (!atEdge) {
            // The neighbouring record changes sides with the run; runs apart by at least one row
            // never touch each other's neighbour. The records keep their cells' places, as
            // every record of a section has the same width.
            if (up) {
                std::rotate(cellOf(first - 1), cellOf(first), endOf(last));
            } else {
                std::rotate(cellOf(first), cellOf(last + 1), endOf(last + 1));
            }
            for (std::size_t i = runStart; i < runEnd; ++i) {
                if (up) {
                    --rows[i];
                } else {
                    ++rows[i];
                }
            }
        }
        runStart = runEnd;
    }
    return MoveResult::Moved;
}

}  // namespace sky
