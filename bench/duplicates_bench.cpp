// Times Find Duplicates on a channel list (the largest one, written by skylister-listgen): the
// count the status bar shows after Open, Find in each section by the exact rule and by name, and
// Remove of 1,000 duplicate analog channels and of 1,000 duplicate transponders (whose channels
// move) beside a Delete of 1,000 analog rows, each as the edit of the document with its undo
// entry and refresh.
// Usage: duplicates_bench LIST.txt

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "BenchDocument.h"
#include "RunTiming.h"
#include "editor/document/ListDocument.h"
#include "editor/duplicates/DuplicateGroups.h"
#include "editor/duplicates/DuplicateRemoval.h"
#include "editor/editing/ChannelClipboard.h"

namespace {

using namespace sky;

void report(const std::string& what, Timing t) {
    reportTiming(what, t, 52);
}

constexpr int kRuns = 7;
constexpr std::size_t kRemoved = 1000;

// The first groups of the section, cut so that Remove takes out exactly kRemoved rows.
std::vector<DuplicateGroup> groupsRemoving(const TokenArray& tokens, DuplicateSection section) {
    std::vector<DuplicateGroup> groups;
    std::size_t rows = 0;
    for (DuplicateGroup& group : findDuplicates(tokens, section, DuplicateMatch::Exact)) {
        if (rows == kRemoved) break;
        const std::size_t keep = std::min(group.rows.size(), kRemoved - rows + 1);
        group.rows.resize(keep);
        group.keeper = 0;
        rows += keep - 1;
        groups.push_back(std::move(group));
    }
    return groups;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: duplicates_bench LIST.txt\n");
        return 2;
    }
    BenchDocument bench;
    if (!bench.open(argv[1])) return 1;
    ListDocument& document = bench.document;
    const auto nothing = [] {};
    std::size_t count = 0;
    report("count for the status bar (all sections)",
           timeRuns(kRuns, nothing, [&] { count = duplicateRowCount(document.tokens()); }));
    std::printf("  %s\n", duplicateStatusText(count).c_str());

    for (const DuplicateSection section : kDuplicateSections) {
        for (const DuplicateMatch match : {DuplicateMatch::Exact, DuplicateMatch::Name}) {
            if (match == DuplicateMatch::Name && !nameMatchApplies(section)) continue;
            std::size_t groups = 0;
            const Timing t = timeRuns(kRuns, nothing, [&] {
                groups = findDuplicates(document.tokens(), section, match).size();
            });
            report(std::string("find ") + duplicateSectionTitle(section) +
                       (match == DuplicateMatch::Name ? " by name" : "") + " (" +
                       std::to_string(groups) + " groups)",
                   t);
        }
    }

    // Each run starts from the list as opened: the step before is undone.
    const auto undo = [&] { document.undo(); };
    std::vector<std::size_t> spread;
    for (std::size_t i = 0; i < kRemoved; ++i) spread.push_back(i * 20);
    report("Delete of 1,000 analog rows", timeRuns(kRuns, undo, [&] {
               document.edit(
                   "Delete Channel",
                   [&](ListEdit& list) { return deleteRows(list.tokens(), false, spread); },
                   Renumber::Yes);
           }));
    undo();
    const std::vector<DuplicateGroup> analogs =
        groupsRemoving(document.tokens(), DuplicateSection::Analog);
    std::size_t removed = 0;
    report("Remove of 1,000 duplicate analog channels",
           timeRuns(kRuns, undo, [&] { removed = removeDuplicates(document, analogs); }));
    undo();
    if (removed != kRemoved) std::fprintf(stderr, "removed %zu analog rows\n", removed);
    const std::vector<DuplicateGroup> transponders =
        groupsRemoving(document.tokens(), DuplicateSection::Transponder);
    report("Remove of 1,000 duplicate transponders",
           timeRuns(kRuns, undo, [&] { removed = removeDuplicates(document, transponders); }));
    if (removed != kRemoved) std::fprintf(stderr, "removed %zu transponders\n", removed);
    return removed == kRemoved ? 0 : 1;
}
