#pragma once

#include <cstddef>

namespace sky {

class EditorModel;

// The editing of single channels and satellites through their setting dialogs, plugged into the
// list view. The view decides when an edit starts and shows the result; the editor changes the
// model's token array, asks its questions through model.ui(), and reports whether it wrote
// anything:
//
//  - adjustChannel: a double-click on a row of the Digital Channel view (digital) or the Analog
//    Channel view. The view has recorded the undo entry "Setting channel" before the call and
//    drops it again when the editor reports no change.
//  - newChannel: F2, "&New (F2)" or a double-click with no single row selected. The editor
//    records its own undo entry ("New Dig Channel" or "New Ana Channel") with
//    model.recordUndo() when the user confirms, and drops it (model.discardNewestUndo()) when it
//    then refuses.
//  - editSatellite: a double-click on a row of the Satellite List. The view records the undo
//    entry "Setting Satellite" before the call and drops it when the editor reports no change.
//
// For every reported change the view marks the list modified and refreshes: renumbering after a
// channel edit, without renumbering after a satellite edit. The rows given are rows of the list
// as last refreshed; model.recordOfRow() and model.digitalRows()/analogRows() give their records
// and joined cells.
class IChannelEditor {
public:
    virtual ~IChannelEditor() = default;

    virtual bool adjustChannel(EditorModel& model, bool digital, std::size_t row) = 0;
    virtual bool newChannel(EditorModel& model, bool digital) = 0;
    virtual bool editSatellite(EditorModel& model, std::size_t row) = 0;
};

}  // namespace sky
