#include "app/frame/Commands.h"

#include <iterator>

namespace sky::app {

namespace {

using VC = ViewCommand;

// The command prompts; the platform's own commands get prompts in the same manner.
// clang-format off
const CommandInfo kCommands[] = {
    {cmd::kOpen, "&Open...\tCtrl+O", "Open an existing channel list\nOpen", "document-open",
     "open", "Ctrl+O", {}, false},
    {cmd::kSave, "&Save\tCtrl+S", "Save the channel list\nSave", "document-save", "save",
     "Ctrl+S", {}, false},
    {cmd::kSaveAs, "Save &As...", "Save the channel list under a new name\nSave As",
     "document-save-as", "saveas", "", {}, false},
    {cmd::kPrint, "&Print...\tCtrl+P", "Print the list as it is shown\nPrint", "document-print",
     "print", "Ctrl+P", {}, false},
    {cmd::kPrintPreview, "Print Preview...",
     "Show the pages as they will be printed\nPrint Preview", "document-print-preview", "", "",
     {}, false},
    {cmd::kExportPdf, "Export to PDF...",
     "Save the list as it is shown as a PDF file\nExport to PDF", "", "", "", {}, false},
    {cmd::kExit, "E&xit", "Quit the program; offers to save unsaved changes\nExit",
     "application-exit", "", "", {}, false},
    {cmd::kBasicCompile, "&Basic", "Basic Compile\nBasic Compile", "", "compilebasic", "", {},
     false},
    {cmd::kCompileNormal, "Compile Normal", "Compile Normal", "", "", "", {}, false},
    {cmd::kPreInstalled1List, "1  List",
     "Pre-Installed Compile => 1 List\nPre-Installed Compile => 1 List", "", "compile1list", "",
     {}, false},
    {cmd::kPreInstalledSplit, "AD  Split  List",
     "Pre-Installed Compile => Split List\nPre-Installed Compile => Split List", "",
     "compilesplit", "", {}, false},
    {cmd::kDownloadCurrent, "Current",
     "Download Current Channellist [PC=>Settop]**MUST POWER OFF AND TURN ON \nDownload Current "
     "Channellist [PC=>Settop]**MUST POWER OFF AND TURN ON ",
     "", "download", "", {}, false},
    {cmd::kDownloadOthers, "Others",
     "Download Program or  compiled channel list file or Hex file [PC=>Settop]\nDownload Program "
     "or  compiled channel list file or Hex file [PC=>Settop]",
     "", "downloadothers", "", {}, false},
    {cmd::kCompileDownload, "Compile + Dowmload", "Save Current file + Compile + Download", "", "",
     "", {}, false},
    {cmd::kUploadStart, "Upload Start",
     "upload channel list to PC from settop **Enable When Settop display \"___1\"\nupload channel "
     "list to PC from settop **Enable When Settop display \"___1\"",
     "", "upload", "", {}, false},
    {cmd::kDownloadBinaryFile, "Download Binary File", "Download a binary file to the receiver", "",
     "", "", {}, false},
    {cmd::kSplitListToggle, "Split List", "Number the analog channels on their own when compiling",
     "", "", "", {}, true},
    {cmd::kNew, "&New (F2)", "Make New Channel\nMake New Channel", "", "new", "", VC::New, false},
    {cmd::kCut, "&Cut (F3)", "Cut Channel", "", "", "", VC::Cut, false},
    {cmd::kPaste, "&Paste (F4)", "Paste Channel", "", "", "", VC::Paste, false},
    {cmd::kInsertNull, "&Insert Null",
     "Insert Null Channel at Selected Position(s)\nInsert Null Channel at Selected Position(s)",
     "", "insertnull", "", VC::InsertNull, false},
    {cmd::kDelete, "&Delete", "Delete Selected Channel(s)\nDelete Selected Channel(s)", "",
     "delete", "", VC::Delete, false},
    {cmd::kUndo, "&Undo", "Undo\nUndo", "", "undo", "Ctrl+Z", VC::Undo, false},
    {cmd::kSortChannelName, "Channel Name",
     "Sort by Satellite >> Type >> Channel Name\nSort by Satellite >> Type >> Channel Name", "",
     "sortname", "", VC::SortChannelName, false},
    {cmd::kSortFrequency, "Frequency",
     "Sort by Satellite >> Type >> Frequency >> Channel Name\nSort by Satellite >> Type >> "
     "Frequency >> Channel Name",
     "", "sortfrequency", "", VC::SortFrequency, false},
    {cmd::kSortBouquet, "Bouquet",
     "Sort by Satellite >> Type >> Bouquet >> Channel Name\nSort by Satellite >> Type >> Bouquet "
     ">> Channel Name",
     "", "sortbouquet", "", VC::SortBouquet, false},
    {cmd::kSortNameOnly, "Type and Channel Name", "Sort by  Channel Name", "", "", "",
     VC::SortNameOnly, false},
    {cmd::kToggleAscendingNames, "Ascending Names",
     "Sort names from A to Z (checked) or from Z to A", "", "", "", VC::ToggleAscendingNames, true},
    {cmd::kToggleRenumberAfterSort, "Renumber After Sort",
     "Give the channels new numbers after sorting", "", "", "", VC::ToggleRenumberAfterSort, true},
    {cmd::kArrangeBlocks, "Arrange Digital Channels in Blocks",
     "Sort by name and fill each satellite's TV and radio channels up to a block of 100", "", "",
     "", VC::ArrangeBlocks, false},
    {cmd::kRevertArrangement, "Revert Block Arrangement",
     "Put the list back as it was before the block arrangement", "", "", "",
     VC::RevertArrangement, false},
    {cmd::kToggleEdit, "Editing Enabled",
     "Allow editing by double-click and dragging rows", "", "", "", VC::ToggleEdit, true},
    {cmd::kToolbar, "&Toolbar", "Show or hide the toolbar\nToggle Toolbar", "", "", "", {}, true},
    {cmd::kStatusBar, "&Status Bar", "Show or hide the status bar\nToggle Status Bar", "", "", "",
     {}, true},
    {cmd::kViewDialogBar, "View Dialog Bar ", "Show or hide the message window\nMessage Window",
     "", "", "", {}, true},
    {cmd::kDigitalChannel, "Digital Channel", "View Digital Channel\nView Digital Channel", "",
     "viewdigital", "", VC::DigitalChannel, true},
    {cmd::kAnalogChannel, "Analog Channel", "View Analog Channel\nView Analog Channel", "",
     "viewanalog", "", VC::AnalogChannel, true},
    {cmd::kSatelliteList, "Satellite List",
     "View Satellite Infomation\nView Satellite Infomation", "", "satellite", "",
     VC::SatelliteList, true},
    {cmd::kDigitalChannelList, "Digital Channel List", "", "", "", "", VC::DigitalChannelList,
     true},
    {cmd::kAnalogChannelList, "Analog Channel List", "", "", "", "", VC::AnalogChannelList, true},
    {cmd::kDigitalPidChannelList, "Digital Channel Pid List", "", "", "", "",
     VC::DigitalPidChannelList, true},
    {cmd::kDigitalTpList, "Digital TP List", "", "", "", "", VC::DigitalTpList, true},
    {cmd::kSatelliteNameList, "Satellite Name List", "", "", "", "", VC::SatelliteNameList, true},
    {cmd::kViewDetail, "View Detail", "", "", "", "", VC::ViewDetail, true},
    {cmd::kOption, "&Option          ", "Setting Option\nSetting Option", "preferences-system",
     "option", "", {}, false},
    {cmd::kHelpTopics, "&Help Topics", "Show the user guide\nHelp Topics", "help-contents",
     "help", "F1", {}, false},
    {cmd::kContextHelp, "What's &This?", "Show help for a clicked button, menu or window\nHelp",
     "help-whatsthis", "contexthelp", "Shift+F1", {}, false},
    {cmd::kAbout, "&About Skylister...",
     "Show the program's version, date and history\nAbout", "help-about", "", "", {}, false},
};
// clang-format on

}  // namespace

const CommandInfo* allCommands(int& count) {
    count = static_cast<int>(std::size(kCommands));
    return kCommands;
}

const CommandInfo* commandInfo(int id) {
    for (const CommandInfo& info : kCommands) {
        if (info.id == id) return &info;
    }
    return nullptr;
}

}  // namespace sky::app
