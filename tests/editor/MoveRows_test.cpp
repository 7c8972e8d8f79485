// Move to Number and the one-place and edge moves of the selected rows.

#include <gtest/gtest.h>

#include <deque>

#include "editor/ViewFixture.h"

namespace sky::test {
namespace {

// Answers the number questions from a script (Cancel when it is empty) and keeps them.
class PromptDouble : public INumberPrompt {
public:
    std::optional<long long> askNumber(const NumberQuestion& question) override {
        questions.push_back(question);
        if (answers.empty()) return std::nullopt;
        const long long answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::deque<long long> answers;
    std::vector<NumberQuestion> questions;
};

class MoveTest : public ViewTest {
protected:
    MoveTest() {
        view.setNumberPrompt(&prompt);
        show(sampleList(8, 3, 4));
    }
    std::string numbers() const {
        std::string text;
        for (const std::string& number : list.column(kDigNumber)) text += number + " ";
        return text;
    }
    PromptDouble prompt;
};

TEST_F(MoveTest, MoveToNumberGathersAnySelectionAtTheNumberWithinItsSection) {
    list.select({1, 4, 6});
    const auto range = view.moveToNumberRange();
    ASSERT_TRUE(range);
    EXPECT_EQ(range->first, 1);
    EXPECT_EQ(range->last, 6);
    EXPECT_EQ(view.moveSelectionToNumber(3), MoveResult::Moved);
    EXPECT_EQ(shownNames(),
              (Names{"D1", "D3", "D2", "D5", "D7", "D4", "D6", "D8", "P1", "P2", "P3"}));
    EXPECT_EQ(numbers(), "1 2 3 4 5 6 7 8 9 10 11 ");
    EXPECT_EQ(list.selection, (std::set<int>{2, 3, 4}));
    EXPECT_EQ(undoText(), "Undo (1 - Group Move)");

    // Both ends of the range.
    EXPECT_EQ(view.moveSelectionToNumber(6), MoveResult::Moved);
    EXPECT_EQ(shownNames(),
              (Names{"D1", "D3", "D4", "D6", "D8", "D2", "D5", "D7", "P1", "P2", "P3"}));
    list.select({0, 1});
    EXPECT_EQ(view.moveSelectionToNumber(1), MoveResult::Unchanged);
    list.select({8, 10});
    EXPECT_EQ(view.moveToNumberRange()->first, 9);
    EXPECT_EQ(view.moveSelectionToNumber(10), MoveResult::Moved);
    EXPECT_EQ(shownNames(),
              (Names{"D1", "D3", "D4", "D6", "D8", "D2", "D5", "D7", "P2", "P1", "P3"}));

    // Out of range, in the other section, or a selection of both: refused, nothing recorded.
    const TokenArray before = view.model().tokens();
    const std::string undo = undoText();
    list.select({0, 1, 2});
    EXPECT_EQ(view.moveSelectionToNumber(7), MoveResult::OutOfRange);
    EXPECT_EQ(view.moveSelectionToNumber(0), MoveResult::OutOfRange);
    EXPECT_EQ(view.moveSelectionToNumber(40), MoveResult::OutOfRange);
    EXPECT_EQ(ui.messages.back(), "CANCELED : The number must be from 1 to 6!!!");
    EXPECT_EQ(view.moveSelectionToNumber(9), MoveResult::CrossesSections);
    list.select({7, 8});
    EXPECT_FALSE(view.moveToNumberRange());
    EXPECT_EQ(view.moveSelectionToNumber(1), MoveResult::CrossesSections);
    EXPECT_EQ(ui.messages.size(), 5u);
    EXPECT_EQ(view.model().tokens(), before);
    EXPECT_EQ(undoText(), undo);
}

TEST_F(MoveTest, TheCommandAsksForTheNumberWithTheRangeOfTheSelection) {
    view.run(Command::AnalogChannel);
    list.select({2, 3});
    prompt.answers = {1};
    view.run(Command::MoveToNumber);
    ASSERT_EQ(prompt.questions.size(), 1u);
    EXPECT_EQ(prompt.questions[0].first, 1);
    EXPECT_EQ(prompt.questions[0].last, 3);
    EXPECT_EQ(prompt.questions[0].initial, 3);
    EXPECT_EQ(prompt.questions[0].prompt, "Move Selected Channel(s) to Number (1 - 3)");
    EXPECT_EQ(shownNames(), (Names{"A3", "A4", "A1", "A2"}));

    // Cancelled, nothing moves; without a selection nothing is asked.
    view.run(Command::MoveToNumber);
    list.select({});
    view.run(Command::MoveToNumber);
    EXPECT_EQ(prompt.questions.size(), 2u);
    EXPECT_EQ(undoText(), "Undo (1 - Group Move)");
}

TEST_F(MoveTest, OnePlaceAndEdgeMovesStayInTheSectionAndKeepTheSelection) {
    list.select({0, 2, 3});
    view.run(Command::MoveUp);
    // The run at the top stays; the other moves past its neighbour.
    EXPECT_EQ(shownNames(),
              (Names{"D1", "D3", "D4", "D2", "D5", "D6", "D7", "D8", "P1", "P2", "P3"}));
    EXPECT_EQ(list.selection, (std::set<int>{0, 1, 2}));
    // At the top, Ctrl+Up does nothing and records nothing.
    view.run(Command::MoveUp);
    EXPECT_EQ(undoText(), "Undo (1 - Group Move)");

    view.run(Command::MoveDown);
    EXPECT_EQ(list.selection, (std::set<int>{1, 2, 3}));
    view.run(Command::MoveToBottom);
    EXPECT_EQ(shownNames(),
              (Names{"D2", "D5", "D6", "D7", "D8", "D1", "D3", "D4", "P1", "P2", "P3"}));
    EXPECT_EQ(list.selection, (std::set<int>{5, 6, 7}));
    view.run(Command::MoveDown);
    list.select({9});
    view.run(Command::MoveToTop);
    EXPECT_EQ(shownNames()[8], "P2");
    EXPECT_EQ(undoText(), "Undo (4 - Group Move)");
    view.run(Command::Undo);
    view.run(Command::Undo);
    view.run(Command::Undo);
    view.run(Command::Undo);
    EXPECT_EQ(view.model().tokens(), sampleList(8, 3, 4).tokens());

    list.select({7, 8});
    view.run(Command::MoveDown);
    EXPECT_EQ(ui.messages.size(), 1u);
}

TEST_F(MoveTest, MovesWaitForEditingInAChannelViewOfAnUnlockedList) {
    EXPECT_TRUE(view.commandState(Command::MoveUp).enabled);
    list.select({1});
    document.setLocked(true);
    EXPECT_FALSE(view.commandState(Command::MoveToNumber).enabled);
    EXPECT_EQ(view.moveSelectionToNumber(1), MoveResult::Unchanged);
    document.setLocked(false);
    view.run(Command::ToggleEdit);
    EXPECT_FALSE(view.commandState(Command::MoveToTop).enabled);
    EXPECT_FALSE(view.moveToNumberRange());
    view.run(Command::ToggleEdit);
    view.run(Command::SatelliteList);
    EXPECT_FALSE(view.commandState(Command::MoveDown).enabled);
    EXPECT_EQ(undoText(), "Undo Disable");
}

}  // namespace
}  // namespace sky::test
