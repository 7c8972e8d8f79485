#include "app/frame/ExportCommands.h"

#include <QApplication>
#include <QClipboard>
#include <QDate>
#include <QFileDialog>
#include <QMimeData>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app/frame/MainWindow.h"
#include "app/frame/QtDocumentWindow.h"
#include "app/frame/QtUserInterface.h"
#include "app/list/ChannelTableView.h"
#include "db/ReplacementFile.h"
#include "db/SiblingPath.h"
#include "editor/export/ClipboardRows.h"
#include "editor/export/CsvExport.h"
#include "editor/export/ExportRows.h"
#include "editor/export/ExportTarget.h"
#include "editor/export/HtmlExport.h"
#include "editor/view/ListView.h"

namespace sky::app {

namespace {

// The file picked and, for CSV, the separator of the filter chosen.
struct ExportTarget {
    std::string path;
    CsvSeparator separator = CsvSeparator::Comma;
};

const std::vector<FileFilter>& exportFilters(ExportFormat format) {
    static const std::vector<FileFilter> csv{{"CSV, comma separated", {"*.csv"}},
                                             {"CSV, semicolon separated", {"*.csv"}}};
    static const std::vector<FileFilter> html{{"Web page", {"*.html", "*.htm"}}};
    return format == ExportFormat::Csv ? csv : html;
}

// The save dialog with the list's name and the format's extension filled in; a name typed
// without an extension gets the format's. Tests answer it through the window's file answers,
// which take the first filter.
std::optional<ExportTarget> chooseTarget(MainWindow& frame, ExportFormat format) {
    const std::vector<FileFilter>& filters = exportFilters(format);
    const std::string extension = format == ExportFormat::Csv ? ".csv" : ".html";
    const std::string caption = format == ExportFormat::Csv ? "Export CSV" : "Export HTML";
    ExportTarget target;
    QtDocumentWindow& window = frame.documentWindow();
    if (window.answerFileDialogs) {
        std::optional<std::string> answer = window.answerFileDialogs(true);
        if (!answer) return std::nullopt;
        target.path = *answer;
    } else {
        QFileDialog dialog(&frame, QString::fromStdString(caption));
        QStringList names;
        for (const FileFilter& filter : filters) names << qtFilter(filter);
        dialog.setNameFilters(names);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(QString::fromStdString(extension.substr(1)));
        const std::string& listPath = frame.document().currentPath();
        dialog.selectFile(QString::fromStdString(siblingPath(listPath, extension).value_or("")));
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
            return std::nullopt;
        }
        target.path = dialog.selectedFiles().front().toStdString();
        if (dialog.selectedNameFilter() == qtFilter(filters.back()) &&
            format == ExportFormat::Csv) {
            target.separator = CsvSeparator::Semicolon;
        }
    }
    if (std::filesystem::path(target.path).extension().empty()) target.path += extension;
    return target;
}

// "1 row", "12 rows".
std::string rowCount(std::size_t rows) {
    return std::to_string(rows) + (rows == 1 ? " row" : " rows");
}

}  // namespace

void exportList(MainWindow& frame, ExportFormat format) {
    IUserInterface& ui = frame.userInterface();
    const ShownList& shown = frame.listView().shownList();
    std::vector<std::size_t> rows = frame.table()->selectedRows();
    if (rows.size() > 1) {
        const Answer answer =
            ui.ask("Export only the selected rows?\n\nNo exports every row shown.",
                   Buttons::YesNoCancel, Icon::Question);
        if (answer == Answer::Cancel) return;
        if (answer != Answer::Yes) rows = allShownRows(shown);
    } else {
        rows = allShownRows(shown);
    }
    const std::optional<ExportTarget> target = chooseTarget(frame, format);
    if (!target) return;
    const std::string& listPath = frame.document().currentPath();
    if (const std::optional<std::string> refusal = exportTargetRefusal(target->path, listPath)) {
        ui.message(*refusal);
        return;
    }
    const std::string text =
        format == ExportFormat::Csv
            ? listCsv(shown, rows, target->separator)
            : listHtmlPage(shown, rows, listPath,
                           QDate::currentDate().toString(Qt::ISODate).toStdString());
    ReplacementFile file(target->path);
    if (!file.create() || !file.write(text) || !file.commit()) {
        ui.message("ERROR!!! " + target->path +
                   " could not be written. The list was not exported.");
        return;
    }
    ui.statusText("Exported " + rowCount(rows.size()) + " to " + target->path);
}

void copySelectedRows(MainWindow& frame) {
    const std::vector<std::size_t> rows = frame.table()->selectedRows();
    if (rows.empty()) return;
    const ClipboardRows copied = clipboardRows(frame.listView().shownList(), rows);
    auto* data = new QMimeData;
    data->setText(QString::fromStdString(copied.text));
    data->setHtml(QString::fromStdString(copied.html));
    QApplication::clipboard()->setMimeData(data);
    frame.userInterface().statusText("Copied " + rowCount(rows.size()));
}

}  // namespace sky::app
