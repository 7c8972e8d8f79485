#include "app/settings/OptionDialog.h"

#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyle>
#include <QVBoxLayout>

#include "editor/model/UndoHistory.h"

namespace sky::app {

namespace {

QString cssColour(const Rgb& rgb) {
    return QColor(rgb.red, rgb.green, rgb.blue).name();
}

// The mark beside a port in the port list: ready, present but not ours to open, or missing or
// no serial port.
QIcon portMark(const QStyle& style, OptionDialogData::DeviceState state) {
    switch (state) {
        case OptionDialogData::DeviceState::Ready:
            return style.standardIcon(QStyle::SP_DialogApplyButton);
        case OptionDialogData::DeviceState::NoAccess:
            return style.standardIcon(QStyle::SP_MessageBoxWarning);
        case OptionDialogData::DeviceState::Missing:
        case OptionDialogData::DeviceState::NotTerminal:
            return style.standardIcon(QStyle::SP_MessageBoxCritical);
        case OptionDialogData::DeviceState::NoDevice:
            break;
    }
    return {};
}

}  // namespace

OptionDialog::OptionDialog(OptionDialogData& options, const std::vector<std::string>& devices,
                           QWidget* parent)
    : QDialog(parent),
      data_(options),
      radio32_(new QRadioButton("32", this)),
      radio40_(new QRadioButton("40", this)),
      textButton_(new QPushButton("Text Color", this)),
      backgroundButton_(new QPushButton("Background Color", this)),
      defaultButton_(new QPushButton("Load Default Color", this)),
      sample_(new QLabel("Sample", this)),
      ports_(new QComboBox(this)),
      device_(new QComboBox(this)),
      deviceStatus_(new QLabel(this)),
      stableName_(new QPushButton(this)),
      tempDir_(new QLineEdit(this)),
      undoLevels_(new QSpinBox(this)),
      historyLimit_(new QSpinBox(this)) {
    setWindowTitle("Setting Option");
    setObjectName("OptionDialog");
    pickColour = [this]() -> std::optional<Rgb> {
        const QColor colour = QColorDialog::getColor(Qt::black, nullptr);
        if (!colour.isValid()) return std::nullopt;
        return Rgb{colour.red(), colour.green(), colour.blue()};
    };

    auto* satellites = new QGroupBox("Max Satellite Number", this);
    auto* radios = new QHBoxLayout(satellites);
    radios->addWidget(radio32_);
    radios->addWidget(radio40_);
    (options.max40 ? radio40_ : radio32_)->setChecked(true);

    auto* colours = new QVBoxLayout;
    colours->addWidget(textButton_);
    colours->addWidget(backgroundButton_);
    colours->addWidget(defaultButton_);
    sample_->setAlignment(Qt::AlignCenter);
    sample_->setObjectName("ColourSample");
    sample_->setFrameShape(QFrame::StyledPanel);
    colours->addWidget(sample_);
    auto* top = new QHBoxLayout;
    top->addWidget(satellites, 1);
    top->addLayout(colours);

    for (const char* name : OptionDialogData::kPortNames) ports_->addItem(name);
    ports_->setCurrentIndex(options.portIndex ? *options.portIndex : -1);
    device_->setEditable(true);
    device_->setObjectName("DeviceList");
    device_->setMinimumContentsLength(24);
    for (const std::string& device : devices) device_->addItem(QString::fromStdString(device));
    auto* portRow = new QGridLayout;
    auto* portLabel = new QLabel("Select Serial Com Port", this);
    portLabel->setBuddy(ports_);
    portRow->addWidget(portLabel, 0, 0);
    portRow->addWidget(ports_, 0, 1);
    auto* deviceLabel = new QLabel("Device:", this);
    deviceLabel->setBuddy(device_);
    portRow->addWidget(deviceLabel, 0, 2);
    portRow->addWidget(device_, 0, 3);
    deviceStatus_->setObjectName("DeviceStatus");
    portRow->addWidget(deviceStatus_, 1, 3);
    stableName_->setObjectName("StableNameButton");
    stableName_->setVisible(false);
    portRow->addWidget(stableName_, 2, 3);
    portRow->setColumnStretch(3, 1);

    tempDir_->setReadOnly(true);
    tempDir_->setText(QString::fromStdString(options.temporaryDirectory));
    auto* tempRow = new QHBoxLayout;
    auto* tempLabel = new QLabel("Temp dirctory :", this);
    tempLabel->setBuddy(tempDir_);
    tempRow->addWidget(tempLabel);
    tempRow->addWidget(tempDir_, 1);

    undoLevels_->setObjectName("UndoLevels");
    undoLevels_->setRange(UndoHistory::kMinDepth, UndoHistory::kMaxDepth);
    undoLevels_->setValue(options.undoLevels);
    auto* undoRow = new QHBoxLayout;
    auto* undoLabel = new QLabel("Undo levels", this);
    undoLabel->setBuddy(undoLevels_);
    undoRow->addWidget(undoLabel);
    undoRow->addWidget(undoLevels_);
    historyLimit_->setObjectName("HistoryLimit");
    historyLimit_->setRange(1, kMaxHistoryLimitMb);
    historyLimit_->setSuffix(" MB");
    historyLimit_->setValue(options.historyLimitMb);
    auto* historyLabel = new QLabel("History of lists sent and fetched", this);
    historyLabel->setBuddy(historyLimit_);
    undoRow->addSpacing(12);
    undoRow->addWidget(historyLabel);
    undoRow->addWidget(historyLimit_);
    undoRow->addStretch(1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &OptionDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(portRow);
    layout->addLayout(tempRow);
    layout->addLayout(undoRow);
    layout->addWidget(buttons);

    connect(textButton_, &QPushButton::clicked, this, [this] {
        data_.textColourPicked(pickColour());
        showSample();
    });
    connect(backgroundButton_, &QPushButton::clicked, this, [this] {
        data_.backgroundColourPicked(pickColour());
        showSample();
    });
    connect(defaultButton_, &QPushButton::clicked, this, [this] {
        data_.loadDefaultColours();
        showSample();
    });
    connect(device_, &QComboBox::currentTextChanged, this, &OptionDialog::deviceEdited);
    connect(stableName_, &QPushButton::clicked, this,
            [this] { device_->setCurrentText(stableName_->property("device").toString()); });
    connect(ports_, &QComboBox::currentIndexChanged, this, &OptionDialog::portChosen);
    portChosen(ports_->currentIndex());
    deviceEdited(device_->currentText());
    showSample();
}

void OptionDialog::showSample() {
    sample_->setStyleSheet(
        QString("color: %1; background-color: %2;")
            .arg(cssColour(data_.textColour()), cssColour(data_.backgroundColour())));
}

void OptionDialog::portChosen(int index) {
    // The device typed for the port shown so far stays with that port.
    if (shownPort_ >= 0 && shownPort_ < 4) {
        data_.portDevices[static_cast<std::size_t>(shownPort_)] =
            device_->currentText().trimmed().toStdString();
    }
    showPortStatuses();
    shownPort_ = index;
    device_->setEnabled(index >= 0 && index < 4);
    if (index >= 0 && index < 4) {
        device_->setCurrentText(
            QString::fromStdString(data_.portDevices[static_cast<std::size_t>(index)]));
    }
}

void OptionDialog::deviceEdited(const QString& text) {
    const std::string device = text.trimmed().toStdString();
    deviceStatus_->setText(QString::fromStdString(OptionDialogData::deviceStatus(device)));
    const std::optional<std::string> stable = data_.stableNameFor(device);
    stableName_->setVisible(stable.has_value());
    if (!stable) return;
    stableName_->setText("Use stable name " + QString::fromStdString(*stable));
    stableName_->setProperty("device", QString::fromStdString(*stable));
}

void OptionDialog::showPortStatuses() {
    for (std::size_t n = 0; n < data_.portDevices.size(); ++n) {
        const std::string& device = data_.portDevices[n];
        const std::string status = OptionDialogData::deviceStatus(device);
        const int item = static_cast<int>(n);
        ports_->setItemData(
            item, QString::fromStdString(status.empty() ? "No device" : device + ": " + status),
            Qt::ToolTipRole);
        ports_->setItemIcon(item, portMark(*style(), OptionDialogData::deviceState(device)));
    }
}

void OptionDialog::accept() {
    portChosen(ports_->currentIndex());
    const int index = ports_->currentIndex();
    data_.portIndex = index >= 0 ? std::optional<int>(index) : std::nullopt;
    data_.max40 = radio40_->isChecked();
    data_.undoLevels = undoLevels_->value();
    data_.historyLimitMb = historyLimit_->value();
    QDialog::accept();
}

}  // namespace sky::app
