#include "shell/commands/ExportCommand.h"

#include <filesystem>
#include <optional>
#include <vector>

#include "db/ReplacementFile.h"
#include "db/SiblingPath.h"
#include "editor/export/CsvExport.h"
#include "editor/export/ExportRows.h"
#include "editor/export/ExportTarget.h"
#include "editor/export/HtmlExport.h"
#include "editor/view/ListView.h"

namespace sky {

namespace {

const std::vector<FileFilter>& exportFilters(ExportFormat format) {
    static const std::vector<FileFilter> csv{{"CSV, comma separated", {"*.csv"}},
                                             {"CSV, semicolon separated", {"*.csv"}}};
    static const std::vector<FileFilter> html{{"Web page", {"*.html", "*.htm"}}};
    return format == ExportFormat::Csv ? csv : html;
}

}  // namespace

std::string rowCount(std::size_t rows) {
    return std::to_string(rows) + (rows == 1 ? " row" : " rows");
}

bool exportList(FileCommandContext context, ExportFormat format, const std::string& date) {
    DocumentCommands& doc = context.doc;
    IUserInterface& ui = doc.ui();
    const ShownList& shown = context.view.shownList();
    std::vector<std::size_t> rows = context.selection.selectedRows();
    if (rows.size() > 1) {
        const Answer answer =
            ui.ask("Export only the selected rows?\n\nNo exports every row shown.",
                   Buttons::YesNoCancel, Icon::Question);
        if (answer == Answer::Cancel) return false;
        if (answer != Answer::Yes) rows = allShownRows(shown);
    } else {
        rows = allShownRows(shown);
    }
    // The save dialog with the list's name and the format's extension filled in; a name typed
    // without an extension gets the format's.
    const std::vector<FileFilter>& filters = exportFilters(format);
    const std::string extension = format == ExportFormat::Csv ? ".csv" : ".html";
    const std::string& listPath = doc.currentPath();
    const std::optional<ChosenFile> chosen =
        doc.window().chooseNewFile(format == ExportFormat::Csv ? "Export CSV" : "Export HTML",
                                   filters, siblingPath(listPath, extension).value_or(""));
    if (!chosen) return false;
    std::string path = chosen->path;
    if (std::filesystem::path(path).extension().empty()) path += extension;
    if (const std::optional<std::string> refusal = exportTargetRefusal(path, listPath)) {
        ui.message(*refusal);
        return false;
    }
    const CsvSeparator separator =
        chosen->filter == 1 ? CsvSeparator::Semicolon : CsvSeparator::Comma;
    const std::string text = format == ExportFormat::Csv
                                 ? listCsv(shown, rows, separator)
                                 : listHtmlPage(shown, rows, listPath, date);
    ReplacementFile file(path);
    if (!file.create() || !file.write(text) || !file.commit()) {
        ui.message("ERROR!!! " + path + " could not be written. The list was not exported.");
        return false;
    }
    ui.statusText("Exported " + rowCount(rows.size()) + " to " + path);
    return true;
}

}  // namespace sky
