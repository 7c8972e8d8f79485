#pragma once

namespace sky::app {

class MainWindow;

// Reset Settings: asks, then puts every setting back to its default (the lists opened last are
// kept) and applies the defaults at once: the port and the devices, the undo levels, the list's
// colours and the window's layout.
void resetSettings(MainWindow& frame);

}  // namespace sky::app
