#pragma once

#include <set>
#include <string>
#include <vector>

#include "editor/view/ListControl.h"
#include "editor/view/ShownList.h"

namespace sky::test {

// A list widget that reads the view's shown list at every reset, as a table would, and keeps a
// copy of it for the tests to look at, with a selection the test sets. The page shows perPage rows
// from the top row on.
class ListControlDouble : public IListControl {
public:
    struct ColumnInfo {
        std::string header;
        int width;
    };
    struct Row {
        std::vector<std::string> cells;
        RowIcon icon;
    };

    // Reads the list from now on.
    void attach(const ShownList& shown);

    bool inReset() const { return inReset_; }
    void beginReset() override;
    void endReset(ResetScope scope) override;
    std::vector<std::size_t> selectedRows() const override;
    void selectAndFocus(std::size_t row) override;
    void selectRows(const std::vector<std::size_t>& rowsToSelect) override;
    void ensureVisible(std::size_t row) override {
        ensuredVisible.push_back(static_cast<int>(row));
    }
    std::optional<std::size_t> lastVisibleRow() const override;

    void select(std::initializer_list<int> rowsToSelect) { selection = rowsToSelect; }
    int itemCount() const { return static_cast<int>(rows.size()); }
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
    int resets = 0;
    ResetScope lastScope = ResetScope::ColumnsAndRows;

private:
    void read();

    const ShownList* shown_ = nullptr;
    bool inReset_ = false;
};

}  // namespace sky::test
