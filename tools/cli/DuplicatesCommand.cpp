// The duplicates command: Find Duplicates over the whole list, and Remove with --remove.

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "Arguments.h"
#include "Commands.h"
#include "ConsoleUi.h"
#include "db/SiblingPath.h"
#include "editor/duplicates/DuplicateDisplay.h"
#include "editor/duplicates/DuplicateGroups.h"
#include "editor/duplicates/DuplicateRemoval.h"
#include "editor/editing/Renumber.h"
#include "listdb/CompileCommands.h"
#include "listdb/ListFile.h"

namespace sky::cli {

namespace {

// One block per group: the section and the cells its rows share, then each row's number and
// name, the keeper marked.
void printGroup(const DuplicateGroup& group) {
    std::string heading = duplicateSectionTitle(group.section);
    if (group.match == DuplicateMatch::Name) heading += " by name";
    heading += ": " + equalCellsText(group.equalCells);
    std::printf("%s\n", heading.c_str());
    for (std::size_t member = 0; member < group.rows.size(); ++member) {
        const DuplicateRow& row = group.rows[member];
        std::printf("  %6s  \"%s\"%s\n", row.number.c_str(), row.name.c_str(),
                    member == group.keeper ? "  (kept)" : "");
    }
    std::printf("\n");
}

}  // namespace

int runDuplicates(const std::vector<std::string>& args) {
    const std::optional<Arguments> parsed = listArguments(args, {}, {"--remove", "--names"});
    if (!parsed) return kUsage;
    const RuntimeSettings settings = listSettings(*parsed);
    ConsoleUi ui;
    ListFile db(settings, ui, parsed->positional()[0]);
    TokenArray tokens;
    if (db.loadChannelList(tokens) == LoadResult::Failed) return kFailure;

    std::vector<DuplicateGroup> groups;
    for (const DuplicateSection section : kDuplicateSections) {
        for (const DuplicateMatch match : {DuplicateMatch::Exact, DuplicateMatch::Name}) {
            if (match == DuplicateMatch::Name &&
                (!parsed->has("--names") || !nameMatchApplies(section))) {
                continue;
            }
            for (DuplicateGroup& group : findDuplicates(tokens, section, match)) {
                printGroup(group);
                groups.push_back(std::move(group));
            }
        }
    }
    if (groups.empty()) {
        std::printf("%s\n", kNoDuplicatesFound);
        return kSuccess;
    }
    std::printf("%zu groups of duplicates found.\n", groups.size());
    if (!parsed->has("--remove")) return kSuccess;

    const PackedTokens before(tokens);
    const std::optional<std::size_t> removed = removeDuplicateRows(tokens, groups);
    if (!removed) {
        ui.message(kDuplicatesOutdated);
        return kFailure;
    }
    // The numbers of the sections that lost rows close up, as after Delete in the editor.
    renumberEditedChannels(tokens, before);
    if (!saveList(db, tokens)) return kFailure;
    std::printf("%zu rows removed; the previous list is kept as %s.\n", *removed,
                siblingPath(db.path, ".bak").value_or("").c_str());
    return kSuccess;
}

}  // namespace sky::cli
