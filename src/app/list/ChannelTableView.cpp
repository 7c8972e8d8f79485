#include "app/list/ChannelTableView.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QItemSelection>
#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>

#include "app/list/ColumnHeaderMenu.h"
#include "editor/view/ListView.h"

namespace sky::app {

namespace {

QColor qColour(const Rgb& rgb) {
    return QColor(rgb.red, rgb.green, rgb.blue);
}

}  // namespace

ChannelTableView::ChannelTableView(QWidget* parent)
    : QTableView(parent), model_(new ChannelTableModel(this)) {
    setModel(model_);
    setAccessibleName("Channel list");
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setTextElideMode(Qt::ElideRight);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setIconSize(QSize(16, 16));
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    fitRowHeight();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setSectionsClickable(false);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int column, int, int width) { columnResized(column, width); });
    horizontalHeader()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(horizontalHeader(), &QHeaderView::customContextMenuRequested, this,
            [this](const QPoint& at) {
                if (view_ && layout_)
                    showColumnHeaderMenu(*this, horizontalHeader()->mapToGlobal(at));
            });
    setDragEnabled(true);
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::InternalMove);
    setDefaultDropAction(Qt::MoveAction);
    setDropIndicatorShown(true);
    setDragDropOverwriteMode(true);
}

void ChannelTableView::attachView(ListView& view) {
    view_ = &view;
    model_->setRowDrop([this](std::size_t row) {
        if (view_) view_->dropSelectedRows(row);
    });
    model_->beginReset();
    model_->attach(&view.shownList());
    model_->endReset();
    applyColumns();
}

void ChannelTableView::detachView() {
    model_->beginReset();
    model_->attach(nullptr);
    model_->endReset();
    view_ = nullptr;
}

void ChannelTableView::applyColours(const ListColours& colours) {
    if (!colours.saved) {
        // No colours of the user's: an empty palette sets nothing, so the list takes the
        // desktop's, and follows it when it changes.
        setPalette(QPalette());
        viewport()->update();
        return;
    }
    QPalette colourPalette = palette();
    colourPalette.setColor(QPalette::Base, qColour(colours.background));
    colourPalette.setColor(QPalette::AlternateBase, qColour(colours.background));
    colourPalette.setColor(QPalette::Text, qColour(colours.text));
    setPalette(colourPalette);
    viewport()->update();
}

void ChannelTableView::applyZoom(int points) {
    constexpr qreal kSmallest = 6;
    QFont zoomed = QApplication::font(this);
    if (points != 0) {
        zoomed.setPointSizeF(std::max(kSmallest, zoomed.pointSizeF() + points));
    }
    setFont(zoomed);
    fitRowHeight();
}

void ChannelTableView::fitRowHeight() {
    verticalHeader()->setDefaultSectionSize(std::max(fontMetrics().height(), 16) + 4);
}

void ChannelTableView::beginReset() {
    // The header forgets its sections' sizes in a reset: those shown now, the user's included,
    // are kept to be put back when only the rows change. The sizes the reset and the putting
    // back report are no drags of the user's.
    applying_ = true;
    shownWidths_.clear();
    for (int column = 0; column < horizontalHeader()->count(); ++column) {
        shownWidths_.push_back(isColumnHidden(column) ? 0 : columnWidth(column));
    }
    model_->beginReset();
}

void ChannelTableView::endReset(ResetScope scope) {
    model_->endReset();
    if (scope == ResetScope::ColumnsAndRows ||
        static_cast<int>(shownWidths_.size()) != horizontalHeader()->count()) {
        applyColumns();
    } else {
        for (int column = 0; column < static_cast<int>(shownWidths_.size()); ++column) {
            const int width = shownWidths_[static_cast<std::size_t>(column)];
            setColumnHidden(column, width <= 0);
            if (width > 0) setColumnWidth(column, width);
        }
    }
    applying_ = false;
    // Laid out now rather than after the next paint: the scroll bars fit the new rows before the
    // table is drawn, so that it is drawn once, not again when a scroll bar comes or goes.
    executeDelayedItemsLayout();
}

LayoutView ChannelTableView::layoutView() const {
    if (!view_) return {};
    return {view_->viewKind(), view_->viewKind() != ViewKind::Detail || view_->digitalFlag()};
}

std::vector<Column> ChannelTableView::programColumns() const {
    const ShownList* shown = model_->shown();
    if (!view_ || !shown) return {};
    return shown->columns();
}

