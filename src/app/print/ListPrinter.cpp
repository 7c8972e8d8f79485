#include "app/print/ListPrinter.h"

#include <QFontInfo>
#include <QHeaderView>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <ctime>

#include "app/frame/MainWindow.h"
#include "app/frame/QtDocumentWindow.h"
#include "app/frame/QtUserInterface.h"
#include "app/list/ChannelTableView.h"
#include "app/print/PagePainter.h"
#include "editor/view/ListView.h"

namespace sky::app {

namespace {

const std::vector<FileFilter>& pdfFilters() {
    static const std::vector<FileFilter> filters{{"PDF File(*.pdf)", {"*.pdf", "*.PDF"}}};
    return filters;
}

std::string currentDateText() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return printDateText(local);
}

}  // namespace

PrintSource ListPrinter::source() const {
    const ChannelTableView& table = *frame_.table();
    const ShownList& shown = frame_.listView().shownList();
    PrintSource source;
    for (std::size_t i = 0; i < shown.columns().size(); ++i) {
        const int column = static_cast<int>(i);
        source.columns.push_back({shown.columns()[i].header,
                                  table.isColumnHidden(column) ? 0 : table.columnWidth(column)});
    }
    source.rowCount = static_cast<int>(shown.rowCount());
    source.cellText = [&shown](int row, int column) {
        return std::string(
            shown.cell(static_cast<std::size_t>(row), static_cast<std::size_t>(column)));
    };
    source.font = table.font();
    source.font.setPixelSize(QFontInfo(table.font()).pixelSize());
    source.rowHeight = table.verticalHeader()->defaultSectionSize();
    source.screenDpiY = table.logicalDpiY();
    source.title = frame_.windowTitle().toStdString();
    source.dateText = currentDateText();
    return source;
}

void ListPrinter::writePdfTo(QPrinter& printer, const QString& path) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
}

void ListPrinter::tell(const std::string& text) {
    IUserInterface& ui = frame_.userInterface();
    ui.message(text);
}

bool ListPrinter::hasContents(const QPrinter& printer, const PrintSource& source) {
    if (PagePainter(source).layoutFor(printer)) return true;
    tell(kNoContentsMessage);
    return false;
}

void ListPrinter::print() {
    const PrintSource source = this->source();
    QPrinter printer(QPrinter::HighResolution);
    if (!hasContents(printer, source)) return;
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        tell(
            "No printer is set up on this computer. Export to PDF... writes the list to a file "
            "that can be printed elsewhere.");
        return;
    }
    QPrintDialog dialog(&printer, &frame_);
    // The whole list is printed, to a printer.
    dialog.setOptions(QAbstractPrintDialog::PrintShowPageSize |
                      QAbstractPrintDialog::PrintCollateCopies);
    if (dialog.exec() != QDialog::Accepted) return;
    WaitCursor wait(frame_.documentWindow());
    if (!PagePainter(source).print(printer)) {
        tell("The list could not be printed on " + printer.printerName().toStdString() + ".");
    }
}

void ListPrinter::preview() {
    const PrintSource source = this->source();
    QPrinter printer(QPrinter::HighResolution);
    if (!hasContents(printer, source)) return;
    const PagePainter painter(source);
    QPrintPreviewDialog dialog(&printer, &frame_);
    // Large enough to read a page at once.
    dialog.resize(frame_.size() * 0.8);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested,
                     [&painter](QPrinter* shown) { painter.print(*shown); });
    dialog.exec();
}

void ListPrinter::exportPdf() {
    const PrintSource source = this->source();
    QPrinter printer(QPrinter::HighResolution);
    writePdfTo(printer, QString());
    if (!hasContents(printer, source)) return;
    const std::string& list = frame_.document().currentPath();
    const std::optional<std::string> path = frame_.documentWindow().chooseFileToSave(
        "Export to PDF", pdfFilters(),
        list.empty() ? std::nullopt : std::optional(DocumentCommands::folderOf(list)));
    if (!path) return;
    writePdfTo(printer, QString::fromStdString(*path));
    WaitCursor wait(frame_.documentWindow());
    if (!PagePainter(source).print(printer)) {
        tell("The PDF file " + *path +
             " could not be written. Choose a folder you may write in, or another name.");
    }
}

}  // namespace sky::app
