#include <gtest/gtest.h>

#include "editor/ListFixture.h"
#include "editor/editing/ChannelClipboard.h"

namespace sky {
namespace {

// The name cell of every row of a detail view, read straight from the token array.
std::vector<std::string> names(const TokenArray& tokens, bool digitalView) {
    const SectionMap sections = locateSections(tokens);
    std::vector<std::string> result;
    for (std::size_t row = 0;; ++row) {
        const auto record = recordOfRow(sections, digitalView, row);
        if (!record) break;
        const int nameCell = record->kind == RecordKind::Digital ? 5 : 4;
        result.push_back(tokens[record->cell + nameCell]);
    }
    return result;
}

using Names = std::vector<std::string>;

TEST(DeleteRows, RemovesExactlyTheSelectedRecordsOfEitherKind) {
    TokenArray tokens = test::sampleList(6, 3, 4).tokens();
    ASSERT_TRUE(deleteRows(tokens, true, {3, 5, 7}));
    EXPECT_EQ(names(tokens, true), (Names{"D1", "D2", "D3", "D5", "P1", "P3"}));

    ASSERT_TRUE(deleteRows(tokens, false, {0, 3, 9}));
    EXPECT_EQ(names(tokens, false), (Names{"A2", "A3"}));
    EXPECT_FALSE(deleteRows(tokens, false, {5}));
}

TEST(InsertNullRows, AddsOneBlockBelowTheFirstRowCopyingItsTransponderSatelliteAndType) {
    TokenArray tokens = test::sampleList(6, 3, 4).tokens();
    ASSERT_TRUE(insertNullRows(tokens, true, 1, 3));
    EXPECT_EQ(names(tokens, true),
              (Names{"D1", "D2", "_", "_", "_", "D3", "D4", "D5", "D6", "P1", "P2", "P3"}));
    const SectionMap s = locateSections(tokens);
    const std::size_t cell = recordOfRow(s, true, 4)->cell;
    EXPECT_EQ(test::Record(tokens.begin() + cell, tokens.begin() + cell + 8),
              (test::Record{"1", "2", "1", "0000", "RADIO", "_", "1", "Y"}));

    ASSERT_TRUE(insertNullRows(tokens, true, 10, 1));
    const std::size_t pid = recordOfRow(locateSections(tokens), true, 11)->cell;
    EXPECT_EQ(test::Record(tokens.begin() + pid, tokens.begin() + pid + 10),
              (test::Record{"1", "2", "1", "TV", "_", "   0", "   0", "   0", "1", "Y"}));

    ASSERT_TRUE(insertNullRows(tokens, false, 1, 1));
    const std::size_t ana = recordOfRow(locateSections(tokens), false, 2)->cell;
    EXPECT_EQ(test::Record(tokens.begin() + ana, tokens.begin() + ana + 18),
              (test::Record{"1", "1", "0000", "C", "_", "27MHz", "H", "1", "5", "CVBS", "STEREO",
                            "0000", "0000", "130", "Y", "U50", "RADIO", "Y"}));
}

TEST(CutAndPaste, PartsFollowTheKindAndAPasteConsumesItsPart) {
    TokenArray tokens = test::sampleList(6, 3, 4).tokens();
    ChannelClipboard clipboard;
    ASSERT_TRUE(cutRows(tokens, true, {1, 2, 7}, clipboard));
    EXPECT_EQ(clipboard.records(RecordKind::Digital), 2u);
    EXPECT_EQ(clipboard.records(RecordKind::Pid), 1u);
    EXPECT_EQ(names(tokens, true), (Names{"D1", "D4", "D5", "D6", "P1", "P3"}));

    // A digital-channel row takes only the digital channels, in the order they were cut.
    ASSERT_TRUE(pasteRows(tokens, true, 3, clipboard));
    EXPECT_EQ(names(tokens, true), (Names{"D1", "D4", "D5", "D2", "D3", "D6", "P1", "P3"}));
    EXPECT_TRUE(clipboard.empty(RecordKind::Digital));
    EXPECT_FALSE(pasteRows(tokens, true, 0, clipboard));

    ASSERT_TRUE(pasteRows(tokens, true, 6, clipboard));
    EXPECT_EQ(names(tokens, true), (Names{"D1", "D4", "D5", "D2", "D3", "D6", "P2", "P1", "P3"}));

    // A new cut empties every part first.
    ASSERT_TRUE(cutRows(tokens, false, {0}, clipboard));
    EXPECT_TRUE(clipboard.empty(RecordKind::Pid));
    EXPECT_EQ(clipboard.records(RecordKind::Analog), 1u);
}

TEST(MoveRows, BlocksLandAboveTheDropRowGoingDownAndAtItGoingUp) {
    TokenArray tokens = test::sampleList(9, 0, 0).tokens();
    EXPECT_EQ(moveRows(tokens, true, 1, 3, 7), MoveResult::Moved);
    EXPECT_EQ(names(tokens, true), (Names{"D1", "D5", "D6", "D7", "D2", "D3", "D4", "D8", "D9"}));

    EXPECT_EQ(moveRows(tokens, true, 4, 6, 0), MoveResult::Moved);
    EXPECT_EQ(names(tokens, true), (Names{"D2", "D3", "D4", "D1", "D5", "D6", "D7", "D8", "D9"}));

    // One row down ends just above the drop row; one row up takes the drop row's place.
    EXPECT_EQ(moveRows(tokens, true, 0, 0, 2), MoveResult::Moved);
    EXPECT_EQ(names(tokens, true), (Names{"D3", "D2", "D4", "D1", "D5", "D6", "D7", "D8", "D9"}));
    EXPECT_EQ(moveRows(tokens, true, 8, 8, 0), MoveResult::Moved);
    EXPECT_EQ(names(tokens, true).front(), "D9");

    const TokenArray before = tokens;
    EXPECT_EQ(moveRows(tokens, true, 2, 4, 3), MoveResult::Unchanged);
    EXPECT_EQ(moveRows(tokens, true, 2, 4, 5), MoveResult::Unchanged);
    EXPECT_EQ(moveRows(tokens, true, 2, 4, 40), MoveResult::Unchanged);
    EXPECT_EQ(tokens, before);
}

TEST(MoveRows, DigitalAndPidChannelsNeverMix) {
    TokenArray tokens = test::sampleList(4, 3, 0).tokens();
    const TokenArray before = tokens;
    EXPECT_EQ(moveRows(tokens, true, 1, 1, 5), MoveResult::CrossesSections);
    EXPECT_EQ(moveRows(tokens, true, 2, 4, 0), MoveResult::CrossesSections);
    EXPECT_EQ(moveRows(tokens, true, 2, 3, 6), MoveResult::CrossesSections);
    EXPECT_EQ(tokens, before);
    EXPECT_EQ(moveRows(tokens, true, 6, 6, 4), MoveResult::Moved);
    EXPECT_EQ(names(tokens, true), (Names{"D1", "D2", "D3", "D4", "P3", "P1", "P2"}));
}

}  // namespace
}  // namespace sky
