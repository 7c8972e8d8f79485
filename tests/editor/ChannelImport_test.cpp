// Import Channels: satellites by position or new, transponders reused by Import Transponders'
// rule, the ticks and reasons, names in the list's text, capacity and the one undo step; and, over
// generated lists, that an import passes the check and a second import of the same file adds
// nothing.

#include "editor/import/ChannelImport.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "db/Loader.h"
#include "db/RecordLayout.h"
#include "db/TextWriter.h"
#include "editor/ListFixture.h"
#include "editor/import/ImportName.h"
#include "editor/model/SectionMap.h"
#include "editor/scan/TransponderImport.h"
#include "support/RecordingUi.h"
#include "support/TempDir.h"

namespace sky::test {
namespace {

ChannelImportPreview preview(const TokenArray& tokens, const std::string& vdr,
                             ChannelImportOptions options = {}) {
    return previewChannelImport(tokens, readVdrChannels(vdr), options);
}

// "status [x] name type sat/D_TP : note" of each row; D_TP "+" for a new transponder.
std::vector<std::string> shown(const ChannelImportPreview& p) {
    std::vector<std::string> rows;
    for (const ChannelImportRow& row : p.rows) {
        std::string text =
            std::string(importStatusText(row.status)) + (row.ticked ? " [x] " : " [ ] ") + row.name;
        if (row.transponder) {
            const ChannelImportTransponder& tp = p.transponders[*row.transponder];
            text += (row.type.empty() ? "" : " " + row.type) + " " + std::to_string(tp.satellite) +
                    "/" + (tp.presentAs.empty() ? "+" : tp.presentAs);
        }
        rows.push_back(text + (row.note.empty() ? "" : " : " + row.note));
    }
    return rows;
}

std::vector<std::vector<std::string>> section(const TokenArray& tokens, SectionState state,
                                              std::size_t width) {
    std::vector<std::vector<std::string>> rows;
    const SectionSpan span = locateSections(tokens)[state];
    for (std::size_t cell = span.begin; cell + width <= span.end; cell += width)
        rows.emplace_back(tokens.begin() + static_cast<std::ptrdiff_t>(cell),
                          tokens.begin() + static_cast<std::ptrdiff_t>(cell + width));
    return rows;
}

TestList twoSatellites() {
    TestList list = validList();
    list.satellites = {satellite("0", "ASTRA", "192"), satellite("1", "HOTBIRD", "130"),
                       satellite("2", "SPARE", "0")};
    list.transponders = {transponder("7", "0", "11778", "ARD")};
    list.channels = {digital("1", "7", "0", "Das Erste")};  // SVC ID 00A1
    return list;
}

TEST(ChannelImport, RowsTheSatellitesLnbCannotReceiveAreWarnedAbout) {
    const ChannelImportPreview p = preview(twoSatellites().tokens(),
                                           "C:3840:hS0:S19.2E:27500:101:102:0:0:8:1:1:0\n"
                                           "N:3840:hS0:S45E:27500:101:102:0:0:9:1:1:0\n");
    const std::string warning =
        "the LNB cannot receive it: IF 5910 MHz, C-band frequency on a Ku-band LNB";
    ASSERT_EQ(p.rows.size(), 2u);
    EXPECT_EQ(p.rows[0].note, warning);  // ASTRA's universal LNB
    EXPECT_EQ(p.rows[1].note, warning);  // a new satellite gets one too
    EXPECT_TRUE(p.rows[0].ticked);
}

TEST(ChannelImport, SatellitesByPositionTranspondersWithinTwoMegahertz) {
    const TokenArray tokens = twoSatellites().tokens();
    const std::string vdr =
        "A:11780:hS0:S19.2E:27500:101:102:0:0:2:1:1:0\n"             // D_TP 7, 2 MHz away
        "B:11778:vS0:S19.2E:27500:101:102:0:0:3:1:1:0\n"             // V: a new transponder
        "C:11779:vS0:S19.2E:27500:101:102:0:0:4:1:1:0\n"             // the same new one
        "D:11000:hS0:S13E:27500:101:102:0:0:5:1:1:0\n"               // Hotbird
        "E:11000:hS0:S30W:27500:101:102:0:0:6:1:1:0\n"               // a new satellite
        "F:11000:hS0:S30.0W:27500:0:102:0:0:7:1:1:0\n"               // the same one
        "Das Erste:11778:hS0:S19.2E:27500:101:102:0:0:161:1:1:0\n";  // SID A1: in the list
    ChannelImportPreview p = preview(tokens, vdr);
    EXPECT_EQ(shown(p), (std::vector<std::string>{
                            "new [x] A TV 0/7", "new [x] B TV 0/+", "new [x] C TV 0/+",
                            "new [x] D TV 1/+", "new [x] E TV 3/+", "new [x] F RADIO 3/+",
                            "already in the list [ ] Das Erste TV 0/7 : on D_TP 7"}));
    ASSERT_EQ(p.satellites.size(), 3u);
    EXPECT_TRUE(p.satellites[2].isNew);
    const ChannelImportCounts counts = countChannelImport(tokens, p);
    EXPECT_EQ(counts.channels, 6u);
    EXPECT_EQ(counts.transponders, 3u);
    EXPECT_EQ(counts.satellites, 1u);

    TokenArray after = tokens;
    std::string error;
    ASSERT_TRUE(addImportedChannels(after, p, error)) << error;
    EXPECT_EQ(checkFailure(after), "");
    EXPECT_EQ(section(after, kSatelliteSection, kSatelliteFields).back(),
              (std::vector<std::string>{"3", "30.0 W", "N", "10600", "09750", "0", "-300"}));
    EXPECT_EQ(
        section(after, kDigitalTpSection, kTransponderFields),
        (std::vector<std::vector<std::string>>{{"7", "0", "11778", "27500", "H", "ARD"},
                                               {"8", "0", "11778", "27500", "V", "Import"},
                                               {"9", "1", "11000", "27500", "H", "Import"},
                                               {"10", "3", "11000", "27500", "H", "Import"}}));
    const auto channels = section(after, kChannelSection, kChannelFields);
    ASSERT_EQ(channels.size(), 7u);
    EXPECT_EQ(channels[1], (std::vector<std::string>{"2", "7", "0", "0002", "TV", "A", "1", "N"}));
    EXPECT_EQ(channels[3][1], "8");
    EXPECT_EQ(channels[6],
              (std::vector<std::string>{"7", "10", "3", "0007", "RADIO", "F", "1", "N"}));
    // The same file again finds every service in the list.
    const ChannelImportPreview again = preview(after, vdr);
    EXPECT_EQ(countChannelImport(after, again).channels, 0u);

    // With room for one more D_TP row, two new transponders are still two: each service keeps
    // its own, and the import does not fit.
    TestList nearlyFull = twoSatellites();
    for (int i = 8; i < static_cast<int>(kMaxTransponderRows) + 6; ++i)
        nearlyFull.transponders.push_back(transponder(std::to_string(i), "1", "12000", "X"));
    const TokenArray crowded = nearlyFull.tokens();
    const ChannelImportPreview two = preview(crowded,
                                             "B:11778:vS0:S19.2E:27500:101:102:0:0:3:1:1:0\n"
                                             "D:12500:hS0:S19.2E:27500:101:102:0:0:5:1:1:0\n");
    EXPECT_EQ(shown(two), (std::vector<std::string>{"new [x] B TV 0/+", "new [x] D TV 0/+"}));
    EXPECT_NE(two.rows[0].transponder, two.rows[1].transponder);
    const ChannelImportCounts crowdedCounts = countChannelImport(crowded, two);
    EXPECT_EQ(crowdedCounts.transpondersLeft, 1u);
    EXPECT_EQ(crowdedCounts.transponders, 2u);
    EXPECT_NE(crowdedCounts.overCapacity, "");

    // A new satellite takes the name of the file's group, else of the provider.
    const ChannelImportPreview named =
        preview(tokens,
                ":@100 Hispasat 30W\nE:11000:hS0:S30W:27500:101:102:0:0:6:1:1:0\n:@200\n"
                "G;Nilesat Provider:11000:hS0:S7W:27500:101:102:0:0:8:1:1:0\n");
    ASSERT_EQ(named.satellites.size(), 2u);
    EXPECT_EQ(named.satellites[0].name, "Hispasat 30W");
    EXPECT_EQ(named.satellites[1].name, "Nilesat Provi");
}

TEST(ChannelImport, TicksAndReasons) {
    const TokenArray tokens = twoSatellites().tokens();
    const std::string vdr =
        "S2:11000:hS1:S19.2E:27500:101:102:0:0:2:1:1:0\n"
        "Pay:11000:hS0:S19.2E:27500:101:102:0:1702,0:3:1:1:0\n"
        "Twice:11000:hS0:S19.2E:27500:101:102:0:0:3:1:1:0\n"
        "Data:11000:hS0:S19.2E:27500:0:0:0:0:4:1:1:0\n"
        "NoSid:11000:hS0:S19.2E:27500:101:102:0:0:0:1:1:0\n"
        "Cable:402000:C0M64:C:6900:1:2:0:0:5:1:1:0\n"
        "Broken:11000:h\n"
        "Old:11000:h:0:27500:101:102:0:6\n"
        "Low:900:hS0:S19.2E:27500:101:102:0:0:7:1:1:0\n";
    EXPECT_EQ(shown(preview(tokens, vdr)),
              (std::vector<std::string>{
                  "DVB-S2 [ ] S2 TV 0/+ : a receiver of this list format tunes DVB-S only; it may "
                  "be ticked",
                  "encrypted [ ] Pay TV 0/+ : CA 1702; it may be ticked",
                  "repeated in the file [ ] Twice TV 0/+ : the same service as an earlier row of "
                  "the file",
                  "data service [ ] Data 0/+ : neither TV nor radio",
                  "no service id [ ] NoSid TV 0/+ : no service id (may become a PID channel)",
                  "not a satellite service [ ] Cable : cable: not for this receiver",
                  "unreadable [ ]  : the row has 3 fields where a channel has 13 (or 9 or 10 in "
                  "the old form)",
                  "no satellite [ ] Old : the file gives no orbital position: choose a satellite",
                  "transponder refused [ ] Low 0/+ : the frequency 900 MHz is not of 4 or 5 "
                  "digits"}));

    ChannelImportOptions options;
    options.tickAll = true;
    options.pidChannels = true;
    options.satellite = 1;
    ChannelImportPreview all = preview(tokens, vdr, options);
    std::vector<bool> ticks;
    for (const ChannelImportRow& row : all.rows) ticks.push_back(row.ticked);
    EXPECT_EQ(ticks,
              (std::vector<bool>{true, true, false, false, true, false, false, true, false}));
    EXPECT_FALSE(setChannelTicked(all, 3, true));
    EXPECT_TRUE(setChannelTicked(all, 0, false));
    TokenArray after = tokens;
    std::string error;
    const auto added = addImportedChannels(after, all, error);
    ASSERT_TRUE(added) << error;
    EXPECT_EQ(added->channels, 2u);
    EXPECT_EQ(added->pidChannels, 1u);
    EXPECT_EQ(section(after, kChannelPidSection, kPidChannelFields),
              (std::vector<std::vector<std::string>>{
                  {"1", "8", "1", "TV", "NoSid", "101", "102", "101", "1", "N"}}));
    EXPECT_EQ(checkFailure(after), "");
    // A satellite the list lacks is refused as a whole.
    options.satellite = 9;
    EXPECT_NE(preview(tokens, vdr, options).error, "");
}

TEST(ChannelImport, NamesInTheListsText) {
    const auto name = [](const char* utf8, const char* shortName = "") {
        const ImportName n = importChannelName(utf8, shortName, 0x1234);
        return n.text + (n.marked() ? " | " + n.note : "");
    };
    EXPECT_EQ(name("Caf\xC3\xA9 TV"), "Caf\xE9 TV");                     // Latin-1
    EXPECT_EQ(name("\xC5\xA0port"), "Sport");                            // nearest ASCII
    EXPECT_EQ(name("\xD0\x9F\xD0\xB5\xD1\x80\xD0\xB2\xD1\x8B\xD0\xB9"),  // Cyrillic
              "?????? | characters without a Latin form: give it a name");
    EXPECT_EQ(name("Sky Cinema Premiere HD", "Sky Cinema"),
              "Sky Cinema | the short name of \"Sky Cinema Premiere HD\"");
    EXPECT_EQ(name("Sky Cinema Premiere HD", "Sky Cinema Premiere"),
              "Sky Cinema Pr | cut from \"Sky Cinema Premiere HD\"");
    EXPECT_EQ(name("  "), "Service 4660 | the service has no name");
    EXPECT_EQ(name("CHANNEL END"), "CHANNEL-END");

    // Quotes, "#" and "~" are written so that the row reads back as imported.
    TestList list = twoSatellites();
    list.transponders.push_back(transponder("8", "0", "11000"));
    const std::string vdr =
        "Say \"Hi\" #1 ~x:11000:hS0:S19.2E:27500:101:102:0:0:2:1:1:0\n"
        "#2 \xC3\xA9t\xC3\xA9:11000:hS0:S19.2E:27500:101:102:0:0:3:1:1:0\n";
    TokenArray tokens = list.tokens();
    std::string error;
    ASSERT_TRUE(addImportedChannels(tokens, preview(tokens, vdr), error)) << error;
    RecordingUi ui;
    TokenArray read;
    ASSERT_NE(readChannelListText(channelListText(tokens), read, ui), LoadResult::Failed)
        << (ui.messages.empty() ? "" : ui.messages[0]);
    const auto channels = section(read, kChannelSection, kChannelFields);
    ASSERT_EQ(channels.size(), 3u);
    EXPECT_EQ(channels[1][kChName], "Say 'Hi' #1 -");
    EXPECT_EQ(channels[2][kChName], "#2 \xE9t\xE9");
    EXPECT_EQ(read, tokens);

    // A name edited in the preview takes the same rules.
    ChannelImportPreview edited = preview(list.tokens(), vdr);
    renameImportRow(edited, 0, "Gr\xC3\xBC\xC3\x9F Gott \"Wien\" Extra");
    EXPECT_EQ(edited.rows[0].name, "Gr\xFC\xDF Gott 'Wi");
    EXPECT_TRUE(edited.rows[0].nameMarked);
}

class ChannelImportDocument : public ::testing::Test {
protected:
    RecordingUi ui;
    RuntimeSettings settings;
    ListDocument document{ui, settings};
};

TEST_F(ChannelImportDocument, OneUndoStepAndARefusalChangesNothing) {
    TestList list = twoSatellites();
    document.adopt(list.tokens());
    const TokenArray before = document.tokens();
    const std::string vdr =
        "A:11000:hS0:S19.2E:27500:101:102:0:0:2:1:1:0\n"
        "B:11000:hS0:S45E:27500:101:102:0:0:3:1:1:0\n";
    EXPECT_EQ(importChannels(document, preview(document.tokens(), vdr)), 2u);
    EXPECT_EQ(document.undoHistory().menuItem().text, "Undo (1 - Import Channels)");
    EXPECT_EQ(checkFailure(document.tokens()), "");
    ASSERT_TRUE(document.undo());
    EXPECT_EQ(document.tokens(), before);

    // Capacity: one row of room in the channel section for two services.
    for (int i = 2; i < static_cast<int>(kMaxChannelRows); ++i)
        list.channels.push_back(digital(std::to_string(i), "7", "0", "X"));
    document.adopt(list.tokens());
    const TokenArray full = document.tokens();
    const ChannelImportPreview p = preview(full, vdr);
    const ChannelImportCounts counts = countChannelImport(full, p);
    EXPECT_EQ(counts.channelsLeft, 1u);
    EXPECT_EQ(counts.overCapacity,
              "CANCELED : The import does not fit the list: 2 channels with room for 1. Untick "
              "rows to import fewer!!!");
    EXPECT_EQ(importChannels(document, p), 0u);
    EXPECT_EQ(document.tokens(), full);
    EXPECT_EQ(ui.messages.back(), counts.overCapacity);
    EXPECT_FALSE(document.undoHistory().menuItem().enabled);
}

// Over lists of several sizes made by skylister-listgen: the three sample files import into a
// list that passes the check, and the same import again adds nothing.
TEST(ChannelImportProperty, ImportPassesTheCheckAndIsNotRepeated) {
    const TempDir dir;
    const std::string listgen = std::string(SKYLISTER_BINARY_DIR) + "/tools/skylister-listgen";
    const std::string corpus = std::string(SKYLISTER_SOURCE_DIR) + "/tests/fuzz/corpus/";
    const char* sizes[] = {"--satellites 1 --tps 1 --channels 1 --pid 0",
                           "--satellites 12 --tps 300 --channels 900 --pid 20",
                           "--satellites 49 --tps 2000 --channels 3000 --pid 999"};
    for (const char* size : sizes) {
        const std::string path = dir.file("list.txt");
        ASSERT_EQ(
            std::system((listgen + " " + path + " --names 32 " + size + " >/dev/null").c_str()), 0);
        RecordingUi ui;
        TokenArray tokens;
        ASSERT_NE(readChannelList(path, tokens, ui), LoadResult::Failed) << size;
        for (const char* sample : {"vdr/channels.conf", "lamedb/lamedb", "lamedb/lamedb5"}) {
            const ChannelFile file = readChannelFileAt(corpus + sample);
            ChannelImportOptions options;
            options.tickAll = true;
            options.pidChannels = true;
            const ChannelImportPreview first = previewChannelImport(tokens, file, options);
            TokenArray after = tokens;
            std::string error;
            const auto added = addImportedChannels(after, first, error);
            const ChannelImportCounts counts = countChannelImport(tokens, first);
            if (!counts.overCapacity.empty()) {
                EXPECT_FALSE(added);
                EXPECT_EQ(after, tokens);
                continue;
            }
            ASSERT_TRUE(added) << size << " " << sample << ": " << error;
            EXPECT_EQ(checkFailure(after), "") << size << " " << sample;
            const ChannelImportPreview second = previewChannelImport(after, file, options);
            EXPECT_EQ(countChannelImport(after, second).channels, 0u) << size << " " << sample;
        }
    }
}

}  // namespace
}  // namespace sky::test
