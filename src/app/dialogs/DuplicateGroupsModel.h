#pragma once

#include <QAbstractItemModel>
#include <vector>

#include "editor/duplicates/DuplicateGroups.h"

namespace sky::app {

// The tree of the Find Duplicates dialog over the groups it holds, read from them when the view
// asks (no item is made per row, so a section of 20,000 rows opens at once): a top row per group,
// its shared cells with a check box for whether Remove clears it, and under it the group's rows,
// each with its number, its name and a Keep check box on the row that stays. Checking Keep on
// another row makes it the keeper where chooseKeeper() allows it. The rows Remove takes out are
// struck through, the keeper is bold.
class DuplicateGroupsModel : public QAbstractItemModel {
    Q_OBJECT
public:
    enum Column { NumberColumn, NameColumn, KeepColumn, ColumnCount };

    explicit DuplicateGroupsModel(QObject* parent = nullptr);

    // Shows these groups from now on; the choices made in the tree change them.
    void setGroups(std::vector<DuplicateGroup> groups);
    const std::vector<DuplicateGroup>& groups() const { return groups_; }

    QModelIndex index(int row, int column,
                      const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

signals:
    // A group was chosen or left, or got another keeper.
    void choiceChanged();

private:
    // A group's top row has no group above it; a member row carries its group, from 1.
    static constexpr quintptr kTopRow = 0;
    const DuplicateGroup* groupOf(const QModelIndex& index) const;
    QVariant groupData(const DuplicateGroup& group, int column, int role) const;
    QVariant memberData(const DuplicateGroup& group, std::size_t member, int column,
                        int role) const;
    void groupChanged(int group);

    std::vector<DuplicateGroup> groups_;
};

}  // namespace sky::app
