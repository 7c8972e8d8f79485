#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "common/UserInterface.h"
#include "editor/document/ListDocument.h"

namespace sky {

// What a file on disk is now: enough to tell another program's write from none. Saves replace
// the file, so its inode changes along with its size and time.
struct FileStamp {
    bool exists = false;
    std::uintmax_t size = 0;
    std::int64_t modifiedNs = 0;
    std::uint64_t device = 0;
    std::uint64_t inode = 0;

    static FileStamp of(const std::string& path);
    bool operator==(const FileStamp&) const = default;
};

// How the open list's file differs from what this program last read or wrote.
enum class FileChange { None, Changed, Removed };

// What Save does with the list's file.
enum class SaveRoute { Write, SaveAs, Cancel };

// Watches the open list's file for other programs (skylister-cli, an editor): it remembers the
// file as the program read or wrote it, tells another program's change from its own, and decides
// what the user hears. The window calls noticeChange() when its file watcher fires, and the
// document asks beforeSave() before Save writes.
class ListFileWatch : private IListObserver {
public:
    // `ignored` is a file never watched (the upload file, which transfers write).
    ListFileWatch(ListDocument& list, IUserInterface& ui, std::string ignored = {});
    ~ListFileWatch() override;
    ListFileWatch(const ListFileWatch&) = delete;
    ListFileWatch& operator=(const ListFileWatch&) = delete;

    // The file to watch now; empty when none.
    std::string watchedPath() const;
    // The file on disk against what the program last read or wrote.
    FileChange check();

    // The file watcher fired. Another program's change to a list without unsaved edits is said in
    // the status bar and Reload is offered (returns true); with unsaved edits the user chooses
    // which to keep (the file's is shown through Reload, so Undo brings the edits back); a removed
    // or renamed file is said, and Save then asks for a name.
    bool noticeChange();
    // Reload, as offered: the file read again as one step of Undo.
    bool reload();
    // Before Save writes the list's file: a file removed since it was read goes to Save As; a file
    // changed since it was read is overwritten only when the user says so.
    SaveRoute beforeSave();

    // Told when the file to watch may have changed or been replaced (open, save, reload).
    std::function<void()> fileReplaced;

private:
    void listChanged(ListChange change) override;
    void listSaved() override;
    // The file as it is now becomes the one the program knows.
    void remember();
    bool ignored() const;
    void tell(const std::string& text);
    // The list was read or written: a change told before no longer stands.
    void withdrawNotice();

    ListDocument& list_;
    IUserInterface& ui_;
    std::string ignored_;
    FileStamp known_;
    // The list's revision when its file was last read.
    std::uint64_t readRevision_ = 0;
    // The program has saved the list: its write is done by the next check, which takes the
    // file as it finds it.
    bool ownWritePending_ = false;
    // A question about the file is open: a watcher firing meanwhile adds none.
    bool asking_ = false;
    // The status bar tells of a change, until the list is read or written again.
    bool told_ = false;
};

}  // namespace sky
