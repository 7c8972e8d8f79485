#pragma once

#include <cstddef>
#include <optional>
#include <vector>

namespace sky {

// What a reset replaced: the rows (an edit, an undo, a file read again) or also the columns (a
// switch to another view, View Detail). A widget applies the view's column widths only when the
// columns were replaced, so that widths the user set survive edits.
enum class ResetScope { Rows, ColumnsAndRows };

// What the list view's logic needs of the widget that shows its list: reset notifications, the
// selection and the scrolling. The widget reads what it shows from the view's ShownList, on
// demand. The desktop program implements it with its table view; tests use a double.
class IListControl {
public:
    virtual ~IListControl() = default;

    // The shown list is about to be replaced, and has been: its columns, rows and cells may all
    // differ afterwards, and nothing is selected.
    virtual void beginReset() = 0;
    virtual void endReset(ResetScope scope) = 0;

    // Every selected row, in ascending order.
    virtual std::vector<std::size_t> selectedRows() const = 0;
    // Adds the row to the selection and gives it the focus.
    virtual void selectAndFocus(std::size_t row) = 0;
    // Makes these rows (ascending) the whole selection and gives the first of them the focus;
    // none clears the selection. The find bar's steps and the moves select through it.
    virtual void selectRows(const std::vector<std::size_t>& rows) = 0;
    virtual void ensureVisible(std::size_t row) = 0;
    // The last row on the page shown; nothing when no row is shown.
    virtual std::optional<std::size_t> lastVisibleRow() const = 0;
};

}  // namespace sky
