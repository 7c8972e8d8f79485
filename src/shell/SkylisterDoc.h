#pragma once

#include <memory>
#include <string>
#include <vector>

#include "common/RuntimeSettings.h"
#include "common/UserInterface.h"
#include "document/ListDB.h"
#include "editor/view/ViewHost.h"
#include "shell/DocumentWindow.h"
#include "shell/Settings.h"

namespace sky {

class CSkylistListView;

// The document: the one open channel list, its database and its file commands. It is
// the list view's host. The commands run their fixed sequences over the database and the view,
// ask through the user interface and the window, and remember folders and files in the settings.
//
// The compile, download and upload commands (a later issue) fit in beside Open and Save: they
// reach the database (database()), the list as shown (the view's model), the upload file
// (uploadFilePath()) and the wait cursor (the window) the same way.
class CSkylisterDoc : public IViewHost {
public:
    static constexpr const char* kUploadFileName = "SATupload.txt";

    // `runtime` is the frame's run-time settings, which every database reads while it works;
    // `temporaryDirectory` ends in a separator.
    CSkylisterDoc(IUserInterface& ui, IDocumentWindow& window, Settings& settings,
                  const RuntimeSettings& runtime, std::string temporaryDirectory);
    ~CSkylisterDoc() override;

    // The view the commands send their notifications to; set once, right after both exist.
    void attachView(CSkylistListView& view) { view_ = &view; }

    // IViewHost.
    bool isLoaded() const override { return loaded_; }
    CListDB* database() override { return db_.get(); }
    void loadFailed() override;
    void setTitle(const std::string& title) override;
    std::string uploadFilePath() const override;

    const std::string& currentPath() const { return currentPath_; }
    const std::string& previousPath() const { return previousPath_; }
    const std::string& temporaryDirectory() const { return temporaryDirectory_; }
    bool imageReady() const { return imageReady_; }

    // Open (57601), always enabled: the question about the upload file, the file dialog in the
    // remembered folder, the question about unsaved edits, then openFile(). Returns whether a
    // list was loaded.
    bool onFileOpen();
    // Opens a named list as Open does once the file is chosen (the command line, Open Recent):
    // the unsaved-changes question when `askFirst`, the remembered folder, a new database, the
    // view's reset, load and undo clear. A list that does not load leaves everything as it was.
    bool openFile(const std::string& path, bool askFirst = true);
    // Save (57603) and Save As (57604), enabled while a list is loaded.
    bool onFileSave();
    bool onFileSaveAs();

    // The main window closes: the view offers unsaved edits for saving.
    void onClose();

    // The folder of a path, without a trailing separator.
    static std::string folderOf(const std::string& path);
    // The system temporary directory with a trailing separator.
    static std::string systemTemporaryDirectory();

private:
    IUserInterface& ui_;
    IDocumentWindow& window_;
    Settings& settings_;
    const RuntimeSettings& runtime_;
    std::string temporaryDirectory_;
    CSkylistListView* view_ = nullptr;

    bool loaded_ = false;
    std::string currentPath_;
    std::string previousPath_;
    std::unique_ptr<CListDB> db_;
    bool imageReady_ = false;
};

// The filter of the channel-list file dialogs.
const std::vector<FileFilter>& channelListFilters();

}  // namespace sky
