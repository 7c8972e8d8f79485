#pragma once

#include <string>

namespace sky {

// What a menu item or a button shows of a command: whether it is enabled and checked, and its
// text where the text changes with the state.
struct CommandState {
    bool enabled = false;
    bool checked = false;
    // A text that changes with the state ("Undo (%d - %s)", "View Analog Channel"); empty where
    // the command table's menu text stands.
    std::string text;
};

}  // namespace sky
