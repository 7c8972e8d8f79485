#pragma once

namespace sky::app {

class MainWindow;

// The window's commands that take from other files or give to them, over the open list:
//  - Apply Order from List: picks a reference, reads it, shows its preview and applies the order
//    as one undoable step;
//  - Save as Reference: writes the order of the channel view shown as a number;name file;
//  - Import Transponders: picks a scan table and a satellite, shows the preview and adds the
//    ticked transponders as one undoable step.
// Every refusal is shown in a box, and then nothing changes.
void applyOrderFromList(MainWindow& frame);
void saveAsReference(MainWindow& frame);
void importTransponders(MainWindow& frame);

}  // namespace sky::app
