#pragma once

#include <cstddef>
#include <functional>
#include <vector>

#include "editor/commands/Command.h"
#include "shell/DocumentCommands.h"
#include "shell/commands/CommandTable.h"

namespace sky {

// What carries out one command: its state now (enabled, checked, a changing text) and its run.
// Without a state the command is enabled whenever the table lets it be.
struct CommandHandler {
    std::function<CommandState()> state;
    std::function<void()> run;
};

// Each command of the table bound to its one handler: the document's, the list view's, the file
// commands' and the window's own are bound by whoever carries them out. Says whether a command is
// enabled (and checked, and its text where it has one) and runs it. A command waits for a list
// when its table row says so, and while a transfer runs only the commands the table lets run
// during one are enabled, Open Recent neither; this is the one place that decides it. A command
// not bound is disabled.
class CommandRouter {
public:
    explicit CommandRouter(DocumentCommands& doc);

    // Binds a command to its handler; false (and the first binding kept) when it has one already.
    bool bind(Command command, CommandHandler handler);
    bool bound(Command command) const;

    CommandState state(Command command) const;
    // Runs the command when it is enabled; returns whether it ran.
    bool run(Command command);

    // Open Recent's items.
    bool recentFilesEnabled() const { return !doc_.transferRunning(); }
    // Opens the n-th of the recent files (from 0), as Open Recent does.
    bool openRecent(std::size_t n);

private:
    DocumentCommands& doc_;
    std::vector<CommandHandler> handlers_;
};

}  // namespace sky
