#include "app/dialogs/ImportChannelsDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <set>
#include <string>

#include "common/Format.h"
#include "editor/model/NameEncoding.h"
#include "shell/ScanTables.h"

namespace sky::app {

namespace {

constexpr ChannelFormat kFormats[] = {ChannelFormat::Vdr, ChannelFormat::DvbV5,
                                      ChannelFormat::Lamedb};

QString formatText(ChannelFormat format) {
    switch (format) {
        case ChannelFormat::Vdr:
            return "VDR channels.conf";
        case ChannelFormat::DvbV5:
            return "DVBv5 channel file";
        case ChannelFormat::Lamedb:
            break;
    }
    return "Enigma2 lamedb";
}

QString satelliteText(const ImportSatellite& satellite) {
    return QString("%1  %2")
        .arg(satellite.index)
        .arg(QString::fromStdString(utf8Name(satellite.name)));
}

QTreeWidgetItem* groupItem(const QString& text) {
    auto* item = new QTreeWidgetItem(QStringList{text});
    item->setFlags(Qt::ItemIsEnabled);
    item->setFirstColumnSpanned(true);
    return item;
}

}  // namespace

ImportChannelsDialog::ImportChannelsDialog(ChannelImportSession& session, QWidget* parent)
    : QDialog(parent), session_(session), satellites_(importSatellites(session.tokens())) {
    setWindowTitle(kImportChannelsLabel);
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    auto* file = new QLabel(QString::fromStdString(session_.path()), this);
    file->setTextInteractionFlags(Qt::TextSelectableByMouse);
    form->addRow("File:", file);

    format_ = new QComboBox(this);
    format_->setObjectName("ChannelFormat");
    format_->addItem("By content");
    for (const ChannelFormat format : kFormats) format_->addItem(formatText(format));
    form->addRow("&Format:", format_);

    satellite_ = new QComboBox(this);
    satellite_->setObjectName("ImportSatellite");
    satellite_->addItem("By the positions in the file");
    for (const ImportSatellite& satellite : satellites_)
        satellite_->addItem(satelliteText(satellite));
    form->addRow("&All to satellite:", satellite_);

    auto* mapRow = new QHBoxLayout;
    position_ = new QComboBox(this);
    position_->setObjectName("ImportPosition");
    mapRow->addWidget(position_);
    mapRow->addWidget(new QLabel("goes to", this));
    positionSatellite_ = new QComboBox(this);
    positionSatellite_->setObjectName("PositionSatellite");
    positionSatellite_->addItem("The satellite at that position (new if the list has none)");
    for (const ImportSatellite& satellite : satellites_) {
        positionSatellite_->addItem(satelliteText(satellite));
    }
    mapRow->addWidget(positionSatellite_, 1);
    auto* mapLabel = new QLabel("&Position:", this);
    mapLabel->setBuddy(position_);
    form->addRow(mapLabel, mapRow);

    pidChannels_ = new QCheckBox("Make &PID channels of services without a service id", this);
    form->addRow("", pidChannels_);
    layout->addLayout(form);

    tree_ = new QTreeWidget(this);
    tree_->setObjectName("ImportTree");
    tree_->setAccessibleName("Channels to import");
    tree_->setColumnCount(Columns);
    tree_->setHeaderLabels({"Name", "Type", "Service ID", "Status", "Note"});
    tree_->setSelectionMode(QAbstractItemView::SingleSelection);
    tree_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    tree_->setUniformRowHeights(true);
    layout->addWidget(tree_, 1);

    counts_ = new QLabel(this);
    counts_->setWordWrap(true);
    layout->addWidget(counts_);
    warning_ = new QLabel(this);
    warning_->setObjectName("ImportWarning");
    warning_->setWordWrap(true);
    warning_->setStyleSheet("color: #b00000;");
    layout->addWidget(warning_);

    auto* buttons = new QDialogButtonBox(this);
    import_ = buttons->addButton("&Import", QDialogButtonBox::AcceptRole);
    buttons->addButton(QDialogButtonBox::Cancel);
    import_->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (session_.canImport()) accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    connect(format_, &QComboBox::currentIndexChanged, this, [this] { chooseFormat(); });
    connect(satellite_, &QComboBox::currentIndexChanged, this, [this] { chooseOptions(); });
    connect(position_, &QComboBox::currentIndexChanged, this, [this] { showPositionSatellite(); });
    connect(positionSatellite_, &QComboBox::currentIndexChanged, this, [this] { chooseOptions(); });
    connect(pidChannels_, &QCheckBox::toggled, this, [this] { chooseOptions(); });
    connect(tree_, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item, int) {
        if (!filling_) rowChanged(item);
    });

