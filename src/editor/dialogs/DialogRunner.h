#pragma once

#include "editor/dialogs/AnalogChannelDialogData.h"
#include "editor/dialogs/DialogEdits.h"
#include "editor/dialogs/DigitalChannelDialogData.h"
#include "editor/dialogs/SatelliteDialogData.h"

namespace sky {

// Runs the setting dialogs modally. The caller fills the data (for a channel: the satellite rows,
// the satellite to preselect and the new flag) and the runner shows it: it calls open() when the
// dialog appears, passes the user's edits, picks and keys to the data, and returns once finish()
// has accepted a button, with the data holding the values taken from the dialog. The Qt program
// draws the dialogs; tests script the user.
class IDialogRunner {
public:
    virtual ~IDialogRunner() = default;

    // Ok, Cancel, Delete or InsertNull; the data's flags agree with the result.
    virtual DialogEnd run(DigitalChannelDialogData& data) = 0;
    virtual DialogEnd run(AnalogChannelDialogData& data) = 0;
    // Ok or Cancel.
    virtual DialogEnd run(SatelliteDialogData& data) = 0;
};

}  // namespace sky
