// Times Apply Order from List and Compare on a channel list (the largest one, written by
// skylister-listgen) against the same list in another order: sorted by name alone, given as a
// channel list (matched by identity) and as number;name lines (matched by name). Apply is timed
// as the edit of the document, with its undo entry and refresh; the matching of the Digital
// Channel view on its own; Compare of the list with its reordering.
// Usage: order_bench LIST.txt

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "BenchDocument.h"
#include "RunTiming.h"
#include "db/TextWriter.h"
#include "editor/compare/ListComparison.h"
#include "editor/document/ListDocument.h"
#include "editor/match/RowMatching.h"
#include "editor/order/ApplyOrder.h"
#include "editor/sort/ChannelSorter.h"

namespace {

using namespace sky;

void report(const std::string& what, Timing t) {
    reportTiming(what, t, 58);
}

constexpr int kRuns = 7;

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: order_bench LIST.txt\n");
        return 2;
    }
    BenchDocument bench;
    if (!bench.open(argv[1])) return 1;
    ListDocument& document = bench.document;
    TokenArray sorted = document.tokens();
    sortChannels(sorted, SortMode::NameOnly, SortFlags{});
    const std::optional<OrderReference> asList =
        readOrderReference(channelListText(sorted), "sorted.txt", true, bench.settings, bench.ui);
    const std::optional<OrderReference> byName = readOrderReference(
        referenceText(sorted, true), "sorted.csv", true, bench.settings, bench.ui);
    if (!asList || !byName) return 1;
    const std::vector<MatchRow> listRows = channelMatchRows(document.tokens(), true);
    std::printf("%zu digital view rows, %zu analog view rows\n", listRows.size(),
                channelMatchRows(document.tokens(), false).size());

    const auto nothing = [] {};
    RowMatching matching;
    report("matching of the Digital Channel view (identity)",
           timeRuns(kRuns, nothing, [&] { matching = matchRows(*asList->digital, listRows); }));
    report("matching of the Digital Channel view (names)",
           timeRuns(kRuns, nothing, [&] { matching = matchRows(*byName->digital, listRows); }));

    OrderPlan plan;
    report("preview of a channel-list reference (both views)",
           timeRuns(kRuns, nothing, [&] { plan = planOrder(document.tokens(), *asList, {}); }));
    std::printf("  digital: %zu by identity, %zu by name, %zu unmatched; analog: %zu, %zu, %zu\n",
                plan.digital.byIdentity, plan.digital.byName, plan.digital.unmatched.size(),
                plan.analog.byIdentity, plan.analog.byName, plan.analog.unmatched.size());

    // Each run starts from the list as opened: the step before is undone.
    const auto undo = [&] { document.undo(); };
    bool applied = true;
    report("Apply Order of a channel-list reference (both views)", timeRuns(kRuns, undo, [&] {
               applied = applyOrder(document, *asList, {}).has_value() && applied;
           }));
    undo();
    report("Apply Order of number;name lines (digital view)", timeRuns(kRuns, undo, [&] {
               applied = applyOrder(document, *byName, {}).has_value() && applied;
           }));
    undo();
    std::size_t differing = 0;
    report("Compare with the list sorted by name", timeRuns(kRuns, nothing, [&] {
               differing = compareLists(document.tokens(), sorted).channelsDiffering();
           }));
    std::printf("  %zu channels differ\n", differing);
    bool equal = false;
    report("Compare with itself", timeRuns(kRuns, nothing, [&] {
               equal = compareLists(document.tokens(), document.tokens()).equal();
           }));
    return applied && equal ? 0 : 1;
}
