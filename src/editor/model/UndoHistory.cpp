#include "editor/model/UndoHistory.h"

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

void UndoHistory::record(const std::string& label, const TokenArray& tokens, bool modified) {
    dropped_.reset();
    if (count() == kDepth) {
        dropped_.emplace(std::move(entries_.front()));
        entries_.erase(entries_.begin());
    }
    entries_.push_back(Entry{label, PackedTokens(tokens), modified});
}

void UndoHistory::discardNewest() {
    if (entries_.empty()) return;
    entries_.pop_back();
    // The entry that made room for the discarded one comes back: an operation that changed
    // nothing must not shorten the history.
    if (dropped_) entries_.insert(entries_.begin(), std::move(*dropped_));
    dropped_.reset();
}

bool UndoHistory::undo(TokenArray& tokens, bool& modified) {
    dropped_.reset();
    if (entries_.empty()) return false;
    entries_.back().tokens.unpackInto(tokens);
    modified = entries_.back().modified;
    entries_.pop_back();
    return true;
}

UndoHistory::MenuItem UndoHistory::menuItem() const {
    if (!available()) return {false, "Undo Disable"};
    return {true, format("Undo (%d - %s)", count(), entries_.back().label.c_str())};
}

void UndoHistory::clear() {
    entries_.clear();
    dropped_.reset();
}

std::size_t UndoHistory::bytes() const {
    std::size_t total = 0;
    for (const Entry& entry : entries_) total += entry.tokens.bytes();
    return total;
}

}  // namespace sky
