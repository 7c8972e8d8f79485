#include "app/dialogs/ImportTranspondersDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>
#include <optional>
#include <utility>

#include "editor/model/NameEncoding.h"

namespace sky::app {

namespace {

std::string fileNameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

QTableWidgetItem* cellItem(const std::string& text) {
    auto* item = new QTableWidgetItem(QString::fromStdString(text));
    item->setFlags(Qt::ItemIsEnabled);
    return item;
}

}  // namespace

ImportTranspondersDialog::ImportTranspondersDialog(const TokenArray& tokens, ScanTableFolder folder,
                                                   IDocumentWindow& window, QWidget* parent)
    : QDialog(parent),
      tokens_(tokens),
      folder_(std::move(folder)),
      window_(window),
      satelliteList_(importSatellites(tokens)) {
    setWindowTitle("Import Transponders");
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;

    auto* tableRow = new QHBoxLayout;
    tables_ = new QComboBox(this);
    tables_->setObjectName("ScanTables");
    for (const ScanTableName& table : folder_.tables) {
        const std::string position = positionText(table.positionTenths);
        tables_->addItem(
            QString::fromStdString(table.satellite + (position.empty() ? "" : "  " + position)),
            QString::fromStdString(scanTablePath(folder_, table)));
    }
    tables_->setCurrentIndex(-1);
    tableRow->addWidget(tables_, 1);
    otherFile_ = new QPushButton("&Other File...", this);
    tableRow->addWidget(otherFile_);
    // A row of two widgets takes its label's buddy by hand.
    auto* tableLabel = new QLabel("&Table:", this);
    tableLabel->setBuddy(tables_);
    form->addRow(tableLabel, tableRow);
    folderState_ = new QLabel(QString::fromStdString(folder_.error), this);
    folderState_->setWordWrap(true);
    folderState_->setVisible(!folder_.error.empty());
    tables_->setEnabled(!folder_.tables.empty());
    form->addRow("", folderState_);

    satellites_ = new QComboBox(this);
    satellites_->setObjectName("Satellites");
    fillSatellites();
    form->addRow("&Add to satellite:", satellites_);
    layout->addLayout(form);

    tableState_ =
        new QLabel(satelliteList_.empty() ? "The list has no satellite to add transponders to."
                                          : "Pick a table.",
                   this);
    tableState_->setWordWrap(true);
    layout->addWidget(tableState_);

    rows_ = new QTableWidget(0, Columns, this);
    rows_->setObjectName("ImportRows");
    rows_->setAccessibleName("Transponders to import");
    rows_->setHorizontalHeaderLabels(
        {"Frequency (MHz)", "Polarization", "Symbol Rate (kS/s)", "System", "Status", "Note"});
    rows_->verticalHeader()->hide();
    // A table of 240 transponders reads best in rows no taller than the text.
    rows_->verticalHeader()->setDefaultSectionSize(rows_->fontMetrics().height() + 6);
    rows_->setSelectionMode(QAbstractItemView::NoSelection);
    rows_->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(rows_, 1);

    count_ = new QLabel(this);
    layout->addWidget(count_);

    auto* buttons = new QDialogButtonBox(this);
    import_ = buttons->addButton("&Import", QDialogButtonBox::AcceptRole);
    buttons->addButton(QDialogButtonBox::Cancel);
    import_->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    connect(tables_, &QComboBox::activated, this,
            [this](int row) { readTable(tables_->itemData(row).toString().toStdString()); });
    connect(otherFile_, &QPushButton::clicked, this, [this] { pickOtherFile(); });
    connect(satellites_, &QComboBox::currentIndexChanged, this, [this] { updatePreview(); });
    connect(rows_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (filling_ || item->column() != Frequency) return;
        setTicked(preview_, static_cast<std::size_t>(item->row()),
                  item->checkState() == Qt::Checked);
        showCount();
    });
    updatePreview();
    resize(760, 560);
}

