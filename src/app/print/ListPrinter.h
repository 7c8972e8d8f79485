#pragma once

#include <QString>
#include <string>

#include "app/print/PrintSource.h"

class QPrinter;

namespace sky::app {

class MainWindow;

// The File menu's printing commands over the list as the main window shows it: Print through the
// print dialog, Print Preview, and Export to PDF into a file chosen in the save dialog. An empty
// list is refused with "No Contents for printing" before any dialog opens.
class ListPrinter {
public:
    explicit ListPrinter(MainWindow& frame) : frame_(frame) {}

    void print();
    void preview();
    void exportPdf();

    // The list as shown now, with the window's title and the current date.
    PrintSource source() const;
    // Sets the printer up to write a PDF file, as Export to PDF does.
    static void writePdfTo(QPrinter& printer, const QString& path);

private:
    // Whether the list has something to print on this printer; says so when it has not.
    bool hasContents(const QPrinter& printer, const PrintSource& source);
    // A message box over the window.
    void tell(const std::string& text);

    MainWindow& frame_;
};

}  // namespace sky::app
