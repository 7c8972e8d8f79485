// Check Transponders: the tuning rule at its edges, every installed table against the LNB
// presets, lists built from the tables checking as the same, and known changes found and
// repaired as one undoable edit.

#include "editor/checktp/TransponderCheck.h"

#include <gtest/gtest.h>

#include "db/scan/ScanTableDate.h"
#include "editor/ListFixture.h"
#include "editor/checktp/CheckRepair.h"
#include "editor/scan/TransponderImport.h"
#include "support/RecordingUi.h"
#include "support/TempDir.h"

namespace sky::test {
namespace {

constexpr LnbSetting kUniversal{10600, 9750};
constexpr LnbSetting kCBand{5150, 5150};
constexpr LnbSetting kCBandDual{5750, 5150};

std::string problemAt(const LnbSetting& lnb, int mhz, char polarisation = 'H') {
    const TuningResult result = tuneTransponder(lnb, mhz, polarisation);
    return std::to_string(result.ifMhz) + (result.fits() ? "" : " " + result.problem);
}

TEST(LnbTuning, TheIfMustLieWithinTheTunersRangeOnTheBandTheReceiverPicks) {
    EXPECT_EQ(problemAt(kUniversal, 10699), "949 below the LNB's range");
    EXPECT_EQ(problemAt(kUniversal, 10700), "950");
    EXPECT_EQ(problemAt(kUniversal, 11699), "1949");
    EXPECT_EQ(problemAt(kUniversal, 11700), "1100");  // the high band from 11700
    EXPECT_EQ(problemAt(kUniversal, 12750), "2150");
    EXPECT_EQ(problemAt(kUniversal, 12751), "2151 above the LNB's range");
    EXPECT_EQ(problemAt(kUniversal, 3840), "5910 C-band frequency on a Ku-band LNB");
    EXPECT_EQ(problemAt({10750, 10750}, 12750), "2000");
    EXPECT_EQ(problemAt({10750, 10750}, 11700), "950");
    EXPECT_EQ(problemAt(kCBand, 3840), "1310");
    EXPECT_EQ(problemAt(kCBand, 3000), "2150");
    EXPECT_EQ(problemAt(kCBand, 11000), "5850 Ku-band frequency on a C-band LNB");
    // A dual C-band LNB: vertical on LOW, horizontal on HIGH.
    EXPECT_EQ(problemAt(kCBandDual, 3840, 'V'), "1310");
    EXPECT_EQ(problemAt(kCBandDual, 3840, 'H'), "1910");
    EXPECT_FALSE(kUniversal.looksSwapped());
    EXPECT_TRUE((LnbSetting{9750, 10600}.looksSwapped()));
    EXPECT_FALSE(kCBandDual.looksSwapped());
    EXPECT_EQ(problemAt({9750, 10600}, 11000), "400 below the LNB's range");
}

TEST(LnbTuning, ImportPreviewsWarnAboutRowsTheLnbCannotReceive) {
    TestList list = validList();
    list.satellites[2][3] = "05150";
    list.satellites[2][4] = "05150";
    const std::vector<ScanTransponder> table = {
        {3840, ScanPolarisation::Horizontal, 27500, DeliverySystem::DvbS, "QPSK", 1},
        {11000, ScanPolarisation::Vertical, 27500, DeliverySystem::DvbS, "QPSK", 2}};
    const ImportPreview ku = previewImport(list.tokens(), 1, table, "T");
    EXPECT_EQ(ku.rows[0].note,
              "the LNB cannot receive it: IF 5910 MHz, C-band frequency on a Ku-band LNB");
    EXPECT_EQ(ku.rows[1].note, "");
    const ImportPreview c = previewImport(list.tokens(), 2, table, "T");
    EXPECT_EQ(c.rows[0].note, "");
    EXPECT_EQ(c.rows[1].note,
              "the LNB cannot receive it: IF 5850 MHz, Ku-band frequency on a C-band LNB");
    EXPECT_TRUE(ku.rows[0].ticked);  // a warning, never a refusal
}

TEST(ScanTableDate, TakesThePackagesSnapshotDate) {
    EXPECT_EQ(packageVersionDate("0+git20190925.6d01903-0.1"), "2019-09-25");
    EXPECT_EQ(packageVersionDate("1.0-2"), "");
    const std::string status =
        "Package: dtv-scan-tables-extra\nVersion: 9\n\n"
        "Package: dtv-scan-tables\nStatus: install ok installed\nVersion: 0+git20190925.6d0-0.1\n"
        "Description: x\n\nPackage: other\nVersion: 1\n";
    EXPECT_EQ(installedVersion(status, "dtv-scan-tables"), "0+git20190925.6d0-0.1");
    EXPECT_EQ(installedVersion(status, "absent"), "");
}

// A list of one satellite at `position` holding every DVB-S transponder of `table` the import
// takes, with a channel on each.
TestList listOfTable(const ScanTable& table, int position) {
    TestList list = validList();
    list.satellites[1][6] = std::to_string(position);
    const ImportPreview preview = previewImport(list.tokens(), 1, table.transponders, "T");
    for (const ImportRow& row : preview.rows) {
        if (!row.ticked) continue;
        const std::string index = std::to_string(list.transponders.size() + 1);
        list.transponders.push_back(
            {index, "1", row.frequency, row.symbolRate, row.polarisation, "T"});
        list.channels.push_back(digital(index, index, "1", "C" + index));
    }
    return list;
}

std::vector<TpVerdict> verdicts(const SatelliteCheck& satellite) {
    std::vector<TpVerdict> found;
    for (const CheckedTransponder& tp : satellite.transponders) found.push_back(tp.verdict);
    return found;
}

TEST(TransponderCheck, ATableOfFewTranspondersIsShownButDoesNotFlagTheRest) {
    TempDir dir;
    writeFile(dir.file("Few-19.2E"),
              "[CHANNEL]\nDELIVERY_SYSTEM = DVBS\nFREQUENCY = 11836000\nPOLARIZATION = H\n"
              "SYMBOL_RATE = 27500000\n");
    TestList list = validList();
    list.satellites[1][6] = "192";
    for (const char* frequency : {"11836", "11900", "12000", "12100", "12200"}) {
        list.transponders.push_back(transponder(frequency, "1", frequency));
    }
    ScanTableShelf shelf(listScanTables(dir.path().string()));
    const TransponderCheck check = checkTransponders(list.tokens(), shelf, {});
    const SatelliteCheck& satellite = check.satellites[1];
    EXPECT_EQ(satellite.tableFile, "Few-19.2E");
    EXPECT_TRUE(satellite.fewInTable());
    EXPECT_EQ(verdicts(satellite)[1], TpVerdict::NotInTable);
    EXPECT_EQ(check.flagged(), 0u);
    EXPECT_NE(tableSummary(satellite).find("fewer than a quarter of the list's 5 transponders"),
              std::string::npos);
}

class InstalledTables : public ::testing::Test {
protected:
    void SetUp() override {
        if (!shelf.folder().error.empty()) GTEST_SKIP() << shelf.folder().error;
    }
    ScanTableShelf shelf{listScanTables()};
};

TEST_F(InstalledTables, CBandTablesAreFlaggedOnAUniversalLnbAndFitTheCBandPreset) {
    std::size_t cBandTables = 0;
    for (const ScanTableName& name : shelf.folder().tables) {
        const ScanTable& table = shelf.table(scanTablePath(shelf.folder(), name));
        ASSERT_TRUE(table.ok()) << table.error;
        const bool cBandName = name.file.find("_C-") != std::string::npos;
        cBandTables += cBandName;
        for (const ScanTransponder& tp : table.transponders) {
            const char polarisation = listPolarisation(tp.polarisation);
            if (tp.frequencyMhz >= kCBandLimitMhz) {
                EXPECT_FALSE(cBandName) << name.file << " " << tp.frequencyMhz;
                continue;
            }
            EXPECT_EQ(tuneTransponder(kUniversal, tp.frequencyMhz, polarisation).problem,
                      "C-band frequency on a Ku-band LNB")
                << name.file;
            const TuningResult onCBand = tuneTransponder(kCBand, tp.frequencyMhz, polarisation);
            const bool ifFits = onCBand.ifMhz >= kLowestIfMhz && onCBand.ifMhz <= kHighestIfMhz;
            EXPECT_EQ(onCBand.fits(), ifFits) << name.file;
        }
    }
    EXPECT_EQ(cBandTables, 41u);
}

TEST_F(InstalledTables, AListBuiltFromEachTableChecksAsTheSame) {
    std::size_t checked = 0;
    for (const ScanTableName& name : shelf.folder().tables) {
        const std::string path = scanTablePath(shelf.folder(), name);
        const TestList list = listOfTable(shelf.table(path), name.positionTenths.value_or(0));
        if (list.transponders.empty()) continue;
        CheckOptions options;
        options.satellite = 1;
        options.chosenTables["SAT"] = path;
        const TransponderCheck check = checkTransponders(list.tokens(), shelf, options);
        ASSERT_EQ(check.satellites.size(), 1u);
        const SatelliteCheck& satellite = check.satellites[0];
        EXPECT_EQ(verdicts(satellite),
                  std::vector<TpVerdict>(list.transponders.size(), TpVerdict::Same))
            << name.file;
        EXPECT_TRUE(satellite.missing.empty()) << name.file;
        EXPECT_FALSE(satellite.tableDate.empty());
        ++checked;
    }
    EXPECT_GE(checked, 300u);
}

TEST_F(InstalledTables, FindsKnownChangesAndRepairsThemAsOneUndoStep) {
    const std::string path = scanTablePath(shelf.folder(), {"Hotbird-13.0E", "Hotbird", 130});
    const ScanTable& table = shelf.table(path);
    ASSERT_TRUE(table.ok()) << table.error;
    TestList list = listOfTable(table, 130);
    ASSERT_GT(list.transponders.size(), 10u);
    // A DVB-S2 transponder of the table that no DVB-S one shares.
    const ImportPreview preview = previewImport(list.tokens(), 1, table.transponders, "T");
    const auto s2 = std::find_if(preview.rows.begin(), preview.rows.end(),
                                 [](const auto& row) { return row.status == ImportStatus::DvbS2; });
    ASSERT_NE(s2, preview.rows.end());
    list.transponders[0][3] = "1234";  // symbol rate
    list.transponders[1][2] = std::to_string(std::stoi(list.transponders[1][2]) + 1);
    list.transponders[2][2] = s2->frequency;  // now DVB-S2
    list.transponders[2][3] = s2->symbolRate;
    list.transponders[2][4] = s2->polarisation;
    list.transponders[3][2] = "12740";  // not in the table
    list.channels.push_back(pidChannel("900", "3", "1", "P"));

    RecordingUi ui;
    RuntimeSettings settings;
    ListDocument document{ui, settings};
    document.adopt(list.tokens());
    const TokenArray before = document.tokens();
    TransponderCheck check = checkTransponders(document.tokens(), shelf, {});
    const SatelliteCheck& satellite = check.satellites[1];
    EXPECT_EQ(satellite.tableFile, "Hotbird-13.0E");  // matched by position
    std::vector<TpVerdict> expected(list.transponders.size(), TpVerdict::Same);
    expected[0] = TpVerdict::SymbolRateDiffers;
    expected[1] = TpVerdict::FrequencyDiffers;
    expected[2] = TpVerdict::NowDvbS2;
    expected[3] = TpVerdict::NotInTable;
    EXPECT_EQ(verdicts(satellite), expected);
    EXPECT_EQ(satellite.transponders[2].channels, 2u);
    EXPECT_EQ(satellite.missing.size(), 2u);  // the table's rows of the changed ones
    EXPECT_EQ(check.flagged(), 4u);
    EXPECT_EQ(verdictDetail(satellite.transponders[3], "2019-09-25"),
              "not in the table of 2019-09-25");

    // Nothing is ticked at first: nothing changes, no undo entry.
    EXPECT_FALSE(repairTransponders(document, check).any());
    EXPECT_FALSE(document.undoHistory().available());
    for (CheckedTransponder& tp : check.satellites[1].transponders) setRepairTicked(tp, true);
    EXPECT_EQ(tickedRepairs(check), 3u);
    const RepairCounts counts = repairTransponders(document, check);
    EXPECT_EQ(counts.transponders, 2u);
    EXPECT_EQ(counts.channels, 2u);
    EXPECT_EQ(document.undoHistory().menuItem().text, "Undo (1 - Check Transponders)");
    const TransponderCheck again = checkTransponders(document.tokens(), shelf, {});
    EXPECT_EQ(again.satellites[1].transponders[0].verdict, TpVerdict::Same);
    EXPECT_EQ(again.satellites[1].transponders[1].verdict, TpVerdict::Same);
    EXPECT_EQ(again.satellites[1].transponders[2].channels, 0u);
    // The same repairs again find the list changed and change nothing.
    EXPECT_FALSE(repairTransponders(document, check).any());
    EXPECT_FALSE(ui.messages.empty());
    ASSERT_TRUE(document.undo());
    EXPECT_EQ(document.tokens(), before);
}

}  // namespace
}  // namespace sky::test
