#pragma once

#include <QWidget>

#include "editor/dialogs/DialogRunner.h"

namespace sky::app {

// Shows the setting dialogs modally over `parent`, the main window.
class QtDialogRunner : public sky::IDialogRunner {
public:
    explicit QtDialogRunner(QWidget* parent) : parent_(parent) {}

    DialogEnd run(DigitalChannelDialogData& data) override;
    DialogEnd run(AnalogChannelDialogData& data) override;
    DialogEnd run(SatelliteDialogData& data) override;

private:
    QWidget* parent_;
};

}  // namespace sky::app
