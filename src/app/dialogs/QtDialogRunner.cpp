// TEMPORARY stand-in, to be dropped at merge (see QtDialogRunner.h): every dialog is cancelled.

#include "app/dialogs/QtDialogRunner.h"

namespace sky::app {

QtDialogRunner::QtDialogRunner(QWidget* parent) : parent_(parent) {}

DialogEnd QtDialogRunner::run(DigitalChannelDialogData&) { return DialogEnd::Cancel; }
DialogEnd QtDialogRunner::run(AnalogChannelDialogData&) { return DialogEnd::Cancel; }
DialogEnd QtDialogRunner::run(SatelliteDialogData&) { return DialogEnd::Cancel; }

}  // namespace sky::app
