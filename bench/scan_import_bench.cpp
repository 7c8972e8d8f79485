// Times Import Transponders with the largest scan table of /usr/share/dvb/dvb-s (or the table
// given) on a channel list: reading the table, the preview against the list, the import as an
// edit of the document with its undo entry and refresh, and the three together. The list must
// leave room for the table's rows: `skylister-listgen LIST.txt --tps 19000` writes the largest
// list but for 1,000 transponders.
// Usage: scan_import_bench LIST.txt [TABLE]

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

#include "BenchDocument.h"
#include "RunTiming.h"
#include "db/scan/ScanTable.h"
#include "db/scan/ScanTableFiles.h"
#include "editor/document/ListDocument.h"
#include "editor/scan/TransponderImport.h"

namespace {

using namespace sky;

constexpr int kRuns = 7;

void report(const std::string& what, Timing t) {
    reportTiming(what, t, 52);
}

// The path of the largest table of the package's folder, or "" when there is none.
std::string largestTable() {
    const ScanTableFolder folder = listScanTables();
    std::string largest;
    std::uintmax_t size = 0;
    for (const ScanTableName& table : folder.tables) {
        const std::string path = scanTablePath(folder, table);
        std::error_code error;
        const std::uintmax_t bytes = std::filesystem::file_size(path, error);
        if (!error && bytes > size) {
            size = bytes;
            largest = path;
        }
    }
    if (largest.empty()) std::fprintf(stderr, "%s\n", folder.error.c_str());
    return largest;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: scan_import_bench LIST.txt [TABLE]\n");
        return 2;
    }
    const std::string tablePath = argc == 3 ? argv[2] : largestTable();
    if (tablePath.empty()) return 1;
    BenchDocument bench;
    if (!bench.open(argv[1])) return 1;
    ListDocument& document = bench.document;
    const std::string name = std::filesystem::path(tablePath).filename().string();
    const std::string bouquet = importBouquet(parseScanTableName(name).satellite);
    const auto nothing = [] {};

    ScanTable table;
    report("read " + name, timeRuns(kRuns, nothing, [&] { table = readScanTableFile(tablePath); }));
    if (!table.ok()) {
        std::fprintf(stderr, "%s\n", table.error.c_str());
        return 1;
    }
    ImportPreview preview;
    report("preview of its " + std::to_string(table.transponders.size()) + " transponders",
           timeRuns(kRuns, nothing, [&] {
               preview = previewImport(document.tokens(), 0, table.transponders, bouquet);
           }));
    if (!preview.error.empty()) {
        std::fprintf(stderr, "%s\n", preview.error.c_str());
        return 1;
    }

    // Each run starts from the list as opened: the import before is undone.
    const auto undo = [&] { document.undo(); };
    std::size_t added = 0;
    report("import of " + std::to_string(preview.tickedCount()) + " rows (edit, undo entry)",
           timeRuns(kRuns, undo, [&] { added = importTransponders(document, preview); }));
    undo();
    report("read + preview + import", timeRuns(kRuns, undo, [&] {
               const ScanTable read = readScanTableFile(tablePath);
               added = importTransponders(
                   document, previewImport(document.tokens(), 0, read.transponders, bouquet));
           }));
    std::printf("  %zu rows added to a list of %zu cells\n", added, document.tokens().size());
    return added == preview.tickedCount() ? 0 : 1;
}
