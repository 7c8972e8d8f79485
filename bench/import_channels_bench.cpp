// Times Import Channels' preview on a channel list: reading a VDR channels.conf, mapping its
// services to the list's satellites and transponders with the ticks and reasons (the preview),
// the counts the dialog shows, and the three together, as the window does when a file is chosen.
// On a list with room for them, the import of the ticked rows is timed too. Without a file, a
// channels.conf of 3,000 satellite services is made: on six of the list's positions
// (skylister-listgen's satellites 0 to 5) and two new ones, on transponders the list has and new
// ones, some DVB-S2, encrypted or radio. The largest list is `skylister-listgen LIST.txt`. Usage:
// import_channels_bench LIST.txt [CHANNELS.conf]

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

#include "BenchDocument.h"
#include "RunTiming.h"
#include "db/FileIo.h"
#include "db/channels/ChannelRecord.h"
#include "editor/import/ChannelImport.h"

namespace {

using namespace sky;

constexpr int kRuns = 7;
constexpr int kServices = 3000;

// VDR's source of a position in tenths, east positive: "S90W", "S86.3W".
std::string source(int tenths) {
    const int magnitude = std::abs(tenths);
    std::string text = "S" + std::to_string(magnitude / 10);
    if (magnitude % 10 != 0) text += "." + std::to_string(magnitude % 10);
    return text + (tenths < 0 ? "W" : "E");
}

std::string generatedChannels() {
    std::string text;
    for (int i = 0; i < kServices; ++i) {
        if (i % 500 == 0)
            text += ":@" + std::to_string(i + 1) + " Group " + std::to_string(i) + "\n";
        // Six of the list's positions ((i * 37) % 1800 - 900 for satellite i), two new ones.
        const int satellite = i % 8;
        const int tenths = satellite < 6 ? satellite * 37 - 900 : 100 + satellite * 10;
        // Frequencies the list has on that satellite and others it lacks.
        const int frequency = 10700 + ((i / 8) * 7) % 2050 + (i % 3 == 0 ? 1 : 0);
        const char polarisation = (i / 8) % 2 ? 'v' : 'h';
        const int system = i % 7 == 0 ? 1 : 0;
        const bool radio = i % 9 == 4;
        const std::string video = radio ? "0" : std::to_string(100 + i % 400) + "=2";
        const std::string caid = i % 11 == 0 ? "1702" : "0";
        text += "Service Name " + std::to_string(i) + ",Svc" + std::to_string(i) + ";Provider " +
                std::to_string(i % 40) + ":" + std::to_string(frequency) + ":" + polarisation +
                "C34M2S" + std::to_string(system) + ":" + source(tenths) + ":" +
                std::to_string(22000 + ((i / 8) % 8) * 1000) + ":" + video + ":" +
                std::to_string(600 + i % 400) + "=deu:0:" + caid + ":" +
                std::to_string(0x4000 + i) + ":1:" + std::to_string(1000 + i / 8) + ":0\n";
    }
    return text;
}

// A digest of what the preview says of each row (status, tick, name, transponder entry and the
// D_TP row it is), to tell that a change for speed left the preview as it was.
std::size_t digest(const ChannelImportPreview& preview) {
    std::string text;
    for (const ChannelImportRow& row : preview.rows) {
        text += std::to_string(static_cast<int>(row.status)) + (row.ticked ? "x" : "-") + row.name;
        if (row.transponder) {
            const ChannelImportTransponder& tp = preview.transponders[*row.transponder];
            text += "/" + std::to_string(*row.transponder) + "@" + std::to_string(tp.satellite) +
                    ":" + tp.presentAs + tp.refused;
        }
        text += "\n";
    }
    return std::hash<std::string>{}(text);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: import_channels_bench LIST.txt [CHANNELS.conf]\n");
        return 2;
    }
    BenchDocument bench;
    if (!bench.open(argv[1])) return 1;
    const TokenArray& tokens = bench.document.tokens();
    std::string text;
    if (argc == 3) {
        const std::optional<std::string> read = readWholeFile(argv[2]);
        if (!read) {
            std::fprintf(stderr, "cannot read %s\n", argv[2]);
            return 1;
        }
        text = *read;
    } else {
        text = generatedChannels();
    }
    const auto nothing = [] {};

    ChannelFile file;
    reportTiming("read channels.conf",
                 timeRuns(kRuns, nothing, [&] { file = readChannelFile(text); }));
    if (!file.error.empty()) {
        std::fprintf(stderr, "%s\n", file.error.c_str());
        return 1;
    }
    ChannelImportPreview preview;
    reportTiming(
        "preview of its " + std::to_string(file.records.size()) + " services",
        timeRuns(kRuns, nothing, [&] { preview = previewChannelImport(tokens, file, {}); }));
    ChannelImportCounts counts;
    reportTiming("counts and capacity",
                 timeRuns(kRuns, nothing, [&] { counts = countChannelImport(tokens, preview); }));
    reportTiming("read + preview + counts (target < 100 ms)", timeRuns(kRuns, nothing, [&] {
                     const ChannelImportPreview p =
                         previewChannelImport(tokens, readChannelFile(text), {});
                     counts = countChannelImport(tokens, p);
                 }));
    std::printf("  %zu ticked, %zu new transponders, %zu new satellites; %zu skipped kinds\n",
                counts.channels, counts.transponders, counts.satellites, counts.skipped.size());
    std::printf("  preview digest %016zx\n", digest(preview));
    // The import itself, on a list with room for it: each run starts from the list as opened.
    if (counts.overCapacity.empty()) {
        ListDocument& document = bench.document;
        std::size_t added = 0;
        reportTiming("import of the ticked rows (edit, undo entry)",
                     timeRuns(
                         kRuns, [&] { document.undo(); },
                         [&] { added = importChannels(document, preview); }));
        std::string cells;
        for (const std::string& cell : document.tokens()) cells += cell + '\n';
        std::printf("  %zu rows added; list digest %016zx\n", added,
                    std::hash<std::string>{}(cells));
    }
    return preview.error.empty() ? 0 : 1;
}
