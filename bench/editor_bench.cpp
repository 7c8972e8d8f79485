// Times the list view's logic on a channel list (the largest one, written by skylister-listgen):
// the load command with its detail rebuild and refill, one channel edit, deleting 100 selected
// rows, a group move of 50 rows, undo and each sort mode, each with its refresh; the find bar's
// refilter (a keystroke with "Show only matching rows", the table's reset and read of a page
// included), its next match and a Move to Number of 100 scattered rows; then the memory of five
// undo snapshots and the process's peak resident set size.
// Usage: editor_bench LIST.txt

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "QuietUi.h"
#include "RunTiming.h"
#include "editor/view/ListView.h"
#include "listdb/ListFile.h"

namespace {

using namespace sky;

// Reads what the view shows as a table does after each reset: the row count and the cells of
// one page.
class PageReader : public IListControl {
public:
    static constexpr std::size_t kPage = 30;

    void attach(const ShownList& shown) { shown_ = &shown; }
    void beginReset() override {}
    void endReset(ResetScope) override {
        selected_.clear();
        if (!shown_) return;
        const std::size_t columns = shown_->columns().size();
        for (std::size_t row = 0; row < std::min(kPage, shown_->rowCount()); ++row) {
            for (std::size_t column = 0; column < columns; ++column) {
                bytesRead_ += shown_->cell(row, column).size();
            }
        }
    }
    std::vector<std::size_t> selectedRows() const override { return selected_; }
    void selectAndFocus(std::size_t row) override { selected_ = {row}; }
    void selectRows(const std::vector<std::size_t>& rows) override { selected_ = rows; }
    void ensureVisible(std::size_t) override {}
    std::optional<std::size_t> lastVisibleRow() const override { return kPage - 1; }

    void select(std::vector<std::size_t> rows) { selected_ = std::move(rows); }
    std::size_t bytesRead() const { return bytesRead_; }

private:
    const ShownList* shown_ = nullptr;
    std::vector<std::size_t> selected_;
    std::size_t bytesRead_ = 0;
};

// Renames the channel of the row, as an adjust of its name would.
class RenamingEditor : public IChannelEditor {
public:
    bool adjustChannel(ListEdit& list, bool digital, std::size_t row) override {
        const auto record = list.recordOfRow(digital, row);
        if (!record) return false;
        list.tokens()[record->cell + (record->kind == RecordKind::Digital ? 5 : 4)] = "Renamed";
        return true;
    }
    bool newChannel(ListDocument&, bool) override { return false; }
    bool editSatellite(ListEdit&, std::size_t) override { return false; }
};

void report(const std::string& what, Timing t) {
    reportTiming(what, t, 44);
}

constexpr int kRuns = 7;

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: editor_bench LIST.txt\n");
        return 2;
    }
    RuntimeSettings settings;
    settings.maxSatellite40 = true;
    QuietUi ui(sky::Answer::No);
    ListDocument document(ui, settings);
    PageReader list;
    ListView view(list, ui, document);
    list.attach(view.shownList());
    if (!document.open(argv[1])) {
        std::fprintf(stderr, "loading failed\n");
        return 1;
    }
    RenamingEditor editor;
    view.setChannelEditor(&editor);

    const auto nothing = [] {};
    report("load command (load, rebuild, refill)",
           timeRuns(3, nothing, [&] { document.reload(); }));
    const auto rows = static_cast<int>(view.shownList().rowCount());
    std::printf("digital view rows %d, cells %zu\n", rows, view.model().tokens().size());
    if (rows < 200) return 1;

    report("refresh with renumbering", timeRuns(kRuns, nothing, [&] { view.refresh(true); }));
    report("edit of one channel name (double-click)",
           timeRuns(
               kRuns, [&] { list.select({static_cast<std::size_t>(rows / 2)}); },
               [&] { view.onDoubleClick(); }));
    std::vector<std::size_t> spread;
    for (int i = 0; i < 100; ++i) spread.push_back(static_cast<std::size_t>(i * (rows / 100)));
    report("delete of 100 selected rows",
           timeRuns(
               kRuns, [&] { list.select(spread); }, [&] { view.run(Command::Delete); }));
    std::vector<std::size_t> block;
    for (std::size_t i = 0; i < 50; ++i) block.push_back(100 + i);
    report("group move of 50 rows",
           timeRuns(
               kRuns, [&] { list.select(block); },
               [&] { view.dropSelectedRows(static_cast<std::size_t>(rows / 2)); }));
    report("undo", timeRuns(
                       kRuns,
                       [&] {
                           list.select({7});
                           view.run(Command::InsertNull);
                       },
                       [&] { view.run(Command::Undo); }));
    // The find bar on the digital view: each keystroke alternates between two texts, so every
    // run finds and shows a new set of rows; a text that no row holds is searched for in every
    // cell shown.
    FindQuery query;
    query.onlyMatching = true;
    for (const auto& [what, texts] :
         {std::pair{"refilter, most rows match", std::pair{"ch", "ch1"}},
          std::pair{"refilter, no row matches", std::pair{"xq", "xqz"}}}) {
        int keystroke = 0;
        report(what, timeRuns(kRuns, nothing, [&, texts = texts] {
                   query.text = keystroke++ % 2 ? texts.second : texts.first;
                   view.setFindQuery(query);
               }));
        std::printf("  rows shown for \"%s\": %zu\n", query.text.c_str(),
                    view.shownList().rowCount());
    }
    query.onlyMatching = false;
    query.text = "7";
    view.setFindQuery(query);
    report("next match", timeRuns(kRuns, nothing, [&] { view.findNext(); }));
    view.clearFind();
    std::vector<std::size_t> scattered;
    for (int i = 0; i < 100; ++i) scattered.push_back(static_cast<std::size_t>(i * (rows / 300)));
    report("move to number of 100 scattered rows",
           timeRuns(
               kRuns, [&] { list.select(scattered); },
               [&] {
                   if (view.moveSelectionToNumber(rows / 2) != MoveResult::Moved) std::exit(1);
               }));

    for (int i = 0; i < 5; ++i) {
        list.select({static_cast<std::size_t>(i)});
        view.run(Command::InsertNull);
    }
    std::printf("undo history: %d snapshots, %.1f MB\n", view.model().undoHistory().count(),
                static_cast<double>(view.model().undoHistory().bytes()) / 1e6);

    const std::pair<const char*, Command> sorts[] = {
        {"sort by satellite, type, name", Command::SortChannelName},
        {"sort by satellite, type, frequency, name", Command::SortFrequency},
        {"sort by satellite, type, bouquet, name", Command::SortBouquet},
        {"sort by type, name", Command::SortNameOnly},
    };
    for (const auto& [what, command] : sorts) {
        report(what, timeRuns(3, nothing, [&, command = command] { view.run(command); }));
    }

    std::printf("text read through the list seam: %zu bytes\n", list.bytesRead());
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak resident set size %.1f MB\n", static_cast<double>(usage.ru_maxrss) / 1024.0);
    return 0;
}
