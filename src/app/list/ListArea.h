#pragma once

#include <QWidget>

namespace sky {
class CSkylistListView;
}

namespace sky::app {

class ChannelTableView;
class FindBar;

// The main window's client area: the find bar (hidden until Find opens it) above the table.
class ListArea : public QWidget {
    Q_OBJECT
public:
    ListArea(ChannelTableView& table, CSkylistListView& view, QWidget* parent = nullptr);

    FindBar* findBar() const { return findBar_; }

private:
    FindBar* findBar_;
};

}  // namespace sky::app
