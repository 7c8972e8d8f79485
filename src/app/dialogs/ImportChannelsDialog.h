#pragma once

#include <QDialog>
#include <vector>

#include "editor/scan/TransponderImport.h"
#include "shell/commands/ImportChannelsCommand.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace sky::app {

// Import Channels' preview: the file's services in a tree per satellite and transponder, a tick
// per row that may be ticked, the reason for each row left out, the counts and the room left in
// the list, and the choices that make the preview again (the format, the satellite for a file
// without positions, the satellite of a position, PID channels). A cut or flagged name may be
// edited. Import is enabled while the ticked rows fit; it accepts the dialog, and the caller
// imports the session's preview.
class ImportChannelsDialog : public QDialog {
    Q_OBJECT
public:
    ImportChannelsDialog(ChannelImportSession& session, QWidget* parent);

    QComboBox* formatBox() const { return format_; }
    QComboBox* satelliteBox() const { return satellite_; }
    QComboBox* positionBox() const { return position_; }
    QComboBox* positionSatelliteBox() const { return positionSatellite_; }
    QCheckBox* pidChannelsBox() const { return pidChannels_; }
    QTreeWidget* tree() const { return tree_; }
    QLabel* countsLabel() const { return counts_; }
    QLabel* warningLabel() const { return warning_; }
    QPushButton* importButton() const { return import_; }
    // The tree item of a row of the preview.
    QTreeWidgetItem* rowItem(std::size_t row) const;

    // The tree's columns.
    enum Column { Name, Type, ServiceId, Status, Note, Columns };

private:
    void chooseFormat();
    void chooseOptions();
    void showPositions();
    void showPositionSatellite();
    void showTree();
    void showCounts();
    void rowChanged(QTreeWidgetItem* item);

    ChannelImportSession& session_;
    std::vector<ImportSatellite> satellites_;
    std::vector<int> positions_;  // the file's orbital positions, as the position box lists them
    std::vector<QTreeWidgetItem*> rowItems_;
    QComboBox* format_ = nullptr;
    QComboBox* satellite_ = nullptr;
    QComboBox* position_ = nullptr;
    QComboBox* positionSatellite_ = nullptr;
    QCheckBox* pidChannels_ = nullptr;
    QTreeWidget* tree_ = nullptr;
    QLabel* counts_ = nullptr;
    QLabel* warning_ = nullptr;
    QPushButton* import_ = nullptr;
    // Set while the tree or the boxes are filled, so that this is not read as the user's doing.
    bool filling_ = false;
};

}  // namespace sky::app
