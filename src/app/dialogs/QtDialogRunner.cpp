#include "app/dialogs/QtDialogRunner.h"

#include "app/dialogs/AnalogChannelDialog.h"
#include "app/dialogs/DigitalChannelDialog.h"
#include "app/dialogs/SatelliteDialog.h"

namespace sky::app {

DialogEnd QtDialogRunner::run(DigitalChannelDialogData& data) {
    DigitalChannelDialog dialog(data, parent_);
    return dialog.run();
}

DialogEnd QtDialogRunner::run(AnalogChannelDialogData& data) {
    AnalogChannelDialog dialog(data, parent_);
    return dialog.run();
}

DialogEnd QtDialogRunner::run(SatelliteDialogData& data) {
    SatelliteDialog dialog(data, parent_);
    return dialog.run();
}

}  // namespace sky::app
