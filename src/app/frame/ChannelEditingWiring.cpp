#include "app/frame/ChannelEditingWiring.h"

#include "app/dialogs/QtDialogRunner.h"
#include "editor/editing/ChannelEditing.h"
#include "editor/view/SkylistListView.h"

namespace sky::app {

struct ChannelEditingWiring::Parts {
    Parts(QWidget* mainWindow, CSkylistListView& view) : dialogs(mainWindow), editing(dialogs) {
        view.setChannelEditor(&editing);
    }
    sky::app::QtDialogRunner dialogs;
    sky::ChannelEditing editing;
};

ChannelEditingWiring::ChannelEditingWiring(QWidget* mainWindow, CSkylistListView& view)
    : parts_(std::make_unique<Parts>(mainWindow, view)) {}

ChannelEditingWiring::~ChannelEditingWiring() = default;

}  // namespace sky::app
