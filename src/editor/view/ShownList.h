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
//
// Two kinds of row number: a list row is a row of the whole list the view shows (the Digital
// Channel view's rows, a section's records); a shown row is a row the widget shows. They are the
// same until showOnly() hides rows (the find bar's "Show only matching rows"): then shown row i
// is the i-th of the list rows given, and rowCount(), cell() and icon() read through that map.
class ShownList {
public:
    const std::vector<Column>& columns() const { return columns_; }
    // The shown rows and their cells.
    std::size_t rowCount() const { return filtered_ ? only_.size() : listRowCount_; }
    // The text of a cell; empty outside the list.
    std::string_view cell(std::size_t row, std::size_t column) const;
    RowIcon icon(std::size_t row) const;

    // The rows of the whole list and their cells, whatever is hidden.
    std::size_t listRowCount() const { return listRowCount_; }
    std::string_view listCell(std::size_t listRow, std::size_t column) const;
    RowIcon listIcon(std::size_t listRow) const;

    // A detail view: its rows and the cell that holds the channel type.
    void showDetail(std::vector<Column> columns, const DetailRows& rows, int typeColumn);
    // A section list: the rows of rowLength fields from tokens[first] on. A degree column, when
    // there is one, is shown in the degree form.
    void showSection(std::vector<Column> columns, const TokenArray& tokens, std::size_t first,
                     std::size_t rowCount, int rowLength, std::optional<int> degreeColumn);
    // Columns without rows.
    void showEmpty(std::vector<Column> columns);

    // Shows only these list rows (ascending, each below listRowCount()), until showAll() or the
    // next show...() call, which both show every row again.
    void showOnly(std::vector<std::size_t> listRows);
    void showAll();
    bool filtered() const { return filtered_; }

    // The list row a shown row stands for; a row past the end maps to itself.
    std::size_t listRow(std::size_t shownRow) const;
    // The list rows of shown rows, in their order.
    std::vector<std::size_t> listRows(const std::vector<std::size_t>& shownRows) const;
    // The shown row of a list row; nothing when it is hidden or past the end.
    std::optional<std::size_t> shownRow(std::size_t listRow) const;
    // The first shown row at or after a list row; nothing when every later row is hidden.
    std::optional<std::size_t> shownRowFrom(std::size_t listRow) const;

private:
    std::vector<Column> columns_;
    std::size_t listRowCount_ = 0;
    const DetailRows* detail_ = nullptr;
    int typeColumn_ = 0;
    const TokenArray* tokens_ = nullptr;
    std::size_t first_ = 0;
    std::size_t rowLength_ = 1;
    std::optional<int> degreeColumn_;
    // The degree column's texts, one a row.
    std::vector<std::string> degrees_;
    // The list rows shown while filtered, ascending.
    bool filtered_ = false;
    std::vector<std::size_t> only_;
};

}  // namespace sky
