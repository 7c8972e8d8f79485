#pragma once

#include <memory>

class QWidget;

namespace sky {
class ListView;
}

namespace sky::app {

// The one place where the list view gets its channel editor (the setting dialogs shown by
// QtDialogRunner over the main window, through sky::ChannelEditing) and the prompt that asks
// Move to Number's number.
class ChannelEditingWiring {
public:
    ChannelEditingWiring(QWidget* mainWindow, ListView& view);
    ~ChannelEditingWiring();

private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
};

}  // namespace sky::app
