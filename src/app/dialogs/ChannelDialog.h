#pragma once

#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include "app/dialogs/DialogBinding.h"
#include "app/dialogs/MessageBoxes.h"
#include "editor/dialogs/ChannelDialogData.h"

namespace sky::app {

// What the digital and the analog channel dialog share: the "Satellite" group with its picker
// and display-only fields, the buttons OK, Cancel, Delete and Insert Null at the right, and the
// Delete and Insert keys. The data decides what each pick, key and button does; the dialog
// closes once the data accepts a button.
class ChannelDialog : public QDialog {
    Q_OBJECT

public:
    // Shows the dialog modally; the button that ended it.
    DialogEnd run();

    void reject() override;

protected:
    ChannelDialog(ChannelDialogData& data, const QString& insertNullText, bool editablePicker,
                  QWidget* parent);

    // Lays out the dialog: `fields`, the dialog's own groups, above the satellite group.
    void arrange(QLayout* fields);
    // Prepares the data and shows it: called once the fields are bound.
    void start();
    // Moves the data into the controls.
    virtual void showFields();
    // The edit of the first text too long for it.
    virtual QLineEdit* tooLongEdit() const = 0;

    void keyPressEvent(QKeyEvent* event) override;

    DialogBinding binding_;
    MessageBoxes messages_{this};
    QLineEdit* lnbHigh_;
    QLineEdit* lnbLow_;
    QLineEdit* position_;
    QLineEdit* degree_;

private:
    void satellitePicked(int row);
    void press(DialogEnd button);

    ChannelDialogData& data_;
    DialogEnd end_ = DialogEnd::Cancel;
    QComboBox* picker_;
    QGroupBox* satelliteGroup_;
    QPushButton* ok_;
    QPushButton* cancel_;
    QPushButton* delete_;
    QPushButton* insertNull_;
};

}  // namespace sky::app
