#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "db/TokenArray.h"
#include "editor/model/DetailRows.h"
#include "editor/view/ViewColumns.h"

namespace sky {

// The icon of a row: a detail row of a TV channel, any other detail row, a row of a section list.
enum class RowIcon { Tv, Other, Plain };

// What the list view shows, read on demand by the widget that draws it: the columns, the number
// of rows, and the text and icon of each. It reads the editor's own rows and tokens, so nothing
// is copied per refresh; the view points it at other data only between the reset notifications.
class ShownList {
public:
    const std::vector<Column>& columns() const { return columns_; }
    std::size_t rowCount() const { return rowCount_; }
    // The text of a cell; empty outside the list.
    std::string_view cell(std::size_t row, std::size_t column) const;
    RowIcon icon(std::size_t row) const;

    // A detail view: its rows and the cell that holds the channel type.
    void showDetail(std::vector<Column> columns, const DetailRows& rows, int typeColumn);
    // A section list: the rows of rowLength fields from tokens[first] on. A degree column, when
    // there is one, is shown in the degree form.
    void showSection(std::vector<Column> columns, const TokenArray& tokens, std::size_t first,
                     std::size_t rowCount, int rowLength, std::optional<int> degreeColumn);
    // Columns without rows.
    void showEmpty(std::vector<Column> columns);

private:
    std::vector<Column> columns_;
    std::size_t rowCount_ = 0;
    const DetailRows* detail_ = nullptr;
    int typeColumn_ = 0;
    const TokenArray* tokens_ = nullptr;
    std::size_t first_ = 0;
    std::size_t rowLength_ = 1;
    std::optional<int> degreeColumn_;
    // The degree column's texts, one a row.
    std::vector<std::string> degrees_;
};

}  // namespace sky
