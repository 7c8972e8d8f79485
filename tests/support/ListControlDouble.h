#pragma once

#include <set>
#include <string>
#include <vector>

#include "editor/view/ListControl.h"

namespace sky::test {

// A list control that keeps what it is given: columns, rows with their cells and icons, and a
// selection the test sets. Rows are kRowHeight pixels high from the top visible row, columns
// as wide as their width.
class ListControlDouble : public IListControl {
public:
    static constexpr int kRowHeight = 16;

    struct ColumnInfo {
        std::string header;
        int width;
    };
    struct Row {
        std::vector<std::string> cells;
        int image;
    };

    void deleteAllItems() override;
    void deleteColumn(int column) override;
    void insertColumn(int column, const std::string& header, int width) override;
    void insertItem(int row, const std::string& text, int image) override;
    void setItemText(int row, int column, const std::string& text) override;
    int itemCount() const override { return static_cast<int>(rows.size()); }
    int selectedCount() const override { return static_cast<int>(selection.size()); }
    bool isSelected(int row) const override { return selection.count(row) != 0; }
    void selectAndFocus(int row) override;
    void ensureVisible(int row) override { ensuredVisible.push_back(row); }
    int topIndex() const override { return top; }
    int countPerPage() const override { return perPage; }
    ListHit hitTest(ListPoint point) const override;
    void attachImageLists() override { imageListsAttached = true; }

    // The point in the middle of a visible row.
    ListPoint pointOfRow(int row) const { return {10, (row - top) * kRowHeight + kRowHeight / 2}; }
    void select(std::initializer_list<int> rowsToSelect) { selection = rowsToSelect; }
    // One column of every row.
    std::vector<std::string> column(int column) const;
    std::vector<std::string> headers() const;
    std::vector<int> widths() const;

    std::vector<ColumnInfo> columns;
    std::vector<Row> rows;
    std::set<int> selection;
    int focused = -1;
    std::vector<int> ensuredVisible;
    int top = 0;
    int perPage = 20;
    bool imageListsAttached = false;
};

}  // namespace sky::test
