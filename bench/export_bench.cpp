// Times the export of the Digital Channel view of a channel list (the largest one, written by
// skylister-listgen) with the columns of View Detail: CSV with commas and with semicolons, the
// HTML page, and the clipboard form of every row. Targets: CSV under 200 ms, HTML under 500 ms.
// Usage: export_bench LIST.txt

#include <cstdio>
#include <string>
#include <vector>

#include "BenchDocument.h"
#include "RunTiming.h"
#include "editor/export/ClipboardRows.h"
#include "editor/export/CsvExport.h"
#include "editor/export/ExportRows.h"
#include "editor/export/HtmlExport.h"
#include "editor/view/ViewContents.h"

int main(int argc, char** argv) {
    using namespace sky;
    if (argc != 2) {
        std::fprintf(stderr, "usage: export_bench LIST.txt\n");
        return 2;
    }
    BenchDocument bench;
    if (!bench.open(argv[1])) return 1;
    ShownList shown;
    showView(shown, bench.document, ViewKind::Detail, true, DetailWidths::On);
    const std::vector<std::size_t> rows = allShownRows(shown);
    std::printf("%zu rows, %zu shown columns\n", rows.size(), shownColumns(shown).size());

    constexpr int kRuns = 7;
    const auto nothing = [] {};
    std::size_t bytes = 0;
    reportTiming("CSV, comma (target 200 ms)", timeRuns(kRuns, nothing, [&] {
                     bytes = listCsv(shown, rows, CsvSeparator::Comma).size();
                 }));
    std::printf("  %zu bytes\n", bytes);
    reportTiming("CSV, semicolon (target 200 ms)", timeRuns(kRuns, nothing, [&] {
                     bytes = listCsv(shown, rows, CsvSeparator::Semicolon).size();
                 }));
    reportTiming("HTML page (target 500 ms)", timeRuns(kRuns, nothing, [&] {
                     bytes = listHtmlPage(shown, rows, argv[1], "2026-12-08").size();
                 }));
    std::printf("  %zu bytes\n", bytes);
    reportTiming("clipboard text and HTML of every row",
                 timeRuns(kRuns, nothing, [&] { bytes = clipboardRows(shown, rows).text.size(); }));
    return 0;
}
