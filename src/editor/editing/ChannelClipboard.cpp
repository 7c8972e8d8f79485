#include "editor/editing/ChannelClipboard.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace sky {

namespace {

std::vector<RecordRef> recordsOfRows(const TokenArray& tokens, bool digitalView,
                                     const std::vector<std::size_t>& rows) {
    const SectionMap sections = locateSections(tokens);
    std::vector<RecordRef> records;
    records.reserve(rows.size());
    for (std::size_t row : rows) {
        if (const auto record = recordOfRow(sections, digitalView, row)) records.push_back(*record);
    }
    return records;
}

// Removes the cells of all records in one pass over the array.
void eraseRecords(TokenArray& tokens, const std::vector<RecordRef>& records) {
    std::vector<CellRange> ranges;
    ranges.reserve(records.size());
    for (const RecordRef& record : records) ranges.emplace_back(record.cell, record.endCell());
    eraseCellRanges(tokens, std::move(ranges));
}

}  // namespace

void eraseCellRanges(TokenArray& tokens, std::vector<CellRange> ranges) {
    if (ranges.empty()) return;
    std::sort(ranges.begin(), ranges.end());
    ranges.erase(std::unique(ranges.begin(), ranges.end()), ranges.end());

    std::size_t out = ranges.front().first;
    std::size_t in = ranges.front().first;
    for (std::size_t r = 0; r < ranges.size(); ++r) {
        in = ranges[r].second;
        const std::size_t keepEnd = r + 1 < ranges.size() ? ranges[r + 1].first : tokens.size();
        for (; in < keepEnd; ++in, ++out) tokens[out] = std::move(tokens[in]);
    }
    tokens.resize(out);
}

void ChannelClipboard::clear() {
    for (auto& part : parts_) part.clear();
}

void ChannelClipboard::append(RecordKind kind, const std::string* record) {
    auto& part = parts_[index(kind)];
    part.insert(part.end(), record, record + recordWidth(kind));
}

std::vector<std::string> ChannelClipboard::take(RecordKind kind) {
    return std::exchange(parts_[index(kind)], {});
}

bool deleteRows(TokenArray& tokens, bool digitalView, const std::vector<std::size_t>& rows) {
    std::vector<RecordRef> records = recordsOfRows(tokens, digitalView, rows);
    if (records.empty()) return false;
    eraseRecords(tokens, records);
    return true;
}

bool insertNullRows(TokenArray& tokens, bool digitalView, std::size_t row, std::size_t count) {
    const auto record = recordOfRow(locateSections(tokens), digitalView, row);
    if (!record || count == 0) return false;
    const std::vector<std::string> null = nullRecord(record->kind, &tokens[record->cell]);
    std::vector<std::string> block;
    block.reserve(null.size() * count);
    for (std::size_t i = 0; i < count; ++i) block.insert(block.end(), null.begin(), null.end());
    tokens.insert(tokens.begin() + static_cast<std::ptrdiff_t>(record->endCell()),
                  std::make_move_iterator(block.begin()), std::make_move_iterator(block.end()));
    return true;
}

bool cutRows(TokenArray& tokens, bool digitalView, const std::vector<std::size_t>& rows,
             ChannelClipboard& clipboard) {
    clipboard.clear();
    std::vector<RecordRef> records = recordsOfRows(tokens, digitalView, rows);
    if (records.empty()) return false;
    for (const RecordRef& record : records) clipboard.append(record.kind, &tokens[record.cell]);
    eraseRecords(tokens, records);
    return true;
}

bool pasteRows(TokenArray& tokens, bool digitalView, std::size_t row, ChannelClipboard& clipboard) {
    const auto record = recordOfRow(locateSections(tokens), digitalView, row);
    if (!record || clipboard.empty(record->kind)) return false;
    std::vector<std::string> cells = clipboard.take(record->kind);
    tokens.insert(tokens.begin() + static_cast<std::ptrdiff_t>(record->cell),
                  std::make_move_iterator(cells.begin()), std::make_move_iterator(cells.end()));
    return true;
}

MoveResult moveRows(TokenArray& tokens, bool digitalView, std::size_t first, std::size_t last,
                    std::size_t drop) {
    const SectionMap sections = locateSections(tokens);
    const auto head = recordOfRow(sections, digitalView, first);
    const auto tail = recordOfRow(sections, digitalView, last);
    const auto target = recordOfRow(sections, digitalView, drop);
    if (!head || !tail || !target || first > last) return MoveResult::Unchanged;
    if (head->kind != tail->kind || head->kind != target->kind) return MoveResult::CrossesSections;
    if (drop >= first && drop <= last + 1) return MoveResult::Unchanged;

    const auto at = [&](std::size_t cell) {
        return tokens.begin() + static_cast<std::ptrdiff_t>(cell);
    };
    if (drop > last) {
        std::rotate(at(head->cell), at(tail->endCell()), at(target->cell));
    } else {
        std::rotate(at(target->cell), at(head->cell), at(tail->endCell()));
    }
    return MoveResult::Moved;
}

}  // namespace sky
