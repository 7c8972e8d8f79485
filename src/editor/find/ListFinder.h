#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "editor/find/FindQuery.h"
#include "editor/view/ShownList.h"

namespace sky {

// The find bar's state over one view's list: the query and the list rows that match it, kept
// until the query or the list changes. Stepping goes from a list row to the next or previous
// match, wrapping at the ends.
class ListFinder {
public:
    const FindQuery& query() const { return query_; }
    // A new query; apply() then finds its matches.
    void setQuery(FindQuery query) { query_ = std::move(query); }
    // No query: nothing narrows the rows, nothing matches.
    void clear();
    // The query narrows the rows (a text or a quick filter is set).
    bool active() const { return query_.narrows(); }
    // The query hides the rows that do not match.
    bool hidesRows() const { return active() && query_.onlyMatching; }

    // Finds the matches among every list row of `shown`; see matchingRows().
    void apply(const ShownList& shown, std::optional<std::size_t> satelliteColumn);
    // The matching list rows, ascending; none while the query is not active.
    const std::vector<std::size_t>& matches() const { return matches_; }

    // The first match after `from`, else the first of all; from nothing: the first.
    std::optional<std::size_t> next(std::optional<std::size_t> from) const;
    // The last match before `from`, else the last of all; from nothing: the last.
    std::optional<std::size_t> previous(std::optional<std::size_t> from) const;
    // The place of a list row among the matches, from 1; 0 when it is not a match.
    std::size_t position(std::optional<std::size_t> row) const;

    // The count the bar shows for the current list row: "3 of 41" on a match, "41 Matches" off
    // one, "No Matches" when nothing matches, and nothing while the query is not active.
    std::string countText(std::optional<std::size_t> current) const;

private:
    FindQuery query_;
    std::vector<std::size_t> matches_;
};

}  // namespace sky
