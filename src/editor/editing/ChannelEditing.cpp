#include "editor/editing/ChannelEditing.h"

#include "editor/editing/AnalogChannelEditing.h"
#include "editor/editing/DigitalChannelEditing.h"
#include "editor/editing/SatelliteEditing.h"

namespace sky {

bool ChannelEditing::adjustChannel(ListEdit& list, bool digital, std::size_t row) {
    return digital ? adjustDigitalChannel(list, dialogs_, row)
                   : adjustAnalogChannel(list, dialogs_, row);
}

bool ChannelEditing::newChannel(ListDocument& document, bool digital) {
    return digital ? newDigitalChannel(document, dialogs_) : newAnalogChannel(document, dialogs_);
}

bool ChannelEditing::editSatellite(ListEdit& list, std::size_t row) {
    return editSatelliteRecord(list, dialogs_, row);
}

}  // namespace sky