    format_->setItemText(0, "By content: " + formatText(session_.preview().file.format));
    showPositions();
    showTree();
    resize(900, 640);
}

QTreeWidgetItem* ImportChannelsDialog::rowItem(std::size_t row) const {
    return row < rowItems_.size() ? rowItems_[row] : nullptr;
}

void ImportChannelsDialog::chooseFormat() {
    if (filling_) return;
    const int chosen = format_->currentIndex();
    session_.chooseFormat(
        chosen <= 0 ? std::nullopt : std::optional(kFormats[static_cast<std::size_t>(chosen - 1)]));
    showPositions();
    showTree();
}

void ImportChannelsDialog::chooseOptions() {
    if (filling_) return;
    ChannelImportOptions options = session_.options();
    const int all = satellite_->currentIndex();
    options.satellite = all <= 0
                            ? std::nullopt
                            : std::optional(satellites_[static_cast<std::size_t>(all - 1)].index);
    const int position = position_->currentIndex();
    const int target = positionSatellite_->currentIndex();
    if (position >= 0 && static_cast<std::size_t>(position) < positions_.size()) {
        const int tenths = positions_[static_cast<std::size_t>(position)];
        if (target <= 0) {
            options.satelliteOfPosition.erase(tenths);
        } else {
            options.satelliteOfPosition[tenths] =
                satellites_[static_cast<std::size_t>(target - 1)].index;
        }
    }
    options.pidChannels = pidChannels_->isChecked();
    session_.chooseOptions(options);
    showTree();
}

void ImportChannelsDialog::showPositions() {
    std::set<int> found;
    for (const ChannelRecord& record : session_.preview().file.records) {
        if (record.source == SourceKind::Satellite && record.positionTenths) {
            found.insert(*record.positionTenths);
        }
    }
    positions_.assign(found.begin(), found.end());
    filling_ = true;
    position_->clear();
    for (const int tenths : positions_) {
        position_->addItem(QString::fromStdString(positionText(tenths)));
    }
    position_->setEnabled(!positions_.empty());
    positionSatellite_->setEnabled(!positions_.empty());
    filling_ = false;
    showPositionSatellite();
}

void ImportChannelsDialog::showPositionSatellite() {
    const int position = position_->currentIndex();
    int target = 0;
    if (position >= 0 && static_cast<std::size_t>(position) < positions_.size()) {
        const auto& map = session_.options().satelliteOfPosition;
        const auto mapped = map.find(positions_[static_cast<std::size_t>(position)]);
        if (mapped != map.end()) {
            for (std::size_t at = 0; at < satellites_.size(); ++at) {
                if (satellites_[at].index == mapped->second) target = static_cast<int>(at) + 1;
            }
        }
    }
    filling_ = true;
    positionSatellite_->setCurrentIndex(target);
    filling_ = false;
}

