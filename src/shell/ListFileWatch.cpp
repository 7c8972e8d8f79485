#include "shell/ListFileWatch.h"

#include <sys/stat.h>

#include <filesystem>

#include "common/Format.h"
#include "editor/model/FieldText.h"

namespace sky {

namespace {

std::string fileName(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

}  // namespace

FileStamp FileStamp::of(const std::string& path) {
    FileStamp stamp;
    struct stat status {};
    if (path.empty() || ::stat(path.c_str(), &status) != 0) return stamp;
    stamp.exists = true;
    stamp.size = static_cast<std::uintmax_t>(status.st_size);
    stamp.modifiedNs =
        static_cast<std::int64_t>(status.st_mtim.tv_sec) * 1'000'000'000 + status.st_mtim.tv_nsec;
    stamp.device = status.st_dev;
    stamp.inode = status.st_ino;
    return stamp;
}

ListFileWatch::ListFileWatch(ListDocument& list, IUserInterface& ui, std::string ignored)
    : list_(list), ui_(ui), ignored_(std::move(ignored)) {
    list_.addObserver(*this);
}

ListFileWatch::~ListFileWatch() {
    list_.removeObserver(*this);
}

bool ListFileWatch::ignored() const {
    return !ignored_.empty() && trimmedUpper(ignored_) == trimmedUpper(list_.path());
}

std::string ListFileWatch::watchedPath() const {
    if (!list_.loaded() || ignored()) return {};
    return list_.path();
}

void ListFileWatch::listChanged(ListChange change) {
    if (change != ListChange::Replaced) return;
    remember();
    readRevision_ = list_.revision();
    withdrawNotice();
    if (fileReplaced) fileReplaced();
}

void ListFileWatch::listSaved() {
    ownWritePending_ = true;
    withdrawNotice();
    if (fileReplaced) fileReplaced();
}

void ListFileWatch::tell(const std::string& text) {
    ui_.statusText(text);
    told_ = true;
}

void ListFileWatch::withdrawNotice() {
    if (!told_) return;
    told_ = false;
    ui_.statusText({});
}

void ListFileWatch::remember() {
    known_ = FileStamp::of(list_.path());
    ownWritePending_ = false;
}

FileChange ListFileWatch::check() {
    if (watchedPath().empty()) return FileChange::None;
    if (ownWritePending_) remember();
    const FileStamp now = FileStamp::of(list_.path());
    if (now == known_) return FileChange::None;
    if (!now.exists) return known_.exists ? FileChange::Removed : FileChange::None;
    return FileChange::Changed;
}

bool ListFileWatch::noticeChange() {
    // While a transfer runs the list stays as it is; the change is told after it.
    if (asking_ || list_.locked()) return false;
    const FileChange change = check();
    const std::string name = fileName(list_.path());
    if (change == FileChange::Removed) {
        tell(format("%s was removed or renamed by another program; Save asks for a name.",
                    name.c_str()));
        return false;
    }
    if (change != FileChange::Changed) return false;
    const bool edited = list_.hasUnsavedChanges() && list_.revision() != readRevision_;
    if (!edited) {
        tell(format("%s was changed by another program; Reload shows it as it is now.",
                    name.c_str()));
        return true;
    }
    asking_ = true;
    const Answer answer =
        ui_.ask(format("%s was changed by another program, and this list has changes not saved.\n\n"
                       "Show the file as it is now? Undo brings your changes back.\n"
                       "No keeps your changes; Save then overwrites the file.",
                       name.c_str()),
                Buttons::YesNo, Icon::Question);
    asking_ = false;
    if (answer == Answer::Yes) {
        reload();
    } else {
        // The user has chosen: Save writes over the other program's change without asking again.
        remember();
    }
    return false;
}

bool ListFileWatch::reload() {
    return list_.loaded() && list_.reload();
}

SaveRoute ListFileWatch::beforeSave() {
    switch (check()) {
        case FileChange::None:
            return SaveRoute::Write;
        case FileChange::Removed:
            return SaveRoute::SaveAs;
        case FileChange::Changed:
            break;
    }
    const Answer answer = ui_.ask(format("%s was changed by another program after it was read.\n"
                                         "Overwrite it with this list?",
                                         fileName(list_.path()).c_str()),
                                  Buttons::YesNo, Icon::Exclamation);
    return answer == Answer::Yes ? SaveRoute::Write : SaveRoute::Cancel;
}

}  // namespace sky
