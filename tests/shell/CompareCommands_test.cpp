// Compare with List and Compare with Receiver over a real list document: the other list is read
// beside the open one, which stays as it was; the receiver's list, once fetched, adds its
// difference to the question before Compile + Download sends.

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <utility>

#include "DocFixture.h"
#include "db/RecordLayout.h"
#include "editor/document/ListEdit.h"
#include "editor/model/SectionMap.h"
#include "support/StbSim.h"

namespace sky::test {
namespace {

const char* const kQuestion =
    "Really You Want to download?\r\nAfter choose YES,you must Satellite Receiver's Power "
    "Off,and ON for downloading";

class CompareCommandsTest : public DocFixture {
protected:
    // The list's file with its first channel renamed, under another name.
    std::string renamedCopy() {
        std::string text = readFile(path);
        text.replace(text.find("\"Das Erste\""), 11, "\"Das Zweite\"");
        const std::string other = dir.file("other.txt");
        writeFile(other, text);
        return other;
    }
    void expectOpenListKept(const std::string& before) {
        EXPECT_EQ(doc.currentPath(), path);
        EXPECT_EQ(digitalName(0), "Das Erste");
        EXPECT_FALSE(unsaved());
        EXPECT_EQ(readFile(path), before);
    }
};

TEST_F(CompareCommandsTest, CompareWithListReadsTheOtherListBesideTheOpenOne) {
    EXPECT_FALSE(router.state(Command::CompareWithList).enabled);
    ASSERT_TRUE(doc.openFile(path));
    const std::string before = readFile(path);
    window.answers = {renamedCopy()};
    ASSERT_TRUE(doc.onCompareWithList());
    EXPECT_EQ(window.dialogs.back(), "open Skylister - Compare with List");
    ASSERT_EQ(window.comparisons.size(), 1u);
    const OpenComparison& shown = *window.comparisons.back();
    EXPECT_EQ(shown.otherName, "other.txt");
    EXPECT_EQ(shown.result.section(CompareSection::Digital).count(DifferenceKind::Changed), 1u);
    EXPECT_EQ(differenceSummary(shown.result), "1 channel differs.");
    expectOpenListKept(before);

    // A list that does not load gets Open's message and no comparison; Cancel does nothing.
    const std::string broken = dir.file("broken.txt");
    writeFile(broken, "[SATELLITE_NAME_LIST]\r\nnot a list\r\n");
    window.answers = {broken, std::nullopt};
    EXPECT_FALSE(doc.onCompareWithList());
    EXPECT_FALSE(ui.messages.empty());
    EXPECT_FALSE(doc.onCompareWithList());
    EXPECT_EQ(window.comparisons.size(), 1u);
    expectOpenListKept(before);
}

TEST_F(CompareCommandsTest, AnEditWhileTheOtherListsMessagesShowIsCompared) {
    // The open list's rows are read while the other list loads; an edit made while that list's
    // warnings show (it has no channel sections) is in the comparison all the same.
    ASSERT_TRUE(doc.openFile(path));
    const std::string text = readFile(path);
    const std::string satellitesOnly = dir.file("satellites.txt");
    writeFile(satellitesOnly, text.substr(0, text.find("[DIGITAL TP]")) + "[END]\r\n");
    bool edited = false;
    ui.onMessage = [&](const std::string&) {
        if (std::exchange(edited, true)) return;
        doc.list().edit(
            "Delete Satellite",
            [](ListEdit& list) {
                TokenArray& tokens = list.tokens();
                const auto first =
                    tokens.begin() +
                    static_cast<std::ptrdiff_t>(locateSections(tokens)[kSatelliteSection].begin);
                tokens.erase(first, first + kSatelliteFields);
                return true;
            },
            Renumber::No);
    };
    window.answers = {satellitesOnly};
    ASSERT_TRUE(router.run(Command::CompareWithList));
    ASSERT_TRUE(edited);
    ASSERT_EQ(window.comparisons.size(), 1u);
    const OpenComparison& shown = *window.comparisons.back();
    const ListComparison now = compareLists(doc.list().tokens(), shown.other);
    for (const CompareSection section : kCompareSections) {
        EXPECT_EQ(shown.result.section(section).counts, now.section(section).counts);
    }
    EXPECT_EQ(now.section(CompareSection::Satellite).count(DifferenceKind::OnlyInB), 1u);
}

TEST_F(CompareCommandsTest, TheReceiversListIsComparedAndNamedInTheDownloadQuestion) {
    ASSERT_TRUE(doc.openFile(path));
    // Before the receiver's list is fetched, the question is the usual one.
    ui.answer({Answer::No});
    EXPECT_FALSE(doc.onCompileDownload());
    ASSERT_EQ(ui.questions.size(), 1u);
    EXPECT_EQ(ui.questions.back().text, kQuestion);
    const std::string before = readFile(path);

    StbSim sim({"--dump", renamedCopy()});
    runtime.portDevices[0] = sim.device();
    ASSERT_TRUE(doc.onCompareWithReceiver());
    ASSERT_EQ(window.comparisons.size(), 1u);
    EXPECT_EQ(window.comparisons.back()->otherName, "the receiver's list");
    EXPECT_EQ(differenceSummary(window.comparisons.back()->result), "1 channel differs.");
    EXPECT_TRUE(doc.receiverList().has_value());
    expectOpenListKept(before);

    ui.answer({Answer::No});
    EXPECT_FALSE(doc.onCompileDownload());
    ASSERT_EQ(ui.questions.size(), 2u);
    EXPECT_EQ(ui.questions.back().text,
              std::string(kQuestion) +
                  "\r\nCompared with the receiver's list fetched earlier: 1 channel differs.");
    EXPECT_EQ(ui.questions.back().buttons, Buttons::YesNo);
}

}  // namespace
}  // namespace sky::test
