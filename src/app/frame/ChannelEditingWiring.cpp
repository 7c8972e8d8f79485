#include "app/frame/ChannelEditingWiring.h"

#include "app/dialogs/QtDialogRunner.h"
#include "app/dialogs/QtNumberPrompt.h"
#include "editor/editing/ChannelEditing.h"
#include "editor/view/ListView.h"

namespace sky::app {

struct ChannelEditingWiring::Parts {
    Parts(QWidget* mainWindow, ListView& view)
        : dialogs(mainWindow), editing(dialogs), numbers(mainWindow) {
        view.setChannelEditor(&editing);
        view.setNumberPrompt(&numbers);
    }
    sky::app::QtDialogRunner dialogs;
    sky::ChannelEditing editing;
    sky::app::QtNumberPrompt numbers;
};

ChannelEditingWiring::ChannelEditingWiring(QWidget* mainWindow, ListView& view)
    : parts_(std::make_unique<Parts>(mainWindow, view)) {}

ChannelEditingWiring::~ChannelEditingWiring() = default;

}  // namespace sky::app
