#pragma once

// A list view wired to test doubles: a list widget double reading what the view shows, a recording
// user interface and a scripted channel editor, over a real list document.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "editor/ListFixture.h"
#include "editor/document/ListDocument.h"
#include "editor/view/ListView.h"
#include "support/ListControlDouble.h"
#include "support/RecordingUi.h"

namespace sky::test {

// Each call runs the step the test set for it and reports it.
class EditorDouble : public IChannelEditor {
public:
    bool adjustChannel(ListEdit& list, bool isDigital, std::size_t row) override {
        calls.push_back((isDigital ? "adjust digital " : "adjust analog ") + std::to_string(row));
        return adjust ? adjust(list, row) : false;
    }
    bool newChannel(ListDocument&, bool isDigital) override {
        calls.push_back(isDigital ? "new digital" : "new analog");
        return false;
    }
    bool editSatellite(ListEdit& list, std::size_t row) override {
        calls.push_back("satellite " + std::to_string(row));
        return satellite ? satellite(list, row) : false;
    }

    std::function<bool(ListEdit&, std::size_t)> adjust;
    std::function<bool(ListEdit&, std::size_t)> satellite;
    std::vector<std::string> calls;
};

class ViewTest : public ::testing::Test {
protected:
    ViewTest() { list.attach(view.shownList()); }

    void show(const TestList& shownList) { document.adopt(shownList.tokens()); }
    std::vector<std::string> shownNames() const { return list.column(view.digitalFlag() ? 5 : 4); }
    std::string undoText() { return view.commandState(Command::Undo).text; }

    RecordingUi ui;
    ListControlDouble list;
    RuntimeSettings settings;
    ListDocument document{ui, settings};
    ListView view{list, ui, document};
};

using Names = std::vector<std::string>;

}  // namespace sky::test
