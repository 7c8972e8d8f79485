#include "shell/commands/ListCommandBindings.h"

#include <utility>

#include "editor/view/ListView.h"
#include "shell/commands/CommandRouter.h"

namespace sky {

namespace {

CommandHandler onView(ListView& view, ViewCommand command) {
    return {[&view, command] { return view.commandState(command); },
            [&view, command] { view.run(command); }};
}

CommandHandler withWaitCursor(IDocumentWindow& window, CommandHandler handler) {
    handler.run = [&window, run = std::move(handler.run)] {
        const WaitCursor wait(window);
        run();
    };
    return handler;
}

}  // namespace

void bindListCommands(CommandRouter& router, ListView& view, IDocumentWindow& window) {
    using V = ViewCommand;
    router.bind(Command::New, onView(view, V::New));
    router.bind(Command::Cut, onView(view, V::Cut));
    router.bind(Command::Paste, onView(view, V::Paste));
    router.bind(Command::InsertNull, onView(view, V::InsertNull));
    router.bind(Command::Delete, onView(view, V::Delete));
    router.bind(Command::Undo, onView(view, V::Undo));
    router.bind(Command::Redo, onView(view, V::Redo));
    router.bind(Command::MoveToNumber, onView(view, V::MoveToNumber));
    router.bind(Command::MoveUp, onView(view, V::MoveUp));
    router.bind(Command::MoveDown, onView(view, V::MoveDown));
    router.bind(Command::MoveToTop, onView(view, V::MoveToTop));
    router.bind(Command::MoveToBottom, onView(view, V::MoveToBottom));
    router.bind(Command::SortChannelName, withWaitCursor(window, onView(view, V::SortChannelName)));
    router.bind(Command::SortFrequency, withWaitCursor(window, onView(view, V::SortFrequency)));
    router.bind(Command::SortBouquet, withWaitCursor(window, onView(view, V::SortBouquet)));
    router.bind(Command::SortNameOnly, withWaitCursor(window, onView(view, V::SortNameOnly)));
    router.bind(Command::ArrangeBlocks, withWaitCursor(window, onView(view, V::ArrangeBlocks)));
    router.bind(Command::ToggleAscendingNames, onView(view, V::ToggleAscendingNames));
    router.bind(Command::ToggleRenumberAfterSort, onView(view, V::ToggleRenumberAfterSort));
    router.bind(Command::RevertArrangement, onView(view, V::RevertArrangement));
    router.bind(Command::ToggleEdit, onView(view, V::ToggleEdit));
    router.bind(Command::DigitalChannel, onView(view, V::DigitalChannel));
    router.bind(Command::AnalogChannel, onView(view, V::AnalogChannel));
    router.bind(Command::SatelliteList, onView(view, V::SatelliteList));
    router.bind(Command::DigitalChannelList, onView(view, V::DigitalChannelList));
    router.bind(Command::AnalogChannelList, onView(view, V::AnalogChannelList));
    router.bind(Command::DigitalPidChannelList, onView(view, V::DigitalPidChannelList));
    router.bind(Command::DigitalTpList, onView(view, V::DigitalTpList));
    router.bind(Command::SatelliteNameList, onView(view, V::SatelliteNameList));
    router.bind(Command::ViewDetail, onView(view, V::ViewDetail));
}

}  // namespace sky