void ImportTranspondersDialog::pickOtherFile() {
    const std::optional<std::string> path = window_.chooseFileToOpen(
        "Import Transponders", {{"Scan table", {"*"}}},
        folder_.error.empty() ? std::optional<std::string>(folder_.folder) : std::nullopt);
    if (!path) return;
    tables_->setCurrentIndex(-1);
    readTable(*path);
}

void ImportTranspondersDialog::fillSatellites() {
    const QSignalBlocker quiet(satellites_);
    const int chosen = satellites_->currentIndex();
    satellites_->clear();
    for (const ImportSatellite& satellite : satelliteList_) {
        satellites_->addItem(QString("%1  %2")
                                 .arg(satellite.index)
                                 .arg(QString::fromStdString(utf8Name(satellite.name))));
    }
    if (newSatellite_)
        satellites_->addItem(QString::fromStdString(newSatelliteText(*newSatellite_)));
    satellites_->setCurrentIndex(chosen >= 0 && chosen < satellites_->count() ? chosen : 0);
}

bool ImportTranspondersDialog::newSatelliteChosen() const {
    return newSatellite_ &&
           static_cast<std::size_t>(satellites_->currentIndex()) == satelliteList_.size();
}

std::optional<NewSatellite> ImportTranspondersDialog::chosenNewSatellite() const {
    return newSatelliteChosen() ? newSatellite_ : std::nullopt;
}

void ImportTranspondersDialog::readTable(const std::string& path) {
    table_ = readScanTableFile(path);
    const ScanTableName name = parseScanTableName(fileNameOf(path));
    bouquet_ = importBouquet(name.satellite);
    newSatellite_ = table_.ok() ? newSatelliteFor(tokens_, name) : std::nullopt;
    fillSatellites();
    tableState_->setText(table_.ok() ? QString::fromStdString(path)
                                     : QString::fromStdString(table_.error));
    updatePreview();
}

void ImportTranspondersDialog::updatePreview() {
    preview_ = ImportPreview{};
    const int chosen = satellites_->currentIndex();
    if (table_.ok() && !table_.transponders.empty() && newSatelliteChosen()) {
        preview_ = previewImportToNew(tokens_, *newSatellite_, table_.transponders, bouquet_);
        if (!preview_.error.empty()) tableState_->setText(QString::fromStdString(preview_.error));
    } else if (table_.ok() && !table_.transponders.empty() && chosen >= 0) {
        preview_ = previewImport(tokens_, satelliteList_[static_cast<std::size_t>(chosen)].index,
                                 table_.transponders, bouquet_);
        if (!preview_.error.empty()) tableState_->setText(QString::fromStdString(preview_.error));
    }
    showRows();
    showCount();
}

void ImportTranspondersDialog::showRows() {
    filling_ = true;
    rows_->setRowCount(static_cast<int>(preview_.rows.size()));
    for (int r = 0; r < rows_->rowCount(); ++r) {
        const ImportRow& row = preview_.rows[static_cast<std::size_t>(r)];
        QTableWidgetItem* frequency = cellItem(row.frequency);
        if (canTick(row)) {
            frequency->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
            frequency->setCheckState(row.ticked ? Qt::Checked : Qt::Unchecked);
        }
        rows_->setItem(r, Frequency, frequency);
        rows_->setItem(r, Polarisation, cellItem(row.polarisation));
        rows_->setItem(r, SymbolRate, cellItem(row.symbolRate));
        rows_->setItem(r, System, cellItem(deliverySystemName(row.source.system)));
        rows_->setItem(r, Status, cellItem(importStatusText(row.status)));
        QTableWidgetItem* note = cellItem(row.note);
        // A long note may be cut at the dialog's edge: its tooltip shows it whole.
        note->setToolTip(note->text());
        rows_->setItem(r, Note, note);
    }
    rows_->resizeColumnsToContents();
    filling_ = false;
}

void ImportTranspondersDialog::showCount() {
    const std::size_t ticked = preview_.tickedCount();
    count_->setText(ticked == 1 ? QString("1 transponder to add.")
                                : QString("%1 transponders to add.").arg(ticked));
    import_->setEnabled(ticked > 0);
}

}  // namespace sky::app
