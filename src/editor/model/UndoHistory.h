#pragma once

#include <cstddef>
#include <string>
#include <variant>
#include <vector>

#include "db/TokenArray.h"
#include "editor/model/PackedTokens.h"
#include "editor/model/RowReorder.h"
#include "editor/model/SpanChange.h"

namespace sky {

// The undo and redo history of the list view: the lists as they were before each change, each
// with the label of the operation that recorded it and the view's modified flag as it was, so
// that an undo or a redo restores both. Undo takes back the newest change and keeps the list as
// it was after it for Redo; a new change empties the redo side. Past the depth (five steps unless
// set) the oldest undo entry is lost.
//
// The steps share what they did not change: the newest undo entry holds its list whole until the
// next change or undo shows what the step changed; from then on each entry keeps only the span of
// cells in which its list differs from the list after it (the next newer entry's, or the list
// being edited for the newest), so that many small edits of a large list cost little. A step that
// only reordered rows (a sort, a move) keeps the order instead of the span's cells. Past the
// memory cap (kMemoryCap unless set) the oldest steps are dropped, and record() says so. The
// entries rely on every change of the list being recorded here.
class UndoHistory {
public:
    static constexpr int kDepth = 5;  // the default number of steps
    static constexpr int kMinDepth = 5;
    static constexpr int kMaxDepth = 200;
    static constexpr std::size_t kMemoryCap = std::size_t{256} << 20;
    // The status line shown when the memory cap has dropped steps.
    static constexpr const char* kFullText = "Undo history is full: the oldest steps were dropped.";

    struct MenuItem {
        bool enabled;
        std::string text;  // "Undo (%d - %s)" or "Undo Disable"; "Redo (%d - %s)" or "Redo Disable"
    };

    // The number of undo steps kept, clamped to kMinDepth..kMaxDepth; a smaller depth drops the
    // oldest entries at once.
    void setDepth(int depth);
    int depth() const { return depth_; }

    // The most memory the steps may hold; a smaller cap drops the oldest steps at the next
    // record().
    void setMemoryCap(std::size_t bytes) { memoryCap_ = bytes; }

    // Called before an operation changes the token array; empties the redo side. Returns the
    // number of the oldest steps dropped to keep the history under the memory cap.
    int record(const std::string& label, const TokenArray& tokens, bool modified);
    // Drops the newest entry again: the operation that recorded it changed nothing, so the
    // entries it pushed out (for the depth or the memory cap) and the redo entries it emptied
    // come back.
    void discardNewest();
    // The operation that recorded the newest entry changed the list: what record() set aside
    // for discardNewest() is let go.
    void settle();
    // The list as it was before the newest step, while the entry still holds it whole (from
    // record() until the next record or undo); null otherwise.
    const PackedTokens* newestWhole() const;
    // Puts the newest list back into `tokens` and drops its entry, keeping what it replaced (and
    // `modified`) for Redo; returns false when there is nothing to undo. `modified` receives the
    // stored flag.
    bool undo(TokenArray& tokens, bool& modified);
    // The reverse of undo: puts back the list as it was before the last undo.
    bool redo(TokenArray& tokens, bool& modified);
    // The state of the "&Undo" and "&Redo" menu items.
    MenuItem menuItem() const;
    MenuItem redoMenuItem() const;
    // After Open, Save and Save As: no entries.
    void clear();

    int count() const { return static_cast<int>(entries_.size()); }
    int redoCount() const { return static_cast<int>(redoEntries_.size()); }
    // On while there is something to undo; also read as the sign of unsaved changes.
    bool available() const { return !entries_.empty(); }
    bool redoAvailable() const { return !redoEntries_.empty(); }
    std::size_t bytes() const;

private:
    struct Entry {
        std::string label;
        bool modified;
        // Whole, or the change back from the next list: a span of cells or a reorder of rows.
        std::variant<PackedTokens, SpanChange, RowReorder> list;
    };

    // Moves the newest entry of `from` into `tokens`/`modified`, and what it replaces onto `to`
    // under the same label.
    bool swapNewest(std::vector<Entry>& from, std::vector<Entry>& to, TokenArray& tokens,
                    bool& modified);
    // Drops the oldest undo entries while the history holds more than the memory cap; returns
    // how many.
    int keepUnderCap();
    // Moves the oldest undo entry aside, where discardNewest() finds it.
    void setAsideOldest();

    int depth_ = kDepth;
    std::size_t memoryCap_ = kMemoryCap;
    std::vector<Entry> entries_;      // oldest first
    std::vector<Entry> redoEntries_;  // the next to redo last
    // What the newest record() pushed out (the oldest entries, oldest first) and emptied (the
    // redo side), until the change is known.
    std::vector<Entry> dropped_;
    std::vector<Entry> clearedRedo_;
};

}  // namespace sky