void ChannelTableView::setColumnShown(std::size_t column, bool shown) {
    if (!layout_ || !view_) return;
    layout_->setHidden(layoutView(), column, !shown, programColumns());
    applyColumns();
}

void ChannelTableView::resetColumns() {
    if (!layout_ || !view_) return;
    layout_->reset(layoutView());
    applyColumns();
}

void ChannelTableView::columnResized(int column, int width) {
    if (applying_ || !layout_ || !view_ || column < 0 || width <= 0) return;
    layout_->setWidth(layoutView(), static_cast<std::size_t>(column), width);
}

void ChannelTableView::applyColumns() {
    const ShownList* shown = model_->shown();
    if (!shown) return;
    const bool wasApplying = applying_;
    applying_ = true;
    const std::vector<Column> columns =
        layout_ && view_ ? layout_->columns(layoutView(), shown->columns()) : shown->columns();
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const int column = static_cast<int>(i);
        if (columns[i].width <= 0) {
            setColumnHidden(column, true);
        } else {
            setColumnHidden(column, false);
            setColumnWidth(column, columns[i].width);
        }
    }
    applying_ = wasApplying;
}

std::vector<std::size_t> ChannelTableView::selectedRows() const {
    std::vector<std::size_t> rows;
    if (!selectionModel()) return rows;
    for (const QItemSelectionRange& range : selectionModel()->selection()) {
        for (int row = range.top(); row <= range.bottom(); ++row) {
            rows.push_back(static_cast<std::size_t>(row));
        }
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

void ChannelTableView::selectAndFocus(std::size_t row) {
    const int r = static_cast<int>(row);
    if (r >= model_->rowCount()) return;
    const QModelIndex index = model_->index(r, 0);
    selectionModel()->select(index, QItemSelectionModel::Select | QItemSelectionModel::Rows);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
}

void ChannelTableView::selectRows(const std::vector<std::size_t>& rows) {
    // One range for each run of neighbouring rows, selected in one call.
    QItemSelection selection;
    const int count = model_->rowCount();
    const int last = model_->columnCount() - 1;
    for (std::size_t i = 0; i < rows.size();) {
        std::size_t end = i + 1;
        while (end < rows.size() && rows[end] == rows[end - 1] + 1) ++end;
        const int top = static_cast<int>(rows[i]);
        const int bottom = std::min(static_cast<int>(rows[end - 1]), count - 1);
        if (top < count && last >= 0) {
            selection.select(model_->index(top, 0), model_->index(bottom, last));
        }
        i = end;
    }
    selectionModel()->select(selection,
                             QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    if (!rows.empty() && static_cast<int>(rows.front()) < count) {
        selectionModel()->setCurrentIndex(model_->index(static_cast<int>(rows.front()), 0),
                                          QItemSelectionModel::NoUpdate);
    }
}

void ChannelTableView::ensureVisible(std::size_t row) {
    const int r = static_cast<int>(row);
    if (r >= model_->rowCount()) return;
    // Keep the horizontal scrolling: the leftmost column shown.
    const int column = std::max(0, horizontalHeader()->logicalIndexAt(0));
    scrollTo(model_->index(r, column));
}

std::optional<std::size_t> ChannelTableView::lastVisibleRow() const {
    const int rows = model_->rowCount();
    if (rows == 0) return std::nullopt;
    const int row = rowAt(viewport()->height() - 1);
    return static_cast<std::size_t>(row < 0 ? rows - 1 : row);
}

void ChannelTableView::mouseDoubleClickEvent(QMouseEvent* event) {
    QTableView::mouseDoubleClickEvent(event);
    if (!view_ || event->button() != Qt::LeftButton) return;
    view_->onDoubleClick();
    emit listChanged();
}

void ChannelTableView::contextMenuEvent(QContextMenuEvent* event) {
    emit contextMenuRequested(event->globalPos());
    event->accept();
}

void ChannelTableView::startDrag(Qt::DropActions supportedActions) {
    if (!view_ || !view_->canDrag() || selectedRows().empty()) return;
    QTableView::startDrag(supportedActions);
}

void ChannelTableView::dropEvent(QDropEvent* event) {
    // Qt takes only a drag of this table's own rows (InternalMove checks the drag's source) and
    // hands it to the model, whose drop the list view carries out.
    QTableView::dropEvent(event);
    if (!event->isAccepted()) return;
    // The list view has moved the rows and reset the list: the drag must not clear the cells it
    // took them from, as Qt does after a move.
    event->setDropAction(Qt::CopyAction);
    emit listChanged();
}

}  // namespace sky::app
