#pragma once

namespace sky::app {

class MainWindow;

enum class ExportFormat { Csv, Html };

// The window's commands that give the list shown to other programs, reading it only:
//  - Export CSV and Export HTML: asks whether only the selected rows go (when more than one is
//    selected), picks a new file (for CSV also comma or semicolon separated) and writes the
//    shown columns of the view as it is shown, the file replaced only once complete. The list's
//    own file and its compiled files are refused.
//  - Copy: the selected rows as tab-separated text and as an HTML table on the clipboard.
void exportList(MainWindow& frame, ExportFormat format);
void copySelectedRows(MainWindow& frame);

}  // namespace sky::app
