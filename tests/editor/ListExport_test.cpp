#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/RuntimeSettings.h"
#include "editor/ListFixture.h"
#include "editor/document/ListDocument.h"
#include "editor/export/ClipboardRows.h"
#include "editor/export/CsvExport.h"
#include "editor/export/ExportRows.h"
#include "editor/export/ExportViews.h"
#include "editor/export/HtmlExport.h"
#include "editor/model/NameEncoding.h"
#include "editor/view/ViewContents.h"
#include "support/CliRunner.h"
#include "support/RecordingUi.h"
#include "support/TempDir.h"

namespace sky {
namespace {

// Three rows of four cells; the third column is hidden, as a view hides a column of width 0.
struct ThreeRows {
    ThreeRows() {
        shown.showSection({{"Number", 50}, {"Name", 120}, {"Hidden", 0}, {"Note", 70}}, tokens, 1,
                          3, 4, std::nullopt);
    }
    TokenArray tokens{"[START]", "1",   "Das Erste", "h1",       "a,b", "2",    " BBC \"One\" ",
                      "h2",      "x;y", "3",         "R&D <TV>", "h3",  "it's", "[END]"};
    ShownList shown;
};

TEST(ListExport, WritesShownColumnsOfTheGivenRowsQuotedAndEscaped) {
    const ThreeRows list;
    const std::vector<std::size_t> all = allShownRows(list.shown);
    struct Case {
        const char* what;
        std::string got;
        std::string expected;
    };
    const Case cases[] = {
        {"CSV with commas: separator, quotes, outer blanks quoted; hidden column left out",
         listCsv(list.shown, all, CsvSeparator::Comma),
         "Number,Name,Note\r\n1,Das Erste,\"a,b\"\r\n2,\" BBC \"\"One\"\" \",x;y\r\n"
         "3,R&D <TV>,it's\r\n"},
        {"CSV with semicolons quotes the semicolon, not the comma",
         listCsv(list.shown, all, CsvSeparator::Semicolon),
         "Number;Name;Note\r\n1;Das Erste;a,b\r\n2;\" BBC \"\"One\"\" \";\"x;y\"\r\n"
         "3;R&D <TV>;it's\r\n"},
        {"only the rows given, in their order; rows past the end left out",
         listCsv(list.shown, {2, 0, 9}, CsvSeparator::Comma),
         "Number,Name,Note\r\n3,R&D <TV>,it's\r\n1,Das Erste,\"a,b\"\r\n"},
        {"HTML table escapes & < > \" '", listHtmlTable(list.shown, {1, 2}),
         "<table>\n<thead><tr><th>Number</th><th>Name</th><th>Note</th></tr></thead>\n<tbody>\n"
         "<tr><td>2</td><td> BBC &quot;One&quot; </td><td>x;y</td></tr>\n"
         "<tr><td>3</td><td>R&amp;D &lt;TV&gt;</td><td>it&#39;s</td></tr>\n</tbody>\n</table>\n"},
        {"clipboard text: tab-separated with headers", clipboardRows(list.shown, {0, 2}).text,
         "Number\tName\tNote\n1\tDas Erste\ta,b\n3\tR&D <TV>\tit's\n"},
    };
    for (const Case& c : cases) EXPECT_EQ(c.got, c.expected) << c.what;

    // A tab or line break inside a cell would split the copied row.
    TokenArray broken{"[S]", "1", "two\tparts\r\nend", "[E]"};
    ShownList one;
    one.showSection({{"Number", 50}, {"Name", 120}}, broken, 1, 1, 2, std::nullopt);
    EXPECT_EQ(clipboardRows(one, {0}).text, "Number\tName\n1\ttwo parts  end\n");
    EXPECT_EQ(clipboardRows(one, {0}).html, listHtmlTable(one, {0}));

    const std::string page = listHtmlPage(list.shown, all, "/home/a&b/list.txt", "2026-12-08");
    EXPECT_EQ(page.rfind("<!DOCTYPE html>\n", 0), 0u);
    EXPECT_NE(page.find("<meta charset=\"utf-8\">"), std::string::npos);
    EXPECT_NE(page.find("<title>/home/a&amp;b/list.txt - 2026-12-08</title>"), std::string::npos);
    EXPECT_NE(page.find(listHtmlTable(list.shown, all)), std::string::npos);
}

// The rows of a CSV text as a spreadsheet reads them: cells apart by the separator, quoted cells
// with their doubled quotes, rows ended by CR LF.
std::vector<std::vector<std::string>> readCsv(std::string_view text, char separator) {
    std::vector<std::vector<std::string>> rows(1);
    std::string cell;
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c != '"') {
                cell += c;
            } else if (i + 1 < text.size() && text[i + 1] == '"') {
                cell += c;
                ++i;
            } else {
                quoted = false;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == separator || (c == '\r' && text.substr(i, 2) == "\r\n")) {
            rows.back().push_back(std::exchange(cell, {}));
            if (c == '\r') {
                rows.emplace_back();
                ++i;
            }
        } else {
            cell += c;
        }
    }
    rows.pop_back();  // nothing follows the last line end
    return rows;
}

