#pragma once

#include <QObject>

class QLabel;
class QStatusBar;
class QTimer;

namespace sky::app {

// The Caps Lock, Num Lock and Scroll Lock panes at the right of the status bar: "CAP", "NUM" and
// "SCRL" while the lock is on, blank while it is off. Only X11 tells the lock states (through
// XKB); elsewhere the panes are left out.
class LockKeyPanes : public QObject {
    Q_OBJECT
public:
    explicit LockKeyPanes(QStatusBar& bar);

    // Whether the platform tells the lock states, so that the panes are shown.
    bool available() const { return display_ != nullptr; }

private:
    void update();

    void* display_ = nullptr;
    QLabel* panes_[3]{};
    // The indicators' atoms (0 where the server has none of that name).
    unsigned long indicators_[3]{};
    QTimer* poll_ = nullptr;
};

}  // namespace sky::app
