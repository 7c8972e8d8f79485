#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>

#include "WindowDouble.h"
#include "editor/view/SkylistListView.h"
#include "shell/SkylisterDoc.h"
#include "support/ListControlDouble.h"
#include "support/RecordingUi.h"
#include "support/TempDir.h"

namespace sky::test {

// A document over a real list view and database, with the window and the user interface as
// doubles and a copy of the example list in a fresh folder. The document's temporary directory is
// that folder unless another is given.
class DocFixture : public ::testing::Test {
protected:
    explicit DocFixture(std::optional<std::string> temporaryDirectory = std::nullopt)
        : doc{ui, window, settings, runtime,
              temporaryDirectory ? std::move(*temporaryDirectory) : dir.path().string() + "/"} {
        list.attach(view.shownList());
        doc.attachView(view);
        writeFile(path, readFile(exampleFile("channels.txt")));
    }

    void deleteFirstRow() {
        list.select({0});
        view.onKey(ViewKey::Delete);
    }

    TempDir dir;
    std::string path = dir.file("channels.txt");
    RecordingUi ui;
    WindowDouble window;
    MemorySettingsStore store;
    Settings settings{store};
    RuntimeSettings runtime;
    CSkylisterDoc doc;
    ListControlDouble list;
    CSkylistListView view{list, ui, doc};
};

}  // namespace sky::test
