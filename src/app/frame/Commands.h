#pragma once

#include <optional>

#include "editor/view/ViewCommands.h"

namespace sky::app {

// The command identifiers of the menu, the toolbar, the command bar and the keys.
namespace cmd {
inline constexpr int kOpen = 57601;
inline constexpr int kSave = 57603;
inline constexpr int kSaveAs = 57604;
inline constexpr int kExit = 57665;
inline constexpr int kNew = 32808;
inline constexpr int kCut = 32848;
inline constexpr int kPaste = 32849;
inline constexpr int kInsertNull = 32817;
inline constexpr int kDelete = 32821;
inline constexpr int kUndo = 32845;
inline constexpr int kSortChannelName = 32801;
inline constexpr int kSortFrequency = 32806;
inline constexpr int kSortBouquet = 32846;
inline constexpr int kSortNameOnly = 32802;
inline constexpr int kToolbar = 59392;
inline constexpr int kStatusBar = 59393;
inline constexpr int kViewDialogBar = 32795;
inline constexpr int kDigitalChannel = 32782;
inline constexpr int kAnalogChannel = 32784;
inline constexpr int kSatelliteList = 32780;
inline constexpr int kDigitalChannelList = 32793;
inline constexpr int kAnalogChannelList = 32794;
inline constexpr int kDigitalPidChannelList = 32783;
inline constexpr int kDigitalTpList = 32781;
inline constexpr int kSatelliteNameList = 32779;
inline constexpr int kViewDetail = 32809;
inline constexpr int kOption = 32812;
inline constexpr int kHelpTopics = 57667;
inline constexpr int kContextHelp = 57669;
inline constexpr int kAbout = 57664;
// The document's compile, download and upload commands.
inline constexpr int kBasicCompile = 32787;
inline constexpr int kCompileNormal = 32786;
inline constexpr int kPreInstalled1List = 32797;
inline constexpr int kPreInstalledSplit = 32816;
inline constexpr int kDownloadCurrent = 32788;
inline constexpr int kDownloadOthers = 32813;
inline constexpr int kCompileDownload = 32850;
inline constexpr int kUploadStart = 32800;
inline constexpr int kDownloadBinaryFile = 32796;
inline constexpr int kSplitListToggle = 32799;
// Commands the Parts give no menu text; offered in the Sort and Edit Channel menus.
inline constexpr int kToggleAscendingNames = 40001;
inline constexpr int kToggleRenumberAfterSort = 40002;
inline constexpr int kArrangeBlocks = 40003;
inline constexpr int kRevertArrangement = 40004;
inline constexpr int kToggleEdit = 40005;
// Printing: Print, and the preview and PDF export beside it.
inline constexpr int kPrint = 57607;
inline constexpr int kPrintPreview = 40020;
inline constexpr int kExportPdf = 40021;
// Open Recent: kRecentFile + 0 .. 4.
inline constexpr int kRecentFile = 40100;
}  // namespace cmd

// One command: its menu text, its command prompt (status text, "\n", tooltip), its icon and
// shortcut, and the list-view command it runs, if it is one.
struct CommandInfo {
    int id;
    const char* text;
    const char* prompt;
    const char* themeIcon;  // the desktop theme's name, or empty
    const char* ownIcon;    // resources/icons/NAME.svg, or empty
    const char* shortcut;   // QKeySequence text, or empty
    std::optional<ViewCommand> viewCommand;
    bool checkable;
};

// Every command the window offers, with its resources.
const CommandInfo* commandInfo(int id);
const CommandInfo* allCommands(int& count);

}  // namespace sky::app
