#include "app/dialogs/CheckTranspondersWindow.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <map>

#include "editor/model/NameEncoding.h"
#include "editor/view/ListView.h"

namespace sky::app {

namespace {

constexpr const char* kHint =
    "Double-click a row to select the transponder in the list, or its Channels cell to select "
    "its first channel.";
// The table box's last item picks a file of the user's.
constexpr const char* kOtherFile = "Other File...";

QTableWidgetItem* cellItem(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

QString satelliteText(const SatelliteCheck& satellite) {
    const std::string position = positionText(satellite.positionTenths);
    QString text = QString("%1  %2")
                       .arg(satellite.satellite)
                       .arg(QString::fromStdString(utf8Name(satellite.name)));
    if (!position.empty()) text += "  " + QString::fromStdString(position);
    const std::size_t flagged = satellite.flagged();
    if (flagged > 0) text += QString("  (%1 flagged)").arg(flagged);
    return text;
}

}  // namespace

CheckTranspondersWindow::CheckTranspondersWindow(ListDocument& document, ListView& view,
                                                 Settings& settings, IDocumentWindow& window,
                                                 QWidget* parent)
    : QDialog(parent),
      document_(document),
      view_(view),
      window_(window),
      session_(std::make_unique<TransponderCheckSession>(document, settings, listScanTables())) {
    setObjectName("CheckTranspondersWindow");
    setWindowTitle("Skylister - Check Transponders");
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);

    summary_ = new QLabel(this);
    summary_->setObjectName("CheckSummary");
    summary_->setWordWrap(true);

    auto* form = new QFormLayout;
    satellites_ = new QComboBox(this);
    satellites_->setObjectName("CheckSatellites");
    form->addRow("&Satellite:", satellites_);
    tables_ = new QComboBox(this);
    tables_->setObjectName("CheckTables");
    form->addRow("&Table:", tables_);
    tableState_ = new QLabel(this);
    tableState_->setObjectName("CheckTableState");
    tableState_->setWordWrap(true);
    form->addRow("", tableState_);

    rows_ = new QTableWidget(0, Columns, this);
    rows_->setObjectName("CheckRows");
    rows_->setHorizontalHeaderLabels({"Repair", "D_TP", "Frequency (MHz)", "Polarization",
                                      "Symbol Rate (kS/s)", "Channels", "Against the table",
                                      "LNB"});
    rows_->verticalHeader()->hide();
    rows_->verticalHeader()->setDefaultSectionSize(rows_->fontMetrics().height() + 6);
    rows_->setSelectionBehavior(QAbstractItemView::SelectRows);
    rows_->setSelectionMode(QAbstractItemView::SingleSelection);
    rows_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    rows_->horizontalHeader()->setStretchLastSection(true);

    missing_ = new QLabel(this);
    missing_->setWordWrap(true);
    import_ = new QPushButton("&Import Them...", this);
    import_->setObjectName("CheckImport");
    // Enter in the window imports nothing by itself.
    import_->setAutoDefault(false);
    auto* missingRow = new QHBoxLayout;
    missingRow->addWidget(missing_, 1);
    missingRow->addWidget(import_);

    status_ = new QLabel(kHint, this);
    status_->setObjectName("CheckStatus");
    status_->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(this);
    repair_ = buttons->addButton("&Repair", QDialogButtonBox::ApplyRole);
    repair_->setObjectName("CheckRepair");
    repair_->setAutoDefault(false);
    buttons->addButton(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary_);
    layout->addLayout(form);
    layout->addWidget(rows_, 1);
    layout->addLayout(missingRow);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(status_, 1);
    bottom->addWidget(buttons);
    layout->addLayout(bottom);

    connect(satellites_, &QComboBox::currentIndexChanged, this, [this] {
        fillTables();
        showSatellite();
    });
    connect(tables_, &QComboBox::activated, this, [this](int item) { chooseTable(item); });
    connect(rows_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (filling_ || item->column() != Repair || currentSatellite() < 0) return;
        session_->tick(static_cast<std::size_t>(currentSatellite()),
                       static_cast<std::size_t>(item->row()), item->checkState() == Qt::Checked);
        showCount();
    });
    connect(rows_, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int column) { selectInList(row, column); });
    connect(repair_, &QPushButton::clicked, this, [this] {
        const RepairCounts counts = session_->repair();
        refresh();
        if (counts.any()) {
            status_->setText(QString("Repaired: %1 transponder(s) took the table's values, %2 "
                                     "channel(s) deleted. Undo takes it back.")
                                 .arg(counts.transponders)
                                 .arg(counts.channels));
        }
    });
    connect(import_, &QPushButton::clicked, this, [this] {
        if (currentSatellite() < 0) return;
        const std::size_t added =
            session_->importMissing(static_cast<std::size_t>(currentSatellite()));
        refresh();
        status_->setText(QString("%1 transponder(s) imported.").arg(added));
    });
    refresh();
    resize(1060, 600);
    document_.addObserver(*this);
}

