#pragma once

#include <QDialog>
#include <optional>
#include <string>
#include <vector>

#include "editor/scan/NewSatellite.h"
#include "editor/scan/TransponderImport.h"
#include "shell/DocumentWindow.h"
#include "shell/ListTokens.h"
#include "shell/ScanTables.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace sky::app {

// Import Transponders: a scan table of the folder (or any file in that format), a satellite of
// the list (or a new one for the table's satellite), and the preview of the table's transponders
// for that satellite, one row each with a tick box where the row may be ticked. Import accepts the
// dialog; the caller imports preview(). The list is only read here.
class ImportTranspondersDialog : public QDialog {
    Q_OBJECT
public:
    // `folder` lists the tables offered; `window` shows the dialog that picks another file.
    ImportTranspondersDialog(const TokenArray& tokens, ScanTableFolder folder,
                             IDocumentWindow& window, QWidget* parent);

    const ImportPreview& preview() const { return preview_; }
    // The new satellite row the rows go to, when that is the satellite chosen: the last choice,
    // offered when the list has a free Index for the table's satellite.
    std::optional<NewSatellite> chosenNewSatellite() const;

    QComboBox* tableBox() const { return tables_; }
    QLabel* folderLabel() const { return folderState_; }
    QComboBox* satelliteBox() const { return satellites_; }
    QTableWidget* rowTable() const { return rows_; }
    QLabel* countLabel() const { return count_; }
    QPushButton* otherFileButton() const { return otherFile_; }
    QPushButton* importButton() const { return import_; }

    // The table's columns.
    enum Column { Frequency, Polarisation, SymbolRate, System, Status, Note, Columns };

private:
    // Reads the table at `path` and previews it for the satellite chosen.
    void readTable(const std::string& path);
    void pickOtherFile();
    // The list's satellites, and a new one for the table's satellite where it may be made.
    void fillSatellites();
    bool newSatelliteChosen() const;
    void updatePreview();
    void showRows();
    void showCount();

    const TokenArray& tokens_;
    ScanTableFolder folder_;
    IDocumentWindow& window_;
    std::vector<ImportSatellite> satelliteList_;
    std::optional<NewSatellite> newSatellite_;
    ScanTable table_;
    std::string bouquet_;
    ImportPreview preview_;
    QComboBox* tables_ = nullptr;
    QLabel* folderState_ = nullptr;
    QPushButton* otherFile_ = nullptr;
    QComboBox* satellites_ = nullptr;
    QLabel* tableState_ = nullptr;
    QTableWidget* rows_ = nullptr;
    QLabel* count_ = nullptr;
    QPushButton* import_ = nullptr;
    // Set while the rows are being filled, so that their tick boxes are not read as clicks.
    bool filling_ = false;
};

}  // namespace sky::app
