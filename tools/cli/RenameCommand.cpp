// The rename command: Rename Channels over one section of the list or all three, with the rules
// in the order given.

#include <cstdio>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "Arguments.h"
#include "Commands.h"
#include "ConsoleUi.h"
#include "db/SiblingPath.h"
#include "editor/model/NameEncoding.h"
#include "editor/rename/RenamePreview.h"
#include "listdb/CompileCommands.h"
#include "listdb/ListFile.h"

namespace sky::cli {

namespace {

const std::map<std::string, RenameRuleKind> kRuleOptions{
    {"--replace", RenameRuleKind::Replace}, {"--regex", RenameRuleKind::Regex},
    {"--case", RenameRuleKind::Case},       {"--strip", RenameRuleKind::Strip},
    {"--fit", RenameRuleKind::Fit},
};

// Takes the rule options out of args, in order; the rest stay for Arguments. False after a
// usage error, which has been reported.
bool takeRules(std::vector<std::string>& args, std::vector<RenameRule>& rules) {
    std::vector<std::string> rest;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const auto option = kRuleOptions.find(args[i]);
        if (option == kRuleOptions.end()) {
            rest.push_back(args[i]);
            continue;
        }
        if (i + 1 == args.size()) {
            usageError(args[i] + " needs a value");
            return false;
        }
        std::string error;
        std::optional<RenameRule> rule = parseRenameRule(option->second, args[++i], error);
        if (!rule) {
            usageError(option->first + ": " + error);
            return false;
        }
        rules.push_back(std::move(*rule));
    }
    if (rules.empty()) {
        usageError("expected at least one of --replace, --regex, --case, --strip, --fit");
        return false;
    }
    args = std::move(rest);
    return true;
}

const char* sectionWord(RecordKind kind) {
    return kind == RecordKind::Digital ? "digital" : kind == RecordKind::Pid ? "PID" : "analog";
}

void printRow(const RenameRow& row) {
    const std::string note = renameNote(row);
    std::printf("  %s %s  \"%s\" -> \"%s\"%s%s\n", sectionWord(row.record.kind), row.number.c_str(),
                utf8Name(row.oldName).c_str(), utf8Name(row.newName).c_str(),
                note.empty() ? "" : "  ", note.c_str());
}

}  // namespace

int runRename(const std::vector<std::string>& args) {
    std::vector<std::string> rest = args;
    std::vector<RenameRule> rules;
    if (!takeRules(rest, rules)) return kUsage;
    const std::optional<Arguments> parsed = listArguments(rest, {"--view"}, {"--dry-run"});
    if (!parsed) return kUsage;
    std::vector<RecordKind> kinds{RecordKind::Digital, RecordKind::Pid, RecordKind::Analog};
    if (const std::optional<std::string> view = parsed->value("--view")) {
        if (*view == "digital")
            kinds = {RecordKind::Digital};
        else if (*view == "pid")
            kinds = {RecordKind::Pid};
        else if (*view == "analog")
            kinds = {RecordKind::Analog};
        else
            return usageError("--view takes digital, pid or analog");
    }

    ConsoleUi ui;
    const RuntimeSettings settings = listSettings(*parsed);
    ListFile db(settings, ui, parsed->positional()[0]);
    TokenArray tokens;
    if (db.loadChannelList(tokens) == LoadResult::Failed) return kFailure;
    std::vector<RecordRef> records;
    for (const RecordKind kind : kinds) {
        for (const RecordRef& record : sectionRecords(tokens, kind)) records.push_back(record);
    }
    const RenamePreview preview = previewRename(tokens, records, rules);
    std::size_t unchanged = 0;
    for (const RenameRow& row : preview.rows) {
        if (row.unchanged()) {
            ++unchanged;
        } else {
            printRow(row);
        }
    }
    const std::size_t ticked = tickedCount(preview);
    const bool dryRun = parsed->has("--dry-run");
    std::printf("%zu channels %s, %zu not, %zu unchanged.\n", ticked,
                dryRun ? "would be renamed" : "renamed", preview.rows.size() - unchanged - ticked,
                unchanged);
    if (dryRun || ticked == 0) {
        std::printf("The list is left as it was.\n");
        return kSuccess;
    }
    if (!applyRename(tokens, preview) || !saveList(db, tokens)) return kFailure;
    std::printf("The previous list is kept as %s.\n",
                siblingPath(db.path, ".bak").value_or("").c_str());
    return kSuccess;
}

}  // namespace sky::cli
