#include "shell/commands/CommandTable.h"

#include <cassert>

namespace sky {

namespace {

// clang-format off
const std::vector<CommandInfo> kCommands = {
    {Command::Open, "&Open...\tCtrl+O", "Open an existing channel list\nOpen", "document-open",
     "open", "Ctrl+O", false, false, true, KeyScope::Window},
    {Command::Save, "&Save\tCtrl+S", "Save the channel list\nSave", "document-save", "save",
     "Ctrl+S", false, true, true, KeyScope::Window},
    {Command::SaveAs, "Save &As...", "Save the channel list under a new name\nSave As",
     "document-save-as", "saveas", "", false, true, true, KeyScope::Window},
    {Command::Print, "&Print...\tCtrl+P", "Print the list as it is shown\nPrint", "document-print",
     "print", "Ctrl+P", false, false, false, KeyScope::Window},
    {Command::PrintPreview, "Print Preview...",
     "Show the pages as they will be printed\nPrint Preview", "document-print-preview", "", "", false, false, false, KeyScope::Window},
    {Command::ExportPdf, "Export to PDF...",
     "Save the list as it is shown as a PDF file\nExport to PDF", "", "", "", false, false, false, KeyScope::Window},
    {Command::CompareWithList, "Compare with List...",
     "Compare the open list with another channel list\nCompare with List", "", "", "", false, true, true, KeyScope::Window},
    {Command::Exit, "E&xit", "Quit the program; offers to save unsaved changes\nExit",
     "application-exit", "", "", false, false, false, KeyScope::Window},
    {Command::BasicCompile, "&Basic", "Basic Compile\nBasic Compile", "", "compilebasic", "", false, true, true, KeyScope::Window},
    {Command::CompileNormal, "Compile Normal", "Compile Normal", "", "", "", false, true, true, KeyScope::Window},
    {Command::PreInstalled1List, "1  List",
     "Pre-Installed Compile => 1 List\nPre-Installed Compile => 1 List", "", "compile1list", "", false, true, true, KeyScope::Window},
    {Command::PreInstalledSplit, "AD  Split  List",
     "Pre-Installed Compile => Split List\nPre-Installed Compile => Split List", "",
     "compilesplit", "", false, true, true, KeyScope::Window},
    {Command::DownloadCurrent, "Current",
     "Download Current Channellist [PC=>Settop]**MUST POWER OFF AND TURN ON \nDownload Current "
     "Channellist [PC=>Settop]**MUST POWER OFF AND TURN ON ",
     "", "download", "", false, true, true, KeyScope::Window},
    {Command::DownloadOthers, "Others",
     "Download Program or  compiled channel list file or Hex file [PC=>Settop]\nDownload Program "
     "or  compiled channel list file or Hex file [PC=>Settop]",
     "", "downloadothers", "", false, false, true, KeyScope::Window},
    {Command::CompileDownload, "Compile + Dowmload", "Save Current file + Compile + Download", "", "",
     "", false, true, true, KeyScope::Window},
    {Command::UploadStart, "Upload Start",
     "upload channel list to PC from settop **Enable When Settop display \"___1\"\nupload channel "
     "list to PC from settop **Enable When Settop display \"___1\"",
     "", "upload", "", false, false, true, KeyScope::Window},
    {Command::CompareWithReceiver, "Compare with Receiver...",
     "Fetch the receiver's list and compare the open list with it; the open list stays as it "
     "is\nCompare with Receiver",
     "", "", "", false, true, true, KeyScope::Window},
    {Command::DownloadBinaryFile, "Download Binary File", "Download a binary file to the receiver", "",
     "", "", false, false, true, KeyScope::Window},
    {Command::SplitListToggle, "Split List", "Number the analog channels on their own when compiling",
     "", "", "", true, false, true, KeyScope::Window},
    {Command::New, "&New (F2)", "Make New Channel\nMake New Channel", "", "new", "F2", false, true, true, KeyScope::List},
    {Command::Cut, "&Cut (F3)", "Cut Channel", "", "", "F3", false, true, true, KeyScope::List},
    {Command::Paste, "&Paste (F4)", "Paste Channel", "", "", "F4", false, true, true, KeyScope::List},
    {Command::InsertNull, "&Insert Null",
     "Insert Null Channel at Selected Position(s)\nInsert Null Channel at Selected Position(s)",
     "", "insertnull", "Ins", false, true, true, KeyScope::List},
    {Command::Delete, "&Delete", "Delete Selected Channel(s)\nDelete Selected Channel(s)", "",
     "delete", "Del", false, true, true, KeyScope::List},
    {Command::Undo, "&Undo", "Undo\nUndo", "", "undo", "Ctrl+Z", false, true, true, KeyScope::Window},
    {Command::Redo, "&Redo", "Redo\nRedo", "edit-redo", "redo", "Ctrl+Y; Ctrl+Shift+Z", false, true, true, KeyScope::Window},
    {Command::Find, "&Find...\tCtrl+F",
     "Find Channels by Text, Satellite and Type; Show Only the Matching Rows\nFind", "edit-find",
     "", "Ctrl+F", false, true, false, KeyScope::Window},
    {Command::FindDuplicates, "Find Dup&licates...",
     "Find Channels and Transponders Listed More Than Once; Remove the Copies\nFind Duplicates",
     "", "", "", false, true, true, KeyScope::Window},
    {Command::MoveToNumber, "Move to Nu&mber...\tCtrl+M",
     "Move Selected Channel(s) to Start at a Number\nMove to Number", "", "", "Ctrl+M", false, true, true, KeyScope::Window},
    {Command::MoveUp, "Mo&ve Up\tCtrl+Up", "Move Selected Channel(s) One Place Up\nMove Up",
     "go-up", "", "Ctrl+Up", false, true, true, KeyScope::List},
    {Command::MoveDown, "Move Do&wn\tCtrl+Down",
     "Move Selected Channel(s) One Place Down\nMove Down", "go-down", "", "Ctrl+Down", false, true, true, KeyScope::List},
    {Command::MoveToTop, "Move to &Top\tCtrl+Home",
     "Move Selected Channel(s) to the Top of Their Section\nMove to Top", "go-top", "",
     "Ctrl+Home", false, true, true, KeyScope::List},
    {Command::MoveToBottom, "Move to &Bottom\tCtrl+End",
     "Move Selected Channel(s) to the Bottom of Their Section\nMove to Bottom", "go-bottom", "",
     "Ctrl+End", false, true, true, KeyScope::List},
    {Command::SortChannelName, "Channel Name",
     "Sort by Satellite >> Type >> Channel Name\nSort by Satellite >> Type >> Channel Name", "",
     "sortname", "", false, true, true, KeyScope::Window},
    {Command::SortFrequency, "Frequency",
     "Sort by Satellite >> Type >> Frequency >> Channel Name\nSort by Satellite >> Type >> "
     "Frequency >> Channel Name",
     "", "sortfrequency", "", false, true, true, KeyScope::Window},
    {Command::SortBouquet, "Bouquet",
     "Sort by Satellite >> Type >> Bouquet >> Channel Name\nSort by Satellite >> Type >> Bouquet "
     ">> Channel Name",
     "", "sortbouquet", "", false, true, true, KeyScope::Window},
    {Command::SortNameOnly, "Type and Channel Name", "Sort by  Channel Name", "", "", "", false, true, true, KeyScope::Window},
    {Command::ToggleAscendingNames, "Ascending Names",
     "Sort names from A to Z (checked) or from Z to A", "", "", "", true, true, true, KeyScope::Window},
    {Command::ToggleRenumberAfterSort, "Renumber After Sort",
     "Give the channels new numbers after sorting", "", "", "", true, true, true, KeyScope::Window},
    {Command::ArrangeBlocks, "Arrange Digital Channels in Blocks",
     "Sort by name and fill each satellite's TV and radio channels up to a block of 100", "", "",
     "", false, true, true, KeyScope::Window},
    {Command::RevertArrangement, "Revert Block Arrangement",
     "Put the list back as it was before the block arrangement", "", "", "", false, true, true, KeyScope::Window},
    {Command::ToggleEdit, "Editing Enabled",
     "Allow editing by double-click and dragging rows", "", "", "", true, true, true, KeyScope::Window},
    {Command::Toolbar, "&Toolbar", "Show or hide the toolbar\nToggle Toolbar", "", "", "", true, false, false, KeyScope::Window},
    {Command::StatusBar, "&Status Bar", "Show or hide the status bar\nToggle Status Bar", "", "", "", true, false, false, KeyScope::Window},
    {Command::ViewDialogBar, "View Dialog Bar ", "Show or hide the message window\nMessage Window",
     "", "", "", true, false, false, KeyScope::Window},
    {Command::DigitalChannel, "Digital Channel", "View Digital Channel\nView Digital Channel", "",
     "viewdigital", "", true, true, false, KeyScope::Window},
    {Command::AnalogChannel, "Analog Channel", "View Analog Channel\nView Analog Channel", "",
     "viewanalog", "", true, true, false, KeyScope::Window},
    {Command::SatelliteList, "Satellite List",
     "View Satellite Infomation\nView Satellite Infomation", "", "satellite", "", true, true, false, KeyScope::Window},
    {Command::DigitalChannelList, "Digital Channel List", "", "", "", "", true, true, false, KeyScope::Window},
    {Command::AnalogChannelList, "Analog Channel List", "", "", "", "", true, true, false, KeyScope::Window},
    {Command::DigitalPidChannelList, "Digital Channel Pid List", "", "", "", "", true, true, false, KeyScope::Window},
    {Command::DigitalTpList, "Digital TP List", "", "", "", "", true, true, false, KeyScope::Window},
    {Command::SatelliteNameList, "Satellite Name List", "", "", "", "", true, true, false, KeyScope::Window},
    {Command::ViewDetail, "View Detail", "", "", "", "", true, true, false, KeyScope::Window},
    {Command::Option, "&Option          ", "Setting Option\nSetting Option", "preferences-system",
     "option", "", false, false, true, KeyScope::Window},
    {Command::HelpTopics, "&Help Topics", "Show the user guide\nHelp Topics", "help-contents",
     "help", "F1", false, false, false, KeyScope::Window},
    {Command::ContextHelp, "What's &This?", "Show help for a clicked button, menu or window\nHelp",
     "help-whatsthis", "contexthelp", "Shift+F1", false, false, false, KeyScope::Window},
    {Command::About, "&About Skylister...",
     "Show the program's version, date and history\nAbout", "help-about", "", "", false, false, false, KeyScope::Window},
    {Command::ApplyOrder, "Apply Or&der from List...",
     "Put the channels in the order of another list or of a number;name file\nApply Order from List",
     "", "", "", false, true, true, KeyScope::Window},
    {Command::SaveAsReference, "Save as Re&ference...",
     "Save the order of the channels shown as a number;name file\nSave as Reference", "", "", "", false, true, true, KeyScope::Window},
    {Command::ImportTransponders, "Import T&ransponders...",
     "Add the transponders of a satellite's scan table to the list\nImport Transponders", "", "",
     "", false, true, true, KeyScope::Window},
    {Command::ImportChannels, "Import C&hannels...",
     "Add the channels of a VDR channels.conf, a DVBv5 channel file or an Enigma2 lamedb to the "
     "list\nImport Channels",
     "", "", "", false, true, true, KeyScope::Window},
    {Command::ExportCsv, "&CSV...",
     "Save the list as it is shown as a CSV file for a spreadsheet\nExport CSV", "", "", "", false, true, false, KeyScope::Window},
    {Command::ExportHtml, "&HTML...",
     "Save the list as it is shown as a web page\nExport HTML", "", "", "", false, true, false, KeyScope::Window},
    {Command::CopyRows, "C&opy\tCtrl+C",
     "Copy Selected Row(s) as Text for a Spreadsheet or a Document\nCopy", "edit-copy", "",
     "Ctrl+C", false, true, false, KeyScope::List},
    {Command::ResetSettings, "&Reset Settings...",
     "Put Every Setting Back to Its Default\nReset Settings", "", "", "", false, false, true, KeyScope::Window},
    {Command::RenameChannels, "R&ename Channels...",
     "Rename the Selected Channel(s), or Every Channel Shown, by Rules\nRename Channels", "", "",
     "", false, true, true, KeyScope::Window},
    {Command::CheckTransponders, "Chec&k Transponders...",
     "Compare the Transponders with the Scan Tables and Check that the LNB Can Receive "
     "Them\nCheck Transponders", "", "", "", false, true, true, KeyScope::Window},
};
// clang-format on

}  // namespace

const std::vector<CommandInfo>& commandTable() {
    return kCommands;
}

const CommandInfo& commandInfo(Command command) {
    const CommandInfo& info = kCommands[static_cast<std::size_t>(command)];
    assert(info.id == command);
    return info;
}

}  // namespace sky
