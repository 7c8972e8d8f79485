#pragma once

#include <QWidget>

namespace sky {
class ListView;
}

namespace sky::app {

class ChannelTableView;
class FindBar;

// The main window's client area: the find bar (hidden until Find opens it) above the table.
class ListArea : public QWidget {
    Q_OBJECT
public:
    ListArea(ChannelTableView& table, ListView& view, QWidget* parent = nullptr);

    FindBar* findBar() const { return findBar_; }

private:
    FindBar* findBar_;
};

}  // namespace sky::app
