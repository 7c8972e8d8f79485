#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/RuntimeSettings.h"
#include "common/UserInterface.h"
#include "editor/document/ListDocument.h"
#include "listdb/ListFile.h"
#include "shell/DocumentWindow.h"
#include "shell/ListFileWatch.h"
#include "shell/Settings.h"

namespace sky {

class ComparedList;

// The program's document commands over the one open channel list (a ListDocument, which the views
// show): open, save and their questions, the compiles and the transfers. The commands run their
// fixed sequences over the list and its database, ask through the user interface and the window,
// and remember folders and files in the settings; the window's title follows the list's file.
//
// The compile commands compile the list as shown while its text file stays as it was; the
// transfers run through the window's runTransfer(), which keeps the window alive while they run;
// while one runs every command of the document is disabled.
class DocumentCommands : private IListObserver {
public:
    static constexpr const char* kUploadFileName = "SATupload.txt";
    // Where Compare with Receiver puts the receiver's list: never the file of the open list,
    // which may be the upload file.
    static constexpr const char* kCompareFileName = "SATcompare.txt";
    static constexpr const char* kReceiverListName = "the receiver's list";

    // `runtime` is the frame's run-time settings, which every database reads while it works;
    // `temporaryDirectory` ends in a separator.
    DocumentCommands(IUserInterface& ui, IDocumentWindow& window, Settings& settings,
                     const RuntimeSettings& runtime, std::string temporaryDirectory);
    ~DocumentCommands() override;
    DocumentCommands(const DocumentCommands&) = delete;
    DocumentCommands& operator=(const DocumentCommands&) = delete;

    // The open list, which the views show.
    ListDocument& list() { return list_; }
    const ListDocument& list() const { return list_; }
    bool isLoaded() const { return list_.loaded(); }
    IDocumentWindow& window() { return window_; }
    IUserInterface& ui() { return ui_; }
    const RuntimeSettings& runtime() const { return runtime_; }
    Settings& settings() { return settings_; }
    ListFile* database() { return list_.database(); }
    // The full path of the upload file ("SATupload.txt" in the temporary directory).
    std::string uploadFilePath() const;

    const std::string& currentPath() const { return list_.path(); }
    const std::string& previousPath() const { return list_.previousPath(); }
    const std::string& temporaryDirectory() const { return temporaryDirectory_; }
    bool imageReady() const { return imageReady_; }
    // Other programs' changes to the open list's file.
    ListFileWatch& fileWatch() { return fileWatch_; }

    // Open, always enabled: the question about the upload file, the file dialog in the
    // remembered folder, the question about unsaved edits, then openFile(). Returns whether a
    // list was loaded.
    bool onFileOpen();
    // Opens a named list as Open does once the file is chosen (the command line, Open Recent):
    // the unsaved-changes question when `askFirst`, the remembered folder, then the list's open.
    // A list that does not load leaves everything as it was.
    bool openFile(const std::string& path, bool askFirst = true);
    // Open Recent: Open's question about the upload file, then openFile().
    bool openRecentFile(const std::string& path);
    // Save and Save As, enabled while a list is loaded.
    bool onFileSave();
    bool onFileSaveAs();

    // The main window closes: unsaved edits are offered for saving. False when the window
    // must stay: the user cancelled, or the edits could not be saved.
    bool onClose();

    // A serial transfer is under way (inside the window's runTransfer()).
    bool transferRunning() const { return transferRunning_; }
    // Runs a transfer through the window, with every command disabled meanwhile. An exception
    // that escapes it ends it as a failed transfer, with a message.
    bool transfer(const std::function<bool()>& body);

