#include "shell/commands/CommandTable.h"

#include <cassert>

namespace sky {

namespace {

using VC = ViewCommand;
using DC = DocCommand;

// clang-format off
const std::vector<CommandInfo> kCommands = {
    {Command::Open, "&Open...\tCtrl+O", "Open an existing channel list\nOpen", "document-open",
     "open", "Ctrl+O", {}, false, DC::Open, false},
    {Command::Save, "&Save\tCtrl+S", "Save the channel list\nSave", "document-save", "save",
     "Ctrl+S", {}, false, DC::Save, false},
    {Command::SaveAs, "Save &As...", "Save the channel list under a new name\nSave As",
     "document-save-as", "saveas", "", {}, false, DC::SaveAs, false},
    {Command::Print, "&Print...\tCtrl+P", "Print the list as it is shown\nPrint", "document-print",
     "print", "Ctrl+P", {}, false, {}, true},
    {Command::PrintPreview, "Print Preview...",
     "Show the pages as they will be printed\nPrint Preview", "document-print-preview", "", "",
     {}, false, {}, true},
    {Command::ExportPdf, "Export to PDF...",
     "Save the list as it is shown as a PDF file\nExport to PDF", "", "", "", {}, false, {}, true},
    {Command::CompareWithList, "Compare with List...",
     "Compare the open list with another channel list\nCompare with List", "", "", "", {}, false,
     DC::CompareWithList, false},
    {Command::Exit, "E&xit", "Quit the program; offers to save unsaved changes\nExit",
     "application-exit", "", "", {}, false, {}, true},
    {Command::BasicCompile, "&Basic", "Basic Compile\nBasic Compile", "", "compilebasic", "", {},
     false, DC::BasicCompile, false},
    {Command::CompileNormal, "Compile Normal", "Compile Normal", "", "", "", {}, false, DC::CompileNormal, false},
    {Command::PreInstalled1List, "1  List",
     "Pre-Installed Compile => 1 List\nPre-Installed Compile => 1 List", "", "compile1list", "",
     {}, false, DC::PreInstalled1List, false},
    {Command::PreInstalledSplit, "AD  Split  List",
     "Pre-Installed Compile => Split List\nPre-Installed Compile => Split List", "",
     "compilesplit", "", {}, false, DC::PreInstalledSplit, false},
    {Command::DownloadCurrent, "Current",
     "Download Current Channellist [PC=>Settop]**MUST POWER OFF AND TURN ON \nDownload Current "
     "Channellist [PC=>Settop]**MUST POWER OFF AND TURN ON ",
     "", "download", "", {}, false, DC::DownloadCurrent, false},
    {Command::DownloadOthers, "Others",
     "Download Program or  compiled channel list file or Hex file [PC=>Settop]\nDownload Program "
     "or  compiled channel list file or Hex file [PC=>Settop]",
     "", "downloadothers", "", {}, false, DC::DownloadOthers, false},
    {Command::CompileDownload, "Compile + Dowmload", "Save Current file + Compile + Download", "", "",
     "", {}, false, DC::CompileDownload, false},
    {Command::UploadStart, "Upload Start",
     "upload channel list to PC from settop **Enable When Settop display \"___1\"\nupload channel "
     "list to PC from settop **Enable When Settop display \"___1\"",
     "", "upload", "", {}, false, DC::UploadStart, false},
    {Command::CompareWithReceiver, "Compare with Receiver...",
     "Fetch the receiver's list and compare the open list with it; the open list stays as it "
     "is\nCompare with Receiver",
     "", "", "", {}, false, DC::CompareWithReceiver, false},
    {Command::DownloadBinaryFile, "Download Binary File", "Download a binary file to the receiver", "",
     "", "", {}, false, DC::DownloadBinaryFile, false},
    {Command::SplitListToggle, "Split List", "Number the analog channels on their own when compiling",
     "", "", "", {}, true, DC::SplitListToggle, false},
    {Command::New, "&New (F2)", "Make New Channel\nMake New Channel", "", "new", "", VC::New, false, {}, false},
    {Command::Cut, "&Cut (F3)", "Cut Channel", "", "", "", VC::Cut, false, {}, false},
    {Command::Paste, "&Paste (F4)", "Paste Channel", "", "", "", VC::Paste, false, {}, false},
    {Command::InsertNull, "&Insert Null",
     "Insert Null Channel at Selected Position(s)\nInsert Null Channel at Selected Position(s)",
     "", "insertnull", "", VC::InsertNull, false, {}, false},
    {Command::Delete, "&Delete", "Delete Selected Channel(s)\nDelete Selected Channel(s)", "",
     "delete", "", VC::Delete, false, {}, false},
    {Command::Undo, "&Undo", "Undo\nUndo", "", "undo", "Ctrl+Z", VC::Undo, false, {}, false},
    {Command::Redo, "&Redo", "Redo\nRedo", "edit-redo", "redo", "Ctrl+Y; Ctrl+Shift+Z", VC::Redo,
     false, {}, false},
    {Command::Find, "&Find...\tCtrl+F",
     "Find Channels by Text, Satellite and Type; Show Only the Matching Rows\nFind", "edit-find",
     "", "Ctrl+F", {}, false, {}, true},
    {Command::FindDuplicates, "Find Dup&licates...",
     "Find Channels and Transponders Listed More Than Once; Remove the Copies\nFind Duplicates",
     "", "", "", {}, false, {}, false},
    {Command::MoveToNumber, "Move to Nu&mber...\tCtrl+M",
     "Move Selected Channel(s) to Start at a Number\nMove to Number", "", "", "Ctrl+M",
     VC::MoveToNumber, false, {}, false},
    {Command::MoveUp, "Mo&ve Up\tCtrl+Up", "Move Selected Channel(s) One Place Up\nMove Up",
     "go-up", "", "Ctrl+Up", VC::MoveUp, false, {}, false},
    {Command::MoveDown, "Move Do&wn\tCtrl+Down",
     "Move Selected Channel(s) One Place Down\nMove Down", "go-down", "", "Ctrl+Down",
     VC::MoveDown, false, {}, false},
    {Command::MoveToTop, "Move to &Top\tCtrl+Home",
     "Move Selected Channel(s) to the Top of Their Section\nMove to Top", "go-top", "",
     "Ctrl+Home", VC::MoveToTop, false, {}, false},
    {Command::MoveToBottom, "Move to &Bottom\tCtrl+End",
     "Move Selected Channel(s) to the Bottom of Their Section\nMove to Bottom", "go-bottom", "",
     "Ctrl+End", VC::MoveToBottom, false, {}, false},
    {Command::SortChannelName, "Channel Name",
     "Sort by Satellite >> Type >> Channel Name\nSort by Satellite >> Type >> Channel Name", "",
     "sortname", "", VC::SortChannelName, false, {}, false},
    {Command::SortFrequency, "Frequency",
     "Sort by Satellite >> Type >> Frequency >> Channel Name\nSort by Satellite >> Type >> "
     "Frequency >> Channel Name",
     "", "sortfrequency", "", VC::SortFrequency, false, {}, false},
    {Command::SortBouquet, "Bouquet",
     "Sort by Satellite >> Type >> Bouquet >> Channel Name\nSort by Satellite >> Type >> Bouquet "
     ">> Channel Name",
     "", "sortbouquet", "", VC::SortBouquet, false, {}, false},
    {Command::SortNameOnly, "Type and Channel Name", "Sort by  Channel Name", "", "", "",
     VC::SortNameOnly, false, {}, false},
    {Command::ToggleAscendingNames, "Ascending Names",
     "Sort names from A to Z (checked) or from Z to A", "", "", "", VC::ToggleAscendingNames, true, {}, false},
    {Command::ToggleRenumberAfterSort, "Renumber After Sort",
     "Give the channels new numbers after sorting", "", "", "", VC::ToggleRenumberAfterSort, true, {}, false},
    {Command::ArrangeBlocks, "Arrange Digital Channels in Blocks",
     "Sort by name and fill each satellite's TV and radio channels up to a block of 100", "", "",
     "", VC::ArrangeBlocks, false, {}, false},
    {Command::RevertArrangement, "Revert Block Arrangement",
     "Put the list back as it was before the block arrangement", "", "", "",
     VC::RevertArrangement, false, {}, false},
    {Command::ToggleEdit, "Editing Enabled",
     "Allow editing by double-click and dragging rows", "", "", "", VC::ToggleEdit, true, {}, false},
    {Command::Toolbar, "&Toolbar", "Show or hide the toolbar\nToggle Toolbar", "", "", "", {}, true, {}, true},
    {Command::StatusBar, "&Status Bar", "Show or hide the status bar\nToggle Status Bar", "", "", "",
     {}, true, {}, true},
    {Command::ViewDialogBar, "View Dialog Bar ", "Show or hide the message window\nMessage Window",
     "", "", "", {}, true, {}, true},
    {Command::DigitalChannel, "Digital Channel", "View Digital Channel\nView Digital Channel", "",
     "viewdigital", "", VC::DigitalChannel, true, {}, true},
    {Command::AnalogChannel, "Analog Channel", "View Analog Channel\nView Analog Channel", "",
     "viewanalog", "", VC::AnalogChannel, true, {}, true},
    {Command::SatelliteList, "Satellite List",
     "View Satellite Infomation\nView Satellite Infomation", "", "satellite", "",
     VC::SatelliteList, true, {}, true},
    {Command::DigitalChannelList, "Digital Channel List", "", "", "", "", VC::DigitalChannelList,
     true, {}, true},
    {Command::AnalogChannelList, "Analog Channel List", "", "", "", "", VC::AnalogChannelList, true, {}, true},
    {Command::DigitalPidChannelList, "Digital Channel Pid List", "", "", "", "",
     VC::DigitalPidChannelList, true, {}, true},
    {Command::DigitalTpList, "Digital TP List", "", "", "", "", VC::DigitalTpList, true, {}, true},
    {Command::SatelliteNameList, "Satellite Name List", "", "", "", "", VC::SatelliteNameList, true, {}, true},
    {Command::ViewDetail, "View Detail", "", "", "", "", VC::ViewDetail, true, {}, true},
    {Command::Option, "&Option          ", "Setting Option\nSetting Option", "preferences-system",
     "option", "", {}, false, {}, false},
    {Command::HelpTopics, "&Help Topics", "Show the user guide\nHelp Topics", "help-contents",
     "help", "F1", {}, false, {}, true},
    {Command::ContextHelp, "What's &This?", "Show help for a clicked button, menu or window\nHelp",
     "help-whatsthis", "contexthelp", "Shift+F1", {}, false, {}, true},
    {Command::About, "&About Skylister...",
     "Show the program's version, date and history\nAbout", "help-about", "", "", {}, false, {}, true},
    {Command::ApplyOrder, "Apply Or&der from List...",
     "Put the channels in the order of another list or of a number;name file\nApply Order from List",
     "", "", "", {}, false, {}, false},
    {Command::SaveAsReference, "Save as Re&ference...",
     "Save the order of the channels shown as a number;name file\nSave as Reference", "", "", "",
     {}, false, {}, false},
    {Command::ImportTransponders, "Import T&ransponders...",
     "Add the transponders of a satellite's scan table to the list\nImport Transponders", "", "",
     "", {}, false, {}, false},
    {Command::ExportCsv, "&CSV...",
     "Save the list as it is shown as a CSV file for a spreadsheet\nExport CSV", "", "", "", {},
     false, {}, true},
    {Command::ExportHtml, "&HTML...",
     "Save the list as it is shown as a web page\nExport HTML", "", "", "", {}, false, {}, true},
    {Command::CopyRows, "C&opy\tCtrl+C",
     "Copy Selected Row(s) as Text for a Spreadsheet or a Document\nCopy", "edit-copy", "",
     "Ctrl+C", {}, false, {}, true},
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
