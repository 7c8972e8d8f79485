#pragma once

#include "editor/dialogs/DialogRunner.h"
#include "editor/editing/ChannelEditor.h"

namespace sky {

// Edits channels and satellites through the setting dialogs that `dialogs` shows.
class ChannelEditing : public IChannelEditor {
public:
    explicit ChannelEditing(IDialogRunner& dialogs) : dialogs_(dialogs) {}

    bool adjustChannel(ListEdit& list, bool digital, std::size_t row) override;
    bool newChannel(ListDocument& document, bool digital) override;
    bool editSatellite(ListEdit& list, std::size_t row) override;

private:
    IDialogRunner& dialogs_;
};

}  // namespace sky
