#include "shell/commands/ListCommandBindings.h"

#include <utility>

#include "editor/view/ListView.h"
#include "shell/commands/CommandRouter.h"

namespace sky {

namespace {

CommandHandler onView(ListView& view, Command command) {
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
    for (const Command id : {Command::New,
                             Command::Cut,
                             Command::Paste,
                             Command::InsertNull,
                             Command::Delete,
                             Command::Undo,
                             Command::Redo,
                             Command::MoveToNumber,
                             Command::MoveUp,
                             Command::MoveDown,
                             Command::MoveToTop,
                             Command::MoveToBottom,
                             Command::ToggleAscendingNames,
                             Command::ToggleRenumberAfterSort,
                             Command::RevertArrangement,
                             Command::ToggleEdit,
                             Command::DigitalChannel,
                             Command::AnalogChannel,
                             Command::SatelliteList,
                             Command::DigitalChannelList,
                             Command::AnalogChannelList,
                             Command::DigitalPidChannelList,
                             Command::DigitalTpList,
                             Command::SatelliteNameList,
                             Command::ViewDetail}) {
        router.bind(id, onView(view, id));
    }
    // A sort of a large list takes a moment: the wait cursor shows it.
    for (const Command id : {Command::SortChannelName, Command::SortFrequency, Command::SortBouquet,
                             Command::SortNameOnly, Command::ArrangeBlocks}) {
        router.bind(id, withWaitCursor(window, onView(view, id)));
    }
}

}  // namespace sky
