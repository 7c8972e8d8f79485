#include "shell/SkylisterDoc.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>
#include <utility>

#include "editor/model/FieldText.h"
#include "editor/view/SkylistListView.h"

namespace sky {

namespace {

constexpr const char* kSaveFailed = "ERROR!!! Saving not Complete";
constexpr const char* kOpenCaption = "Skylister - Format File Open";
constexpr const char* kSaveAsCaption = "Skylister - Save as";

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

void CSkylisterDoc::setTitle(const std::string& title) { window_.setTitle(title); }

bool CSkylisterDoc::onFileOpen() {
    if (loaded_ && trimmedUpper(uploadFilePath()) == trimmedUpper(currentPath_)) {
        const Answer answer =
            ui_.ask("Want to Save upload file as ?", Buttons::YesNoCancel, Icon::None, "Save As");
        if (answer == Answer::Cancel) return false;
        if (answer == Answer::Yes) {
            onFileSaveAs();
        } else {
            onFileSave();
        }
    }
    const std::optional<std::string> chosen =
        window_.chooseFileToOpen(kOpenCaption, channelListFilters(), settings_.recentFolder());
    if (!chosen) return false;
    return openFile(*chosen);
}

bool CSkylisterDoc::openFile(const std::string& path, bool askFirst) {
    if (!view_) return false;
    if (askFirst) view_->onClose();
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
    db_->path = *chosen;
    if (!db_->SaveText(view_->model().tokens())) {
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

void CSkylisterDoc::onClose() {
    if (view_) view_->onClose();
}

}  // namespace sky
