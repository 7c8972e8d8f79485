#pragma once

#include <QDialog>

#include "shell/history/HistoryCommand.h"

class QPushButton;
class QTreeWidget;

namespace sky::app {

// File > History: the lists sent to and fetched from the receiver, newest first (date, sent or
// fetched, the counts, the file or port each came from). Compare with Open List and Open as New
// List leave their choice in the session and close the dialog; Delete removes the chosen copy.
class HistoryDialog : public QDialog {
    Q_OBJECT
public:
    enum Column { When, Kind, Counts, Source };

    HistoryDialog(HistorySession& session, QWidget* parent);

    QTreeWidget* list() const { return list_; }
    QPushButton* compareButton() const { return compare_; }
    QPushButton* openButton() const { return open_; }
    QPushButton* deleteButton() const { return delete_; }

private:
    void showEntries();
    void updateButtons();
    void choose(HistoryAction action);
    void deleteChosen();

    HistorySession& session_;
    QTreeWidget* list_;
    QPushButton* compare_;
    QPushButton* open_;
    QPushButton* delete_;
};

}  // namespace sky::app