// A list whose names, satellite names and bouquets are random Latin-1 text, blanks, commas and
// semicolons included.
TokenArray latin1List(std::mt19937& random) {
    const auto name = [&random] {
        std::string text;
        for (int n = std::uniform_int_distribution(1, 12)(random); n > 0; --n) {
            const int c = std::uniform_int_distribution(0x20, 0x7E + 0x60)(random);
            text += c == '"' ? ';' : static_cast<char>(c > 0x7E ? c - 0x7F + 0xA0 : c);
        }
        return text;
    };
    test::TestList list = test::sampleList();
    for (test::Record& row : list.satNames) row[1] = name();
    for (test::Record& row : list.satellites) row[1] = name();
    for (test::Record& row : list.transponders) row[5] = name();
    for (test::Record& row : list.channels) row[5] = name();
    for (test::Record& row : list.pids) row[4] = name();
    for (test::Record& row : list.analogs) row[4] = name();
    return list.tokens();
}

// Every view of lists with Latin-1 names exports as UTF-8: the CSV reads back to the cells shown,
// in UTF-8, and the page and the clipboard's text are UTF-8 too.
TEST(ListExport, ExportsOfLatin1ListsReadBackAsTheShownCellsInUtf8) {
    std::mt19937 random(7);
    for (int list = 0; list < 20; ++list) {
        test::RecordingUi ui;
        RuntimeSettings settings;
        ListDocument document(ui, settings);
        document.adopt(latin1List(random));
        for (const char* name :
             {"digital", "analog", "satellite", "satname", "tp", "channel", "pid", "analoglist"}) {
            const NamedView view = *viewNamed(name);
            ShownList shown;
            ASSERT_FALSE(showView(shown, document, view.kind, view.digital, DetailWidths::On));
            const std::vector<std::size_t> rows = allShownRows(shown);
            std::vector<std::vector<std::string>> expected(1);
            for (std::size_t column : shownColumns(shown)) {
                expected[0].emplace_back(shown.columns()[column].header);
            }
            for (std::size_t row : rows) {
                expected.emplace_back();
                for (std::size_t column : shownColumns(shown)) {
                    expected.back().push_back(utf8Name(shown.cell(row, column)));
                }
            }
            for (const CsvSeparator separator : {CsvSeparator::Comma, CsvSeparator::Semicolon}) {
                const std::string csv = listCsv(shown, rows, separator);
                EXPECT_TRUE(validUtf8(csv)) << name;
                EXPECT_EQ(readCsv(csv, static_cast<char>(separator)), expected) << name;
            }
            EXPECT_TRUE(validUtf8(listHtmlPage(shown, rows, "list.txt", "2026-12-08"))) << name;
            EXPECT_TRUE(validUtf8(clipboardRows(shown, rows).text)) << name;
        }
    }
}

// The cells Python's csv module reads from a CSV file: each cell on a line of its own, each row
// ended by a line of \x1e (the cells of these lists hold no line breaks).
std::string cellsPythonReads(const test::TempDir& dir, const std::string& csvPath, char separator) {
    const std::string script =
        "import csv,sys\n"
        "with open(sys.argv[1], newline='', encoding='utf-8') as f, "
        "open(sys.argv[2], 'w', encoding='utf-8', newline='') as out:\n"
        "    for row in csv.reader(f, delimiter=sys.argv[3]):\n"
        "        out.write(''.join(c + '\\n' for c in row) + '\\x1e\\n')\n";
    test::writeFile(dir.file("read.py"), script);
    const std::string command = "python3 " + dir.file("read.py") + " " + csvPath + " " +
                                dir.file("cells.txt") + " '" + separator + "'";
    if (std::system(command.c_str()) != 0) return "python3 failed";
    return test::readFile(dir.file("cells.txt"));
}

