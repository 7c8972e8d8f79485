#include "editor/editing/ChannelEditing.h"

#include "editor/editing/AnalogChannelEditing.h"
#include "editor/editing/DigitalChannelEditing.h"
#include "editor/editing/SatelliteEditing.h"

namespace sky {

bool ChannelEditing::adjustChannel(EditorModel& model, bool digital, std::size_t row) {
    return digital ? adjustDigitalChannel(model, dialogs_, row)
                   : adjustAnalogChannel(model, dialogs_, row);
}

bool ChannelEditing::newChannel(EditorModel& model, bool digital) {
    return digital ? newDigitalChannel(model, dialogs_) : newAnalogChannel(model, dialogs_);
}

bool ChannelEditing::editSatellite(EditorModel& model, std::size_t row) {
    return editSatelliteRecord(model, dialogs_, row);
}

}  // namespace sky
