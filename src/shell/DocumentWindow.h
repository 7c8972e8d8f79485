#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "db/TokenArray.h"
#include "shell/OpenComparison.h"

namespace sky {

class ChannelImportSession;
class HistorySession;
struct OrderChoice;
struct OrderPreviewRequest;
struct ScanTableFolder;
struct TransponderChoice;

// One filter of a file dialog: its text and the patterns it shows.
struct FileFilter {
    std::string description;            // "Channel list File(*.TXT)"
    std::vector<std::string> patterns;  // "*.txt", ...
};

// A new file chosen in the save dialog, and the filter it was chosen with (from 0).
struct ChosenFile {
    std::string path;
    std::size_t filter = 0;
};

// What the document commands need of the main window beyond message boxes: the file dialogs,
// the title and the wait cursor. The Qt program shows them; tests answer them.
class IDocumentWindow {
public:
    virtual ~IDocumentWindow() = default;

    // The file-open and file-save dialogs: the chosen full path, or nothing on Cancel. The
    // folder, when given, is where the dialog starts. The save dialog asks before overwriting.
    virtual std::optional<std::string> chooseFileToOpen(
        const std::string& caption, const std::vector<FileFilter>& filters,
        const std::optional<std::string>& folder) = 0;
    virtual std::optional<std::string> chooseFileToSave(
        const std::string& caption, const std::vector<FileFilter>& filters,
        const std::optional<std::string>& folder) = 0;
    // The save dialog for a file that is no channel list, with a file name already filled in:
    // `suggested` is a full path, or empty. A name typed without an extension gets the first
    // filter's.
    virtual std::optional<ChosenFile> chooseNewFile(const std::string& /*caption*/,
                                                    const std::vector<FileFilter>& /*filters*/,
                                                    const std::string& /*suggested*/) {
        return std::nullopt;
    }
    virtual void setTitle(const std::string& title) = 0;
    // The wait cursor, shown from begin to end of a long step.
    virtual void beginWait() = 0;
    virtual void endWait() = 0;

    // Runs a serial transfer to its end and returns its result. Here it runs in the caller; the
    // window runs it on a thread of its own, keeps repainting meanwhile and shows the boxes the
    // transfer raises itself (the transfer reports through the document's user interface).
    virtual bool runTransfer(const std::function<bool()>& transfer) { return transfer(); }

    // Shows a comparison of the open list with another list in a window of its own, which stays
    // open beside the list (Compare with List, Compare with Receiver).
    virtual void showComparison(std::shared_ptr<OpenComparison> /*comparison*/) {}

    // Shows Import Channels' preview of the session, which the user ticks, names and maps in;
    // true when the user chose Import.
    virtual bool runChannelImport(ChannelImportSession& /*session*/) { return false; }

    // Shows Apply Order from List's preview of the reference's order on the list, whose options
    // the user sets; true when the user chose Apply, with the options and their plan in `choice`.
    virtual bool runOrderPreview(const OrderPreviewRequest& /*request*/, OrderChoice& /*choice*/) {
        return false;
    }

    // Shows Import Transponders' choice of a scan table of the folder and a satellite of the list,
    // with the preview of the rows to import; true when the user chose Import, with that in
    // `choice`.
    virtual bool runTransponderImport(const TokenArray& /*tokens*/,
                                      const ScanTableFolder& /*folder*/,
                                      TransponderChoice& /*choice*/) {
        return false;
    }

    // Puts rows on the clipboard, as plain text and as HTML.
    virtual void setClipboard(const std::string& /*text*/, const std::string& /*html*/) {}

    // Shows the History dialog over the session; the user's choice is left in it.
    virtual void runHistory(HistorySession& /*session*/) {}
};

// Shows the wait cursor for the length of a scope.
class WaitCursor {
public:
    explicit WaitCursor(IDocumentWindow& window) : window_(window) { window_.beginWait(); }
    ~WaitCursor() { window_.endWait(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    IDocumentWindow& window_;
};

}  // namespace sky
