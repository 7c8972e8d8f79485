// File > Import Channels without a window: the file chosen, the preview the dialog is given and
// changes, the import as one step of Undo, and refusals that leave the list as it was.

#include "shell/commands/ImportChannelsCommand.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "DocFixture.h"
#include "editor/ListFixture.h"

namespace sky::test {
namespace {

// Two new services on ASTRA 1 (19.2E), the second DVB-S2; one cable service.
const char* const kChannels =
    ":Neu\n"
    "Eins Extra;ARD:12110:hC34M2S0:S19.2E:27500:101=2:102=deu:104:0:28721:1:1101:0\n"
    "Zwei HD;ZDF:12120:vC23M5O35S1:S19.2E:27500:6110=27:6120:0:0:11110:1:1011:0\n"
    "Kabel:346000:M64:C:6900:101:102:0:0:1:1:1:0\n";

class ImportChannelsCommandTest : public DocFixture {
protected:
    void SetUp() override {
        ASSERT_TRUE(doc.openFile(path));
        writeFile(file, kChannels);
        window.answers = {file};
    }
    std::size_t import() { return runImportChannels(doc.list(), window, dir.path().string()); }

    std::string file = dir.file("channels.conf");
};

TEST_F(ImportChannelsCommandTest, PreviewImportOnceAndUndo) {
    const TokenArray before = doc.list().tokens();
    const std::size_t rows = digitalRows();
    window.channelImport = [](ChannelImportSession& session) {
        const ChannelImportPreview& p = session.preview();
        EXPECT_EQ(p.file.format, ChannelFormat::Vdr);
        EXPECT_EQ(p.rows.size(), 3u);
        EXPECT_TRUE(p.rows[0].ticked);
        EXPECT_EQ(p.rows[1].status, ChannelImportStatus::DvbS2);
        EXPECT_EQ(p.rows[2].status, ChannelImportStatus::NotSatellite);
        EXPECT_EQ(session.counts().channels, 1u);
        // The user ticks the DVB-S2 row and names the first; both outlive a new preview with
        // PID channels asked for.
        EXPECT_TRUE(session.tick(1, true));
        EXPECT_FALSE(session.tick(2, true));
        session.rename(0, "Eins");
        ChannelImportOptions options = session.options();
        options.pidChannels = true;
        session.chooseOptions(options);
        EXPECT_TRUE(session.preview().rows[1].ticked);
        EXPECT_EQ(session.preview().rows[0].name, "Eins");
        EXPECT_EQ(session.counts().channels, 2u);
        EXPECT_TRUE(session.canImport());
        return true;
    };
    EXPECT_EQ(import(), 2u);
    EXPECT_EQ(window.dialogs, std::vector<std::string>{"open Import Channels"});
    EXPECT_EQ(window.waits, 0);
    EXPECT_EQ(digitalRows(), rows + 2);
    std::vector<std::string> names;
    for (std::size_t row = 0; row < digitalRows(); ++row) names.push_back(digitalName(row));
    EXPECT_EQ(std::count(names.begin(), names.end(), "Eins"), 1);
    EXPECT_EQ(std::count(names.begin(), names.end(), "Zwei HD"), 1);
    EXPECT_EQ(undoText(), "Undo (1 - Import Channels)");
    EXPECT_TRUE(unsaved());

    // The same file again adds nothing: both are in the list now.
    window.answers = {file};
    window.channelImport = [](ChannelImportSession& session) {
        EXPECT_EQ(session.counts().channels, 0u);
        EXPECT_EQ(session.importBlocked(), "No row is ticked.");
        return true;
    };
    EXPECT_EQ(import(), 0u);
    ASSERT_TRUE(doc.list().undo());
    EXPECT_EQ(doc.list().tokens(), before);
}

TEST_F(ImportChannelsCommandTest, RefusalsLeaveTheList) {
    // Cancel in the file dialog or in the preview.
    window.answers = {std::nullopt};
    EXPECT_EQ(import(), 0u);
    window.answers = {file};
    EXPECT_EQ(import(), 0u);
    EXPECT_EQ(window.channelImports, 1);

    // A file of no known format is said without a preview.
    writeFile(file, "neither\nof the three\n");
    window.answers = {file};
    EXPECT_EQ(import(), 0u);
    EXPECT_EQ(window.channelImports, 1);
    ASSERT_FALSE(ui.messages.empty());
    EXPECT_NE(ui.messages.back().find("CANCELED : "), std::string::npos);

    // A list with room for no channel: Import stays blocked, and a window that imported anyway
    // would be refused with the counts.
    TestList full = validList();
    full.satellites = {satellite("0", "ASTRA", "192")};
    full.transponders = {transponder("7", "0", "11778", "ARD")};
    for (int i = 1; i <= static_cast<int>(kMaxChannelRows); ++i)
        full.channels.push_back(digital(std::to_string(i), "7", "0", "X"));
    doc.list().adopt(full.tokens());
    const TokenArray before = doc.list().tokens();
    writeFile(file, kChannels);
    window.answers = {file};
    std::string blocked;
    window.channelImport = [&](ChannelImportSession& session) {
        blocked = session.importBlocked();
        return true;
    };
    EXPECT_EQ(import(), 0u);
    EXPECT_NE(blocked.find("1 channels with room for 0"), std::string::npos) << blocked;
    EXPECT_EQ(ui.messages.back(), blocked);
    EXPECT_EQ(doc.list().tokens(), before);
}

}  // namespace
}  // namespace sky::test
