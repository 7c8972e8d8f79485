#pragma once

#include <cstddef>

#include "editor/view/ListView.h"
#include "shell/DocumentCommands.h"
#include "shell/commands/CommandTable.h"

namespace sky {

// What the window carries out itself: its bars and the message window, printing, the option
// dialog, help, the about box and Exit.
class IFrameCommands {
public:
    virtual ~IFrameCommands() = default;

    virtual CommandState frameCommandState(Command command) const = 0;
    virtual void runFrameCommand(Command command) = 0;
};

// Says whether a command is enabled (and checked, and its text where it has one) and runs it,
// whoever carries it out: the document, the list view or the window. While a transfer runs, only
// the commands the table lets run during one are enabled, Open Recent and the list's editing
// neither; this is the one place that decides it. The window's commands on the list (Apply Order
// from List, Save as Reference, Import Transponders, Import Channels) also wait for a list to be
// open.
class CommandRouter {
public:
    CommandRouter(DocumentCommands& doc, ListView& view, IFrameCommands& frame);

    CommandState state(Command command) const;
    // Runs the command when it is enabled; returns whether it ran.
    bool run(Command command);

    // Open Recent's items.
    bool recentFilesEnabled() const { return !doc_.transferRunning(); }
    // Opens the n-th of the recent files (from 0), as Open Recent does.
    bool openRecent(std::size_t n);

private:
    DocumentCommands& doc_;
    ListView& view_;
    IFrameCommands& frame_;
};

}  // namespace sky
