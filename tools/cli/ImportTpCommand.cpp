// The import-tp command: adds the new transponders of a DVBv5 scan table to one satellite of a
// list, as Import Transponders does with the rows it ticks by itself.

#include <cstdint>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "Arguments.h"
#include "Commands.h"
#include "ConsoleUi.h"
#include "db/RowFields.h"
#include "db/SiblingPath.h"
#include "db/scan/ScanTable.h"
#include "db/scan/ScanTableFiles.h"
#include "editor/scan/TransponderImport.h"
#include "listdb/CompileCommands.h"
#include "listdb/ListFile.h"

namespace sky::cli {

namespace {

// The rows the test picks: a heading with their count, then one line per row with its cells,
// the table's line and the note.
void printRows(const ImportPreview& preview, const char* heading,
               const std::function<bool(const ImportRow&)>& picked) {
    std::vector<const ImportRow*> rows;
    for (const ImportRow& row : preview.rows) {
        if (picked(row)) rows.push_back(&row);
    }
    if (rows.empty()) return;
    std::printf("%s (%zu):\n", heading, rows.size());
    for (const ImportRow* row : rows) {
        std::printf("  %5s %s %5s  line %d%s%s\n", row->frequency.c_str(),
                    row->polarisation.c_str(), row->symbolRate.c_str(), row->source.line,
                    row->note.empty() ? "" : ": ", row->note.c_str());
    }
}

std::string fileNameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

int runImportTp(const std::vector<std::string>& args) {
    Arguments parsed;
    if (!parsed.parse(args, {"--sat40"}, {"--sat"})) return usageError(parsed.error());
    if (parsed.positional().size() != 2) {
        return usageError("expected a channel-list file and a scan table");
    }
    const std::optional<std::string> satText = parsed.value("--sat");
    const std::optional<std::int32_t> satellite =
        satText ? decimalField(*satText) : std::optional<std::int32_t>();
    if (!satellite) return usageError("--sat needs the Index of a satellite of the list");

    ConsoleUi ui;
    const std::string& tablePath = parsed.positional()[1];
    const ScanTable table = readScanTableFile(tablePath);
    if (!table.ok()) {
        ui.message(table.error);
        return kFailure;
    }
    const RuntimeSettings settings = listSettings(parsed);
    ListFile db(settings, ui, parsed.positional()[0]);
    TokenArray tokens;
    if (db.loadChannelList(tokens) == LoadResult::Failed) return kFailure;

    const std::string bouquet = importBouquet(parseScanTableName(fileNameOf(tablePath)).satellite);
    const ImportPreview preview = previewImport(tokens, *satellite, table.transponders, bouquet);
    if (!preview.error.empty()) {
        ui.message(preview.error);
        return kFailure;
    }
    std::string error;
    const std::optional<std::size_t> added = addImportedTransponders(tokens, preview, error);
    const bool saved = added && (*added == 0 || saveList(db, tokens));
    // The ticked rows are reported as added only once they are in the file.
    printRows(preview, saved ? "Added" : "Would have been added",
              [](const ImportRow& row) { return row.ticked; });
    printRows(preview, "Already in the list",
              [](const ImportRow& row) { return row.status == ImportStatus::Present; });
    printRows(preview, "Repeated in the table",
              [](const ImportRow& row) { return row.status == ImportStatus::Repeated; });
    printRows(preview, "Not taken", [](const ImportRow& row) {
        return !row.ticked && row.status != ImportStatus::Present &&
               row.status != ImportStatus::Repeated;
    });
    if (!added) {
        ui.message(error);
        return kFailure;
    }
    if (!saved) return kFailure;
    if (*added == 0) {
        std::printf("No transponders to add; the list is left as it was.\n");
        return kSuccess;
    }
    std::printf("%zu transponders added to satellite %d; the previous list is kept as %s.\n",
                *added, *satellite, siblingPath(db.path, ".bak").value_or("").c_str());
    return kSuccess;
}

}  // namespace sky::cli
