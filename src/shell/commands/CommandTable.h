#pragma once

#include <optional>
#include <vector>

#include "editor/view/ViewCommands.h"
#include "shell/DocumentCommands.h"

namespace sky {

// Every command of the program, one id each: the menus, the toolbar, the command bar and the keys
// issue them, and the window builds its actions from their table.
enum class Command {
    Open,
    Save,
    SaveAs,
    Print,
    PrintPreview,
    ExportPdf,
    CompareWithList,
    Exit,
    BasicCompile,
    CompileNormal,
    PreInstalled1List,
    PreInstalledSplit,
    DownloadCurrent,
    DownloadOthers,
    CompileDownload,
    UploadStart,
    CompareWithReceiver,
    DownloadBinaryFile,
    SplitListToggle,
    New,
    Cut,
    Paste,
    InsertNull,
    Delete,
    Undo,
    Redo,
    Find,
    FindDuplicates,
    MoveToNumber,
    MoveUp,
    MoveDown,
    MoveToTop,
    MoveToBottom,
    SortChannelName,
    SortFrequency,
    SortBouquet,
    SortNameOnly,
    ToggleAscendingNames,
    ToggleRenumberAfterSort,
    ArrangeBlocks,
    RevertArrangement,
    ToggleEdit,
    Toolbar,
    StatusBar,
    ViewDialogBar,
    DigitalChannel,
    AnalogChannel,
    SatelliteList,
    DigitalChannelList,
    AnalogChannelList,
    DigitalPidChannelList,
    DigitalTpList,
    SatelliteNameList,
    ViewDetail,
    Option,
    HelpTopics,
    ContextHelp,
    About,
    ApplyOrder,
    SaveAsReference,
    ImportTransponders,
    ImportChannels,
    ExportCsv,
    ExportHtml,
    CopyRows,
    ResetSettings,
    RenameChannels,
    ZoomIn,
    ZoomOut,
    ZoomReset,
};

// One command: its menu text (with the shortcut after a tab where the menu shows one), its
// command prompt (status text, "\n", tooltip), its icon (the desktop theme's name, or our own
// resources/icons/NAME.svg) and shortcut, the list-view or document command it runs (neither: the
// window carries it out), whether it is a check item, and whether it may run while a transfer
// uses the list's files and the port (the commands that only show the list, and the window's).
//
// Apply Order from List, Save as Reference, Import Transponders and Import Channels are the
// window's: each opens its dialogs over the open list. They need a list, and they are refused
// during a transfer: Save as Reference only reads the list but writes a file, as Save As does, and
// may be pointed at the list's own file.
//
// Rename Channels is the window's: it opens its dialog over the channels of the view shown (the
// selected rows, or every shown row), needs a list, and waits for a transfer's end, since it
// edits the list.
//
// Export CSV and Export HTML write the view shown to a new file, and Copy puts the selected rows
// on the clipboard: they are the window's, need a list, and only read it, so they stay during a
// transfer (an export is refused over the list's own file).
//
// Find is the window's: it opens the find bar, which then calls the list view (setFindQuery,
// findNext, findPrevious, clearFind); finding only looks, so it stays during a transfer. Move to
// Number is the list view's: it asks its number through the view's INumberPrompt. Find
// Duplicates is the window's too, since it opens a dialog; its Remove edits the list, so it waits
// for a transfer's end. Reset Settings is the window's: it asks, puts the settings back to their
// defaults and applies them; it waits for a transfer's end, as Option does, since the transfer
// reads the port.
//
// Zoom In, Zoom Out and Normal Size are the window's: they change the size of the list's text,
// kept in the settings, and stay during a transfer.
struct CommandInfo {
    Command id;
    const char* text;
    const char* prompt;
    const char* themeIcon;
    const char* ownIcon;
    const char* shortcut;  // QKeySequence text (several separated by "; "), or empty
    std::optional<ViewCommand> viewCommand;
    bool checkable;
    std::optional<DocCommand> docCommand;
    bool duringTransfer;
};

// The table, in the order of the enum.
const std::vector<CommandInfo>& commandTable();
const CommandInfo& commandInfo(Command command);

}  // namespace sky
