#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/RuntimeSettings.h"
#include "common/UserInterface.h"
#include "editor/document/ListEdit.h"
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

// Whether an edit gives the channels of the groups it changed their numbers anew.
enum class Renumber { No, Yes };

// The open channel list as a document: the list being edited (tokens, detail rows, undo history,
// modified flag, kept in an EditorModel of its own) bound to its text file through its database,
// with the views that show it as observers.
//
// It opens a file into the list (only a file that loads replaces the list shown), saves it, saves
// it under a new name, asks about unsaved edits before the list is closed or replaced, and after
// every change renumbers when asked, rebuilds the detail rows and tells its observers. The list
// changes only inside edit(), which records the undo step of every change, so the history holds
// every change by construction; callers read the list through the const accessors.
class ListDocument : private EditorModel {
public:
    ListDocument(IUserInterface& ui, const RuntimeSettings& runtime);

    // What callers read of the list (see EditorModel).
    using EditorModel::analogRows;
    using EditorModel::digitalRows;
    using EditorModel::hasUnsavedChanges;
    using EditorModel::modified;
    using EditorModel::recordOfRow;
    using EditorModel::sections;
    using EditorModel::ui;
    using EditorModel::undoHistory;
    const TokenArray& tokens() const { return EditorModel::tokens(); }
    // A list received from the receiver is unsaved work until it is saved under a name.
    using EditorModel::markModified;

    // One change of the list as one undo step under `label`. Refused, with nothing recorded,
    // while the list may not be changed (see editable()). Otherwise the step is recorded and
    // `change` runs; it says whether it changed the list. When it did not (nothing to do, or it
    // refused), the step is dropped again as if never recorded and nobody hears of it; when it
    // did, the list is marked modified, renumbered when asked, its detail rows rebuilt and the
    // observers told. Returns whether the list changed.
    using Change = std::function<bool(ListEdit&)>;
    bool edit(const std::string& label, const Change& change, Renumber renumber);
    // A list is open and no transfer holds it: edit() would run a change.
    bool editable() const { return loaded_ && !locked_; }

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
    // open and as saved, and the views show it renumbered unless told otherwise.
    void adopt(TokenArray tokens, Renumber renumber = Renumber::Yes);
    // The list now equals its file: no undo entries, not modified; the observers hear of it.
    void markSaved();
    // Counts the changes of the list (edits, undo, redo, open): a plan made on the list holds
    // while this is the same.
    std::uint64_t revision() const { return revision_; }

    // Shows the list anew without a change: rebuilds the detail rows and tells the observers,
    // renumbering the groups the newest step touched when asked.
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