void ImportChannelsDialog::showTree() {
    const ChannelImportPreview& preview = session_.preview();
    filling_ = true;
    tree_->clear();
    rowItems_.assign(preview.rows.size(), nullptr);
    std::vector<QTreeWidgetItem*> satelliteItems;
    for (const ChannelImportSatellite& satellite : preview.satellites) {
        const std::string position = positionText(satellite.positionTenths);
        QTreeWidgetItem* item = groupItem(
            QString("Satellite %1  %2%3%4")
                .arg(satellite.index)
                .arg(QString::fromStdString(utf8Name(satellite.name)))
                .arg(position.empty() ? QString() : "  " + QString::fromStdString(position))
                .arg(satellite.isNew ? "  (new)" : ""));
        tree_->addTopLevelItem(item);
        satelliteItems.push_back(item);
    }
    std::vector<QTreeWidgetItem*> transponderItems;
    for (const ChannelImportTransponder& tp : preview.transponders) {
        std::size_t sat = 0;
        while (sat < preview.satellites.size() && preview.satellites[sat].index != tp.satellite)
            ++sat;
        QTreeWidgetItem* item = groupItem(
            QString("%1 %2 %3  %4  %5")
                .arg(tp.tuning.frequencyMhz)
                .arg(QChar(polarisationLetter(tp.tuning.polarisation)))
                .arg(tp.tuning.symbolRateKs)
                .arg(deliverySystemName(tp.tuning.system))
                .arg(!tp.refused.empty()    ? QString::fromStdString(tp.refused)
                     : tp.presentAs.empty() ? QString("(new transponder)")
                                            : "D_TP " + QString::fromStdString(tp.presentAs)));
        if (sat < satelliteItems.size()) satelliteItems[sat]->addChild(item);
        transponderItems.push_back(item);
    }
    QTreeWidgetItem* others = nullptr;
    for (std::size_t at = 0; at < preview.rows.size(); ++at) {
        const ChannelImportRow& row = preview.rows[at];
        const ChannelRecord& record = row.record;
        auto* item = new QTreeWidgetItem;
        const QString name = QString::fromStdString(
            row.name.empty() ? format("line %d", record.line) : utf8Name(row.name));
        item->setText(Name, name);
        item->setText(Type, QString::fromStdString(row.pidChannel ? "PID " + row.type : row.type));
        if (record.serviceId != 0)
            item->setText(ServiceId, QString::asprintf("%04X", record.serviceId));
        item->setText(Status, importStatusText(row.status));
        item->setText(Note, QString::fromStdString(row.note));
        item->setToolTip(Note, item->text(Note));
        item->setToolTip(Name, QString::fromStdString(record.name));
        Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
        if (canTick(row)) flags |= Qt::ItemIsUserCheckable;
        if (row.nameMarked) flags |= Qt::ItemIsEditable;
        item->setFlags(flags);
        if (canTick(row)) item->setCheckState(Name, row.ticked ? Qt::Checked : Qt::Unchecked);
        if (row.transponder && *row.transponder < transponderItems.size()) {
            transponderItems[*row.transponder]->addChild(item);
        } else {
            if (!others) {
                others = groupItem("Rows not for this list");
                tree_->addTopLevelItem(others);
            }
            others->addChild(item);
        }
        rowItems_[at] = item;
    }
    tree_->expandAll();
    tree_->header()->setStretchLastSection(true);
    for (int column = Name; column < Note; ++column) tree_->resizeColumnToContents(column);
    filling_ = false;
    showCounts();
}

void ImportChannelsDialog::rowChanged(QTreeWidgetItem* item) {
    const auto found = std::find(rowItems_.begin(), rowItems_.end(), item);
    if (found == rowItems_.end()) return;
    const std::size_t row = static_cast<std::size_t>(found - rowItems_.begin());
    const ChannelImportRow& shown = session_.preview().rows[row];
    if ((item->flags() & Qt::ItemIsUserCheckable) &&
        (item->checkState(Name) == Qt::Checked) != shown.ticked) {
        session_.tick(row, item->checkState(Name) == Qt::Checked);
    }
    const QString name = QString::fromStdString(utf8Name(shown.name));
    if ((item->flags() & Qt::ItemIsEditable) && item->text(Name) != name) {
        session_.rename(row, item->text(Name).toStdString());
        // The name as the list will have it.
        filling_ = true;
        item->setText(Name, QString::fromStdString(utf8Name(session_.preview().rows[row].name)));
        filling_ = false;
    }
    showCounts();
}

void ImportChannelsDialog::showCounts() {
    const ChannelImportCounts& c = session_.counts();
    QString text = QString("To add: %1 channels, %2 PID channels, %3 transponders, %4 satellites.")
                       .arg(c.channels)
                       .arg(c.pidChannels)
                       .arg(c.transponders)
                       .arg(c.satellites);
    QStringList skipped;
    for (const auto& [status, count] : c.skipped) {
        skipped << QString("%1 %2").arg(count).arg(QString::fromStdString(status));
    }
    if (!skipped.isEmpty()) text += "\nNot imported: " + skipped.join(", ") + ".";
    text += QString(
                "\nRoom left in the list: %1 channels, %2 PID channels, %3 transponders, %4 "
                "satellites.")
                .arg(c.channelsLeft)
                .arg(c.pidChannelsLeft)
                .arg(c.transpondersLeft)
                .arg(c.satellitesLeft);
    counts_->setText(text);
    const std::string blocked = session_.importBlocked();
    warning_->setText(QString::fromStdString(blocked));
    warning_->setVisible(!blocked.empty());
    import_->setEnabled(blocked.empty());
}

}  // namespace sky::app
