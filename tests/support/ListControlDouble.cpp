#include "support/ListControlDouble.h"

#include <stdexcept>

namespace sky::test {

namespace {

void check(bool condition, const char* what) {
    if (!condition) throw std::logic_error(what);
}

}  // namespace

void ListControlDouble::attach(const ShownList& shown) {
    shown_ = &shown;
    read();
}

void ListControlDouble::beginReset() {
    check(!inReset_, "beginReset inside a reset");
    inReset_ = true;
}

void ListControlDouble::endReset(ResetScope scope) {
    check(inReset_, "endReset without beginReset");
    inReset_ = false;
    ++resets;
    lastScope = scope;
    selection.clear();
    focused = -1;
    read();
}

void ListControlDouble::read() {
    columns.clear();
    rows.clear();
    if (!shown_) return;
    for (const Column& c : shown_->columns()) columns.push_back({c.header, c.width});
    for (std::size_t r = 0; r < shown_->rowCount(); ++r) {
        Row row{{}, shown_->icon(r)};
        for (std::size_t c = 0; c < columns.size(); ++c) row.cells.emplace_back(shown_->cell(r, c));
        rows.push_back(std::move(row));
    }
}

std::vector<std::size_t> ListControlDouble::selectedRows() const {
    check(!inReset_, "selection read inside a reset");
    std::vector<std::size_t> result;
    for (const int row : selection) {
        if (row >= 0 && row < static_cast<int>(rows.size())) {
            result.push_back(static_cast<std::size_t>(row));
        }
    }
    return result;
}

void ListControlDouble::selectAndFocus(std::size_t row) {
    check(!inReset_ && row < rows.size(), "selectAndFocus");
    selection.insert(static_cast<int>(row));
    focused = static_cast<int>(row);
}

void ListControlDouble::selectRows(const std::vector<std::size_t>& rowsToSelect) {
    check(!inReset_, "selectRows inside a reset");
    selection.clear();
    focused = -1;
    for (const std::size_t row : rowsToSelect) {
        check(row < rows.size(), "selectRows past the end");
        selection.insert(static_cast<int>(row));
    }
    if (!rowsToSelect.empty()) focused = static_cast<int>(rowsToSelect.front());
}

std::optional<std::size_t> ListControlDouble::lastVisibleRow() const {
    const int last = std::min(top + perPage, static_cast<int>(rows.size())) - 1;
    if (last < 0) return std::nullopt;
    return static_cast<std::size_t>(last);
}

std::vector<std::string> ListControlDouble::column(int column) const {
    std::vector<std::string> cells;
    for (const Row& row : rows) cells.push_back(row.cells.at(static_cast<std::size_t>(column)));
    return cells;
}

std::vector<std::string> ListControlDouble::headers() const {
    std::vector<std::string> result;
    for (const ColumnInfo& c : columns) result.push_back(c.header);
    return result;
}

std::vector<int> ListControlDouble::widths() const {
    std::vector<int> result;
    for (const ColumnInfo& c : columns) result.push_back(c.width);
    return result;
}

}  // namespace sky::test
