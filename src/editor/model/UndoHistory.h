#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "db/TokenArray.h"

namespace sky {

// A copy of a token array packed into one block of characters and one table of cell ends:
// about a quarter of the memory of the array itself, so five of them stay small.
class PackedTokens {
public:
    explicit PackedTokens(const TokenArray& tokens);
    // Replaces the contents of `tokens` with the packed copy.
    void unpackInto(TokenArray& tokens) const;
    std::size_t bytes() const;

private:
    std::string chars_;
    std::vector<std::uint32_t> ends_;
};

// The undo and redo history of the list view: snapshots of the whole token array, each with the
// label of the operation that recorded it and the view's modified flag as it was, so that an undo
// or a redo restores both. Undo takes back the newest change and keeps the list as it was after
// it for Redo; a new change empties the redo side. Past the depth (five steps unless set) the
// oldest undo entry is lost.
class UndoHistory {
public:
    static constexpr int kDepth = 5;  // the default number of steps
    static constexpr int kMinDepth = 5;
    static constexpr int kMaxDepth = 200;

    struct MenuItem {
        bool enabled;
        std::string text;  // "Undo (%d - %s)" or "Undo Disable"; "Redo (%d - %s)" or "Redo Disable"
    };

    // The number of undo steps kept, clamped to kMinDepth..kMaxDepth; a smaller depth drops the
    // oldest entries at once.
    void setDepth(int depth);
    int depth() const { return depth_; }

    // Called before an operation changes the token array; empties the redo side.
    void record(const std::string& label, const TokenArray& tokens, bool modified);
    // Drops the newest entry again: the operation that recorded it changed nothing, so the
    // entry it pushed out and the redo entries it emptied come back.
    void discardNewest();
    // Puts the newest snapshot back into `tokens` and drops it, keeping `tokens` and `modified`
    // as they were for Redo; returns false when there is nothing to undo. `modified` receives the
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
        PackedTokens tokens;
        bool modified;
    };

    // Moves the newest entry of `from` into `tokens`/`modified`, and the state it replaces onto
    // `to` under the same label.
    static bool swapNewest(std::vector<Entry>& from, std::vector<Entry>& to, TokenArray& tokens,
                           bool& modified);
    // Forgets what the last record() set aside for discardNewest().
    void settle();

    int depth_ = kDepth;
    std::vector<Entry> entries_;      // oldest first
    std::vector<Entry> redoEntries_;  // the next to redo last
    // What the newest record() pushed out (the oldest entry) and emptied (the redo side), until
    // the next change.
    std::optional<Entry> dropped_;
    std::vector<Entry> clearedRedo_;
};

}  // namespace sky
