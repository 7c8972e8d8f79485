// Times the list view's logic on a channel list (the largest one, written by skylister-listgen):
// the load command with its detail rebuild and refill, one channel edit, deleting 100 selected
// rows, a group move of 50 rows, undo and each sort mode, each with its refresh; then the memory
// of five undo snapshots and the process's peak resident set size.
// Usage: editor_bench LIST.txt

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "QuietUi.h"
#include "document/ListDB.h"
#include "editor/view/SkylistListView.h"

namespace {

using namespace sky;

// Keeps every cell it is given, as a list widget's model would.
class StoringList : public IListControl {
public:
    void deleteAllItems() override {
        rows_.clear();
        selected_.clear();
    }
    void deleteColumn(int) override { --columns_; }
    void insertColumn(int, const std::string&, int) override { ++columns_; }
    void insertItem(int row, const std::string& text, int) override {
        rows_.resize(static_cast<std::size_t>(row) + 1);
        rows_.back().resize(static_cast<std::size_t>(columns_));
        rows_.back()[0] = text;
        selected_.resize(rows_.size());
    }
    void setItemText(int row, int column, const std::string& text) override {
        rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] = text;
    }
    int itemCount() const override { return static_cast<int>(rows_.size()); }
    int selectedCount() const override { return selectedCount_; }
    bool isSelected(int row) const override { return selected_[static_cast<std::size_t>(row)]; }
    void selectAndFocus(int row) override { select({row}); }
    void ensureVisible(int) override {}
    int topIndex() const override { return 0; }
    int countPerPage() const override { return 30; }
    ListHit hitTest(ListPoint point) const override { return {point.y, 0}; }
    void attachImageLists() override {}

    void select(const std::vector<int>& rows) {
        selected_.assign(rows_.size(), false);
        for (int row : rows) selected_[static_cast<std::size_t>(row)] = true;
        selectedCount_ = static_cast<int>(rows.size());
    }

private:
    int columns_ = 0;
    std::vector<std::vector<std::string>> rows_;
    std::vector<bool> selected_;
    int selectedCount_ = 0;
};

class Host : public IViewHost {
public:
    explicit Host(CListDB& database) : db_(database) {}
    bool isLoaded() const override { return true; }
    CListDB* database() override { return &db_; }
    void loadFailed() override { std::fprintf(stderr, "loading failed\n"); }
    void setTitle(const std::string&) override {}
    std::string uploadFilePath() const override { return {}; }

private:
    CListDB& db_;
};

// Renames the channel of the row, as an adjust of its name would.
class RenamingEditor : public IChannelEditor {
public:
    bool adjustChannel(EditorModel& model, bool digital, std::size_t row) override {
        const auto record = model.recordOfRow(digital, row);
        if (!record) return false;
        model.tokens()[record->cell + (record->kind == RecordKind::Digital ? 5 : 4)] = "Renamed";
        return true;
    }
    bool newChannel(EditorModel&, bool) override { return false; }
    bool editSatellite(EditorModel&, std::size_t) override { return false; }
};

// Best and median of a few runs of a step: the machine may be busy with other work.
struct Timing {
    double best;
    double median;
};

Timing timeRuns(int runs, const std::function<void()>& prepare, const std::function<void()>& step) {
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        prepare();
        const auto start = std::chrono::steady_clock::now();
        step();
        ms.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
    std::sort(ms.begin(), ms.end());
    return {ms.front(), ms[ms.size() / 2]};
}

void report(const char* what, Timing t) {
    std::printf("%-44s best %8.1f ms   median %8.1f ms\n", what, t.best, t.median);
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
    CListDB db(settings, ui, argv[1]);
    Host host(db);
    StoringList list;
    CSkylistListView view(list, ui, host);
    RenamingEditor editor;
    view.setChannelEditor(&editor);

    const auto nothing = [] {};
    report("load command (load, rebuild, refill)",
           timeRuns(3, nothing, [&] { view.run(ViewCommand::Reload); }));
    const int rows = list.itemCount();
    std::printf("digital view rows %d, cells %zu\n", rows, view.model().tokens().size());
    if (rows < 200) return 1;

    report("refresh with renumbering", timeRuns(kRuns, nothing, [&] { view.refresh(true); }));
    report("edit of one channel name (double-click)",
           timeRuns(
               kRuns, [&] { list.select({rows / 2}); }, [&] { view.onDoubleClick(); }));
    std::vector<int> spread;
    for (int i = 0; i < 100; ++i) spread.push_back(i * (rows / 100));
    report("delete of 100 selected rows",
           timeRuns(
               kRuns, [&] { list.select(spread); }, [&] { view.onKey(ViewKey::Delete); }));
    std::vector<int> block;
    for (int i = 0; i < 50; ++i) block.push_back(100 + i);
    report("group move of 50 rows", timeRuns(
                                        kRuns,
                                        [&] {
                                            list.select(block);
                                            view.onLeftButtonDown({0, 100});
                                            view.onBeginDrag();
                                        },
                                        [&] {
                                            view.onLeftButtonUp({0, rows / 2});
                                        }));
    report("undo", timeRuns(
                       kRuns,
                       [&] {
                           list.select({7});
                           view.onKey(ViewKey::Insert);
                       },
                       [&] { view.run(ViewCommand::Undo); }));
    for (int i = 0; i < 5; ++i) {
        list.select({i});
        view.onKey(ViewKey::Insert);
    }
    std::printf("undo history: %d snapshots, %.1f MB\n", view.model().undoHistory().count(),
                static_cast<double>(view.model().undoHistory().bytes()) / 1e6);

    const std::pair<const char*, ViewCommand> sorts[] = {
        {"sort by satellite, type, name", ViewCommand::SortChannelName},
        {"sort by satellite, type, frequency, name", ViewCommand::SortFrequency},
        {"sort by satellite, type, bouquet, name", ViewCommand::SortBouquet},
        {"sort by type, name", ViewCommand::SortNameOnly},
    };
    for (const auto& [what, command] : sorts) {
        report(what, timeRuns(3, nothing, [&, command = command] { view.run(command); }));
    }

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak resident set size %.1f MB\n", static_cast<double>(usage.ru_maxrss) / 1024.0);
    return 0;
}
