// The commands on two lists: apply-order (Apply Order from List) and diff (Compare).

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "Arguments.h"
#include "Commands.h"
#include "ConsoleUi.h"
#include "db/SiblingPath.h"
#include "editor/compare/ListComparison.h"
#include "editor/editing/Renumber.h"
#include "editor/order/ApplyOrder.h"
#include "listdb/CompileCommands.h"
#include "listdb/ListFile.h"
#include "shell/commands/ReferenceFile.h"

namespace sky::cli {

namespace {

void printViewPlan(const char* view, const ViewOrderPlan& plan, UnmatchedRows unmatched) {
    if (!plan.ordered) return;
    std::printf("%s: %zu matched by identity, %zu by name, %zu unmatched %s, %zu null places", view,
                plan.byIdentity, plan.byName, plan.unmatched.size(),
                unmatched == UnmatchedRows::Keep ? "kept after them" : "removed", plan.nullPlaces);
    std::printf(", %zu of the reference not found.\n", plan.notFound.size());
    for (const OrderRowText& row : plan.unmatched) {
        std::printf("  unmatched %6s  \"%s\"\n", row.number.c_str(), row.name.c_str());
    }
}

// Reads and loads a channel list for diff; false after its message.
bool loadList(const std::string& path, const RuntimeSettings& settings, IUserInterface& ui,
              TokenArray& tokens) {
    ListFile db(settings, ui, path);
    return db.loadChannelList(tokens) != LoadResult::Failed;
}

}  // namespace

int runApplyOrder(const std::vector<std::string>& args) {
    const std::optional<Arguments> parsed =
        listArguments(args, {"--unmatched"}, {"--analog"}, 2,
                      "expected the channel-list file and the reference file");
    if (!parsed) return kUsage;
    const std::string unmatchedRows = parsed->value("--unmatched").value_or("keep");
    if (unmatchedRows != "keep" && unmatchedRows != "remove") {
        return usageError("--unmatched must be keep or remove");
    }
    const RuntimeSettings settings = listSettings(*parsed);
    ConsoleUi ui;
    ListFile db(settings, ui, parsed->positional()[0]);
    TokenArray tokens;
    if (db.loadChannelList(tokens) == LoadResult::Failed) return kFailure;

    // The reference is read beside the list as the window's Apply Order from List reads it.
    const std::optional<OrderReference> reference =
        readReferenceBeside(parsed->positional()[1], !parsed->has("--analog"), settings, ui);
    if (!reference) return kFailure;

    OrderOptions options;
    options.unmatched = unmatchedRows == "keep" ? UnmatchedRows::Keep : UnmatchedRows::Remove;
    const OrderPlan plan = planOrder(tokens, *reference, options);
    printViewPlan("Digital Channel", plan.digital, options.unmatched);
    printViewPlan("Analog Channel", plan.analog, options.unmatched);
    if (!plan.changesList()) {
        std::printf("The list is already in the reference's order; it is left as it was.\n");
        return kSuccess;
    }
    const PackedTokens before(tokens);
    applyOrderPlan(tokens, plan);
    // The channels of the sections ordered are numbered anew in their new order, as after a sort.
    renumberEditedChannels(tokens, before);
    if (!saveList(db, tokens)) return kFailure;
    std::printf("Order applied; the previous list is kept as %s.\n",
                siblingPath(db.path, ".bak").value_or("").c_str());
    return kSuccess;
}

int runDiff(const std::vector<std::string>& args) {
    const std::optional<Arguments> parsed =
        listArguments(args, {}, {}, 2, "expected two channel-list files");
    if (!parsed) return kUsage;
    const RuntimeSettings settings = listSettings(*parsed);
    ConsoleUi ui;
    TokenArray a;
    TokenArray b;
    if (!loadList(parsed->positional()[0], settings, ui, a) ||
        !loadList(parsed->positional()[1], settings, ui, b)) {
        return kUsage;
    }
    const ListComparison comparison = compareLists(a, b);
    // One line per difference, its fields apart by tabs: kind, section, number in A, number in
    // B ("-" for none), name, and the columns that differ.
    for (const SectionComparison& section : comparison.sections) {
        for (const RowDifference& d : section.differences) {
            std::string cells;
            for (const std::string& cell : d.cells) cells += (cells.empty() ? "" : ",") + cell;
            std::printf("%s\t%s\t%s\t%s\t%s\t%s\n", differenceKindName(d.kind),
                        compareSectionTitle(section.section),
                        d.numberA.empty() ? "-" : d.numberA.c_str(),
                        d.numberB.empty() ? "-" : d.numberB.c_str(), d.name.c_str(), cells.c_str());
        }
    }
    // The counts, as comment lines a script can pass over.
    for (const SectionComparison& section : comparison.sections) {
        if (section.differences.empty()) continue;
        std::printf("# %s:", compareSectionTitle(section.section));
        const char* separator = " ";
        for (const DifferenceKind kind : kDifferenceKinds) {
            std::printf("%s%zu %s", separator, section.count(kind), differenceKindName(kind));
            separator = ", ";
        }
        std::printf("\n");
    }
    std::printf("# %s\n", comparison.equal() ? "The lists are equal."
                                             : differenceSummary(comparison).c_str());
    return comparison.equal() ? kSuccess : kFailure;
}

}  // namespace sky::cli
