#pragma once

#include <QTableView>
#include <functional>
#include <vector>

#include "app/list/ChannelTableModel.h"
#include "editor/view/ListControl.h"
#include "shell/ColumnLayout.h"
#include "shell/Settings.h"

namespace sky {
class ListView;
}

namespace sky::app {

// The list widget: a table over the list view's shown list, with full-row selection of several
// rows, fixed row heights, the list colours and the view's columns and widths (width 0 hides a
// column). It forwards the keys F2, F3, F4, Insert and Delete, the double-click and the drop of
// dragged rows to the list view, and asks the frame for the pop-up menu. With a column layout it
// shows the columns as the layout puts them over the view's, and hands it the widths the user
// drags and the columns hidden or shown from the header's menu.
class ChannelTableView : public QTableView, public IListControl {
    Q_OBJECT
public:
    explicit ChannelTableView(QWidget* parent = nullptr);

    // The list view the widget shows and forwards to; set once both exist.
    void attachView(ListView& view);
    // Shows nothing and forwards nothing from now on (the view is going away).
    void detachView();
    ChannelTableModel* tableModel() const { return model_; }

    // The user's colours, or the desktop's palette when the user picked none.
    void applyColours(const ListColours& colours);
    // The list's text `points` larger (smaller when negative) than the desktop's font.
    void applyZoom(int points);

    // The user's arrangement of the columns; set once, before anything is shown.
    void setColumnLayout(ColumnLayout* layout) { layout_ = layout; }
    ColumnLayout* columnLayout() const { return layout_; }
    // The list shown now, as the column layout names it.
    LayoutView layoutView() const;
    // The view's own columns (headers and the program's widths); empty without a list view.
    std::vector<Column> programColumns() const;
    // Hides or shows a column through the layout (never the last one shown), or brings back the
    // program's columns of the view shown; then shows the columns anew.
    void setColumnShown(std::size_t column, bool shown);
    void resetColumns();
    // Shows the columns as the layout has them now (after the layout changed).
    void applyColumnLayout() { applyColumns(); }

    // IListControl.
    void beginReset() override;
    void endReset(ResetScope scope) override;
    std::vector<std::size_t> selectedRows() const override;
    void selectAndFocus(std::size_t row) override;
    void selectRows(const std::vector<std::size_t>& rows) override;
    void ensureVisible(std::size_t row) override;
    std::optional<std::size_t> lastVisibleRow() const override;

signals:
    // The user did something that may change the commands' states.
    void listChanged();
    void contextMenuRequested(const QPoint& globalPos);

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void startDrag(Qt::DropActions supportedActions) override;
    void dropEvent(QDropEvent* event) override;

private:
    void applyColumns();
    // Rows as high as the font's lines (and the icons).
    void fitRowHeight();
    // A section's width changed: a drag of the user's goes to the layout.
    void columnResized(int column, int width);

    ChannelTableModel* model_;
    ListView* view_ = nullptr;
    ColumnLayout* layout_ = nullptr;
    // The widths are being set by the widget itself (a reset, the columns applied), not dragged.
    bool applying_ = false;
    // The columns' widths as shown when a reset began (0: hidden).
    std::vector<int> shownWidths_;
};

}  // namespace sky::app
