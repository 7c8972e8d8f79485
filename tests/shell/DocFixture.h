#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <utility>

#include "WindowDouble.h"
#include "editor/editing/ChannelClipboard.h"
#include "shell/DocumentCommands.h"
#include "shell/commands/CommandRouter.h"
#include "shell/commands/DocumentCommandBindings.h"
#include "support/RecordingUi.h"
#include "support/TempDir.h"

namespace sky::test {

// The document's commands over a real list document and database, without a view, with the window
// and the user interface as doubles and a copy of the example list in a fresh folder. The
// document's temporary directory is that folder unless another is given. The router has the
// document's commands bound.
class DocFixture : public ::testing::Test {
protected:
    explicit DocFixture(std::optional<std::string> temporaryDirectory = std::nullopt)
        : doc{ui, window, settings, runtime,
              temporaryDirectory ? std::move(*temporaryDirectory) : dir.path().string() + "/"} {
        writeFile(path, readFile(exampleFile("channels.txt")));
        // The copies of the lists sent and fetched go to the test's folder.
        ::setenv("XDG_STATE_HOME", dir.file("state").c_str(), 1);
        bindDocumentCommands(router, doc);
    }

    // An edit as the view makes it: the first digital channel deleted, with its undo entry.
    void deleteFirstRow() { editFirstRow("Delete Channel", deleteRows); }
    void insertNullAtFirstRow() {
        editFirstRow("Insert Null Channel", [](TokenArray& tokens, bool digital, auto rows) {
            return insertNullRows(tokens, digital, rows.front(), rows.size());
        });
    }
    template <typename Edit>
    void editFirstRow(const std::string& label, Edit edit) {
        doc.list().edit(
            label,
            [&](ListEdit& list) { return edit(list.tokens(), true, std::vector<std::size_t>{0}); },
            Renumber::Yes);
    }
    // The name in a row of the Digital Channel view, and the number of its rows.
    std::string digitalName(std::size_t row) const { return doc.list().digitalRows().cell(row, 5); }
    std::size_t digitalRows() const { return doc.list().digitalRows().rowCount(); }
    std::string undoText() const { return doc.list().undoHistory().menuItem().text; }
    bool unsaved() const { return doc.list().hasUnsavedChanges(); }

    TempDir dir;
    std::string path = dir.file("channels.txt");
    RecordingUi ui;
    WindowDouble window;
    MemorySettingsStore store;
    Settings settings{store};
    RuntimeSettings runtime;
    DocumentCommands doc;
    // The document's commands as the menus issue them.
    CommandRouter router{doc};
};

}  // namespace sky::test
