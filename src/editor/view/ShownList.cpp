#include "editor/view/ShownList.h"

#include <algorithm>
#include <utility>

#include "editor/model/Degree.h"

namespace sky {

std::string_view ShownList::cell(std::size_t row, std::size_t column) const {
    if (row >= rowCount()) return {};
    return listCell(listRow(row), column);
}

RowIcon ShownList::icon(std::size_t row) const {
    if (row >= rowCount()) return RowIcon::Plain;
    return listIcon(listRow(row));
}

std::string_view ShownList::listCell(std::size_t row, std::size_t column) const {
    if (row >= listRowCount_) return {};
    if (detail_) {
        if (column >= static_cast<std::size_t>(detail_->width())) return {};
        return detail_->cell(row, static_cast<int>(column));
    }
    if (!tokens_ || column >= rowLength_) return {};
    if (degreeColumn_ && column == static_cast<std::size_t>(*degreeColumn_)) return degrees_[row];
    const std::size_t at = first_ + row * rowLength_ + column;
    return at < tokens_->size() ? std::string_view((*tokens_)[at]) : std::string_view();
}

RowIcon ShownList::listIcon(std::size_t row) const {
    if (!detail_ || row >= listRowCount_) return RowIcon::Plain;
    return detail_->cell(row, typeColumn_) == "TV" ? RowIcon::Tv : RowIcon::Other;
}

void ShownList::showDetail(std::vector<Column> columns, const DetailRows& rows, int typeColumn) {
    showEmpty(std::move(columns));
    detail_ = &rows;
    typeColumn_ = typeColumn;
    listRowCount_ = rows.rowCount();
}

void ShownList::showSection(std::vector<Column> columns, const TokenArray& tokens,
                            std::size_t first, std::size_t rowCount, int rowLength,
                            std::optional<int> degreeColumn) {
    showEmpty(std::move(columns));
    tokens_ = &tokens;
    first_ = first;
    listRowCount_ = rowCount;
    rowLength_ = static_cast<std::size_t>(rowLength);
    degreeColumn_ = degreeColumn;
    if (!degreeColumn) return;
    degrees_.reserve(rowCount);
    for (std::size_t row = 0; row < rowCount; ++row) {
        const std::string& stored = tokens[first + row * rowLength_ + *degreeColumn];
        // A degree that cannot be converted is shown as it is stored.
        degrees_.push_back(degreeToDisplay(stored).value_or(stored));
    }
}

void ShownList::showEmpty(std::vector<Column> columns) {
    columns_ = std::move(columns);
    listRowCount_ = 0;
    detail_ = nullptr;
    tokens_ = nullptr;
    degreeColumn_.reset();
    degrees_.clear();
    showAll();
}

void ShownList::showOnly(std::vector<std::size_t> listRows) {
    filtered_ = true;
    only_ = std::move(listRows);
}

void ShownList::showAll() {
    filtered_ = false;
    only_.clear();
}

std::size_t ShownList::listRow(std::size_t shownRow) const {
    return filtered_ && shownRow < only_.size() ? only_[shownRow] : shownRow;
}

std::vector<std::size_t> ShownList::listRows(const std::vector<std::size_t>& shownRows) const {
    std::vector<std::size_t> rows;
    rows.reserve(shownRows.size());
    for (std::size_t row : shownRows) rows.push_back(listRow(row));
    return rows;
}

std::optional<std::size_t> ShownList::shownRow(std::size_t row) const {
    const std::optional<std::size_t> from = shownRowFrom(row);
    if (from && listRow(*from) == row) return from;
    return std::nullopt;
}

std::optional<std::size_t> ShownList::shownRowFrom(std::size_t row) const {
    if (!filtered_) {
        if (row < listRowCount_) return row;
        return std::nullopt;
    }
    const auto at = std::lower_bound(only_.begin(), only_.end(), row);
    if (at == only_.end()) return std::nullopt;
    return static_cast<std::size_t>(at - only_.begin());
}

}  // namespace sky
