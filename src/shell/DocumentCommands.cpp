#include "shell/DocumentCommands.h"

#include <algorithm>
#include <cctype>
#include <exception>
#include <filesystem>
#include <system_error>
#include <utility>

#include "common/Format.h"
#include "compiler/PacketConverter.h"
#include "db/FileIo.h"
#include "db/ReplacementFile.h"
#include "editor/compare/ListComparison.h"
#include "editor/duplicates/DuplicateGroups.h"
#include "editor/model/FieldText.h"
#include "listdb/CompileCommands.h"
#include "serial/PrivateTempDir.h"
#include "serial/ReceivedLists.h"
#include "shell/history/TransferCopy.h"

namespace sky {

namespace {

constexpr const char* kSaveFailed = "ERROR!!! Saving not Complete";
constexpr const char* kOpenCaption = "Skylister - Format File Open";
constexpr const char* kSaveAsCaption = "Skylister - Save as";
constexpr const char* kDownloadOthersCaption = "Skylister - Download Programm File Open";
constexpr const char* kBinFailed = "Making a BIN file is failed!";
constexpr const char* kTransferCancelled = "Transfer cancelled by the user.";
const std::string kDownloadQuestion =
    "Really You Want to download?\r\nAfter choose YES,you must Satellite Receiver's Power "
    "Off,and ON for downloading";

std::string lowerExtension(const std::string& path) {
    std::string extension = std::filesystem::path(path).extension().string();
    if (!extension.empty() && extension.front() == '.') extension.erase(0, 1);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

}  // namespace

const std::vector<FileFilter>& channelListFilters() {
    static const std::vector<FileFilter> filters{{"Channel list File(*.TXT)", {"*.txt", "*.TXT"}}};
    return filters;
}

const std::vector<FileFilter>& downloadOthersFilters() {
    static const std::vector<FileFilter> filters{{"Program Binary File(*.bin)", {"*.bin", "*.BIN"}},
                                                 {"Hex file(*.HEX)", {"*.hex", "*.HEX"}}};
    return filters;
}

const std::vector<FileFilter>& binaryFileFilters() {
    static const std::vector<FileFilter> filters{{"Binary File(*.bin)", {"*.bin", "*.BIN"}}};
    return filters;
}

DocumentCommands::DocumentCommands(IUserInterface& ui, IDocumentWindow& window, Settings& settings,
                                   const RuntimeSettings& runtime, std::string temporaryDirectory)
    : ui_(ui),
      window_(window),
      settings_(settings),
      runtime_(runtime),
      temporaryDirectory_(std::move(temporaryDirectory)),
      list_(ui, runtime) {
    list_.addObserver(*this);
}

DocumentCommands::~DocumentCommands() {
    list_.removeObserver(*this);
}

void DocumentCommands::listChanged(ListChange change) {
    if (change != ListChange::Replaced) return;
    const std::string& path = list_.path();
    window_.setTitle(trimmedUpper(path) == trimmedUpper(uploadFilePath())
                         ? std::string("Skylister : Untitled")
                         : "Skylister : " + path);
}

std::string DocumentCommands::systemTemporaryDirectory() {
    std::error_code error;
    std::string directory = std::filesystem::temp_directory_path(error).string();
    if (error || directory.empty()) directory = "/tmp";
    if (directory.back() != '/') directory += '/';
    return directory;
}

std::string DocumentCommands::privateTemporaryDirectory() {
    std::string problem;
    return privateTempDir(problem).value_or(systemTemporaryDirectory());
}

std::string DocumentCommands::folderOf(const std::string& path) {
    std::string folder = std::filesystem::path(path).parent_path().string();
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    return folder;
}

std::string DocumentCommands::uploadFilePath() const {
    return temporaryDirectory_ + kUploadFileName;
}

bool DocumentCommands::offerSavingUploadFile() {
    if (!showingReceivedList()) return true;
    const Answer answer =
        ui_.ask("Want to Save upload file as ?", Buttons::YesNoCancel, Icon::None, "Save As");
    if (answer == Answer::Cancel) return false;
    if (answer == Answer::Yes) {
        onFileSaveAs();
    } else {
        onFileSave();
    }
    return true;
}

bool DocumentCommands::onFileOpen() {
    if (!offerSavingUploadFile()) return false;
    const std::optional<std::string> chosen =
        window_.chooseFileToOpen(kOpenCaption, channelListFilters(), settings_.recentFolder());
    if (!chosen) return false;
    return openFile(*chosen);
}

bool DocumentCommands::openRecentFile(const std::string& path) {
    if (!offerSavingUploadFile()) return false;
    return openFile(path);
}

bool DocumentCommands::offerSavingList() {
    if (!showingReceivedList() || !list_.hasUnsavedChanges()) return list_.offerSaving();
    // The received list has no file of the user's yet: Yes saves it under a name of theirs.
    const Answer answer =
        ui_.ask("Saveing  Modified Data!!!", Buttons::YesNoCancel, Icon::Question, "Saving");
    if (answer == Answer::No) return true;
    return answer == Answer::Yes && onFileSaveAs();
}

bool DocumentCommands::showingReceivedList() const {
    return list_.loaded() && trimmedUpper(uploadFilePath()) == trimmedUpper(list_.path());
}

bool DocumentCommands::openFile(const std::string& path, bool askFirst) {
    if (askFirst && !offerSavingList()) return false;
    settings_.setRecentFolder(folderOf(path));
    bool opened = false;
    {
        const WaitCursor wait(window_);
        opened = list_.open(path);
    }
    if (!opened) return false;
    settings_.addRecentFile(path);
    reportDuplicates();
    return true;
}

void DocumentCommands::reportDuplicates() {
    const std::string text = duplicateStatusText(duplicateRowCount(list_.tokens()));
    if (text.empty() && !duplicatesReported_) return;
    ui_.statusText(text);
    duplicatesReported_ = !text.empty();
}

bool DocumentCommands::onFileSave() {
    if (!list_.loaded()) return false;
    const SaveRoute route = fileWatch_.beforeSave();
    if (route != SaveRoute::Write) return route == SaveRoute::SaveAs && onFileSaveAs();
    return list_.save();
}

bool DocumentCommands::onFileSaveAs() {
    if (!list_.loaded()) return false;
    const std::optional<std::string> chosen =
        window_.chooseFileToSave(kSaveAsCaption, channelListFilters(), settings_.recentFolder());
    if (!chosen) return false;
    if (lowerExtension(*chosen) != "txt") {
        ui_.message("Extention Name must be 'txt' ");
        return false;
    }
    if (!list_.saveAs(*chosen)) return false;
    settings_.addRecentFile(*chosen);
    return true;
}

bool DocumentCommands::onClose() {
    return offerSavingList();
}

bool DocumentCommands::transfer(const std::function<bool()>& body) {
    // Meanwhile the list may be looked at, not changed.
    struct Running {
        bool& flag;
        ListDocument& list;
        Running(bool& f, ListDocument& l) : flag(f), list(l) {
            flag = true;
            list.setLocked(true);
        }
        ~Running() {
            flag = false;
            list.setLocked(false);
        }
    } running(transferRunning_, list_);
    // The transfer runs on a thread of its own, where an escaping exception would end the
    // program: it ends the transfer as a failure instead, with the reason.
    const bool result = window_.runTransfer([this, &body] {
        try {
            return body();
        } catch (const std::exception& error) {
            ui_.message(format("ERROR: The transfer stopped: %s", error.what()));
        } catch (...) {
            ui_.message("ERROR: The transfer stopped.");
        }
        return false;
    });
    transferCancelled_ = ui_.transferCancelled();
    return result;
}

void DocumentCommands::afterTransfer() {
    ui_.endProgress();
    if (transferCancelled_) {
        // The cancel is said where the user looks: the message window stays, and the status bar.
        ui_.showMessageWindow();
        ui_.statusText(kTransferCancelled);
    } else {
        ui_.hideMessageWindow();
    }
}

bool DocumentCommands::onCompile(CompileMode mode) {
    if (!list_.loaded()) return false;
    // No reset notification: the text file is put back as it was, so the edits are still
    // unsaved and closing still offers them for saving.
    const WaitCursor wait(window_);
    return compileCommand(*list_.database(), list_.tokens(), mode);
}

bool DocumentCommands::onPreInstalledCompile(bool splitList) {
    if (!list_.loaded()) return false;
    const WaitCursor wait(window_);
    imageReady_ = preInstalledCompileCommand(*list_.database(), list_.tokens(), splitList);
    return imageReady_;
}

bool DocumentCommands::askAndDownloadCurrent(const std::string& note) {
    if (ui_.ask(kDownloadQuestion + note, Buttons::YesNo, Icon::Question) != Answer::Yes) {
        return false;
    }
    bool sent = false;
    {
        const WaitCursor wait(window_);
        ListFile& db = *list_.database();
        sent = transfer([&db] { return db.downloadCurrent(); });
    }
    afterTransfer();
    if (sent) keepSentCopy(ui_, settings_, list_.path());
    return sent;
}

bool DocumentCommands::onDownloadCurrent() {
    if (!list_.loaded()) return false;
    return askAndDownloadCurrent();
}

bool DocumentCommands::onCompileDownload() {
    if (!list_.loaded()) return false;
    list_.database()->splitList = false;
    // An image of the file on disk is not the list shown: a failed save ends the command.
    if (!onFileSave()) return false;
    {
        const WaitCursor wait(window_);
        imageReady_ = buildPreInstalledImage(*list_.database(), list_.tokens());
    }
    if (!imageReady_) return false;
    // The list about to be sent against the receiver's list fetched in this run, if any.
    std::string note;
    if (receiverList_) {
        note = "\r\nCompared with the receiver's list fetched earlier: " +
               differenceSummary(compareLists(list_.tokens(), *receiverList_));
    }
    return askAndDownloadCurrent(note);
}

bool DocumentCommands::onDownloadOthers() {
    const std::optional<std::string> chosen = window_.chooseFileToOpen(
        kDownloadOthersCaption, downloadOthersFilters(), settings_.recentFolder());
    if (!chosen) return false;
    std::string file = *chosen;
    ListFile scratch(runtime_, ui_);
    if (lowerExtension(file) == "hex") {
        // A .hex file is no download file: the file chosen, whatever the case of its extension,
        // is converted into the .bin beside it and that is sent, with a list open or not (the
        // receiver could only refuse the .hex).
        const std::string bin = std::filesystem::path(file).replace_extension(".bin").string();
        if (!convertHexFile(file, bin, ui_)) {
            ui_.message(kBinFailed);
            return false;
        }
        file = bin;
    }
    ListFile& db = list_.database() ? *list_.database() : scratch;
    bool sent = false;
    {
        const WaitCursor wait(window_);
        sent = transfer([&db, &file] { return db.downloadFile(file); });
    }
    afterTransfer();
    return sent;
}

bool DocumentCommands::onUploadStart() {
    const std::string uploadPath = uploadFilePath();
    // The received list replaces the one shown: its unsaved edits are offered for saving first,
    // as Open does, and a Cancel or a failed save keeps it.
    if (list_.loaded() && !offerSavingList()) return false;
    if (!fetchReceiverList(uploadPath, true)) return false;
    // The received list is opened as Open opens a list.
    if (!list_.open(uploadPath)) {
        // The received list is not lost: say where it is kept under its own name (the upload
        // file is the next upload's), and what may refuse it.
        const std::string kept = newestKeptList(uploadPath).value_or(uploadPath);
        ui_.message(
            format("The received list is kept in %s\nIf it has more satellite names than "
                   "the Option's satellite number allows, change that number and open it.",
                   kept.c_str()));
        return false;
    }
    receiverList_ = list_.tokens();
    // Until it is saved under a name of the user's, the received list is unsaved work: closing
    // or replacing it asks first.
    list_.markModified();
    reportDuplicates();
    onFileSaveAs();
    return true;
}

bool DocumentCommands::openCopyUntitled(const std::string& path) {
    if (transferRunning_) return false;
    if (list_.loaded() && !offerSavingList()) return false;
    // The copy goes where Upload puts a received list, so that it shows untitled.
    const std::optional<std::string> text = readWholeFile(path);
    ReplacementFile copy(uploadFilePath());
    if (!text || !copy.create() || !copy.write(*text) || !copy.commit()) {
        ui_.message(format("%s cannot be opened as a new list.", path.c_str()));
        return false;
    }
    if (!list_.open(uploadFilePath())) return false;
    list_.markModified();
    reportDuplicates();
    return true;
}

bool DocumentCommands::fetchReceiverList(const std::string& path, bool announceSuccess) {
    bool uploaded = false;
    {
        const WaitCursor wait(window_);
        ListFile scratch(runtime_, ui_, path);
        ListFile& db = list_.database() ? *list_.database() : scratch;
        uploaded = transfer(
            [&db, &path, announceSuccess] { return db.uploadChannelList(path, announceSuccess); });
        ui_.endProgress();
    }
    if (transferCancelled_) afterTransfer();
    if (uploaded) keepFetchedCopy(ui_, settings_, path, runtime_);
    return uploaded;
}

bool DocumentCommands::onDownloadBinaryFile() {
    const std::optional<std::string> chosen =
        window_.chooseFileToOpen(kOpenCaption, binaryFileFilters(), std::nullopt);
    if (!chosen) return false;
    const std::string file = *chosen;
    ListFile scratch(runtime_, ui_, file);
    ListFile& db = list_.database() ? *list_.database() : scratch;
    const bool sent = transfer([&db, &file] { return db.downloadFile(file); });
    afterTransfer();
    return sent;
}

void DocumentCommands::onSplitListToggle() {
    if (ListFile* db = list_.database()) db->splitList = !db->splitList;
}

}  // namespace sky
