#include "shell/commands/CommandRouter.h"

#include <string>
#include <vector>

namespace sky {

namespace {

bool isSort(ViewCommand command) {
    return command == ViewCommand::SortChannelName || command == ViewCommand::SortFrequency ||
           command == ViewCommand::SortBouquet || command == ViewCommand::SortNameOnly ||
           command == ViewCommand::ArrangeBlocks;
}

// The window's commands that work on the open list: they wait for one.
bool needsList(Command command) {
    return command == Command::ApplyOrder || command == Command::SaveAsReference ||
           command == Command::ImportTransponders || command == Command::ImportChannels ||
           command == Command::ExportCsv || command == Command::ExportHtml ||
           command == Command::CopyRows || command == Command::RenameChannels ||
           command == Command::CheckTransponders;
}

}  // namespace

CommandRouter::CommandRouter(DocumentCommands& doc, ListView& view, IFrameCommands& frame)
    : doc_(doc), view_(view), frame_(frame) {}

CommandState CommandRouter::state(Command command) const {
    const CommandInfo& info = commandInfo(command);
    CommandState state;
    if (info.docCommand) {
        state = doc_.commandState(*info.docCommand);
    } else if (info.viewCommand) {
        state = view_.commandState(*info.viewCommand);
    } else {
        state = frame_.frameCommandState(command);
        if (needsList(command) && !doc_.isLoaded()) state.enabled = false;
    }
    // While a transfer runs, nothing that could touch the list, its files or the port works; the
    // list can still be looked at.
    if (doc_.transferRunning() && !info.duringTransfer) state.enabled = false;
    return state;
}

bool CommandRouter::run(Command command) {
    if (!state(command).enabled) return false;
    const CommandInfo& info = commandInfo(command);
    if (info.docCommand) {
        doc_.run(*info.docCommand);
    } else if (info.viewCommand) {
        // A sort of a large list takes a moment: the wait cursor shows it.
        const bool wait = isSort(*info.viewCommand);
        if (wait) doc_.window().beginWait();
        view_.run(*info.viewCommand);
        if (wait) doc_.window().endWait();
    } else {
        frame_.runFrameCommand(command);
    }
    return true;
}

bool CommandRouter::openRecent(std::size_t n) {
    if (!recentFilesEnabled()) return false;
    const std::vector<std::string> files = doc_.settings().recentFiles();
    if (n >= files.size()) return false;
    return doc_.openRecentFile(files[n]);
}

}  // namespace sky
