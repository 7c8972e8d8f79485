// Times Check Transponders on a channel list against every installed scan table of
// /usr/share/dvb/dvb-s (or the folder given): every table read afresh, then each satellite
// checked against the tables of its position and its LNB. The satellites of a generated list
// are first moved to 50 positions the tables give, so that each has tables to be checked
// against. `skylister-listgen LIST.txt` writes the largest list (20,000 transponders on 50
// satellites).
// Usage: check_tp_bench LIST.txt [FOLDER]

#include <cstdio>
#include <set>
#include <string>

#include "BenchDocument.h"
#include "RunTiming.h"
#include "db/RecordLayout.h"
#include "db/scan/ScanTableFiles.h"
#include "editor/checktp/TransponderCheck.h"
#include "editor/model/SectionMap.h"

namespace {

using namespace sky;

constexpr int kRuns = 7;

// Gives the satellites, in order, the distinct positions of the folder's tables.
void moveToTablePositions(TokenArray& tokens, const ScanTableFolder& folder) {
    std::set<int> positions;
    for (const ScanTableName& table : folder.tables) {
        if (table.positionTenths) positions.insert(*table.positionTenths);
    }
    const SectionSpan span = locateSections(tokens)[kSatelliteSection];
    auto position = positions.begin();
    for (std::size_t cell = span.begin;
         cell + kSatelliteFields <= span.end && position != positions.end();
         cell += kSatelliteFields, ++position) {
        tokens[cell + kSatPositioner] = std::to_string(*position);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: check_tp_bench LIST.txt [FOLDER]\n");
        return 2;
    }
    const ScanTableFolder folder = listScanTables(argc == 3 ? argv[2] : kScanTableFolder);
    if (!folder.error.empty()) {
        std::fprintf(stderr, "%s\n", folder.error.c_str());
        return 1;
    }
    BenchDocument bench;
    if (!bench.open(argv[1])) return 1;
    TokenArray tokens = bench.document.tokens();
    moveToTablePositions(tokens, folder);
    const auto nothing = [] {};

    reportTiming("read all " + std::to_string(folder.tables.size()) + " tables",
                 timeRuns(kRuns, nothing, [&] {
                     ScanTableShelf shelf(folder);
                     for (const ScanTableName& table : folder.tables)
                         shelf.table(scanTablePath(folder, table));
                 }));
    TransponderCheck check;
    reportTiming("check with every table read", timeRuns(kRuns, nothing, [&] {
                     ScanTableShelf shelf(folder);
                     for (const ScanTableName& table : folder.tables)
                         shelf.table(scanTablePath(folder, table));
                     check = checkTransponders(tokens, shelf, {});
                 }));
    reportTiming("check reading only the tables it needs", timeRuns(kRuns, nothing, [&] {
                     ScanTableShelf shelf(folder);
                     check = checkTransponders(tokens, shelf, {});
                 }));
    std::size_t transponders = 0;
    std::size_t withTable = 0;
    for (const SatelliteCheck& satellite : check.satellites) {
        transponders += satellite.transponders.size();
        withTable += satellite.hasTable();
    }
    std::printf("%zu satellites (%zu with a table), %zu transponders, %zu flagged\n",
                check.satellites.size(), withTable, transponders, check.flagged());
    return 0;
}
