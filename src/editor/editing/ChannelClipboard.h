#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "db/TokenArray.h"
#include "editor/model/ChannelRecords.h"

namespace sky {

// The internal clipboard of cut channels: one part per record kind, each holding whole records
// back to back.
class ChannelClipboard {
public:
    const std::vector<std::string>& part(RecordKind kind) const { return parts_[index(kind)]; }
    std::size_t records(RecordKind kind) const {
        return part(kind).size() / static_cast<std::size_t>(recordWidth(kind));
    }
    bool empty(RecordKind kind) const { return part(kind).empty(); }

    void clear();
    void append(RecordKind kind, const std::string* record);
    // Hands over the cells of one part and empties it.
    std::vector<std::string> take(RecordKind kind);

private:
    static std::size_t index(RecordKind kind) { return static_cast<std::size_t>(kind); }
    std::array<std::vector<std::string>, 3> parts_;
};

// A run of cells of the token array: [first, second).
using CellRange = std::pair<std::size_t, std::size_t>;

// Removes the cells of the ranges in one pass over the array. The ranges may come in any order
// and repeat, but must not overlap otherwise; an empty list changes nothing.
void eraseCellRanges(TokenArray& tokens, std::vector<CellRange> ranges);

// The operations below act on the rows of the Digital Channel view (digitalView) or of the
// Analog Channel view, whole records at a time. Rows are given in ascending order; rows past the
// end of the list are left out. Each returns whether the token array changed.

// Removes the records of the rows.
bool deleteRows(TokenArray& tokens, bool digitalView, const std::vector<std::size_t>& rows);

// Inserts `count` null channels, as one block, directly after the record of `row`.
bool insertNullRows(TokenArray& tokens, bool digitalView, std::size_t row, std::size_t count);

// Empties the clipboard, copies the records of the rows into the parts of their kinds, in order,
// and removes them from the list.
bool cutRows(TokenArray& tokens, bool digitalView, const std::vector<std::size_t>& rows,
             ChannelClipboard& clipboard);

// Inserts the clipboard part of the row's kind above the row's record and empties that part; a
// digital-channel row takes the digital channels, a PID row the PID channels.
bool pasteRows(TokenArray& tokens, bool digitalView, std::size_t row, ChannelClipboard& clipboard);

// How a move of rows ended. OutOfRange: the place asked for lies outside the list (a number that
// no row carries).
enum class MoveResult { Moved, Unchanged, CrossesSections, OutOfRange };

inline constexpr const char* kDragSectionMessage =
    "Drag Only possible \n\nWhen drag region and drop region are same section.\r\n"
    "(channel/pid channel)!!\r\n";

// Moves the block of rows first..last (one row when first == last) to the drop row: moving down,
// the block ends just above the record that was at the drop row; moving up, it begins at the drop
// row. A drop row inside the block, or just below it where the block already ends, changes
// nothing. In the Digital Channel view the block and the drop row must all be digital channels or
// all PID channels, else nothing moves and the result is CrossesSections.
MoveResult moveRows(TokenArray& tokens, bool digitalView, std::size_t first, std::size_t last,
                    std::size_t drop);

}  // namespace sky
