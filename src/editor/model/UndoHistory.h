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

// The undo history of the list view: up to five snapshots of the whole token array, each with the
// label of the operation that recorded it. The newest is taken back first; past five the oldest
// is lost. Each snapshot also keeps the view's modified flag as it was, so an undo restores it.
class UndoHistory {
public:
    static constexpr int kDepth = 5;

    struct MenuItem {
        bool enabled;
        std::string text;  // "Undo (%d - %s)" or "Undo Disable"
    };

    // Called before an operation changes the token array.
    void record(const std::string& label, const TokenArray& tokens, bool modified);
    // Drops the newest entry again: the operation that recorded it changed nothing.
    void discardNewest();
    // Puts the newest snapshot back into `tokens` and drops it; returns false when there is
    // nothing to undo. `modified` receives the stored flag.
    bool undo(TokenArray& tokens, bool& modified);
    // The state of the "&Undo" menu item.
    MenuItem menuItem() const;
    // After Open, Save and Save As: no entries.
    void clear();

    int count() const { return static_cast<int>(entries_.size()); }
    // On while there is something to undo; also read as the sign of unsaved changes.
    bool available() const { return !entries_.empty(); }
    std::size_t bytes() const;

private:
    struct Entry {
        std::string label;
        PackedTokens tokens;
        bool modified;
    };

    std::vector<Entry> entries_;  // oldest first
    // The oldest entry, dropped by the newest record() to make room, until the next change.
    std::optional<Entry> dropped_;
};

}  // namespace sky
