#pragma once

#include <QDialog>
#include <memory>

#include "editor/document/ListDocument.h"
#include "shell/DocumentWindow.h"
#include "shell/Settings.h"
#include "shell/commands/CheckTranspondersCommand.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace sky {
class ListView;
}

namespace sky::app {

// The result window of Check Transponders, beside the main window: a satellite of the list with
// the table it was checked against (chosen here, or the one of its position), then one row per
// transponder with what the check found, the LNB's problem with it and a tick box where a repair
// can be ticked. Repair applies the ticked repairs as one undoable step; Import offers the
// table's transponders the list lacks to Import Transponders. A double-click selects the
// transponder in the Digital TP list, or on the Channels column its first channel. The window
// draws the session (shell/commands/CheckTranspondersCommand.h) and forwards the user's actions;
// when the list changes, it checks anew while it is open.
class CheckTranspondersWindow : public QDialog, private IListObserver {
    Q_OBJECT
public:
    // `window` shows the dialog that picks a table file of the user's.
    CheckTranspondersWindow(ListDocument& document, ListView& view, Settings& settings,
                            IDocumentWindow& window, QWidget* parent);
    ~CheckTranspondersWindow() override;

    // Shows the window of the parent, made when there is none yet, with a fresh check.
    static CheckTranspondersWindow* showIn(QWidget& parent, ListDocument& document, ListView& view,
                                           Settings& settings, IDocumentWindow& window);

    TransponderCheckSession& session() { return *session_; }
    QComboBox* satelliteBox() const { return satellites_; }
    QComboBox* tableBox() const { return tables_; }
    QTableWidget* rowTable() const { return rows_; }
    QLabel* summaryLabel() const { return summary_; }
    QLabel* statusLabel() const { return status_; }
    QPushButton* repairButton() const { return repair_; }
    QPushButton* importButton() const { return import_; }

    enum Column {
        Repair,
        Index,
        Frequency,
        Polarisation,
        SymbolRate,
        Channels,
        Result,
        Lnb,
        Columns
    };

private:
    void listChanged(ListChange change) override;

    // Fills everything from the session's check, keeping the satellite shown.
    void refresh();
    void fillTables();
    void showSatellite();
    void chooseTable(int item);
    void selectInList(int row, int column);
    void showCount();
    int currentSatellite() const;

    ListDocument& document_;
    ListView& view_;
    IDocumentWindow& window_;
    std::unique_ptr<TransponderCheckSession> session_;
    QLabel* summary_ = nullptr;
    QComboBox* satellites_ = nullptr;
    QComboBox* tables_ = nullptr;
    QLabel* tableState_ = nullptr;
    QTableWidget* rows_ = nullptr;
    QLabel* missing_ = nullptr;
    QPushButton* import_ = nullptr;
    QLabel* status_ = nullptr;
    QPushButton* repair_ = nullptr;
    bool filling_ = false;
    bool refreshPending_ = false;
};

}  // namespace sky::app
