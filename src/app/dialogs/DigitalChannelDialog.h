#pragma once

#include "app/dialogs/ChannelDialog.h"
#include "editor/dialogs/DigitalChannelDialogData.h"

namespace sky::app {

// The dialog of a digital or PID channel: the groups "General" and "Digital TP" above the
// satellite. The three PID edits carry their values without being shown.
class DigitalChannelDialog : public ChannelDialog {
    Q_OBJECT

public:
    DigitalChannelDialog(DigitalChannelDialogData& data, QWidget* parent);

protected:
    void showFields() override;
    QLineEdit* tooLongEdit() const override;

private:
    void serviceIdTyped(const QString& text);
    void showEnabling();

    DigitalChannelDialogData& data_;
    QLineEdit* serviceId_;
    QLineEdit* videoPid_;
    QLineEdit* audioPid_;
    QLineEdit* pcrPid_;
};

}  // namespace sky::app
