#pragma once

#include <QDialog>
#include <functional>
#include <optional>

#include "shell/OptionDialogData.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace sky::app {

// The "Setting Option" dialog: its widgets bound to OptionDialogData, which holds the
// rules. Beside the port choice, the device behind the chosen port, picked from the serial
// devices present or typed, with its status and, where it has one, its stable name to use.
class OptionDialog : public QDialog {
    Q_OBJECT
public:
    OptionDialog(OptionDialogData& data, const std::vector<std::string>& devices,
                 QWidget* parent = nullptr);

    // The colour picker: the chosen colour, or nothing on Cancel. By default QColorDialog,
    // starting at black; tests answer it here.
    std::function<std::optional<Rgb>()> pickColour;

    QRadioButton* radio32() const { return radio32_; }
    QRadioButton* radio40() const { return radio40_; }
    QPushButton* textColourButton() const { return textButton_; }
    QPushButton* backgroundColourButton() const { return backgroundButton_; }
    QPushButton* defaultColourButton() const { return defaultButton_; }
    QComboBox* portList() const { return ports_; }
    QComboBox* deviceList() const { return device_; }
    QLabel* deviceStatusLabel() const { return deviceStatus_; }
    QPushButton* stableNameButton() const { return stableName_; }
    QLineEdit* temporaryDirectoryEdit() const { return tempDir_; }
    QSpinBox* undoLevelsBox() const { return undoLevels_; }
    QSpinBox* historyLimitBox() const { return historyLimit_; }

    void accept() override;

private:
    void showSample();
    void portChosen(int index);
    // Shows the device's status, and offers its stable name where it has one.
    void deviceEdited(const QString& text);
    // The status of each port's device as the tooltip of its item in the port list.
    void showPortStatuses();

    OptionDialogData& data_;
    QRadioButton* radio32_;
    QRadioButton* radio40_;
    QPushButton* textButton_;
    QPushButton* backgroundButton_;
    QPushButton* defaultButton_;
    QLabel* sample_;
    QComboBox* ports_;
    QComboBox* device_;
    QLabel* deviceStatus_;
    QPushButton* stableName_;
    QLineEdit* tempDir_;
    QSpinBox* undoLevels_;
    QSpinBox* historyLimit_;
    int shownPort_ = -1;
};

}  // namespace sky::app