CheckTranspondersWindow::~CheckTranspondersWindow() {
    document_.removeObserver(*this);
}

CheckTranspondersWindow* CheckTranspondersWindow::showIn(QWidget& parent, ListDocument& document,
                                                         ListView& view, Settings& settings,
                                                         IDocumentWindow& window) {
    auto* shown = parent.findChild<CheckTranspondersWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (!shown) {
        shown = new CheckTranspondersWindow(document, view, settings, window, &parent);
    } else {
        shown->session_->recheck();
        shown->refresh();
    }
    shown->show();
    shown->raise();
    shown->activateWindow();
    return shown;
}

void CheckTranspondersWindow::listChanged(ListChange) {
    if (refreshPending_ || isHidden()) return;
    refreshPending_ = true;
    // Edits come in bursts (an edit, then its renumbering): one check after them.
    QTimer::singleShot(0, this, [this] {
        refreshPending_ = false;
        session_->recheck();
        refresh();
    });
}

int CheckTranspondersWindow::currentSatellite() const {
    const int item = satellites_->currentIndex();
    return item >= 0 && static_cast<std::size_t>(item) < session_->check().satellites.size() ? item
                                                                                             : -1;
}

void CheckTranspondersWindow::refresh() {
    const TransponderCheck& check = session_->check();
    const std::size_t flagged = check.flagged();
    QString summary =
        flagged == 0 ? QString("Nothing flagged.") : QString("%1 flagged.").arg(flagged);
    if (!session_->folder().error.empty()) {
        summary += " " + QString::fromStdString(session_->folder().error);
    }
    summary_->setText(summary);
    {
        const QSignalBlocker quiet(satellites_);
        const int shown = satellites_->currentIndex();
        satellites_->clear();
        for (const SatelliteCheck& satellite : check.satellites) {
            satellites_->addItem(satelliteText(satellite));
        }
        // The first satellite with something flagged is shown first.
        int first = 0;
        for (std::size_t s = 0; s < check.satellites.size(); ++s) {
            if (check.satellites[s].flagged() > 0) {
                first = static_cast<int>(s);
                break;
            }
        }
        satellites_->setCurrentIndex(shown >= 0 && shown < satellites_->count() ? shown : first);
    }
    fillTables();
    showSatellite();
}

void CheckTranspondersWindow::fillTables() {
    const QSignalBlocker quiet(tables_);
    tables_->clear();
    tables_->addItem("The table of the satellite's position", QString());
    for (const ScanTableName& table : session_->folder().tables) {
        tables_->addItem(QString::fromStdString(table.file),
                         QString::fromStdString(scanTablePath(session_->folder(), table)));
    }
    tables_->addItem(kOtherFile, QString(kOtherFile));
    const int satellite = currentSatellite();
    if (satellite < 0) return;
    const SatelliteCheck& checked =
        session_->check().satellites[static_cast<std::size_t>(satellite)];
    if (!checked.tableChosen) {
        tables_->setCurrentIndex(0);
        return;
    }
    const int found = tables_->findData(QString::fromStdString(checked.tablePath));
    if (found >= 0) {
        tables_->setCurrentIndex(found);
    } else {
        tables_->insertItem(tables_->count() - 1, QString::fromStdString(checked.tablePath),
                            QString::fromStdString(checked.tablePath));
        tables_->setCurrentIndex(tables_->count() - 2);
    }
}

void CheckTranspondersWindow::chooseTable(int item) {
    const int satellite = currentSatellite();
    if (satellite < 0) return;
    std::string path = tables_->itemData(item).toString().toStdString();
    if (path == kOtherFile) {
        const std::optional<std::string> picked = window_.chooseFileToOpen(
            "Check Transponders", {{"Scan table", {"*"}}},
            session_->folder().error.empty() ? std::optional<std::string>(session_->folder().folder)
                                             : std::nullopt);
        if (!picked) {
            fillTables();
            return;
        }
        path = *picked;
    }
    session_->chooseTable(static_cast<std::size_t>(satellite), path);
    refresh();
}

