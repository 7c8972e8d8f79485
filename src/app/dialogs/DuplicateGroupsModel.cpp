#include "app/dialogs/DuplicateGroupsModel.h"

#include <QFont>
#include <utility>

#include "editor/duplicates/DuplicateDisplay.h"

namespace sky::app {

namespace {

QVariant checkState(bool checked) {
    return checked ? Qt::Checked : Qt::Unchecked;
}

// Whether the row may become its group's keeper (a transponder numbered 0 may not while another
// can).
bool mayKeep(const DuplicateGroup& group, std::size_t member) {
    DuplicateGroup trial = group;
    return chooseKeeper(trial, member);
}

}  // namespace

DuplicateGroupsModel::DuplicateGroupsModel(QObject* parent) : QAbstractItemModel(parent) {}

void DuplicateGroupsModel::setGroups(std::vector<DuplicateGroup> groups) {
    beginResetModel();
    groups_ = std::move(groups);
    endResetModel();
}

const DuplicateGroup* DuplicateGroupsModel::groupOf(const QModelIndex& index) const {
    if (!index.isValid()) return nullptr;
    const std::size_t group = index.internalId() == kTopRow
                                  ? static_cast<std::size_t>(index.row())
                                  : static_cast<std::size_t>(index.internalId() - 1);
    return group < groups_.size() ? &groups_[group] : nullptr;
}

QModelIndex DuplicateGroupsModel::index(int row, int column, const QModelIndex& parent) const {
    if (!hasIndex(row, column, parent)) return {};
    if (!parent.isValid()) return createIndex(row, column, kTopRow);
    return createIndex(row, column, static_cast<quintptr>(parent.row()) + 1);
}

QModelIndex DuplicateGroupsModel::parent(const QModelIndex& child) const {
    if (!child.isValid() || child.internalId() == kTopRow) return {};
    return createIndex(static_cast<int>(child.internalId() - 1), 0, kTopRow);
}

int DuplicateGroupsModel::rowCount(const QModelIndex& parent) const {
    if (!parent.isValid()) return static_cast<int>(groups_.size());
    if (parent.internalId() != kTopRow || parent.column() != 0) return 0;
    const DuplicateGroup* group = groupOf(parent);
    return group ? static_cast<int>(group->rows.size()) : 0;
}

int DuplicateGroupsModel::columnCount(const QModelIndex&) const {
    return ColumnCount;
}

QVariant DuplicateGroupsModel::data(const QModelIndex& index, int role) const {
    const DuplicateGroup* group = groupOf(index);
    if (!group) return {};
    if (index.internalId() == kTopRow) return groupData(*group, index.column(), role);
    return memberData(*group, static_cast<std::size_t>(index.row()), index.column(), role);
}

QVariant DuplicateGroupsModel::groupData(const DuplicateGroup& group, int column, int role) const {
    // The top row's text stands in its first column, which spans the row.
    if (column != NumberColumn) return {};
    if (role == Qt::DisplayRole) return QString::fromStdString(equalCellsText(group.equalCells));
    if (role == Qt::CheckStateRole) return checkState(group.chosen);
    if (role == Qt::ToolTipRole) {
        return QString("Remove takes out every row of a checked group but the kept one");
    }
    return {};
}

QVariant DuplicateGroupsModel::memberData(const DuplicateGroup& group, std::size_t member,
                                          int column, int role) const {
    if (member >= group.rows.size()) return {};
    const DuplicateRow& row = group.rows[member];
    const bool kept = member == group.keeper;
    switch (role) {
        case Qt::DisplayRole:
            if (column == NumberColumn) return QString::fromStdString(row.number);
            if (column == NameColumn) return QString::fromStdString(row.name);
            return {};
        case Qt::CheckStateRole:
            if (column == KeepColumn) return checkState(kept);
            return {};
        case Qt::FontRole: {
            if (!kept && !group.chosen) return {};
            QFont font;
            font.setBold(kept);
            font.setStrikeOut(!kept);
            return font;
        }
        case Qt::ToolTipRole:
            if (column == KeepColumn && !mayKeep(group, member)) {
                return QString(
                    "A transponder numbered 0 is kept only when no other can be: no channel can "
                    "name it");
            }
            return {};
        default:
            return {};
    }
}

bool DuplicateGroupsModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!groupOf(index) || role != Qt::CheckStateRole) return false;
    const int groupRow = static_cast<int>(groupOf(index) - groups_.data());
    DuplicateGroup* group = &groups_[static_cast<std::size_t>(groupRow)];
    const bool checked = value.toInt() == Qt::Checked;
    if (index.internalId() == kTopRow) {
        if (index.column() != NumberColumn) return false;
        group->chosen = checked;
    } else {
        // The keeper is picked, never left without one: unchecking it does nothing.
        if (index.column() != KeepColumn || !checked) return false;
        if (!chooseKeeper(*group, static_cast<std::size_t>(index.row()))) return false;
    }
    groupChanged(groupRow);
    return true;
}

void DuplicateGroupsModel::groupChanged(int group) {
    const QModelIndex top = index(group, 0);
    emit dataChanged(top, index(group, ColumnCount - 1));
    const int members = rowCount(top);
    if (members > 0) {
        emit dataChanged(index(0, 0, top), index(members - 1, ColumnCount - 1, top));
    }
    emit choiceChanged();
}

QVariant DuplicateGroupsModel::headerData(int section, Qt::Orientation orientation,
                                          int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    switch (section) {
        case NumberColumn:
            return QString("Number");
        case NameColumn:
            return QString("Name");
        case KeepColumn:
            return QString("Keep");
        default:
            return {};
    }
}

Qt::ItemFlags DuplicateGroupsModel::flags(const QModelIndex& index) const {
    const DuplicateGroup* group = groupOf(index);
    if (!group) return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.internalId() == kTopRow) {
        if (index.column() == NumberColumn) flags |= Qt::ItemIsUserCheckable;
    } else if (index.column() == KeepColumn) {
        if (mayKeep(*group, static_cast<std::size_t>(index.row()))) {
            flags |= Qt::ItemIsUserCheckable;
        } else {
            flags &= ~Qt::ItemIsEnabled;
        }
    }
    return flags;
}

}  // namespace sky::app
