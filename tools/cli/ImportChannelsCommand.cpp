// The import-channels command: adds the services of a VDR channels.conf, a DVBv5 channel file or
// an Enigma2 lamedb to a list, with the satellites and transponders they need, as Import
// Channels does with the rows it ticks (or, with --tick all, every row that may be ticked); with
// --pid the services without a usable service id become PID channels.

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "Arguments.h"
#include "Commands.h"
#include "ConsoleUi.h"
#include "db/RowFields.h"
#include "db/SiblingPath.h"
#include "db/channels/ChannelRecord.h"
#include "editor/import/ChannelImport.h"
#include "editor/model/NameEncoding.h"
#include "listdb/CompileCommands.h"
#include "listdb/ListFile.h"

namespace sky::cli {

namespace {

void printRows(const ChannelImportPreview& preview, const char* heading, bool ticked) {
    std::size_t count = 0;
    for (const ChannelImportRow& row : preview.rows) count += row.ticked == ticked;
    if (count == 0) return;
    std::printf("%s (%zu):\n", heading, count);
    for (const ChannelImportRow& row : preview.rows) {
        if (row.ticked != ticked) continue;
        std::printf("  line %d", row.record.line);
        if (!row.name.empty()) std::printf("  %s", utf8Name(row.name).c_str());
        if (row.satellite && row.transponder) {
            const ChannelImportTransponder& tp = preview.transponders[*row.transponder];
            std::printf("  %s  sat %d  %d %c %d", row.pidChannel ? "PID" : row.type.c_str(),
                        preview.satellites[*row.satellite].index, tp.tuning.frequencyMhz,
                        polarisationLetter(tp.tuning.polarisation), tp.tuning.symbolRateKs);
        }
        std::printf("%s%s%s%s\n", ticked ? "" : "  ", ticked ? "" : importStatusText(row.status),
                    row.note.empty() ? "" : ": ", row.note.c_str());
    }
}

void printCounts(const ChannelImportCounts& counts, bool added) {
    std::printf("%s: %zu channels, %zu PID channels, %zu transponders, %zu satellites\n",
                added ? "Added" : "Would add", counts.channels, counts.pidChannels,
                counts.transponders, counts.satellites);
    std::printf(
        "Room in the list before the import: %zu channels, %zu PID channels, %zu transponders, "
        "%zu satellites\n",
        counts.channelsLeft, counts.pidChannelsLeft, counts.transpondersLeft,
        counts.satellitesLeft);
    for (const auto& [status, count] : counts.skipped) {
        std::printf("Not imported, %s: %zu\n", status.c_str(), count);
    }
}

}  // namespace

int runImportChannels(const std::vector<std::string>& args) {
    Arguments parsed;
    if (!parsed.parse(args, {"--sat40", "--pid"}, {"--format", "--sat", "--tick"})) {
        return usageError(parsed.error());
    }
    if (parsed.positional().size() != 2) {
        return usageError("expected a channel-list file and a file of channels to import");
    }
    ChannelImportOptions options;
    std::optional<ChannelFormat> format;
    if (const std::optional<std::string> name = parsed.value("--format")) {
        format = channelFormatNamed(*name);
        if (!format) return usageError("--format takes vdr, dvbv5 or lamedb");
    }
    if (const std::optional<std::string> sat = parsed.value("--sat")) {
        const std::optional<std::int32_t> index = decimalField(*sat);
        if (!index) return usageError("--sat needs the Index of a satellite of the list");
        options.satellite = *index;
    }
    if (const std::optional<std::string> tick = parsed.value("--tick")) {
        if (*tick != "all" && *tick != "receivable") {
            return usageError("--tick takes all or receivable");
        }
        options.tickAll = *tick == "all";
    }
    options.pidChannels = parsed.has("--pid");

    ConsoleUi ui;
    const RuntimeSettings settings = listSettings(parsed);
    ListFile db(settings, ui, parsed.positional()[0]);
    TokenArray tokens;
    if (db.loadChannelList(tokens) == LoadResult::Failed) return kFailure;
    const ChannelImportPreview preview =
        previewChannelImport(tokens, readChannelFileAt(parsed.positional()[1], format), options);
    if (!preview.error.empty()) {
        ui.message(preview.error);
        return kFailure;
    }
    std::string error;
    const std::optional<ChannelImportCounts> added = addImportedChannels(tokens, preview, error);
    const bool any = added && added->channels + added->pidChannels > 0;
    const bool saved = added && (!any || saveList(db, tokens));
    printRows(preview, saved ? "Imported" : "Not imported, although ticked", true);
    printRows(preview, "Not imported", false);
    printCounts(added ? *added : countChannelImport(tokens, preview), saved && any);
    if (!added) {
        ui.message(error);
        return kFailure;
    }
    if (!saved) return kFailure;
    if (!any) {
        std::printf("No channels to add; the list is left as it was.\n");
    } else {
        std::printf("The previous list is kept as %s.\n",
                    siblingPath(db.path, ".bak").value_or("").c_str());
    }
    return kSuccess;
}

}  // namespace sky::cli
