// Import Transponders: the preview's rule (already present, refused, DVB-S2, circular), the
// import as one undoable edit with its limits, and every table of the dtv-scan-tables package
// imported into the example list where the package is installed.

#include "editor/scan/TransponderImport.h"

#include <gtest/gtest.h>

#include "compiler/Compile.h"
#include "db/RecordLayout.h"
#include "db/TextWriter.h"
#include "db/scan/ScanTableFiles.h"
#include "editor/ListFixture.h"
#include "editor/scan/NewSatellite.h"
#include "support/RecordingUi.h"
#include "support/TempDir.h"

namespace sky::test {
namespace {

using Status = ImportStatus;

TestList validList() {
    TestList list;
    for (int i = 1; i <= 32; ++i)
        list.satNames.push_back({std::to_string(i), "S" + std::to_string(i)});
    for (int i = 0; i < 4; ++i) list.satellites.push_back(satellite(std::to_string(i), "SAT"));
    return list;
}

std::string checkFailure(const TokenArray& tokens) {
    std::string failure;
    return checkText(channelListText(tokens), 32, failure) ? "" : "check failed: " + failure;
}

ScanTransponder tp(int mhz, ScanPolarisation pol, int ks,
                   DeliverySystem system = DeliverySystem::DvbS) {
    static int line = 0;
    return ScanTransponder{mhz, pol, ks, system, "QPSK", ++line};
}

constexpr auto H = ScanPolarisation::Horizontal;
constexpr auto V = ScanPolarisation::Vertical;

// "status ticked cells note" of each row.
std::vector<std::string> shown(const ImportPreview& preview) {
    std::vector<std::string> rows;
    for (const ImportRow& row : preview.rows) {
        rows.push_back(std::string(importStatusText(row.status)) +
                       (row.ticked ? " [x] " : " [ ] ") + row.frequency + " " + row.polarisation +
                       " " + row.symbolRate + (row.note.empty() ? "" : " : " + row.note));
    }
    return rows;
}

TEST(TransponderImportPreview, MarksEachRowByTheListAndWhatTheRowCanHold) {
    TestList list = validList();
    list.transponders = {transponder("1", "1", "11778"), {"2", "2", "11000", "27500", "V", "X"}};
    const std::vector<ScanTransponder> table = {
        tp(11780, H, 27500),  // 2 MHz from transponder 1
        tp(11781, H, 27500),  // 3 MHz away
        tp(11778, V, 27500),
        tp(11778, H, 22000),
        tp(11000, V, 27500),  // on another satellite in the list
        tp(11001, V, 27500),  // the row before, again
        tp(12000, ScanPolarisation::Left, 27500),
        tp(12100, ScanPolarisation::Right, 27500, DeliverySystem::DvbS2),
        tp(12200, H, 128),
        tp(123456, H, 27500),
        tp(999, V, 27500),
    };
    ImportPreview preview = previewImport(list.tokens(), 1, table, "Astra");
    ASSERT_EQ(preview.error, "");
    const std::string line5 = std::to_string(table[4].line);
    EXPECT_EQ(
        shown(preview),
        (std::vector<std::string>{
            "already in the list [ ] 11780 H 27500 : already in the list as D_TP 1",
            "new [x] 11781 H 27500", "new [x] 11778 V 27500", "new [x] 11778 H 22000",
            "new [x] 11000 V 27500",
            "repeated in the table [ ] 11001 V 27500 : the same as line " + line5 + " of the table",
            "new [x] 12000 H 27500 : circular left taken as H (18 V)",
            "DVB-S2 [ ] 12100 V 27500 : DVB-S2: a receiver of this list format tunes "
            "DVB-S only",
            "cannot be taken [ ] 12200 H 128 : the symbol rate 128 kS/s is not of 4 or 5 "
            "digits",
            "cannot be taken [ ] 123456 H 27500 : the frequency 123456 MHz is not of 4 or 5 "
            "digits",
            "cannot be taken [ ] 999 V 27500 : the frequency 999 MHz is not of 4 or 5 "
            "digits"}));
    EXPECT_EQ(preview.rows[0].presentAs, "1");
    EXPECT_EQ(preview.tickedCount(), 5u);

    // Only new and DVB-S2 rows take a tick.
    EXPECT_TRUE(setTicked(preview, 7, true));
    EXPECT_TRUE(setTicked(preview, 1, false));
    EXPECT_FALSE(setTicked(preview, 0, true));
    EXPECT_FALSE(setTicked(preview, 8, true));
    EXPECT_FALSE(setTicked(preview, 99, true));
    EXPECT_EQ(preview.tickedCount(), 5u);

    // The satellites offered are the list's, by Index and name.
    const std::vector<ImportSatellite> satellites = importSatellites(list.tokens());
    ASSERT_EQ(satellites.size(), 4u);
    EXPECT_EQ(satellites[3].index, 3);
    EXPECT_EQ(satellites[3].name, "SAT");
    EXPECT_EQ(previewImport(list.tokens(), 7, table, "Astra").error,
              "CANCELED : The list has no satellite with Index 7!!!");
    EXPECT_EQ(importBouquet("Eutelsat-10A-and-more"), "Eutelsat-10A-");
    EXPECT_EQ(importBouquet(" \"#~\t "), "Import");
    // A table's UTF-8 name becomes the list's 8-bit text before it is cut: no half characters.
    EXPECT_EQ(importBouquet("Eutelsat 10 \xC3\xBC\x64"), "Eutelsat 10 \xFC");
    EXPECT_EQ(importBouquet("S\xC3\xBC\x64 Eutelsat 10E"), "S\xFC\x64 Eutelsat");
    EXPECT_EQ(importBouquet("\xC5\x81\xC3\xB3\x64\xC5\xBA \xE2\x82\xAC"), "L\xF3\x64z ?");
    EXPECT_EQ(importBouquet("Latin-1 S\xFC\x64"), "Latin-1 S\xFC\x64");
}

// A transponder the table gives twice is taken once, and never hidden by a row left unticked: a
// DVB-S row is taken before an earlier DVB-S2 row of the same tuning.
TEST(TransponderImportPreview, TakesEachTransponderOfTheTableOnceTheReceivableRowFirst) {
    const TestList list = validList();
    const std::vector<ScanTransponder> table = {
        tp(11000, H, 27500, DeliverySystem::DvbS2), tp(11001, H, 27500), tp(11002, H, 27500),
        tp(12000, V, 27500, DeliverySystem::DvbS2), tp(12000, V, 27500, DeliverySystem::DvbS2)};
    const auto line = [&](std::size_t row) { return std::to_string(table[row].line); };
    const ImportPreview preview = previewImport(list.tokens(), 1, table, "X");
    EXPECT_EQ(shown(preview),
              (std::vector<std::string>{
                  "repeated in the table [ ] 11000 H 27500 : the same as line " + line(1) +
                      " of the table",
                  "new [x] 11001 H 27500",
                  "repeated in the table [ ] 11002 H 27500 : the same as line " + line(1) +
                      " of the table",
                  "DVB-S2 [ ] 12000 V 27500 : DVB-S2: a receiver of this list format tunes DVB-S "
                  "only",
                  "repeated in the table [ ] 12000 V 27500 : the same as line " + line(3) +
                      " of the table"}));
}

class TransponderImportTest : public ::testing::Test {
protected:
    void adopt(const TestList& list) {
        document.adopt(list.tokens());
        ASSERT_EQ(checkFailure(document.tokens()), "");
    }

