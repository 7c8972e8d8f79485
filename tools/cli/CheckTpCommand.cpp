// The check-tp command: checks each satellite's transponders against the installed scan tables
// and its LNB settings, as Check Transponders does, and prints what differs. It only reads the
// list. Exit 0 when nothing is flagged, 1 when something is, 2 on an error.

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "Arguments.h"
#include "Commands.h"
#include "ConsoleUi.h"
#include "db/RowFields.h"
#include "db/scan/ScanTableFiles.h"
#include "editor/checktp/TransponderCheck.h"
#include "editor/model/NameEncoding.h"
#include "listdb/ListFile.h"

namespace sky::cli {

namespace {

void printSatellite(const SatelliteCheck& satellite, bool lnbOnly) {
    const std::string position = positionText(satellite.positionTenths);
    std::printf("Satellite %d \"%s\"%s%s", satellite.satellite, utf8Name(satellite.name).c_str(),
                position.empty() ? "" : " at ", position.c_str());
    if (satellite.lnb) {
        std::printf(", LNB %d/%d", satellite.lnb->highMhz, satellite.lnb->lowMhz);
    }
    if (lnbOnly) {
        std::printf("\n");
    } else {
        std::printf(": %s\n", tableSummary(satellite).c_str());
    }
    if (satellite.lnbSwapped) std::printf("  %s\n", kSwappedLoText);
    for (const TuningFlag& flag : satellite.tuningFlags) {
        std::printf("  D_TP %s  %5d %c  IF %d MHz on LO %d: %s\n", flag.index.c_str(),
                    flag.frequencyMhz, flag.polarisation, flag.tuning.ifMhz, flag.tuning.loMhz,
                    flag.tuning.problem.c_str());
    }
    if (!satellite.hasTable()) return;
    std::size_t same = 0;
    for (const CheckedTransponder& tp : satellite.transponders) {
        if (tp.verdict == TpVerdict::Same) {
            ++same;
            continue;
        }
        std::printf("  D_TP %s  %5d %c %5d  %s\n", tp.index.c_str(), tp.frequencyMhz,
                    tp.polarisation, tp.symbolRateKs,
                    verdictDetail(tp, satellite.tableDate).c_str());
    }
    std::printf("  %zu of %zu transponders the same as in the table\n", same,
                satellite.transponders.size());
    if (!satellite.missing.empty()) {
        std::printf("  In the table, not in the list (%zu DVB-S transponder%s):\n",
                    satellite.missing.size(), satellite.missing.size() == 1 ? "" : "s");
        for (const ScanTransponder& tp : satellite.missing) {
            std::printf("    %5d %c %5d  line %d\n", tp.frequencyMhz,
                        polarisationLetter(tp.polarisation), tp.symbolRateKs, tp.line);
        }
    }
}

}  // namespace

int runCheckTp(const std::vector<std::string>& args) {
    Arguments parsed;
    if (!parsed.parse(args, {"--sat40", "--lnb-only"}, {"--tables", "--sat", "--table"})) {
        return usageError(parsed.error());
    }
    if (parsed.positional().size() != 1) return usageError("expected one channel-list file");
    CheckOptions options;
    options.lnbOnly = parsed.has("--lnb-only");
    if (const std::optional<std::string> sat = parsed.value("--sat")) {
        const std::optional<std::int32_t> index = decimalField(*sat);
        if (!index) return usageError("--sat needs the Index of a satellite of the list");
        options.satellite = *index;
    }
    const std::optional<std::string> table = parsed.value("--table");
    if (table && !options.satellite) return usageError("--table needs --sat");

    ConsoleUi ui;
    ScanTableFolder folder;
    if (!options.lnbOnly) {
        folder = listScanTables(parsed.value("--tables").value_or(kScanTableFolder));
        if (!folder.error.empty() && !table) {
            ui.message(folder.error);
            return kUsage;
        }
    }
    ScanTableShelf shelf(std::move(folder));
    if (table && !options.lnbOnly) {
        if (const ScanTable& read = shelf.table(*table); !read.ok()) {
            ui.message(read.error);
            return kUsage;
        }
    }

    const RuntimeSettings settings = listSettings(parsed);
    ListFile db(settings, ui, parsed.positional()[0]);
    TokenArray tokens;
    if (db.loadChannelList(tokens) == LoadResult::Failed) return kUsage;
    if (table) {
        // The table is chosen for the satellite's name, as the window remembers it.
        const TransponderCheck named =
            checkTransponders(tokens, shelf, {options.satellite, {}, true});
        for (const SatelliteCheck& satellite : named.satellites) {
            options.chosenTables[satellite.name] = *table;
        }
    }
    const TransponderCheck check = checkTransponders(tokens, shelf, options);
    if (!check.error.empty()) {
        ui.message(check.error);
        return kUsage;
    }
    for (const SatelliteCheck& satellite : check.satellites) {
        printSatellite(satellite, options.lnbOnly);
    }
    const std::size_t flagged = check.flagged();
    if (flagged == 0) {
        std::printf("Nothing flagged.\n");
        return kSuccess;
    }
    std::printf("%zu flagged.\n", flagged);
    return kFailure;
}

}  // namespace sky::cli