// The headers and cells of the shown columns as the view shows them, laid out as above.
std::string shownCells(const ShownList& shown) {
    std::string cells;
    const std::vector<std::size_t> columns = shownColumns(shown);
    for (std::size_t column : columns) cells += std::string(shown.columns()[column].header) + "\n";
    cells += "\x1e\n";
    for (std::size_t row = 0; row < shown.rowCount(); ++row) {
        for (std::size_t column : columns) cells += utf8Name(shown.cell(row, column)) + "\n";
        cells += "\x1e\n";
    }
    return cells;
}

// Fails at the first cell read back otherwise than shown, naming its line.
void expectSameCells(const std::string& read, const std::string& expected) {
    const auto [a, b] = std::mismatch(read.begin(), read.end(), expected.begin(), expected.end());
    if (a == read.end() && b == expected.end()) return;
    const auto line = std::count(expected.begin(), b, '\n') + 1;
    const auto lineAt = [](const std::string& text, std::string::const_iterator at) {
        const std::size_t pos = static_cast<std::size_t>(at - text.begin());
        const std::size_t from = pos == 0 ? 0 : text.rfind('\n', pos - 1) + 1;
        return text.substr(from, text.find('\n', pos) - from);
    };
    ADD_FAILURE() << "cell line " << line << " reads back as \"" << lineAt(read, a)
                  << "\", shown as \"" << lineAt(expected, b) << "\"";
}

bool hasPython() {
    return std::system("python3 -c '' 2>/dev/null") == 0;
}

// The CSV of the example list's Digital Channel view, read back by Python's csv module, gives
// every shown cell as the view shows it.
TEST(ListExport, CsvOfTheExampleListReadsBackAsShown) {
    if (!hasPython()) GTEST_SKIP() << "python3 is missing";
    test::RecordingUi ui;
    RuntimeSettings settings;
    ListDocument document(ui, settings);
    ASSERT_TRUE(document.open(test::exampleFile("channels.txt")));
    for (const char separator : {',', ';'}) {
        ShownList shown;
        ASSERT_FALSE(showView(shown, document, ViewKind::Detail, true, DetailWidths::On));
        const auto csvSeparator = static_cast<CsvSeparator>(separator);
        const test::TempDir dir;
        test::writeFile(dir.file("list.csv"), listCsv(shown, allShownRows(shown), csvSeparator));
        EXPECT_GT(shown.rowCount(), 5u);
        EXPECT_EQ(cellsPythonReads(dir, dir.file("list.csv"), separator), shownCells(shown))
            << separator;
    }
}

// skylister-cli's CSV of the largest list's Digital Channel view reads back as the view shows it.
TEST(ListExport, CsvOfTheLargestListFromTheCommandLineReadsBackAsShown) {
    if (!hasPython()) GTEST_SKIP() << "python3 is missing";
    const test::TempDir dir;
    const std::string list = dir.file("largest.txt");
    const std::string listgen = std::string(SKYLISTER_BINARY_DIR) + "/tools/skylister-listgen";
    ASSERT_EQ(std::system((listgen + " " + list + " >/dev/null").c_str()), 0);
    const test::CliRun run = test::runCli(
        "export " + list + " --view digital --format csv --sat40 -o " + dir.file("list.csv"),
        dir.path().string());
    ASSERT_EQ(run.status, 0) << run.err;

    test::RecordingUi ui;
    RuntimeSettings settings;
    settings.maxSatellite40 = true;
    ListDocument document(ui, settings);
    ASSERT_TRUE(document.open(list));
    ShownList shown;
    ASSERT_FALSE(showView(shown, document, ViewKind::Detail, true, DetailWidths::Start));
    EXPECT_GT(shown.rowCount(), 20000u);
    expectSameCells(cellsPythonReads(dir, dir.file("list.csv"), ','), shownCells(shown));
}

}  // namespace
}  // namespace sky
