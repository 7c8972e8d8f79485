#pragma once

#include <vector>

#include "editor/commands/Command.h"

namespace sky {

// Where a command's keys work: anywhere in the main window, or only while the channel list (or a
// child of it) has the focus, so that the find bar's text field keeps its own keys.
enum class KeyScope { Window, List };

// One command: its menu text (with the shortcut after a tab where the menu shows one), its
// command prompt (status text, "\n", tooltip), its icon (the desktop theme's name, or our own
// resources/icons/NAME.svg), its keys (QKeySequence text, several separated by "; "), whether it
// is a check item, whether it waits for a list to be open, whether it is refused while a transfer
// uses the list's files and the port, and where its keys work.
//
// Only the commands that show the list, and the window's own (bars, print, help, about, the find
// bar, Exit), stay during a transfer. Save as Reference only reads the list but writes a file, as
// Save As does, and may be pointed at the list's own file: it waits. Export CSV and Export HTML
// write the view shown to a new file, and Copy puts the selected rows on the clipboard: they only
// read the list, so they stay (an export is refused over the list's own file). Find Duplicates'
// Remove, Rename Channels and Reset Settings change the list or the port's settings: they wait,
// as Option does.
//
// Check Transponders opens its result window beside the list, which stays open; it needs a list
// and waits for a transfer's end, since its repairs edit the list.
//
// The keys of the list's edits (F2 New, F3 Cut, F4 Paste, Insert, Delete), of the moves and of
// Copy are the list's: while the find bar's text field has the focus, its keys stay its own.
struct CommandInfo {
    Command id;
    const char* text;
    const char* prompt;
    const char* themeIcon;
    const char* ownIcon;
    const char* shortcut;
    bool checkable;
    bool needsList;
    bool refusedDuringTransfer;
    KeyScope keyScope;
};

// The table, in the order of the enum.
const std::vector<CommandInfo>& commandTable();
const CommandInfo& commandInfo(Command command);

}  // namespace sky
