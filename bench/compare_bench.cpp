// Times Compare with List on a channel list (the largest one, written by skylister-listgen)
// against its own file, as the document does it: the other list read beside the open one, then
// the comparison, then both one after the other and both as Compare with List does them (the
// open list's rows read on a second thread while the other list loads), the open list sorted by
// name so that its channels moved.
// Usage: compare_bench LIST.txt

#include <cstdio>
#include <future>
#include <optional>
#include <string>

#include "BenchDocument.h"
#include "RunTiming.h"
#include "editor/compare/ComparedList.h"
#include "editor/compare/ListComparison.h"
#include "editor/sort/ChannelSorter.h"
#include "listdb/ListFile.h"

namespace {

using namespace sky;

void report(const std::string& what, Timing t) {
    reportTiming(what, t, 52);
}

constexpr int kRuns = 9;

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: compare_bench LIST.txt\n");
        return 2;
    }
    BenchDocument bench;
    if (!bench.open(argv[1])) return 1;
    TokenArray open = bench.document.tokens();
    sortChannels(open, SortMode::NameOnly, SortFlags{});

    const auto nothing = [] {};
    const auto readOther = [&] {
        TokenArray tokens;
        ListFile other(bench.settings, bench.ui, argv[1]);
        if (other.loadChannelList(tokens) == LoadResult::Failed) return std::optional<TokenArray>();
        return std::optional<TokenArray>(std::move(tokens));
    };
    std::optional<TokenArray> other;
    report("reading the other list", timeRuns(kRuns, nothing, [&] { other = readOther(); }));
    if (!other) return 1;
    std::size_t differing = 0;
    report("comparing the lists", timeRuns(kRuns, nothing, [&] {
               differing = compareLists(open, *other).channelsDiffering();
           }));
    report("both, one after the other", timeRuns(kRuns, nothing, [&] {
               other = readOther();
               differing = compareLists(open, *other).channelsDiffering();
           }));
    report("both, the open list's rows read beside the loading", timeRuns(kRuns, nothing, [&] {
               std::future<ComparedList> reading = std::async(std::launch::async, [&open] {
                   ComparedList rows(open);
                   rows.readAhead();
                   return rows;
               });
               other = readOther();
               differing = compareLists(reading.get(), ComparedList(*other)).channelsDiffering();
           }));
    std::printf("  %zu channels differ\n", differing);
    return differing > 0 ? 0 : 1;
}
