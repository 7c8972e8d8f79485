#pragma once

#include <cstddef>
#include <optional>

#include "db/TokenArray.h"
#include "editor/model/PackedTokens.h"

namespace sky {

// Where two lists differ: the cells between their common start and their common end.
struct DifferingSpan {
    std::size_t first = 0;       // where the span starts, in both lists
    std::size_t earlierEnd = 0;  // where it ends in the earlier list
    std::size_t laterEnd = 0;    // where it ends in the later list
};

DifferingSpan differingSpan(const PackedTokens& earlier, const TokenArray& later);

// What one list holds where it differs from a later list: the cells of the earlier list between
// the two lists' common start and common end. An edit of one channel leaves a span of a few
// cells; a sort, most of the list. Applied to the later list it gives back the earlier one, and
// yields the change the other way, so that Undo and Redo each keep only the cells a step touched.
class SpanChange {
public:
    // The change that turns `later` back into `earlier`, over the span in which they differ.
    SpanChange(const PackedTokens& earlier, const TokenArray& later)
        : SpanChange(earlier, later, differingSpan(earlier, later)) {}
    SpanChange(const PackedTokens& earlier, const TokenArray& later, const DifferingSpan& span);

    // Turns `tokens`, the later list, into the earlier one and returns the change that turns it
    // back; nothing, and `tokens` untouched, when `tokens` cannot be the later list (its length
    // differs).
    std::optional<SpanChange> applyTo(TokenArray& tokens) const;
    std::size_t bytes() const { return sizeof(SpanChange) + cells_.bytes(); }

private:
    SpanChange() = default;

    std::size_t first_ = 0;      // where the span starts, in both lists
    std::size_t replaced_ = 0;   // the later list's cells in the span
    std::size_t laterSize_ = 0;  // the later list's length
    PackedTokens cells_;         // the earlier list's cells in the span
};

}  // namespace sky
