#include "editor/model/UndoHistory.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <type_traits>
#include <utility>

#include "common/Format.h"

namespace sky {

namespace {

using KeptList = std::variant<PackedTokens, SpanChange, RowReorder>;

std::size_t entryBytes(const KeptList& list) {
    return std::visit([](const auto& kept) { return kept.bytes(); }, list);
}

// The change that turns `later` back into `earlier`: the order of the rows when the two differ
// only in that, else the cells of the span in which they differ.
KeptList changeBack(const PackedTokens& earlier, const TokenArray& later) {
    const DifferingSpan span = differingSpan(earlier, later);
    if (std::optional<RowReorder> reorder = RowReorder::find(earlier, later, span)) {
        return std::move(*reorder);
    }
    return SpanChange(earlier, later, span);
}

// Turns `tokens` into the list before a change and returns the change back; nothing when the
// change does not fit `tokens`.
std::optional<KeptList> applyChange(const KeptList& change, TokenArray& tokens) {
    return std::visit(
        [&](const auto& kept) -> std::optional<KeptList> {
            if constexpr (std::is_same_v<std::decay_t<decltype(kept)>, PackedTokens>) {
                return std::nullopt;  // a whole list is made a change before it is applied
            } else {
                auto back = kept.applyTo(tokens);
                if (!back) return std::nullopt;
                return KeptList(std::move(*back));
            }
        },
        change);
}

}  // namespace

void UndoHistory::setDepth(int depth) {
    depth_ = std::clamp(depth, kMinDepth, kMaxDepth);
    if (count() > depth_) entries_.erase(entries_.begin(), entries_.end() - depth_);
    if (redoCount() > depth_) redoEntries_.erase(redoEntries_.begin(), redoEntries_.end() - depth_);
    settle();
}

int UndoHistory::record(const std::string& label, const TokenArray& tokens, bool modified) {
    settle();
    // `tokens` is the list after the newest step: that step now keeps only what it changed.
    if (!entries_.empty()) {
        if (const auto* whole = std::get_if<PackedTokens>(&entries_.back().list)) {
            entries_.back().list = changeBack(*whole, tokens);
        }
    }
    if (count() == depth_) setAsideOldest();
    entries_.push_back(Entry{label, modified, PackedTokens(tokens)});
    clearedRedo_ = std::exchange(redoEntries_, {});
    return keepUnderCap();
}

void UndoHistory::discardNewest() {
    if (entries_.empty()) return;
    entries_.pop_back();
    // The entries that made room for the discarded one come back, and so do the redo entries: an
    // operation that changed nothing must neither shorten the history nor lose what Redo offers.
    entries_.insert(entries_.begin(), std::make_move_iterator(dropped_.begin()),
                    std::make_move_iterator(dropped_.end()));
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
        entry.list = changeBack(*whole, tokens);
    }
    std::optional<KeptList> back = applyChange(entry.list, tokens);
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

const PackedTokens* UndoHistory::newestWhole() const {
    return entries_.empty() ? nullptr : std::get_if<PackedTokens>(&entries_.back().list);
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

int UndoHistory::keepUnderCap() {
    int droppedSteps = 0;
    while (count() > 1 && bytes() > memoryCap_) {
        setAsideOldest();
        ++droppedSteps;
    }
    return droppedSteps;
}

void UndoHistory::setAsideOldest() {
    dropped_.push_back(std::move(entries_.front()));
    entries_.erase(entries_.begin());
}

void UndoHistory::settle() {
    dropped_.clear();
    clearedRedo_.clear();
}

std::size_t UndoHistory::bytes() const {
    std::size_t total = 0;
    for (const Entry& entry : entries_) total += entryBytes(entry.list);
    for (const Entry& entry : redoEntries_) total += entryBytes(entry.list);
    return total;
}

}  // namespace sky
