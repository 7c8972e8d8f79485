#include "app/list/ChannelTableModel.h"

#include <QMimeData>

#include "app/frame/Icons.h"

namespace sky::app {

ChannelTableModel::ChannelTableModel(QObject* parent)
    : QAbstractTableModel(parent), icons_{ownIcon("tv"), ownIcon("radio"), ownIcon("plain")} {}

int ChannelTableModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() || !shown_) return 0;
    return static_cast<int>(shown_->rowCount());
}

int ChannelTableModel::columnCount(const QModelIndex& parent) const {
    if (parent.isValid() || !shown_) return 0;
    return static_cast<int>(shown_->columns().size());
}

QVariant ChannelTableModel::data(const QModelIndex& index, int role) const {
    if (!shown_ || !index.isValid()) return {};
    const auto row = static_cast<std::size_t>(index.row());
    switch (role) {
        case Qt::DisplayRole: {
            const std::string_view text =
                shown_->cell(row, static_cast<std::size_t>(index.column()));
            return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
        }
        case Qt::DecorationRole:
            if (index.column() != 0) return {};
            return icons_[static_cast<std::size_t>(shown_->icon(row))];
        default:
            return {};
    }
}

QVariant ChannelTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || !shown_ || section < 0 ||
        static_cast<std::size_t>(section) >= shown_->columns().size()) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    return QString::fromUtf8(shown_->columns()[static_cast<std::size_t>(section)].header);
}

Qt::ItemFlags ChannelTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::ItemIsDropEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled |
           Qt::ItemIsDropEnabled | Qt::ItemNeverHasChildren;
}

QStringList ChannelTableModel::mimeTypes() const {
    return {kRowsMimeType};
}

QMimeData* ChannelTableModel::mimeData(const QModelIndexList& /*indexes*/) const {
    auto* data = new QMimeData;
    data->setData(kRowsMimeType, {});
    return data;
}

bool ChannelTableModel::canDropMimeData(const QMimeData* data, Qt::DropAction, int, int,
                                        const QModelIndex&) const {
    return data && data->hasFormat(kRowsMimeType);
}

bool ChannelTableModel::dropMimeData(const QMimeData* data, Qt::DropAction action, int row,
                                     int column, const QModelIndex& parent) {
    if (!rowDrop_ || !canDropMimeData(data, action, row, column, parent)) return false;
    // The table drops on a row (parent) rather than between rows; a drop below the last row
    // moves nothing.
    const int target = parent.isValid() ? parent.row() : row;
    if (target < 0 || target >= rowCount()) return false;
    rowDrop_(static_cast<std::size_t>(target));
    return true;
}

}  // namespace sky::app
