#pragma once

#include "editor/editing/CommandState.h"

namespace sky {

// The commands the list view handles. The menus, the toolbar and the keys issue them; before
// showing an item the window asks the view for its state.
enum class ViewCommand {
    DigitalChannel,         // "Digital Channel"
    AnalogChannel,          // "Analog Channel"
    ToggleDigitalAnalog,    // "View Analog Channel" / "View Digital Channel"
    SatelliteList,          // "Satellite List"
    SatelliteNameList,      // "Satellite Name List"
    DigitalTpList,          // "Digital TP List"
    DigitalChannelList,     // "Digital Channel List"
    DigitalPidChannelList,  // "Digital Channel Pid List"
    AnalogChannelList,      // "Analog Channel List"
    ViewDetail,             // "View Detail"
    ToggleEdit,             // enables and disables editing in the list
    New,                    // "&New (F2)"
    Cut,                    // "&Cut (F3)"
    Paste,                  // "&Paste (F4)"
    InsertNull,             // "&Insert Null"
    Delete,                 // "&Delete"
    Undo,                   // "&Undo", or "Undo (%d - %s)" / "Undo Disable"
    Redo,                   // "&Redo", or "Redo (%d - %s)" / "Redo Disable"
    SortChannelName,        // "Channel Name"
    SortFrequency,          // "Frequency"
    SortBouquet,            // "Bouquet"
    SortNameOnly,           // by type and name only
    ToggleAscendingNames,   // names ascending or descending
    ToggleRenumberAfterSort,
    ArrangeBlocks,      // digital channels in blocks of 100 per satellite and type
    RevertArrangement,  // puts the list back as it was before ArrangeBlocks
    MoveToNumber,       // "Move to Number...": the selected rows to start at a number asked for
    MoveUp,             // the selected rows one place up
    MoveDown,           // the selected rows one place down
    MoveToTop,          // the selected rows to the top of their section
    MoveToBottom,       // the selected rows to the bottom of their section
};

}  // namespace sky
