#pragma once

// A list view wired to test doubles: a list widget double reading what the view shows, a recording
// user interface, a host with a real database, and a scripted channel editor.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "document/ListDB.h"
#include "editor/ListFixture.h"
#include "editor/view/SkylistListView.h"
#include "support/ListControlDouble.h"
#include "support/RecordingUi.h"

namespace sky::test {

class HostDouble : public IViewHost {
public:
    explicit HostDouble(IUserInterface& ui) : db(settings, ui) {}

    bool isLoaded() const override { return loaded; }
    CListDB* database() override { return &db; }
    void loadFailed() override { ++loadFailures; }
    void setTitle(const std::string& text) override { title = text; }
    std::string uploadFilePath() const override { return uploadPath; }

    RuntimeSettings settings;
    CListDB db;
    bool loaded = true;
    int loadFailures = 0;
    std::string title;
    std::string uploadPath = "/tmp/SATupload.txt";
};

// Each call runs the step the test set for it and reports it.
class EditorDouble : public IChannelEditor {
public:
    bool adjustChannel(EditorModel& model, bool isDigital, std::size_t row) override {
        calls.push_back((isDigital ? "adjust digital " : "adjust analog ") + std::to_string(row));
        return adjust ? adjust(model, row) : false;
    }
    bool newChannel(EditorModel& model, bool isDigital) override {
        calls.push_back(isDigital ? "new digital" : "new analog");
        return create ? create(model) : false;
    }
    bool editSatellite(EditorModel& model, std::size_t row) override {
        calls.push_back("satellite " + std::to_string(row));
        return satellite ? satellite(model, row) : false;
    }

    std::function<bool(EditorModel&, std::size_t)> adjust;
    std::function<bool(EditorModel&)> create;
    std::function<bool(EditorModel&, std::size_t)> satellite;
    std::vector<std::string> calls;
};

class ViewTest : public ::testing::Test {
protected:
    ViewTest() { list.attach(view.shownList()); }

    void show(const TestList& list) {
        view.model().replaceTokens(list.tokens());
        view.refresh(true);
    }
    std::vector<std::string> shownNames() const { return list.column(view.digitalFlag() ? 5 : 4); }
    std::string undoText() { return view.commandState(ViewCommand::Undo).text; }

    RecordingUi ui;
    ListControlDouble list;
    HostDouble host{ui};
    CSkylistListView view{list, ui, host};
};

using Names = std::vector<std::string>;

}  // namespace sky::test