    RecordingUi ui;
    RuntimeSettings settings;
    ListDocument document{ui, settings};
};

TEST_F(TransponderImportTest, AddsTheTickedRowsNumberedOnAsOneUndoStep) {
    TestList list = validList();
    list.transponders = {transponder("5", "1", "11778"), transponder("2", "2", "12000")};
    list.channels = {digital("1", "5", "1", "A")};
    adopt(list);
    const std::string before = channelListText(document.tokens());

    ImportPreview preview =
        previewImport(document.tokens(), 2,
                      {tp(12001, H, 27500), tp(10700, V, 22000),
                       tp(10800, H, 22000, DeliverySystem::DvbS2), tp(10900, H, 22000)},
                      "Hotbird");
    ASSERT_TRUE(setTicked(preview, 2, true));
    ASSERT_TRUE(setTicked(preview, 3, false));
    EXPECT_EQ(importTransponders(document, preview), 2u);

    TestList expected = list;
    expected.transponders.push_back({"6", "2", "10700", "22000", "V", "Hotbird"});
    expected.transponders.push_back({"7", "2", "10800", "22000", "H", "Hotbird"});
    EXPECT_EQ(document.tokens(), expected.tokens());
    EXPECT_TRUE(document.modified());
    EXPECT_EQ(document.undoHistory().menuItem().text, "Undo (1 - Import Transponders)");
    EXPECT_EQ(checkFailure(document.tokens()), "");
    // The same import again finds every row in the list and adds nothing, without an undo entry.
    const ImportPreview again =
        previewImport(document.tokens(), 2, {tp(10700, V, 22000), tp(10801, H, 22000)}, "");
    EXPECT_EQ(again.tickedCount(), 0u);
    EXPECT_EQ(importTransponders(document, again), 0u);

    ASSERT_TRUE(document.undo());
    EXPECT_EQ(channelListText(document.tokens()), before);
    EXPECT_FALSE(document.hasUnsavedChanges());
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(TransponderImportTest, ANewSatelliteTakesAFreeIndexAndComesWithItsRowsAsOneStep) {
    // Satellites 0 to 3, and a transponder naming satellite 4, which has no row: the new
    // satellite must not bring that transponder into the image, so it takes Index 5.
    TestList list = validList();
    list.transponders = {transponder("1", "4", "11778")};
    adopt(list);
    const std::string before = channelListText(document.tokens());
    const std::optional<NewSatellite> astra =
        newSatelliteFor(document.tokens(), parseScanTableName("Astra-23.5E"));
    ASSERT_TRUE(astra.has_value());
    EXPECT_EQ(astra->index, 5);
    EXPECT_EQ(newSatelliteText(*astra), "New satellite: Astra 23.5 E (Index 5)");
    // A UTF-8 name is kept in the list's 8-bit text, and shown in UTF-8.
    const std::optional<NewSatellite> south =
        newSatelliteFor(document.tokens(), parseScanTableName("Sat S\xC3\xBC\x64 Example-9.0E"));
    ASSERT_TRUE(south.has_value());
    EXPECT_EQ(south->name, "Sat S\xFC\x64 Examp");
    EXPECT_EQ(newSatelliteText(*south), "New satellite: Sat S\xC3\xBC\x64 Examp 9.0 E (Index 5)");

    const ImportPreview preview = previewImportToNew(
        document.tokens(), *astra, {tp(11778, H, 27500), tp(12000, V, 22000)}, "Astra");
    EXPECT_EQ(preview.tickedCount(), 2u);  // the transponder of satellite 4 is not its own
    EXPECT_EQ(importTranspondersToNew(document, preview, *astra), 2u);
    TestList expected = list;
    expected.satellites.push_back({"5", "Astra", "N", "10600", "09750", "0", "235"});
    expected.transponders.push_back({"2", "5", "11778", "27500", "H", "Astra"});
    expected.transponders.push_back({"3", "5", "12000", "22000", "V", "Astra"});
    EXPECT_EQ(document.tokens(), expected.tokens());
    EXPECT_EQ(document.undoHistory().menuItem().text, "Undo (1 - Import Transponders)");
    EXPECT_EQ(checkFailure(document.tokens()), "");
    // The Index is taken now: a second import to it changes nothing.
    EXPECT_EQ(importTranspondersToNew(document, preview, *astra), 0u);
    EXPECT_EQ(ui.messages.size(), 1u);
    ASSERT_TRUE(document.undo());
    EXPECT_EQ(channelListText(document.tokens()), before);

    // With every Index named there is no new satellite.
    for (int i = 6; i < 50; ++i) list.satellites.push_back(satellite(std::to_string(i), "SAT"));
    list.satellites.push_back(satellite("5", "SAT"));
    EXPECT_FALSE(newSatelliteFor(list.tokens(), parseScanTableName("Astra-23.5E")).has_value());
}

TEST_F(TransponderImportTest, RefusesAChangedListAndRowsBeyondTheLimits) {
    TestList list = validList();
    list.transponders = {transponder("65534", "1", "11778")};
    adopt(list);
    const std::vector<ScanTransponder> table = {tp(10700, V, 22000), tp(10800, V, 22000)};
    const ImportPreview preview = previewImport(document.tokens(), 1, table, "X");
    EXPECT_EQ(importTransponders(document, preview), 0u);
    EXPECT_EQ(ui.messages,
              std::vector<std::string>{"CANCELED : The D_TP Index would pass 65535!!!"});

    list.transponders.clear();
    for (std::size_t i = 1; i < kMaxTransponderRows; ++i) {
        list.transponders.push_back(transponder(std::to_string(i), "0", "11000"));
    }
    adopt(list);
    EXPECT_EQ(importTransponders(document, previewImport(document.tokens(), 1, table, "X")), 0u);
    EXPECT_EQ(ui.messages.back(),
              "CANCELED : The Digital TP section holds 19999 rows; with 2 more it would pass the "
              "20000 rows the receiver takes!!!");

    list.transponders = {transponder("1", "1", "11778")};
    adopt(list);
    const ImportPreview stale = previewImport(document.tokens(), 1, table, "X");
    // The first row of the table has come into the list since.
    list.transponders.push_back({"2", "1", "10701", "22000", "V", "Y"});
    document.adopt(list.tokens(), Renumber::No);
    const TokenArray changed = document.tokens();
    EXPECT_EQ(importTransponders(document, stale), 0u);
    EXPECT_EQ(ui.messages.back(),
              "CANCELED : The list has changed since the preview was made. Import again!!!");
    EXPECT_EQ(document.tokens(), changed);
    EXPECT_FALSE(document.undoHistory().available());
}

// Every table of the package reads, and its importable rows go into the example list as a list
// the check accepts; run where dtv-scan-tables is installed.
TEST(TransponderImportTables, EveryInstalledTableImportsIntoTheExampleList) {
    const ScanTableFolder folder = listScanTables();
    if (!folder.error.empty()) GTEST_SKIP() << folder.error;
    RecordingUi ui;
    RuntimeSettings settings;
    ListDocument document{ui, settings};
    ASSERT_TRUE(document.open(exampleFile("channels.txt")));
    const TokenArray example = document.tokens();
    std::size_t added = 0;
    for (const ScanTableName& name : folder.tables) {
        const ScanTable table = readScanTableFile(scanTablePath(folder, name));
        ASSERT_TRUE(table.ok()) << table.error;
        TokenArray tokens = example;
        const ImportPreview preview =
            previewImport(tokens, 0, table.transponders, importBouquet(name.satellite));
        std::string error;
        const std::optional<std::size_t> count = addImportedTransponders(tokens, preview, error);
        ASSERT_EQ(count, preview.tickedCount()) << name.file << ": " << error;
        EXPECT_EQ(checkFailure(tokens), "") << name.file;
        added += *count;
    }
    EXPECT_GT(added, 0u);
}

}  // namespace
}  // namespace sky::test
