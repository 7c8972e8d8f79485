// Times Rename Channels on a channel list (the largest one, written by skylister-listgen): the
// preview of 20,000 names, as the dialog makes it again on each change of a rule, for each kind
// of rule alone and for all of them in order; a tick of a row, which marks the equal names anew;
// and the rename itself as the edit of the document with its undo entry and refresh.
// Usage: rename_bench LIST.txt

#include <cstdio>
#include <string>
#include <vector>

#include "BenchDocument.h"
#include "RunTiming.h"
#include "editor/document/ListDocument.h"
#include "editor/rename/RenamePreview.h"

namespace {

using namespace sky;

constexpr int kRuns = 7;
constexpr std::size_t kNames = 20000;

RenameRule parsed(RenameRuleKind kind, const char* text) {
    std::string error;
    return parseRenameRule(kind, text, error).value();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: rename_bench LIST.txt\n");
        return 2;
    }
    BenchDocument bench;
    if (!bench.open(argv[1])) return 1;
    ListDocument& document = bench.document;
    std::vector<RecordRef> records;
    for (const RecordKind kind : {RecordKind::Digital, RecordKind::Pid, RecordKind::Analog}) {
        for (const RecordRef& record : sectionRecords(document.tokens(), kind)) {
            if (records.size() < kNames) records.push_back(record);
        }
    }
    std::printf("%zu names\n", records.size());

    const std::vector<std::pair<std::string, std::vector<RenameRule>>> ruleSets{
        {"replace text", {parsed(RenameRuleKind::Replace, "1=One")}},
        {"regular expression", {parsed(RenameRuleKind::Regex, "^(\\w+) (\\w+)=$2 $1")}},
        {"case: title", {parsed(RenameRuleKind::Case, "title")}},
        {"strip words", {parsed(RenameRuleKind::Strip, "HD,SD")}},
        {"fit to 8", {parsed(RenameRuleKind::Fit, "8")}},
        {"all five in order",
         {parsed(RenameRuleKind::Replace, "1=One"),
          parsed(RenameRuleKind::Regex, "^(\\w+) (\\w+)=$2 $1"),
          parsed(RenameRuleKind::Case, "title"), parsed(RenameRuleKind::Strip, "HD,SD"),
          parsed(RenameRuleKind::Fit, "8")}},
    };
    const auto nothing = [] {};
    RenamePreview preview;
    for (const auto& [name, rules] : ruleSets) {
        const Timing t = timeRuns(kRuns, nothing, [&, &rules = rules] {
            preview = previewRename(document.tokens(), records, rules);
        });
        reportTiming("preview, " + name + " (" + std::to_string(tickedCount(preview)) + " ticked)",
                     t);
    }
    std::size_t row = 0;
    while (row < preview.rows.size() && !canTick(preview.rows[row])) ++row;
    bool ticked = false;
    reportTiming("untick and tick a row", timeRuns(kRuns, nothing, [&] {
                     setTicked(preview, row, ticked);
                     ticked = !ticked;
                 }));
    setTicked(preview, row, true);
    reportTiming("rename as an edit (undone before each run)",
                 timeRuns(
                     kRuns, [&] { document.undo(); }, [&] { renameChannels(document, preview); }));
    return 0;
}
