#include "app/list/ListArea.h"

#include <QVBoxLayout>

#include "app/find/FindBar.h"
#include "app/list/ChannelTableView.h"

namespace sky::app {

ListArea::ListArea(ChannelTableView& table, ListView& view, QWidget* parent)
    : QWidget(parent), findBar_(new FindBar(view, table, this)) {
    // The bar is made before the table joins the area, so that it goes first when the area is
    // destroyed and hears nothing from a table on its way out.
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(findBar_);
    column->addWidget(&table);
}

}  // namespace sky::app
