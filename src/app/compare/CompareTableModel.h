#pragma once

#include <QAbstractTableModel>
#include <array>
#include <cstddef>
#include <vector>

#include "editor/compare/ListComparison.h"

namespace sky::app {

// The rows of one section of a comparison, of the kinds asked for, read from the comparison on
// demand: the kind, the number in the open list and in the other, the name and the columns that
// differ. A changed row's columns and a moved row's numbers are marked.
class CompareTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum ColumnId { KindColumn, OpenNumberColumn, OtherNumberColumn, NameColumn, CellsColumn };
    static constexpr int kColumnCount = 5;

    explicit CompareTableModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    // Shows the section's differences of the kinds whose flag is set (by DifferenceKind); the
    // section must outlive the model's use of it, until the next show().
    void show(const SectionComparison* section, const std::array<bool, 4>& kinds,
              const QString& otherName);
    // The difference a row shows; null outside the rows.
    const RowDifference* difference(int row) const;
    // "only in the open list", "only in NAME", "changed", "moved".
    static QString kindText(DifferenceKind kind, const QString& otherName);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    const SectionComparison* section_ = nullptr;
    // The differences shown, by their place in the section's differences.
    std::vector<std::size_t> rows_;
    QString otherName_;
};

}  // namespace sky::app
