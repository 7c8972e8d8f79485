#include "shell/SkylisterDoc.h"

#include <algorithm>
#include <cctype>
#include <exception>
#include <filesystem>
#include <system_error>
#include <utility>

#include "common/Format.h"
#include "compiler/PacketConverter.h"
#include "document/CompileCommands.h"
#include "editor/model/FieldText.h"
#include "editor/view/SkylistListView.h"
#include "serial/PrivateTempDir.h"

namespace sky {

namespace {

constexpr const char* kSaveFailed = "ERROR!!! Saving not Complete";
constexpr const char* kOpenCaption = "Skylister - Format File Open";
constexpr const char* kSaveAsCaption = "Skylister - Save as";
constexpr const char* kDownloadOthersCaption = "Skylister - Download Programm File Open";
constexpr const char* kBinFailed = "Making a BIN file is failed!";
constexpr const char* kTransferCancelled = "Transfer cancelled by the user.";
constexpr const char* kDownloadQuestion =
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

CSkylisterDoc::CSkylisterDoc(IUserInterface& ui, IDocumentWindow& window, Settings& settings,
                             const RuntimeSettings& runtime, std::string temporaryDirectory)
    : ui_(ui),
      window_(window),
      settings_(settings),
      runtime_(runtime),
      temporaryDirectory_(std::move(temporaryDirectory)) {}

CSkylisterDoc::~CSkylisterDoc() = default;

std::string CSkylisterDoc::systemTemporaryDirectory() {
    std::error_code error;
    std::string directory = std::filesystem::temp_directory_path(error).string();
    if (error || directory.empty()) directory = "/tmp";
    if (directory.back() != '/') directory += '/';
    return directory;
}

std::string CSkylisterDoc::privateTemporaryDirectory() {
    std::string problem;
    return privateTempDir(problem).value_or(systemTemporaryDirectory());
}

std::string CSkylisterDoc::folderOf(const std::string& path) {
    std::string folder = std::filesystem::path(path).parent_path().string();
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    return folder;
}

std::string CSkylisterDoc::uploadFilePath() const {
    return temporaryDirectory_ + kUploadFileName;
}

void CSkylisterDoc::loadFailed() {
    // The list shown so far stays: so do its path and its database path.
    currentPath_ = previousPath_;
    if (db_) db_->path = previousPath_;
    if (previousPath_.empty()) loaded_ = false;
}

void CSkylisterDoc::setTitle(const std::string& title) {
    window_.setTitle(title);
}

bool CSkylisterDoc::offerSavingUploadFile() {
    if (!loaded_ || trimmedUpper(uploadFilePath()) != trimmedUpper(currentPath_)) return true;
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

bool CSkylisterDoc::onFileOpen() {
    if (!offerSavingUploadFile()) return false;
    const std::optional<std::string> chosen =
        window_.chooseFileToOpen(kOpenCaption, channelListFilters(), settings_.recentFolder());
    if (!chosen) return false;
    return openFile(*chosen);
}

bool CSkylisterDoc::openRecentFile(const std::string& path) {
    if (!offerSavingUploadFile()) return false;
    return openFile(path);
}

bool CSkylisterDoc::openFile(const std::string& path, bool askFirst) {
    if (!view_) return false;
    if (askFirst && !view_->onClose()) return false;
    previousPath_ = currentPath_;
    currentPath_ = path;
    settings_.setRecentFolder(folderOf(path));
    db_ = std::make_unique<CListDB>(runtime_, ui_, path);
    loaded_ = true;
    bool opened = false;
    {
        const WaitCursor wait(window_);
        opened = view_->onOpen();
    }
    if (opened) settings_.addRecentFile(path);
    return opened;
}

bool CSkylisterDoc::onFileSave() {
    if (!loaded_ || !view_) return false;
    return view_->save();
}

bool CSkylisterDoc::onFileSaveAs() {
    if (!loaded_ || !view_ || !db_) return false;
    const std::optional<std::string> chosen =
        window_.chooseFileToSave(kSaveAsCaption, channelListFilters(), settings_.recentFolder());
    if (!chosen) return false;
    if (lowerExtension(*chosen) != "txt") {
        ui_.message("Extention Name must be 'txt' ");
        return false;
    }
    const std::string previousFile = db_->path;
    db_->path = *chosen;
    if (!db_->SaveText(view_->model().tokens())) {
        // The list stays bound to its file: the next Save writes where the title says.
        db_->path = previousFile;
        ui_.message(kSaveFailed);
        return false;
    }
    currentPath_ = *chosen;
    view_->onReload();
    view_->onReset();
    view_->clearUndoHistory();
    settings_.addRecentFile(*chosen);
    return true;
}

bool CSkylisterDoc::onClose() {
    return !view_ || view_->onClose();
}

CommandState CSkylisterDoc::commandState(DocCommand command) const {
    CommandState state;
    // While a transfer runs, nothing may touch the list, its files or the port.
    if (transferRunning_) return state;
    switch (command) {
        case DocCommand::Open:
        case DocCommand::DownloadOthers:
        case DocCommand::UploadStart:
        case DocCommand::DownloadBinaryFile:
            state.enabled = true;
            break;
        case DocCommand::Save:
        case DocCommand::SaveAs:
        case DocCommand::BasicCompile:
        case DocCommand::CompileNormal:
        case DocCommand::PreInstalled1List:
        case DocCommand::PreInstalledSplit:
        case DocCommand::DownloadCurrent:
        case DocCommand::CompileDownload:
            state.enabled = loaded_;
            break;
        case DocCommand::SplitListToggle:
            state.enabled = db_ != nullptr;
            state.checked = db_ && db_->splitList;
            break;
    }
    return state;
}

bool CSkylisterDoc::run(DocCommand command) {
    if (!commandState(command).enabled) return false;
    switch (command) {
        case DocCommand::Open:
            return onFileOpen();
        case DocCommand::Save:
            return onFileSave();
        case DocCommand::SaveAs:
            return onFileSaveAs();
        case DocCommand::BasicCompile:
            return onCompile(CompileMode::Basic);
        case DocCommand::CompileNormal:
            return onCompile(CompileMode::Normal);
        case DocCommand::PreInstalled1List:
            return onPreInstalledCompile(false);
        case DocCommand::PreInstalledSplit:
            return onPreInstalledCompile(true);
        case DocCommand::DownloadCurrent:
            return onDownloadCurrent();
        case DocCommand::DownloadOthers:
            return onDownloadOthers();
        case DocCommand::CompileDownload:
            return onCompileDownload();
        case DocCommand::UploadStart:
            return onUploadStart();
        case DocCommand::DownloadBinaryFile:
            return onDownloadBinaryFile();
        case DocCommand::SplitListToggle:
            onSplitListToggle();
            return true;
    }
    return false;
}

bool CSkylisterDoc::transfer(const std::function<bool()>& body) {
    struct Running {
        bool& flag;
        explicit Running(bool& f) : flag(f) { flag = true; }
        ~Running() { flag = false; }
    } running(transferRunning_);
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

void CSkylisterDoc::afterTransfer() {
    ui_.endProgress();
    if (transferCancelled_) {
        // The cancel is said where the user looks: the message window stays, and the status bar.
        ui_.showMessageWindow();
        ui_.statusText(kTransferCancelled);
    } else {
        ui_.hideMessageWindow();
    }
}

bool CSkylisterDoc::onCompile(CompileMode mode) {
    if (!loaded_ || !db_ || !view_) return false;
    // No reset notification: the text file is put back as it was, so the edits are still
    // unsaved and closing still offers them for saving.
    const WaitCursor wait(window_);
    return compileCommand(*db_, view_->model().tokens(), mode);
}

bool CSkylisterDoc::onPreInstalledCompile(bool splitList) {
    if (!db_ || !view_) return false;
    const WaitCursor wait(window_);
    imageReady_ = preInstalledCompileCommand(*db_, view_->model().tokens(), splitList);
    return imageReady_;
}

bool CSkylisterDoc::askAndDownloadCurrent() {
    if (ui_.ask(kDownloadQuestion, Buttons::YesNo, Icon::Question) != Answer::Yes) return false;
    bool sent = false;
    {
        const WaitCursor wait(window_);
        CListDB& db = *db_;
        sent = transfer([&db] { return db.DownloadCurrent(); });
    }
    afterTransfer();
    return sent;
}

bool CSkylisterDoc::onDownloadCurrent() {
    if (!loaded_ || !db_) return false;
    return askAndDownloadCurrent();
}

bool CSkylisterDoc::onCompileDownload() {
    if (!db_ || !view_) return false;
    db_->splitList = false;
    // An image of the file on disk is not the list shown: a failed save ends the command.
    if (!view_->save()) return false;
    {
        const WaitCursor wait(window_);
        imageReady_ = buildPreInstalledImage(*db_);
    }
    if (!imageReady_) return false;
    return askAndDownloadCurrent();
}

bool CSkylisterDoc::onDownloadOthers() {
    const std::optional<std::string> chosen = window_.chooseFileToOpen(
        kDownloadOthersCaption, downloadOthersFilters(), settings_.recentFolder());
    if (!chosen) return false;
    std::string file = *chosen;
    CListDB scratch(runtime_, ui_);
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
    CListDB& db = db_ ? *db_ : scratch;
    bool sent = false;
    {
        const WaitCursor wait(window_);
        sent = transfer([&db, &file] { return db.DownloadFile(file); });
    }
    afterTransfer();
    return sent;
}

bool CSkylisterDoc::onUploadStart() {
    const std::string uploadPath = uploadFilePath();
    // The received list replaces the one shown: its unsaved edits are offered for saving first,
    // as Open does, and a Cancel or a failed save keeps it.
    if (loaded_ && view_ && !view_->onClose()) return false;
    bool uploaded = false;
    bool createdHere = false;
    {
        const WaitCursor wait(window_);
        if (!db_) {
            db_ = std::make_unique<CListDB>(runtime_, ui_, uploadPath);
            createdHere = true;
        }
        CListDB& db = *db_;
        uploaded = transfer([&db, &uploadPath] { return db.UploadChannelList(uploadPath); });
        ui_.endProgress();
    }
    if (transferCancelled_) afterTransfer();
    if (!uploaded) {
        if (createdHere) db_.reset();
        return false;
    }
    loaded_ = true;
    previousPath_ = currentPath_;
    db_->path = uploadPath;
    currentPath_ = uploadPath;
    // The reload, with the reset and the undo clear that go with a list replaced by its file.
    if (!view_ || !view_->onOpen()) {
        // The received list is not lost: say where it is, and what may refuse it.
        ui_.message(
            format("The received list is kept in %s\nIf it has more satellite names than the "
                   "Option's satellite number allows, change that number and open it.",
                   uploadPath.c_str()));
        if (createdHere && !loaded_) db_.reset();
        return false;
    }
    onFileSaveAs();
    return true;
}

bool CSkylisterDoc::onDownloadBinaryFile() {
    const std::optional<std::string> chosen =
        window_.chooseFileToOpen(kOpenCaption, binaryFileFilters(), std::nullopt);
    if (!chosen) return false;
    const std::string file = *chosen;
    CListDB scratch(runtime_, ui_, file);
    CListDB& db = db_ ? *db_ : scratch;
    const bool sent = transfer([&db, &file] { return db.DownloadFile(file); });
    afterTransfer();
    return sent;
}

void CSkylisterDoc::onSplitListToggle() {
    if (db_) db_->splitList = !db_->splitList;
}

}  // namespace sky
