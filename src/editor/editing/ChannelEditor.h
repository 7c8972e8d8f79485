#pragma once

#include <cstddef>

namespace sky {

class ListDocument;
class ListEdit;

// The editing of single channels and satellites through their setting dialogs, plugged into the
// list view. The view decides when an edit starts; the editor changes the list, asks its
// questions through list.ui(), and reports whether it wrote anything:
//
//  - adjustChannel: a double-click on a row of the Digital Channel view (digital) or the Analog
//    Channel view. It runs inside the view's edit "Setting channel", which is dropped again
//    when the editor reports no change.
//  - newChannel: F2, "&New (F2)" or a double-click with no single row selected. The editor runs
//    its own edit ("New Dig Channel" or "New Ana Channel") on the document once the user
//    confirms, so that a cancelled dialog leaves no step.
//  - editSatellite: a double-click on a row of the Satellite List, inside the view's edit
//    "Setting Satellite".
//
// Every change renumbers the channels, but a satellite edit's. The rows given are rows of the
// list as last refreshed; list.recordOfRow() and list.digitalRows()/analogRows() give their
// records and joined cells.
class IChannelEditor {
public:
    virtual ~IChannelEditor() = default;

    virtual bool adjustChannel(ListEdit& list, bool digital, std::size_t row) = 0;
    virtual bool newChannel(ListDocument& document, bool digital) = 0;
    virtual bool editSatellite(ListEdit& list, std::size_t row) = 0;
};

}  // namespace sky
