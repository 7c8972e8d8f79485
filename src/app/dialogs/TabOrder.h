#pragma once

#include <QWidget>

namespace sky::app {

// Lets the Tab key go through the controls of `window` in the order its layouts show them, group
// by group, rather than in the order the controls were made.
void tabInLayoutOrder(QWidget* window);

}  // namespace sky::app
