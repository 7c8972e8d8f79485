#pragma once

#include <QDialog>

#include "app/dialogs/DialogBinding.h"
#include "app/dialogs/MessageBoxes.h"
#include "editor/dialogs/SatelliteDialogData.h"

namespace sky::app {

// The dialog of one satellite record: its name, LNB frequencies, position, degree and blank
// flag, with OK and Cancel.
class SatelliteDialog : public QDialog {
    Q_OBJECT

public:
    SatelliteDialog(SatelliteDialogData& data, QWidget* parent);

    // Shows the dialog modally; Ok or Cancel.
    DialogEnd run();

    void accept() override;
    void reject() override;

private:
    void press(DialogEnd button);

    SatelliteDialogData& data_;
    DialogBinding binding_;
    MessageBoxes messages_{this};
    DialogEnd end_ = DialogEnd::Cancel;
};

}  // namespace sky::app
