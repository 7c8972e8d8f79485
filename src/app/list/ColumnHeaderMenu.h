#pragma once

#include <QPoint>

class QMenu;
class QWidget;

namespace sky::app {

class ChannelTableView;

// The menu of the list's header: a check item per column of the view shown, by its header text,
// that hides or shows it (the last column shown cannot be hidden), and "Reset Columns", which
// brings back the program's columns of the view.
QMenu* buildColumnHeaderMenu(ChannelTableView& table, QWidget* parent);
// Shows that menu at a point of the screen until the user picks an item or leaves it.
void showColumnHeaderMenu(ChannelTableView& table, const QPoint& globalPos);

}  // namespace sky::app
