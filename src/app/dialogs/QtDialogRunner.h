#pragma once

// TEMPORARY stand-in, to be dropped at merge: the real runner with the three setting dialogs
// comes from the dialogs branch and replaces this file and QtDialogRunner.cpp.

#include "editor/dialogs/DialogRunner.h"

class QWidget;

namespace sky::app {

class QtDialogRunner : public sky::IDialogRunner {
public:
    explicit QtDialogRunner(QWidget* parent);

    DialogEnd run(DigitalChannelDialogData& data) override;
    DialogEnd run(AnalogChannelDialogData& data) override;
    DialogEnd run(SatelliteDialogData& data) override;

private:
    QWidget* parent_;
};

}  // namespace sky::app
