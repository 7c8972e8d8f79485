#include "editor/model/UndoHistory.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>

#include "editor/model/EditorModel.h"
#include "support/RecordingUi.h"

namespace sky {
namespace {

TEST(PackedTokens, KeepsEveryCellExactly) {
    const TokenArray tokens = {"", "A", std::string(40, 'x'), "two words", "", "\xff\x01"};
    const PackedTokens packed(tokens);
    TokenArray restored = {"old", "cells", "to", "be", "replaced", "entirely", "!"};
    packed.unpackInto(restored);
    EXPECT_EQ(restored, tokens);
    packed.unpackInto(restored);
    EXPECT_EQ(restored, tokens);
}

TEST(SpanChange, TurnsEitherListIntoTheOtherAfterRandomEdits) {
    std::mt19937 random(4711);
    const auto pick = [&](std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
    };
    for (int round = 0; round < 300; ++round) {
        TokenArray earlier;
        for (std::size_t i = pick(12); i > 0; --i) earlier.push_back(std::to_string(pick(4)));
        TokenArray later = earlier;
        for (std::size_t edits = pick(3); edits > 0; --edits) {
            const std::size_t at = pick(later.size() + 1);
            if (pick(2) == 0 || later.empty()) {
                later.insert(later.begin() + static_cast<std::ptrdiff_t>(at), "new");
            } else if (at < later.size()) {
                later.erase(later.begin() + static_cast<std::ptrdiff_t>(at));
            }
        }
        TokenArray tokens = later;
        const std::optional<SpanChange> back =
            SpanChange(PackedTokens(earlier), later).applyTo(tokens);
        ASSERT_TRUE(back);
        ASSERT_EQ(tokens, earlier);
        ASSERT_TRUE(back->applyTo(tokens));
        ASSERT_EQ(tokens, later);
    }
    // A list of another length is not the one the change was made for: it stays as it is.
    TokenArray other = {"a", "b"};
    EXPECT_FALSE(SpanChange(PackedTokens(TokenArray{"a"}), TokenArray{"b"}).applyTo(other));
    EXPECT_EQ(other, (TokenArray{"a", "b"}));
}

TEST(UndoHistory, StepsKeepOnlyTheCellsTheyChanged) {
    TokenArray tokens(100000, std::string(12, 'x'));
    UndoHistory history;
    history.setDepth(UndoHistory::kMaxDepth);
    bool modified = false;
    for (std::size_t i = 0; i < 200; ++i) {
        history.record("Setting channel", tokens, modified);
        tokens[i * 400] = "edited";
        modified = true;
    }
    const TokenArray edited = tokens;
    // One whole copy (the newest step's) and 199 spans of one cell.
    EXPECT_LT(history.bytes(), PackedTokens(tokens).bytes() + 199 * 1000);
    while (history.undo(tokens, modified)) {
    }
    EXPECT_EQ(tokens, TokenArray(100000, std::string(12, 'x')));
    EXPECT_FALSE(modified);
    while (history.redo(tokens, modified)) {
    }
    EXPECT_EQ(tokens, edited);
    EXPECT_LT(history.bytes(), 200 * 1000u);
}

TEST(UndoHistory, MenuNamesTheNewestEntryAndDiscardGoesBackOneStep) {
    UndoHistory history;
    EXPECT_EQ(history.menuItem().text, "Undo Disable");
    const TokenArray tokens = {"a"};
    history.record("Cut Channel", tokens, false);
    history.record("Paste Channel", tokens, false);
    EXPECT_EQ(history.menuItem().text, "Undo (2 - Paste Channel)");
    history.record("Setting channel", tokens, false);
    history.discardNewest();
    EXPECT_EQ(history.menuItem().text, "Undo (2 - Paste Channel)");
    history.discardNewest();
    history.discardNewest();
    EXPECT_FALSE(history.available());
    history.discardNewest();
    EXPECT_EQ(history.count(), 0);

    // Discarding an entry that pushed out the oldest of a full history brings the oldest back.
    for (const char* label : {"1", "2", "3", "4", "5"}) history.record(label, tokens, false);
    history.record("Group Move", tokens, false);
    history.discardNewest();
    EXPECT_EQ(history.count(), UndoHistory::kDepth);
    EXPECT_EQ(history.menuItem().text, "Undo (5 - 5)");
    for (int i = 0; i < UndoHistory::kDepth - 1; ++i) history.discardNewest();
    EXPECT_EQ(history.menuItem().text, "Undo (1 - 1)");
}

TEST(UndoHistory, ClearEmptiesTheEntriesAndTheMenu) {
    UndoHistory history;
    history.record("Delete Channel", {"a"}, false);
    history.clear();
    EXPECT_EQ(history.count(), 0);
    EXPECT_FALSE(history.available());
    EXPECT_EQ(history.menuItem().text, "Undo Disable");
}

TEST(UndoHistory, RedoNamesTheUndoneStepAndSurvivesOnlyChangesThatDidNotHappen) {
    UndoHistory history;
    TokenArray tokens = {"a"};
    bool modified = false;
    history.record("Cut Channel", tokens, modified);
    tokens = {"b"};
    modified = true;
    ASSERT_TRUE(history.undo(tokens, modified));
    EXPECT_EQ(history.redoMenuItem().text, "Redo (1 - Cut Channel)");
    EXPECT_EQ(history.menuItem().text, "Undo Disable");
    // A dialog left with Cancel recorded and discarded its entry: Redo still offers the step.
    history.record("Setting channel", tokens, modified);
    EXPECT_FALSE(history.redoAvailable());
    history.discardNewest();
    ASSERT_TRUE(history.redo(tokens, modified));
    EXPECT_EQ(tokens, TokenArray{"b"});
    EXPECT_TRUE(modified);
    EXPECT_EQ(history.redoMenuItem().text, "Redo Disable");
    EXPECT_FALSE(history.redo(tokens, modified));

    // A smaller depth drops the oldest steps; the depth stays within 5 to 200.
    history.setDepth(1000);
    EXPECT_EQ(history.depth(), UndoHistory::kMaxDepth);
    for (int i = 0; i < 20; ++i) history.record(std::to_string(i), tokens, modified);
    history.setDepth(0);
    EXPECT_EQ(history.count(), UndoHistory::kMinDepth);
    EXPECT_EQ(history.menuItem().text, "Undo (5 - 19)");
}

// Past the memory cap the oldest steps go, the status bar says so, and the steps kept still undo
// exactly.
TEST(EditorModel, MemoryCapDropsTheOldestStepsAndSaysSo) {
    test::RecordingUi ui;
    EditorModel model(ui);
    const auto listOfStep = [](int step) {
        return TokenArray(1000, std::string(20, static_cast<char>('a' + step)));
    };
    model.replaceTokens(listOfStep(0));
    model.undoHistory().setDepth(UndoHistory::kMaxDepth);
    constexpr std::size_t kCap = 100000;  // three or four steps of 1000 changed cells
    model.undoHistory().setMemoryCap(kCap);
    for (int step = 1; step <= 12; ++step) {
        model.recordUndo("Sort Channel");
        model.tokens() = listOfStep(step);
        EXPECT_EQ(ui.statusTexts.empty(), model.undoHistory().count() == step) << step;
    }
    EXPECT_LE(model.undoHistory().bytes(), kCap);
    ASSERT_FALSE(ui.statusTexts.empty());
    EXPECT_EQ(ui.statusTexts.back(), UndoHistory::kFullText);
    const int kept = model.undoHistory().count();
    EXPECT_GT(kept, 1);
    while (model.undo()) {
    }
    EXPECT_EQ(model.tokens(), listOfStep(12 - kept));
}

// Past the memory cap, a command that records its step and then changes nothing (discards the
// step) leaves the history as it was: the steps dropped to make room come back.
TEST(EditorModel, DiscardedStepPastTheMemoryCapKeepsEveryStep) {
    test::RecordingUi ui;
    EditorModel model(ui);
    const auto listOfStep = [](int step) {
        return TokenArray(1000, std::string(20, static_cast<char>('a' + step)));
    };
    model.replaceTokens(listOfStep(0));
    model.undoHistory().setDepth(UndoHistory::kMaxDepth);
    model.undoHistory().setMemoryCap(100000);
    for (int step = 1; step <= 6; ++step) {
        model.recordUndo("Delete Channel");
        model.tokens() = listOfStep(step);
        model.markModified();
    }
    const int kept = model.undoHistory().count();
    const std::string menu = model.undoHistory().menuItem().text;
    ui.statusTexts.clear();
    model.recordUndo("Remove Duplicates");
    ASSERT_FALSE(ui.statusTexts.empty());  // the step did push out older ones
    model.discardNewestUndo();
    EXPECT_EQ(model.undoHistory().count(), kept);
    EXPECT_EQ(model.undoHistory().menuItem().text, menu);
    while (model.undo()) {
    }
    EXPECT_EQ(model.tokens(), listOfStep(6 - kept));
}

TEST(EditorModel, UnsavedChangesFollowEditsUndoAndSave) {
    test::RecordingUi ui;
    EditorModel model(ui);
    model.replaceTokens({"a"});
    EXPECT_FALSE(model.hasUnsavedChanges());

    // A list marked modified counts, entries or not.
    model.markModified();
    model.tokens() = {"b"};
    EXPECT_TRUE(model.hasUnsavedChanges());
    model.markSaved();
    EXPECT_FALSE(model.hasUnsavedChanges());

    // Undoing back to the saved state leaves nothing unsaved; undoing an edit made on top of an
    // unrecorded one does not.
    model.recordUndo("Delete Channel");
    model.markModified();
    model.tokens() = {"c"};
    ASSERT_TRUE(model.undo());
    EXPECT_EQ(model.tokens(), TokenArray{"b"});
    EXPECT_FALSE(model.hasUnsavedChanges());

    model.markModified();
    model.recordUndo("Delete Channel");
    model.tokens() = {"d"};
    ASSERT_TRUE(model.undo());
    EXPECT_TRUE(model.hasUnsavedChanges());
}

}  // namespace
}  // namespace sky
