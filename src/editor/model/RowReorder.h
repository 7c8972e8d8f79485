#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "db/TokenArray.h"
#include "editor/model/PackedTokens.h"
#include "editor/model/SpanChange.h"

namespace sky {

// What one list holds where it differs from a later list that holds the same rows in another
// order (a sort, Arrange Blocks' revert, Apply Order, a move or a drag of rows): for each row of
// the differing span, the row of the later list it was, and the few cells that did not travel
// with their row (Index cells renumbered after the reorder). Four bytes a row instead of the
// row's cells, so that many sorts of a large list cost little. Applied to the later list it
// gives back the earlier one, and yields the reorder the other way.
class RowReorder {
public:
    // The reorder that turns `later` back into `earlier` over `span`, their differing cells; only
    // when the span's rows are the later list's rows in another order (every row's fields after
    // its Index found in the later list's section) and the reorder is smaller than the span's
    // cells. Rows are found by the later list's section markers and row lengths.
    static std::optional<RowReorder> find(const PackedTokens& earlier, const TokenArray& later,
                                          const DifferingSpan& span);

    // Turns `tokens`, the later list, into the earlier one and returns the reorder that turns it
    // back; nothing, and `tokens` untouched, when `tokens` cannot be the later list (its length
    // differs).
    std::optional<RowReorder> applyTo(TokenArray& tokens) const;
    std::size_t bytes() const;

private:
    // A run of whole rows of one section.
    struct Block {
        std::size_t begin;  // its first cell
        std::size_t width;  // the cells of a row
        std::size_t rows;
        bool indexStays;  // the Index cells keep their places; the other cells move
    };

    RowReorder() = default;
    // Appends to `from` the later list's row of each of the block's earlier rows.
    static bool matchRows(const PackedTokens& earlier, const TokenArray& later, const Block& block,
                          std::vector<std::uint32_t>& from);
    // Puts each row k of the block the row from[k] of it holds now (the Index cells stay when
    // the block says so).
    static void moveRows(TokenArray& tokens, const Block& block,
                         std::span<const std::uint32_t> from);
    // The cell of the later list that the reorder moves to `position` of the earlier list.
    std::size_t sourceOf(std::size_t position) const;

    std::size_t laterSize_ = 0;
    std::vector<Block> blocks_;  // in list order, not overlapping
    // For each row of the blocks, in order: the row of its block in the later list it comes from.
    std::vector<std::uint32_t> from_;
    // The earlier list's cells that differ from the reordered later list, and where they stand.
    std::vector<std::uint32_t> patchAt_;
    PackedTokens patches_;
};

}  // namespace sky
