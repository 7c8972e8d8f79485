#include "editor/view/ShownList.h"

#include <utility>

#include "editor/model/Degree.h"

namespace sky {

std::string_view ShownList::cell(std::size_t row, std::size_t column) const {
    if (row >= rowCount_) return {};
    if (detail_) {
        if (column >= static_cast<std::size_t>(detail_->width())) return {};
        return detail_->cell(row, static_cast<int>(column));
    }
    if (!tokens_ || column >= rowLength_) return {};
    if (degreeColumn_ && column == static_cast<std::size_t>(*degreeColumn_)) return degrees_[row];
    const std::size_t at = first_ + row * rowLength_ + column;
    return at < tokens_->size() ? std::string_view((*tokens_)[at]) : std::string_view();
}

RowIcon ShownList::icon(std::size_t row) const {
    if (!detail_ || row >= rowCount_) return RowIcon::Plain;
    return detail_->cell(row, typeColumn_) == "TV" ? RowIcon::Tv : RowIcon::Other;
}

void ShownList::showDetail(std::vector<Column> columns, const DetailRows& rows, int typeColumn) {
    showEmpty(std::move(columns));
    detail_ = &rows;
    typeColumn_ = typeColumn;
    rowCount_ = rows.rowCount();
}

void ShownList::showSection(std::vector<Column> columns, const TokenArray& tokens,
                            std::size_t first, std::size_t rowCount, int rowLength,
                            std::optional<int> degreeColumn) {
    showEmpty(std::move(columns));
    tokens_ = &tokens;
    first_ = first;
    rowCount_ = rowCount;
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
    rowCount_ = 0;
    detail_ = nullptr;
    tokens_ = nullptr;
    degreeColumn_.reset();
    degrees_.clear();
}

}  // namespace sky
