// Times Undo and Redo on a channel list (the largest one, written by skylister-listgen) and
// measures the undo history's memory: 200 edits of one channel name each, undone and redone one
// at a time, first in the library (the list put back, no view refresh) and then through the
// document (with the detail rebuild); then sorts, which each reorder most of the list (200 in the
// library, to measure the history, and a few through the document).
// Targets: all 200 sorts kept in under 200 MB of history; each undo and redo under 20 ms.
// Usage: undo_bench LIST.txt

#include <sys/resource.h>

#include <cstdio>
#include <string>
#include <utility>

#include "QuietUi.h"
#include "RunTiming.h"
#include "editor/document/ListDocument.h"
#include "editor/model/EditorModel.h"
#include "editor/sort/ChannelSorter.h"
#include "listdb/ListFile.h"

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
    const auto nothing = [] {};
    std::size_t rows = 0;
    // Each step renames one channel, spread over the list.
    const auto rename = [&rows](TokenArray& tokens, int i) {
        const auto record = recordOfRow(locateSections(tokens), true,
                                        static_cast<std::size_t>(i) * (rows / kSteps));
        if (!record) return false;
        const std::size_t name = record->kind == RecordKind::Digital ? 5 : 4;
        tokens[record->cell + name] = "Renamed " + std::to_string(i);
        return true;
    };
    ChannelSorter sorter;
    const SortMode modes[] = {SortMode::ChannelName, SortMode::Frequency, SortMode::Bouquet,
                              SortMode::NameOnly};
    const auto sort = [&](TokenArray& tokens, int i) {
        sorter.flags.ascendingNames = i % 8 < 4;
        sorter.sort(tokens, modes[i % 4]);
    };
    TokenArray edited;

    // The library alone: a model of the list, changed and put back without a view refresh. It
    // goes before the document opens the list, so that one copy of the list is held at a time.
    {
        EditorModel model(ui);
        TokenArray tokens;
        if (ListFile(settings, ui, argv[1]).loadChannelList(tokens) == LoadResult::Failed) {
            std::fprintf(stderr, "loading failed\n");
            return 1;
        }
        model.replaceTokens(std::move(tokens));
        model.rebuildDetails();
        model.undoHistory().setDepth(UndoHistory::kMaxDepth);
        rows = model.digitalRows().rowCount();
        std::printf("digital channels %zu, cells %zu\n", rows, model.tokens().size());

        for (int i = 0; i < kSteps; ++i) {
            model.recordUndo("Setting channel");
            if (!rename(model.tokens(), i)) return 1;
            model.markModified();
        }
        edited = model.tokens();
        reportHistory("200 channel edits", model.undoHistory());
        reportTiming("undo in the library", timeRuns(kSteps / 2, nothing, [&] { model.undo(); }));
        reportTiming("redo in the library", timeRuns(kSteps / 2, nothing, [&] { model.redo(); }));
        if (model.tokens() != edited) {
            std::fprintf(stderr, "undo and redo did not give back the edited list\n");
            return 1;
        }

        model.undoHistory().clear();
        for (int i = 0; i < kSteps; ++i) {
            model.recordUndo("Sort Channel");
            sort(model.tokens(), i);
        }
        reportHistory("200 sorts (target: 200 steps, < 200 MB)", model.undoHistory());
        const TokenArray sorted = model.tokens();
        reportTiming("undo of a sort in the library", timeRuns(7, nothing, [&] { model.undo(); }));
        reportTiming("redo of a sort in the library", timeRuns(7, nothing, [&] { model.redo(); }));
        if (model.tokens() != sorted) {
            std::fprintf(stderr, "undo and redo did not give back the sorted list\n");
            return 1;
        }
    }

    // Through the document, as the commands change the list: each edit and each undo rebuilds
    // the detail rows.
    ListDocument document(ui, settings);
    if (!document.open(argv[1])) {
        std::fprintf(stderr, "loading failed\n");
        return 1;
    }
    document.undoHistory().setDepth(UndoHistory::kMaxDepth);
    for (int i = 0; i < kSteps; ++i) {
        document.edit(
            "Setting channel", [&](ListEdit& list) { return rename(list.tokens(), i); },
            Renumber::No);
    }
    if (document.tokens() != edited) {
        std::fprintf(stderr, "the document's edits differ from the library's\n");
        return 1;
    }
    edited = {};
    reportTiming("undo through the document (with rebuild)",
                 timeRuns(7, nothing, [&] { document.undo(); }));
    reportTiming("redo through the document (with rebuild)",
                 timeRuns(7, nothing, [&] { document.redo(); }));
    reportHistory("the undos and redos", document.undoHistory());

    // Seven sorts are enough for the document's timings.
    document.undoHistory().clear();
    for (int i = 0; i < 8; ++i) {
        document.edit(
            "Sort Channel",
            [&](ListEdit& list) {
                sort(list.tokens(), i);
                return true;
            },
            Renumber::No);
    }
    const TokenArray sorted = document.tokens();
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
