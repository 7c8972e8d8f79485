#include "support/ListControlDouble.h"

#include <stdexcept>

namespace sky::test {

namespace {

void check(bool condition, const char* what) {
    if (!condition) throw std::out_of_range(what);
}

}  // namespace

void ListControlDouble::deleteAllItems() {
    rows.clear();
    selection.clear();
    focused = -1;
}

void ListControlDouble::deleteColumn(int column) {
    check(column >= 0 && column < static_cast<int>(columns.size()), "deleteColumn");
    columns.erase(columns.begin() + column);
    for (Row& row : rows) {
        if (column < static_cast<int>(row.cells.size()))
            row.cells.erase(row.cells.begin() + column);
    }
}

void ListControlDouble::insertColumn(int column, const std::string& header, int width) {
    check(column >= 0 && column <= static_cast<int>(columns.size()), "insertColumn");
    columns.insert(columns.begin() + column, ColumnInfo{header, width});
}

void ListControlDouble::insertItem(int row, const std::string& text, int image) {
    check(row >= 0 && row <= itemCount(), "insertItem");
    Row added{std::vector<std::string>(columns.size()), image};
    check(!added.cells.empty(), "insertItem without columns");
    added.cells[0] = text;
    rows.insert(rows.begin() + row, std::move(added));
}

void ListControlDouble::setItemText(int row, int column, const std::string& text) {
    check(row >= 0 && row < itemCount(), "setItemText row");
    check(column >= 0 && column < static_cast<int>(columns.size()), "setItemText column");
    rows[row].cells[column] = text;
}

void ListControlDouble::selectAndFocus(int row) {
    check(row >= 0 && row < itemCount(), "selectAndFocus");
    selection.insert(row);
    focused = row;
}

ListHit ListControlDouble::hitTest(ListPoint point) const {
    ListHit hit;
    if (point.y < 0 || point.x < 0) return hit;
    const int row = top + point.y / kRowHeight;
    if (row >= itemCount() || row >= top + perPage) return hit;
    hit.row = row;
    int left = 0;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        left += columns[c].width;
        if (point.x < left) {
            hit.column = static_cast<int>(c);
            break;
        }
    }
    return hit;
}

std::vector<std::string> ListControlDouble::column(int column) const {
    std::vector<std::string> cells;
    for (const Row& row : rows) cells.push_back(row.cells.at(column));
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
