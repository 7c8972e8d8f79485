#include "shell/commands/CommandRouter.h"

#include <string>
#include <utility>

namespace sky {

CommandRouter::CommandRouter(DocumentCommands& doc) : doc_(doc), handlers_(commandTable().size()) {}

bool CommandRouter::bind(Command command, CommandHandler handler) {
    CommandHandler& slot = handlers_[static_cast<std::size_t>(command)];
    if (slot.run) return false;
    slot = std::move(handler);
    return true;
}

bool CommandRouter::bound(Command command) const {
    return static_cast<bool>(handlers_[static_cast<std::size_t>(command)].run);
}

CommandState CommandRouter::state(Command command) const {
    const CommandHandler& handler = handlers_[static_cast<std::size_t>(command)];
    if (!handler.run) return {};
    CommandState state;
    if (handler.state) {
        state = handler.state();
    } else {
        state.enabled = true;
    }
    const CommandInfo& info = commandInfo(command);
    if (info.needsList && !doc_.isLoaded()) state.enabled = false;
    // While a transfer runs, nothing that could touch the list, its files or the port works; the
    // list can still be looked at.
    if (doc_.transferRunning() && info.refusedDuringTransfer) state.enabled = false;
    return state;
}

bool CommandRouter::run(Command command) {
    if (!state(command).enabled) return false;
    handlers_[static_cast<std::size_t>(command)].run();
    return true;
}

bool CommandRouter::openRecent(std::size_t n) {
    if (!recentFilesEnabled()) return false;
    const std::vector<std::string> files = doc_.settings().recentFiles();
    if (n >= files.size()) return false;
    return doc_.openRecentFile(files[n]);
}

}  // namespace sky
