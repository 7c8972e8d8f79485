#include "app/list/ColumnHeaderMenu.h"

#include <QMenu>

#include "app/list/ChannelTableView.h"

namespace sky::app {

QMenu* buildColumnHeaderMenu(ChannelTableView& table, QWidget* parent) {
    auto* menu = new QMenu(parent);
    menu->setObjectName("ColumnHeaderMenu");
    const std::vector<Column> program = table.programColumns();
    ColumnLayout* layout = table.columnLayout();
    if (!layout) return menu;
    const LayoutView view = table.layoutView();
    for (std::size_t i = 0; i < program.size(); ++i) {
        const int column = static_cast<int>(i);
        const bool shown = !table.isColumnHidden(column);
        QAction* item =
            menu->addAction(table.model()->headerData(column, Qt::Horizontal).toString());
        item->setCheckable(true);
        item->setChecked(shown);
        item->setEnabled(!shown || layout->canHide(view, i, program));
        QObject::connect(item, &QAction::toggled, &table,
                         [&table, i](bool checked) { table.setColumnShown(i, checked); });
    }
    menu->addSeparator();
    QAction* reset = menu->addAction("Reset Columns");
    reset->setObjectName("ResetColumns");
    reset->setStatusTip("Show the columns of this view with their first widths again");
    QObject::connect(reset, &QAction::triggered, &table, [&table] { table.resetColumns(); });
    return menu;
}

void showColumnHeaderMenu(ChannelTableView& table, const QPoint& globalPos) {
    QMenu* menu = buildColumnHeaderMenu(table, &table);
    menu->exec(globalPos);
    delete menu;
}

}  // namespace sky::app
