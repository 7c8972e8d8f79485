#include "editor/model/UndoHistory.h"

#include <algorithm>
#include <utility>

#include "common/Format.h"

namespace sky {

namespace {

std::size_t entryBytes(const std::variant<PackedTokens, SpanChange>& list) {
    return std::visit([](const auto& kept) { return kept.bytes(); }, list);
}

}  // namespace

void UndoHistory::setDepth(int depth) {
    depth_ = std::clamp(depth, kMinDepth, kMaxDepth);
    if (count() > depth_) entries_.erase(entries_.begin(), entries_.end() - depth_);
    if (redoCount() > depth_) redoEntries_.erase(redoEntries_.begin(), redoEntries_.end() - depth_);
    settle();
}

void UndoHistory::record(const std::string& label, const TokenArray& tokens, bool modified) {
    settle();
    // `tokens` is the list after the newest step: that step now keeps only what it changed.
    if (!entries_.empty()) {
        if (const auto* whole = std::get_if<PackedTokens>(&entries_.back().list)) {
            entries_.back().list = SpanChange(*whole, tokens);
        }
    }
    if (count() == depth_) {
        dropped_.emplace(std::move(entries_.front()));
        entries_.erase(entries_.begin());
    }
    entries_.push_back(Entry{label, modified, PackedTokens(tokens)});
    clearedRedo_ = std::exchange(redoEntries_, {});
    keepUnderCap();
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
    // The newest undo entry may still hold its list whole: its span is found now.
    if (const auto* whole = std::get_if<PackedTokens>(&entry.list)) {
        entry.list = SpanChange(*whole, tokens);
    }
    std::optional<SpanChange> back = std::get<SpanChange>(entry.list).applyTo(tokens);
    if (!back) {
        // The list was changed past the history: its steps no longer fit it.
        clear();
        return false;
    }
    to.push_back(Entry{entry.label, modified, std::move(*back)});
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

void UndoHistory::keepUnderCap() {
    while (count() > 1 && bytes() > kMemoryCap) {
        entries_.erase(entries_.begin());
        // The entry set aside no longer borders the oldest one kept.
        dropped_.reset();
    }
}

void UndoHistory::settle() {
    dropped_.reset();
    clearedRedo_.clear();
}

std::size_t UndoHistory::bytes() const {
    std::size_t total = 0;
    for (const Entry& entry : entries_) total += entryBytes(entry.list);
    for (const Entry& entry : redoEntries_) total += entryBytes(entry.list);
    return total;
}

}  // namespace sky
