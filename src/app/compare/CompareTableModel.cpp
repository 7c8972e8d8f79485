#include "app/compare/CompareTableModel.h"

#include <QBrush>
#include <QGuiApplication>
#include <QStringList>

#include "app/theme/MarkColour.h"

namespace sky::app {

namespace {

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

}  // namespace

QString CompareTableModel::kindText(DifferenceKind kind, const QString& otherName) {
    switch (kind) {
        case DifferenceKind::OnlyInA:
            return "only in the open list";
        case DifferenceKind::OnlyInB:
            return "only in " + otherName;
        case DifferenceKind::Changed:
            return "changed";
        case DifferenceKind::Moved:
            break;
    }
    return "moved";
}

void CompareTableModel::show(const SectionComparison* section, const std::array<bool, 4>& kinds,
                             const QString& otherName) {
    beginResetModel();
    section_ = section;
    otherName_ = otherName;
    rows_.clear();
    if (section_) {
        for (std::size_t i = 0; i < section_->differences.size(); ++i) {
            if (kinds[static_cast<std::size_t>(section_->differences[i].kind)]) rows_.push_back(i);
        }
    }
    endResetModel();
}

const RowDifference* CompareTableModel::difference(int row) const {
    if (!section_ || row < 0 || static_cast<std::size_t>(row) >= rows_.size()) return nullptr;
    return &section_->differences[rows_[static_cast<std::size_t>(row)]];
}

int CompareTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int CompareTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant CompareTableModel::data(const QModelIndex& index, int role) const {
    const RowDifference* d = difference(index.row());
    if (!d) return {};
    const bool marked = (d->kind == DifferenceKind::Changed && index.column() == CellsColumn) ||
                        (d->kind == DifferenceKind::Moved && (index.column() == OpenNumberColumn ||
                                                              index.column() == OtherNumberColumn));
    // A cell that differs is marked in a tint of the desktop's palette.
    if (role == Qt::BackgroundRole) {
        return marked ? QVariant(QBrush(markColour(QGuiApplication::palette()))) : QVariant();
    }
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return {};
    switch (index.column()) {
        case KindColumn:
            return kindText(d->kind, otherName_);
        case OpenNumberColumn:
            return text(d->numberA);
        case OtherNumberColumn:
            return text(d->numberB);
        case NameColumn:
            return text(d->name);
        case CellsColumn: {
            QStringList cells;
            for (const std::string& cell : d->cells) cells << text(cell);
            return cells.join(", ");
        }
        default:
            return {};
    }
}

QVariant CompareTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    switch (section) {
        case KindColumn:
            return "Difference";
        case OpenNumberColumn:
            return "No. in the open list";
        case OtherNumberColumn:
            return "No. in " + otherName_;
        case NameColumn:
            return "Name";
        case CellsColumn:
            return "Changed columns";
        default:
            return {};
    }
}

}  // namespace sky::app