void CheckTranspondersWindow::showSatellite() {
    filling_ = true;
    const int satellite = currentSatellite();
    if (satellite < 0) {
        rows_->setRowCount(0);
        tableState_->clear();
        missing_->clear();
        import_->setEnabled(false);
        filling_ = false;
        showCount();
        return;
    }
    const SatelliteCheck& checked =
        session_->check().satellites[static_cast<std::size_t>(satellite)];
    QString state = QString::fromStdString(tableSummary(checked));
    if (checked.lnb) {
        state += QString("\nLNB_LO %1 / %2 MHz").arg(checked.lnb->highMhz).arg(checked.lnb->lowMhz);
        if (checked.lnbSwapped) state += QString(": ") + kSwappedLoText;
    }
    tableState_->setText(state);

    std::map<std::string, const TuningFlag*> tuning;
    for (const TuningFlag& flag : checked.tuningFlags) tuning[flag.index] = &flag;
    rows_->setRowCount(static_cast<int>(checked.transponders.size()));
    for (int r = 0; r < rows_->rowCount(); ++r) {
        const CheckedTransponder& tp = checked.transponders[static_cast<std::size_t>(r)];
        QTableWidgetItem* repair = cellItem(QString());
        if (canRepair(tp)) {
            repair->setFlags(repair->flags() | Qt::ItemIsUserCheckable);
            repair->setCheckState(tp.ticked ? Qt::Checked : Qt::Unchecked);
            repair->setText(tp.verdict == TpVerdict::NowDvbS2 ? "delete channels"
                                                              : "take the table's");
        }
        rows_->setItem(r, Repair, repair);
        rows_->setItem(r, Index, cellItem(QString::fromStdString(tp.index)));
        rows_->setItem(r, Frequency, cellItem(QString::number(tp.frequencyMhz)));
        rows_->setItem(r, Polarisation, cellItem(QString(QChar(tp.polarisation))));
        rows_->setItem(r, SymbolRate, cellItem(QString::number(tp.symbolRateKs)));
        rows_->setItem(r, Channels, cellItem(QString::number(tp.channels)));
        QTableWidgetItem* result = cellItem(
            checked.hasTable() ? QString::fromStdString(verdictDetail(tp, checked.tableDate))
                               : QString());
        result->setToolTip(result->text());
        rows_->setItem(r, Result, result);
        const auto flag = tuning.find(tp.index);
        rows_->setItem(
            r, Lnb,
            cellItem(flag == tuning.end()
                         ? QString()
                         : QString("IF %1 MHz on LO %2: %3")
                               .arg(flag->second->tuning.ifMhz)
                               .arg(flag->second->tuning.loMhz)
                               .arg(QString::fromStdString(flag->second->tuning.problem))));
    }
    rows_->resizeColumnsToContents();

    if (checked.missing.empty()) {
        missing_->setText(checked.hasTable()
                              ? "Every DVB-S transponder of the table is in the list."
                              : QString());
    } else {
        missing_->setText(QString("%1 DVB-S transponder(s) of the table are not in the list.")
                              .arg(checked.missing.size()));
    }
    import_->setEnabled(!checked.missing.empty() && !document_.locked());
    filling_ = false;
    showCount();
}

void CheckTranspondersWindow::showCount() {
    const std::size_t ticked = session_->ticked();
    repair_->setText(ticked == 0 ? QString("&Repair") : QString("&Repair (%1)").arg(ticked));
    repair_->setEnabled(ticked > 0 && !document_.locked());
}

void CheckTranspondersWindow::selectInList(int row, int column) {
    const int satellite = currentSatellite();
    if (satellite < 0) return;
    const auto target = session_->targetOf(static_cast<std::size_t>(satellite),
                                           static_cast<std::size_t>(row), column == Channels);
    const bool shown =
        target && (target->channelRows.empty() ? view_.showRecord(target->section, target->record)
                                               : view_.showDigitalChannels(target->channelRows));
    if (!shown) {
        status_->setText(column == Channels ? "No channel is on this transponder."
                                            : "The list has no such row any more.");
        return;
    }
    status_->setText(kHint);
}

}  // namespace sky::app
