// Long runs of random editing through the view: keys, drags, undo, sorts and the block
// arrangement on random selections, with random answers to every question. After each step the
// list must still save into a file that loads back to the same list.

#include <gtest/gtest.h>

#include <random>

#include "editor/ViewFixture.h"
#include "support/TempDir.h"

namespace sky::test {
namespace {

class RandomEditingTest : public ViewTest {
protected:
    void SetUp() override {
        list.perPage = 1000;
        host.db.path = dir.file("list.txt");
        writeFile(host.db.path, readFile(exampleFile("channels.txt")));
        view.onReload();
        ASSERT_FALSE(view.model().tokens().empty());
    }

    // The list as it stands saves, and the saved file loads back to it.
    void expectSavesAndLoadsBack(const std::string& step) {
        RecordingUi quiet;
        CListDB db(host.settings, quiet, dir.file("check.txt"));
        ASSERT_EQ(db.SaveText(view.model().tokens()), 1) << step;
        TokenArray loaded;
        ASSERT_EQ(db.LoadChannelList(loaded), 1)
            << step << ": " << (quiet.messages.empty() ? "" : quiet.messages.front());
        ASSERT_EQ(loaded, view.model().tokens()) << step;
    }

    TempDir dir;
};

TEST_F(RandomEditingTest, EveryStepLeavesAListThatSavesAndLoadsBack) {
    std::mt19937 random(1207);
    const auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    const ViewCommand sorts[] = {ViewCommand::SortChannelName,      ViewCommand::SortFrequency,
                                 ViewCommand::SortBouquet,          ViewCommand::SortNameOnly,
                                 ViewCommand::ToggleAscendingNames, ViewCommand::ArrangeBlocks,
                                 ViewCommand::RevertArrangement};
    for (int step = 0; step < 400; ++step) {
        const int rows = list.itemCount();
        list.selection.clear();
        if (rows > 0) {
            const int first = pick(rows);
            for (int row = first; row < std::min(rows, first + 1 + pick(3)); ++row) {
                list.selection.insert(row);
            }
        }
        for (int i = 0; i < 4; ++i) {
            ui.answer({pick(3) == 0 ? Answer::No : (pick(5) == 0 ? Answer::Cancel : Answer::Yes)});
        }
        std::string action;
        switch (pick(9)) {
            case 0:
                action = "delete";
                view.onKey(ViewKey::Delete);
                break;
            case 1:
                action = "insert null";
                view.onKey(ViewKey::Insert);
                break;
            case 2:
                action = "cut";
                view.onKey(ViewKey::F3);
                break;
            case 3:
                action = "paste";
                view.onKey(ViewKey::F4);
                break;
            case 4:
                if (rows == 0) break;
                action = "drag";
                view.onLeftButtonDown(list.pointOfRow(*list.selection.begin()));
                view.onBeginDrag();
                view.onLeftButtonUp(list.pointOfRow(pick(rows)));
                break;
            case 5:
                action = "undo";
                view.run(ViewCommand::Undo);
                break;
            case 6:
                action = "sort";
                view.run(sorts[pick(std::size(sorts))]);
                break;
            case 7:
                action = "switch view";
                view.run(ViewCommand::ToggleDigitalAnalog);
                break;
            default:
                action = "undo twice";
                view.run(ViewCommand::Undo);
                view.run(ViewCommand::Undo);
        }
        ui.scriptedAnswers.clear();
        expectSavesAndLoadsBack(std::to_string(step) + " " + action);
        if (HasFatalFailure()) return;
    }
}

}  // namespace
}  // namespace sky::test
