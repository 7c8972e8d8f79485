#include "editor/find/ListFinder.h"

#include <algorithm>

#include "common/Format.h"
#include "editor/find/RowFilter.h"

namespace sky {

void ListFinder::clear() {
    query_ = FindQuery{};
    matches_.clear();
}

void ListFinder::apply(const ShownList& shown, std::optional<std::size_t> satelliteColumn) {
    if (!active()) {
        matches_.clear();
        return;
    }
    matches_ = matchingRows(shown, query_, satelliteColumn);
}

std::optional<std::size_t> ListFinder::next(std::optional<std::size_t> from) const {
    if (matches_.empty()) return std::nullopt;
    if (from) {
        const auto after = std::upper_bound(matches_.begin(), matches_.end(), *from);
        if (after != matches_.end()) return *after;
    }
    return matches_.front();
}

std::optional<std::size_t> ListFinder::previous(std::optional<std::size_t> from) const {
    if (matches_.empty()) return std::nullopt;
    if (from) {
        const auto at = std::lower_bound(matches_.begin(), matches_.end(), *from);
        if (at != matches_.begin()) return *(at - 1);
    }
    return matches_.back();
}

std::size_t ListFinder::position(std::optional<std::size_t> row) const {
    if (!row) return 0;
    const auto at = std::lower_bound(matches_.begin(), matches_.end(), *row);
    if (at == matches_.end() || *at != *row) return 0;
    return static_cast<std::size_t>(at - matches_.begin()) + 1;
}

std::string ListFinder::countText(std::optional<std::size_t> current) const {
    if (!active()) return {};
    const std::size_t total = matches_.size();
    if (total == 0) return "No Matches";
    if (const std::size_t at = position(current)) return format("%zu of %zu", at, total);
    return format(total == 1 ? "%zu Match" : "%zu Matches", total);
}

}  // namespace sky
