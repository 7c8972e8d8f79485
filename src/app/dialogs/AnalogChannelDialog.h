#pragma once

#include <QComboBox>
#include <utility>
#include <vector>

#include "app/dialogs/ChannelDialog.h"
#include "editor/dialogs/AnalogChannelDialogData.h"

namespace sky::app {

// The dialog of an analog channel: the group "General" with the channel's words as drop-down
// lists and radio buttons, above the satellite.
class AnalogChannelDialog : public ChannelDialog {
    Q_OBJECT

public:
    AnalogChannelDialog(AnalogChannelDialogData& data, QWidget* parent);

protected:
    void showFields() override;
    QLineEdit* tooLongEdit() const override;

private:
    using Choice = AnalogChannelDialogData::Choice;

    // A drop-down list of the words of `choice`.
    QComboBox* wordList(Choice choice, const char* name);

    AnalogChannelDialogData& data_;
    std::vector<std::pair<Choice, QComboBox*>> wordLists_;
};

}  // namespace sky::app
