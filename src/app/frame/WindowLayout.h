#pragma once

#include "shell/ColumnLayout.h"
#include "shell/commands/CommandTable.h"

class QMainWindow;

namespace sky::app {

class ChannelTableView;
class MessageWindow;

// The main window's layout kept in the settings: its place, size and maximised state, the
// message window's side and visibility, and the columns of each view (through the column layout
// the list widget applies). Restored as the window starts, saved as it closes.
class WindowLayout {
public:
    // Hands the column layout to the list widget and puts the message window on its saved side,
    // shown or hidden.
    WindowLayout(QMainWindow& window, ISettingsStore& store, ChannelTableView& table,
                 MessageWindow& messages);

    ColumnLayout& columns() { return columns_; }

    // Shows the window at its saved place and size, maximised when it was; maximised on the
    // first start. A place off every screen is moved onto the nearest one.
    void showPlaced();
    // Saves the window's layout; false when the settings could not be written.
    bool save();
    // Before a command runs: View Detail brings back the program's widths of the channel views.
    void beforeCommand(Command command);
    // After Reset Settings: the program's columns in every view, the message window hidden on
    // the left, the window maximised.
    void applyDefaults();

private:
    QMainWindow& window_;
    ISettingsStore& store_;
    ChannelTableView& table_;
    MessageWindow& messages_;
    ColumnLayout columns_;
};

}  // namespace sky::app
