// The export command: a view of a list as CSV or as an HTML page.

#include <cstdio>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

#include "Arguments.h"
#include "Commands.h"
#include "ConsoleUi.h"
#include "db/ReplacementFile.h"
#include "editor/document/ListDocument.h"
#include "editor/export/CsvExport.h"
#include "editor/export/ExportRows.h"
#include "editor/export/ExportTarget.h"
#include "editor/export/ExportViews.h"
#include "editor/export/HtmlExport.h"
#include "editor/view/ViewContents.h"

namespace sky::cli {

namespace {

// Today's date in the local time zone, as the HTML page's title gives it.
std::string today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[16];
    return std::strftime(text, sizeof text, "%Y-%m-%d", &local) > 0 ? text : "";
}

// Writes the text to the file, replacing it only once all of it is written, or to standard
// output when no file is named; false after saying why.
bool writeOut(const std::string& text, const std::optional<std::string>& file) {
    if (!file) {
        if (std::fwrite(text.data(), 1, text.size(), stdout) == text.size() &&
            std::fflush(stdout) == 0) {
            return true;
        }
        std::fprintf(stderr, "skylister-cli: can't write to standard output\n");
        return false;
    }
    ReplacementFile out(*file);
    if (out.create() && out.write(text) && out.commit()) return true;
    std::fprintf(stderr, "skylister-cli: can't write %s\n", file->c_str());
    return false;
}

}  // namespace

int runExport(const std::vector<std::string>& args) {
    const std::optional<Arguments> parsed =
        listArguments(args, {"--view", "--format", "-o"}, {"--semicolon"});
    if (!parsed) return kUsage;
    const std::optional<NamedView> view = viewNamed(parsed->value("--view").value_or("digital"));
    if (!view) {
        return usageError(
            "--view must be digital, analog, satellite, satname, tp, channel, pid or analoglist");
    }
    const std::string format = parsed->value("--format").value_or("");
    if (format != "csv" && format != "html") return usageError("--format must be csv or html");
    if (parsed->has("--semicolon") && format != "csv") {
        return usageError("--semicolon goes with --format csv");
    }

    const RuntimeSettings settings = listSettings(*parsed);
    ConsoleUi ui;
    const std::string& path = parsed->positional()[0];
    const std::optional<std::string> target = parsed->value("-o");
    if (target) {
        if (const std::optional<std::string> refusal = exportTargetRefusal(*target, path)) {
            ui.message(*refusal);
            return kFailure;
        }
    }
    // An export only reads the list: a list the editor would save again at once stays as it is.
    ListDocument document(ui, settings);
    if (!document.open(path, OpenFor::Reading)) return kFailure;
    ShownList shown;
    if (const std::optional<std::string> problem =
            showView(shown, document, view->kind, view->digital, DetailWidths::Start)) {
        ui.message(*problem);
        return kFailure;
    }
    const std::vector<std::size_t> rows = allShownRows(shown);
    const std::string text =
        format == "csv"
            ? listCsv(shown, rows,
                      parsed->has("--semicolon") ? CsvSeparator::Semicolon : CsvSeparator::Comma)
            : listHtmlPage(shown, rows, path, today());
    return writeOut(text, target) ? kSuccess : kFailure;
}

}  // namespace sky::cli
