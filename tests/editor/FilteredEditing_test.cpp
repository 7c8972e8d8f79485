// Random queries and random edits on a filtered view: each edit must do to the list exactly what
// the same edit does to the same real rows in an unfiltered view, the filtered view must show
// exactly the rows that match, and undo must give back the list as it was, cell for cell.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <random>

#include "editor/ViewFixture.h"

namespace sky::test {
namespace {

// One list view over a document of its own.
struct Pane {
    explicit Pane(const TestList& sample) {
        list.perPage = 1000;
        list.attach(view.shownList());
        document.adopt(sample.tokens());
    }
    RecordingUi ui;
    ListControlDouble list;
    RuntimeSettings settings;
    ListDocument document{ui, settings};
    ListView view{list, ui, document};
};

std::string lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// The rows of an unfiltered widget that match the query, by a plain reading of the rule.
std::vector<std::size_t> expectedMatches(const ListControlDouble& all, const FindQuery& query,
                                         bool digital) {
    const std::size_t satColumn = digital ? std::size_t{kDigSatIndex} : std::size_t{kAnaSatIndex};
    std::vector<std::size_t> rows;
    for (std::size_t r = 0; r < all.rows.size(); ++r) {
        const ListControlDouble::Row& row = all.rows[r];
        if (query.satellite && row.cells[satColumn] != *query.satellite) continue;
        if (query.type != TypeChoice::All &&
            (row.icon == RowIcon::Tv) != (query.type == TypeChoice::Tv))
            continue;
        bool found = false;
        for (std::size_t c = 0; c < row.cells.size(); ++c) {
            const bool searched = query.column ? c == *query.column : all.columns[c].width > 0;
            if (searched && lower(row.cells[c]).find(lower(query.text)) != std::string::npos) {
                found = true;
            }
        }
        if (found) rows.push_back(r);
    }
    return rows;
}

TEST(FilteredEditing, EditsChangeExactlyTheRealRowsSelectedAndUndoRestoresTheList) {
    TestList sample = sampleList(30, 8, 16);
    const char* words[] = {"Sport", "news", "Kids", "Radio", "Music", "sport extra"};
    for (std::size_t i = 0; i < sample.channels.size(); ++i) sample.channels[i][5] += words[i % 6];
    for (std::size_t i = 0; i < sample.analogs.size(); ++i) sample.analogs[i][4] += words[i % 5];
    Pane filtered(sample);
    Pane plain(sample);

    std::mt19937 random(4711);
    const auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    const char* texts[] = {"", "sport", "NEWS", "d1", "a", "1", "hot", "zz", "s E"};
    const Command edits[] = {Command::Delete,    Command::Cut,          Command::InsertNull,
                             Command::Paste,     Command::MoveUp,       Command::MoveDown,
                             Command::MoveToTop, Command::MoveToBottom, Command::MoveToNumber};
    for (int step = 0; step < 600; ++step) {
        SCOPED_TRACE("step " + std::to_string(step));
        if (pick(25) == 0) {
            for (Pane* pane : {&filtered, &plain}) pane->view.toggleDigitalAnalog();
        }
        const bool digital = plain.view.digitalFlag();
        FindQuery query;
        query.text = texts[pick(std::size(texts))];
        const int column = pick(4);
        if (column == 1) query.column = digital ? std::size_t{kDigName} : std::size_t{kAnaName};
        if (column == 2) query.column = kDigNumber;
        if (pick(3) == 0) query.satellite = pick(2) ? "1" : "2";
        query.type = static_cast<TypeChoice>(pick(3));
        query.onlyMatching = pick(5) != 0;
        filtered.view.setFindQuery(query);

        const std::vector<std::size_t> matches = expectedMatches(plain.list, query, digital);
        ASSERT_EQ(filtered.view.findMatches(),
                  query.narrows() ? matches : std::vector<std::size_t>{});
        const bool hiding = query.onlyMatching && query.narrows();
        const std::size_t shown = hiding ? matches.size() : plain.list.rows.size();
        ASSERT_EQ(filtered.list.rows.size(), shown);
        if (shown == 0) continue;

        // A few shown rows, maybe apart; the plain view selects the same real rows.
        filtered.list.selection.clear();
        plain.list.selection.clear();
        const int first = pick(static_cast<int>(shown));
        for (int row = first; row < static_cast<int>(shown); row += 1 + pick(3)) {
            if (filtered.list.selection.size() == 3) break;
            filtered.list.selection.insert(row);
            plain.list.selection.insert(hiding ? static_cast<int>(matches[row]) : row);
        }
        for (std::size_t r : filtered.list.selectedRows()) {
            ASSERT_EQ(filtered.list.rows[r].cells,
                      plain.list.rows[filtered.view.shownList().listRow(r)].cells);
        }

        const TokenArray before = plain.document.tokens();
        const Command edit = edits[pick(std::size(edits))];
        if (edit == Command::MoveToNumber) {
            const long long number = pick(static_cast<int>(plain.list.rows.size()) + 3);
            filtered.view.moveSelectionToNumber(number);
            plain.view.moveSelectionToNumber(number);
        } else {
            filtered.view.run(edit);
            plain.view.run(edit);
        }
        ASSERT_EQ(filtered.document.tokens(), plain.document.tokens())
            << "edit " << static_cast<int>(edit);
        ASSERT_EQ(filtered.ui.messages, plain.ui.messages);

        // A move keeps the moved rows selected, as far as they are shown.
        if (edit >= Command::MoveToNumber && filtered.document.tokens() != before) {
            std::set<int> expected;
            for (int row : plain.list.selection) {
                if (const auto at =
                        filtered.view.shownList().shownRow(static_cast<std::size_t>(row)))
                    expected.insert(static_cast<int>(*at));
            }
            EXPECT_EQ(filtered.list.selection, expected);
        }
        if (filtered.document.tokens() != before && pick(3) == 0) {
            filtered.view.run(Command::Undo);
            plain.view.run(Command::Undo);
            ASSERT_EQ(filtered.document.tokens(), before);
        }
    }
}

}  // namespace
}  // namespace sky::test
