#include "editor/model/UndoHistory.h"

#include <algorithm>
#include <utility>

#include "common/Format.h"

namespace sky {

PackedTokens::PackedTokens(const TokenArray& tokens) {
    std::size_t total = 0;
    for (const std::string& cell : tokens) total += cell.size();
    chars_.reserve(total);
    ends_.reserve(tokens.size());
    for (const std::string& cell : tokens) {
        chars_ += cell;
        ends_.push_back(static_cast<std::uint32_t>(chars_.size()));
    }
}

void PackedTokens::unpackInto(TokenArray& tokens) const {
    tokens.resize(ends_.size());
    std::uint32_t start = 0;
    for (std::size_t i = 0; i < ends_.size(); ++i) {
        tokens[i].assign(chars_, start, ends_[i] - start);
        start = ends_[i];
    }
}

std::size_t PackedTokens::bytes() const {
    return chars_.capacity() + ends_.capacity() * sizeof(std::uint32_t);
}

void UndoHistory::setDepth(int depth) {
    depth_ = std::clamp(depth, kMinDepth, kMaxDepth);
    if (count() > depth_) entries_.erase(entries_.begin(), entries_.end() - depth_);
    if (redoCount() > depth_) redoEntries_.erase(redoEntries_.begin(), redoEntries_.end() - depth_);
    settle();
}

void UndoHistory::record(const std::string& label, const TokenArray& tokens, bool modified) {
    settle();
    if (count() == depth_) {
        dropped_.emplace(std::move(entries_.front()));
        entries_.erase(entries_.begin());
    }
    entries_.push_back(Entry{label, PackedTokens(tokens), modified});
    clearedRedo_ = std::exchange(redoEntries_, {});
}

void UndoHistory::discardNewest() {
    if (entries_.empty()) return;
    entries_.pop_back();
    // The entry that made room for the discarded one comes back, and so do the redo entries: an
    // operation that changed nothing must neither shorten the history nor lose what Redo offers.
    if (dropped_) entries_.insert(entries_.begin(), std::move(*dropped_));
    if (!clearedRedo_.empty()) redoEntries_ = std::move(clearedRedo_);
    settle();
}

bool UndoHistory::swapNewest(std::vector<Entry>& from, std::vector<Entry>& to, TokenArray& tokens,
                             bool& modified) {
    if (from.empty()) return false;
    Entry entry = std::move(from.back());
    from.pop_back();
    to.push_back(Entry{entry.label, PackedTokens(tokens), modified});
    entry.tokens.unpackInto(tokens);
    modified = entry.modified;
    return true;
}

bool UndoHistory::undo(TokenArray& tokens, bool& modified) {
    settle();
    return swapNewest(entries_, redoEntries_, tokens, modified);
}

bool UndoHistory::redo(TokenArray& tokens, bool& modified) {
    settle();
    if (!swapNewest(redoEntries_, entries_, tokens, modified)) return false;
    // Only after a smaller depth was set can the undo side outgrow it.
    if (count() > depth_) entries_.erase(entries_.begin());
    return true;
}

UndoHistory::MenuItem UndoHistory::menuItem() const {
    if (!available()) return {false, "Undo Disable"};
    return {true, format("Undo (%d - %s)", count(), entries_.back().label.c_str())};
}

UndoHistory::MenuItem UndoHistory::redoMenuItem() const {
    if (!redoAvailable()) return {false, "Redo Disable"};
    return {true, format("Redo (%d - %s)", redoCount(), redoEntries_.back().label.c_str())};
}

void UndoHistory::clear() {
    entries_.clear();
    redoEntries_.clear();
    settle();
}

void UndoHistory::settle() {
    dropped_.reset();
    clearedRedo_.clear();
}

std::size_t UndoHistory::bytes() const {
    std::size_t total = 0;
    for (const Entry& entry : entries_) total += entry.tokens.bytes();
    for (const Entry& entry : redoEntries_) total += entry.tokens.bytes();
    return total;
}

}  // namespace sky
