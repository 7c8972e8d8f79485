#pragma once

#include <QTableView>
#include <functional>
#include <vector>

#include "app/list/ChannelTableModel.h"
#include "editor/view/ListControl.h"
#include "shell/Settings.h"

namespace sky {
class CSkylistListView;
}

namespace sky::app {

// The list widget: a table over the list view's shown list, with full-row selection of several
// rows, fixed row heights, the list colours and the view's columns and widths (width 0 hides a
// column). It forwards the keys F2, F3, F4, Insert and Delete, the double-click and the drop of
// dragged rows to the list view, and asks the frame for the pop-up menu.
class ChannelTableView : public QTableView, public IListControl {
    Q_OBJECT
public:
    explicit ChannelTableView(QWidget* parent = nullptr);

    // The list view the widget shows and forwards to; set once both exist.
    void attachView(CSkylistListView& view);
    // Shows nothing and forwards nothing from now on (the view is going away).
    void detachView();
    ChannelTableModel* tableModel() const { return model_; }

    void applyColours(const ListColours& colours);

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
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void startDrag(Qt::DropActions supportedActions) override;
    void dropEvent(QDropEvent* event) override;

private:
    void applyColumns();

    ChannelTableModel* model_;
    CSkylistListView* view_ = nullptr;
    // The columns' widths as shown when a reset began (0: hidden).
    std::vector<int> shownWidths_;
};

}  // namespace sky::app