    // Basic Compile and Compile Normal: base.hex and base.bin of the list as
    // shown; the text file on disk stays byte for byte as it was.
    bool onCompile(CompileMode mode);
    // Pre-Installed Compile, 1 List and Split List: the Normal image followed by
    // the Basic image. Sets the image-ready flag.
    bool onPreInstalledCompile(bool splitList);
    // Download Current: asks, then sends base.bin of the last compile.
    bool onDownloadCurrent();
    // Save + Compile + Download: saves the list, builds the pre-installed image and goes
    // on as Download Current.
    bool onCompileDownload();
    // Download Others: a chosen .bin is sent as it is; a chosen .hex is converted into
    // its .bin first, with or without a list open.
    bool onDownloadOthers();
    // Upload Start: receives the receiver's list into the upload file, shows it and
    // offers Save As.
    bool onUploadStart();
    // Download Binary File: sends a chosen .bin.
    bool onDownloadBinaryFile();
    // Split-List Toggle: inverts the database's split-list flag.
    void onSplitListToggle();
    // Compare with List: a chosen list, read as Open reads it but beside the open one, which
    // stays as it is; the window shows the comparison.
    bool onCompareWithList();
    // Compare with Receiver: the receiver's list fetched as Upload fetches it, read beside the
    // open list, which stays as it is; the window shows the comparison.
    bool onCompareWithReceiver();

    // Compares the open list with a list in a file of the program's own (a kept copy), named
    // `name` in the comparison window; false when it does not load.
    bool compareWithFile(const std::string& path, std::string name);
    // Opens a copy of a list untitled, as Upload shows a received list: the file it came from is
    // never written, and closing or replacing the copy asks first.
    bool openCopyUntitled(const std::string& path);

    // Reads another list with the checks of Open, without touching the open one; nothing when it
    // does not load (its message has been shown).
    std::optional<TokenArray> readOtherList(const std::string& path);
    // The receiver's list as last fetched in this run (by Upload or Compare with Receiver).
    const std::optional<TokenArray>& receiverList() const { return receiverList_; }

    // The folder of a path, without a trailing separator.
    static std::string folderOf(const std::string& path);
    // The system temporary directory with a trailing separator.
    static std::string systemTemporaryDirectory();
    // The temporary directory of the document commands: the serial code's private directory
    // (where the transfers put the upload file), else the system's. Ends in a separator.
    static std::string privateTemporaryDirectory();

private:
    // IListObserver: a list read from its file retitles the window.
    void listChanged(ListChange change) override;

    // A list has been opened: the status bar says how many of its rows are duplicates, so that
    // the user knows Find Duplicates has work; with none, a count shown for the list before goes.
    void reportDuplicates();
    // When the list shown is the received one: "Want to Save upload file as ?" (Yes: Save As,
    // No: Save). False when the user cancelled.
    bool offerSavingUploadFile();
    // The download of steps 1 and 2 of Download Current: the question, then the transfer.
    // `note` is a line added to the question.
    bool askAndDownloadCurrent(const std::string& note = {});
    // Fetches the receiver's list into the file; false after the transfer's messages. A success
    // is shown in a box only when announced (Upload); a comparison shows its window instead.
    bool fetchReceiverList(const std::string& path, bool announceSuccess = false);
    // The list shown is the received one, in the upload file.
    bool showingReceivedList() const;
    // The list is about to be closed or replaced: its unsaved changes are offered for saving
    // ("Saveing  Modified Data!!!"); a received list never saved is saved with Save As. False
    // when the caller must not go on.
    bool offerSavingList();
    // Compares the open list with another and has the window show it; the open list's rows may
    // have been read before.
    void showComparison(std::string otherName, TokenArray other,
                        const ComparedList* openRows = nullptr);
    // Ends a transfer as every download command does: the progress indicator goes, the message
    // window hides; after a cancel it stays, and the status bar says so.
    void afterTransfer();

    IUserInterface& ui_;
    IDocumentWindow& window_;
    Settings& settings_;
    const RuntimeSettings& runtime_;
    std::string temporaryDirectory_;
    ListDocument list_;
    ListFileWatch fileWatch_{list_, ui_, uploadFilePath()};
    bool imageReady_ = false;
    bool transferRunning_ = false;
    // The last transfer ended because the user cancelled it.
    bool transferCancelled_ = false;
    // The status bar shows the duplicate count of the list opened last.
    bool duplicatesReported_ = false;
    std::optional<TokenArray> receiverList_;
};

// The filter of the channel-list file dialogs.
const std::vector<FileFilter>& channelListFilters();
// The filters of Download Others and of Download Binary File.
const std::vector<FileFilter>& downloadOthersFilters();
const std::vector<FileFilter>& binaryFileFilters();

}  // namespace sky
