// Times Undo and Redo on a channel list (the largest one, written by skylister-listgen) and
// measures the undo history's memory: 200 edits of one channel name each, undone and redone one
// at a time, first in the library (the list put back, no view refresh) and then through the
// document (with the detail rebuild); then 200 sorts, which each reorder most of the list.
// Targets: all 200 sorts kept in under 200 MB of history; each undo and redo under 20 ms.
// Usage: undo_bench LIST.txt

#include <sys/resource.h>

#include <cstdio>
#include <string>

#include "QuietUi.h"
#include "RunTiming.h"
#include "editor/document/ListDocument.h"
#include "editor/sort/ChannelSorter.h"

namespace {

using namespace sky;

constexpr int kSteps = 200;

void reportHistory(const char* after, const UndoHistory& history) {
    std::printf("history after %s: %d steps kept, %.1f MB\n", after, history.count(),
                static_cast<double>(history.bytes()) / 1e6);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: undo_bench LIST.txt\n");
        return 2;
    }
    RuntimeSettings settings;
    settings.maxSatellite40 = true;
    QuietUi ui(sky::Answer::No);
    ListDocument document(ui, settings);
    if (!document.open(argv[1])) {
        std::fprintf(stderr, "loading failed\n");
        return 1;
    }
    document.undoHistory().setDepth(UndoHistory::kMaxDepth);
    const std::size_t rows = document.digitalRows().rowCount();
    std::printf("digital channels %zu, cells %zu\n", rows, document.tokens().size());

    // Each step renames one channel, spread over the list.
    for (int i = 0; i < kSteps; ++i) {
        const auto record =
            document.recordOfRow(true, static_cast<std::size_t>(i) * (rows / kSteps));
        if (!record) return 1;
        document.recordUndo("Setting channel");
        const std::size_t name = record->kind == RecordKind::Digital ? 5 : 4;
        document.tokens()[record->cell + name] = "Renamed " + std::to_string(i);
        document.markModified();
    }
    const TokenArray edited = document.tokens();
    reportHistory("200 channel edits", document.undoHistory());

    const auto nothing = [] {};
    reportTiming("undo in the library",
                 timeRuns(kSteps / 2, nothing, [&] { document.EditorModel::undo(); }));
    reportTiming("redo in the library",
                 timeRuns(kSteps / 2, nothing, [&] { document.EditorModel::redo(); }));
    if (document.tokens() != edited) {
        std::fprintf(stderr, "undo and redo did not give back the edited list\n");
        return 1;
    }
    reportTiming("undo through the document (with rebuild)",
                 timeRuns(7, nothing, [&] { document.undo(); }));
    reportTiming("redo through the document (with rebuild)",
                 timeRuns(7, nothing, [&] { document.redo(); }));
    reportHistory("the undos and redos", document.undoHistory());

    document.undoHistory().clear();
    ChannelSorter sorter;
    const SortMode modes[] = {SortMode::ChannelName, SortMode::Frequency, SortMode::Bouquet,
                              SortMode::NameOnly};
    for (int i = 0; i < kSteps; ++i) {
        document.recordUndo("Sort Channel");
        sorter.flags.ascendingNames = i % 8 < 4;
        sorter.sort(document.tokens(), modes[i % 4]);
    }
    reportHistory("200 sorts (target: 200 steps, < 200 MB)", document.undoHistory());
    const TokenArray sorted = document.tokens();
    reportTiming("undo of a sort in the library",
                 timeRuns(7, nothing, [&] { document.EditorModel::undo(); }));
    reportTiming("redo of a sort in the library",
                 timeRuns(7, nothing, [&] { document.EditorModel::redo(); }));
    reportTiming("undo of a sort through the document (with rebuild)",
                 timeRuns(7, nothing, [&] { document.undo(); }));
    reportTiming("redo of a sort through the document (with rebuild)",
                 timeRuns(7, nothing, [&] { document.redo(); }));
    if (document.tokens() != sorted) {
        std::fprintf(stderr, "undo and redo did not give back the sorted list\n");
        return 1;
    }

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak resident set size: %.1f MB\n", static_cast<double>(usage.ru_maxrss) / 1024.0);
    return 0;
}
