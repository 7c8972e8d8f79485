#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/RuntimeSettings.h"
#include "common/UserInterface.h"
#include "editor/model/EditorModel.h"
#include "listdb/ListFile.h"

namespace sky {

// How the list changed.
enum class ListChange {
    Edited,    // in place: an edit, an undo, a redo
    Replaced,  // the whole list, by its file's (open, reload, save as)
};

// What a view of a list document hears from it.
class IListObserver {
public:
    virtual ~IListObserver() = default;

    // The detail rows are about to be rebuilt: a view that reads them stops reading.
    virtual void listAboutToChange() {}
    // The list has changed: show it anew.
    virtual void listChanged(ListChange change) = 0;
    // The list now equals its file (open, save, save as).
    virtual void listSaved() {}
};

// What a list is opened for: editing, where a list that must be saved again straight after
// loading is, or reading only (an export, a command that looks at a list), where the file is
// never written.
enum class OpenFor { Editing, Reading };

// The open channel list as a document: the list being edited (tokens, detail rows, undo history,
// modified flag, from EditorModel) bound to its text file through its database, with the views
// that show it as observers.
//
// It opens a file into the list (only a file that loads replaces the list shown), saves it, saves
// it under a new name, asks about unsaved edits before the list is closed or replaced, and after
// every change renumbers when asked, rebuilds the detail rows and tells its observers. An edit
// follows the pattern of EditorModel: recordUndo(label), change tokens(), markModified()
// when it changed something, then changed().
class ListDocument : public EditorModel {
public:
    ListDocument(IUserInterface& ui, const RuntimeSettings& runtime);

    void addObserver(IListObserver& observer);
    void removeObserver(IListObserver& observer);

    // A list is open (the views' commands work only then).
    bool loaded() const { return loaded_; }
    // While a transfer uses the list's files and the port, the list may be looked at, not
    // changed: the views refuse every edit, key and drag.
    void setLocked(bool locked) { locked_ = locked; }
    bool locked() const { return locked_; }
    // The database of the open list; null while none is open.
    ListFile* database() { return db_.get(); }
    const ListFile* database() const { return db_.get(); }
    // The file of the list shown, and the one shown before it.
    const std::string& path() const;
    const std::string& previousPath() const { return previousPath_; }

    // Open: checks and reads the file into a list of its own; when it loads, it replaces the list
    // shown, empties the undo history and counts as saved (a list that must be saved again
    // straight after loading is, unless it is opened for reading only); its numbers stay as the
    // file gives them. A file that does not load leaves everything as it was. Returns whether the
    // file was loaded.
    bool open(const std::string& path, OpenFor purpose = OpenFor::Editing);
    // Reads the list's own file again, as one step of Undo ("Reload").
    bool reload();
    // Save: writes the list to its file; "ERROR!!! Saving not Complete" when that fails, and the
    // list then stays unsaved. Returns whether it was written.
    bool save();
    // Save As: writes the list to a new file and binds it to that file, read back as it was
    // written, with no undo entries. When the write fails, the list stays bound to its file.
    bool saveAs(const std::string& path);
    // The list is about to be closed or replaced: unsaved edits are offered for saving (Yes, No,
    // Cancel). Returns whether the caller may go on: false on Cancel and when the save failed,
    // with the list and its modified state kept.
    bool offerSaving();

    // A list made in memory rather than read from a file takes the list's place: it counts as
    // open and as saved, and the views show it renumbered.
    void adopt(TokenArray tokens);
    // The list now equals its file: no undo entries, not modified; the observers hear of it.
    void markSaved();
    // Counts the changes of the list (edits, undo, redo, open): a plan made on the list holds
    // while this is the same.
    std::uint64_t revision() const { return revision_; }

    // After a change: renumbers the channel groups the change touched when asked (see
    // EditorModel::renumber()), rebuilds the detail rows and tells the observers.
    void changed(bool renumbering);
    // Takes back the newest undo entry, or puts back what the last undo took back; false when
    // there is none.
    bool undo();
    bool redo();

private:
    // Reads the database's file; on success, `opening` empties the undo history first.
    bool load(bool opening, OpenFor purpose = OpenFor::Editing);
    // Renumbers when asked, rebuilds the detail rows and tells the observers.
    void update(bool renumbering, ListChange change);

    const RuntimeSettings& runtime_;
    std::unique_ptr<ListFile> db_;
    bool loaded_ = false;
    bool locked_ = false;
    std::uint64_t revision_ = 0;
    std::string previousPath_;
    std::vector<IListObserver*> observers_;
};

}  // namespace sky
