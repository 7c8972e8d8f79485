#pragma once

#include <QAbstractTableModel>
#include <QIcon>
#include <array>
#include <cstddef>
#include <functional>
#include <utility>

#include "editor/view/ShownList.h"

namespace sky::app {

// The table model over what the list view shows: every count, header, text and icon is read from
// the editor's ShownList when the table asks for it; nothing is copied. The list view's reset
// notifications become the model's resets.
class ChannelTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr const char* kRowsMimeType = "application/x-skylister-rows";

    explicit ChannelTableModel(QObject* parent = nullptr);

    // Reads this list from now on (between a reset's begin and end).
    void attach(const ShownList* shown) { shown_ = shown; }
    const ShownList* shown() const { return shown_; }

    void beginReset() { beginResetModel(); }
    void endReset() { endResetModel(); }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Rows are dragged within their table only (the table checks the drag's source). A drag
    // carries no rows: the rows moved are the table's selection, and the drop on a row is
    // carried out by `drop`, the list view's.
    void setRowDrop(std::function<void(std::size_t row)> drop) { rowDrop_ = std::move(drop); }
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;
    Qt::DropActions supportedDropActions() const override { return Qt::MoveAction; }
    Qt::DropActions supportedDragActions() const override { return Qt::MoveAction; }
    bool canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                         const QModelIndex& parent) const override;

private:
    const ShownList* shown_ = nullptr;
    std::array<QIcon, 3> icons_;
    std::function<void(std::size_t row)> rowDrop_;
};

}  // namespace sky::app
