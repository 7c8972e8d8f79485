#include "app/dialogs/ChannelDialog.h"

#include <QFormLayout>
#include <QKeyEvent>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/dialogs/DialogWidgets.h"
#include "app/dialogs/TabOrder.h"

namespace sky::app {

ChannelDialog::ChannelDialog(ChannelDialogData& dialogData, const QString& insertNullText,
                             bool editablePicker, QWidget* parent)
    : QDialog(parent), data_(dialogData) {
    satelliteGroup_ = new QGroupBox("Satellite", this);
    picker_ = named<QComboBox>("satellite");
    picker_->setEditable(editablePicker);
    // A typed name only looks for a satellite; it never becomes one.
    picker_->setInsertPolicy(QComboBox::NoInsert);
    picker_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    picker_->setMinimumContentsLength(13);
    lnbHigh_ = named<QLineEdit>("lnbHigh");
    lnbLow_ = named<QLineEdit>("lnbLow");
    position_ = named<QLineEdit>("position");
    degree_ = named<QLineEdit>("degree");
    degree_->setAccessibleName("Degree");

    auto* picked = new QFormLayout;
    picked->addRow("Name", picker_);
    picked->addRow("LNB_LO High[MHz]", lnbHigh_);
    picked->addRow("LNB_LO Low[MHz]", lnbLow_);
    auto* place = new QFormLayout;
    place->addRow("Position", position_);
    place->addRow(degreeLabel(), degree_);
    auto* columns = new QHBoxLayout(satelliteGroup_);
    columns->addLayout(picked);
    columns->addSpacing(12);
    columns->addLayout(place);

    ok_ = named<QPushButton>("ok", "&Ok");
    ok_->setDefault(true);
    cancel_ = named<QPushButton>("cancel", "&Cancel");
    delete_ = named<QPushButton>("delete", "&Delete");
    insertNull_ = named<QPushButton>("insertNull", insertNullText);
    connect(ok_, &QPushButton::clicked, this, [this] { press(DialogEnd::Ok); });
    connect(cancel_, &QPushButton::clicked, this, [this] { press(DialogEnd::Cancel); });
    connect(delete_, &QPushButton::clicked, this, [this] { press(DialogEnd::Delete); });
    connect(insertNull_, &QPushButton::clicked, this, [this] { press(DialogEnd::InsertNull); });
    connect(picker_, &QComboBox::currentIndexChanged, this, &ChannelDialog::satellitePicked);
}

void ChannelDialog::arrange(QLayout* fields) {
    auto* groups = new QVBoxLayout;
    groups->addLayout(fields);
    groups->addWidget(satelliteGroup_);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {ok_, cancel_, delete_, insertNull_}) buttons->addWidget(button);
    buttons->addStretch();

    auto* dialog = new QHBoxLayout(this);
    dialog->addLayout(groups);
    dialog->addLayout(buttons);
    // The dialog keeps the size its controls need.
    dialog->setSizeConstraint(QLayout::SetFixedSize);
    tabInLayoutOrder(this);
}

void ChannelDialog::start() {
    data_.open();
    setWindowTitle(QString::fromStdString(data_.caption()));
    delete_->setVisible(data_.deleteButtonsShown());
    insertNull_->setVisible(data_.deleteButtonsShown());
    const QSignalBlocker blocker(picker_);
    for (const std::string& name : data_.satelliteNames()) {
        picker_->addItem(QString::fromStdString(name));
    }
    showFields();
}

void ChannelDialog::showFields() {
    binding_.show();
    const QSignalBlocker blocker(picker_);
    picker_->setCurrentIndex(data_.pickerSelection());
}

DialogEnd ChannelDialog::run() {
    exec();
    return end_;
}

void ChannelDialog::reject() {
    press(DialogEnd::Cancel);
}

void ChannelDialog::satellitePicked(int row) {
    if (data_.pickSatellite(row, messages_)) showFields();
}

void ChannelDialog::press(DialogEnd button) {
    const std::optional<DialogEnd> end = data_.finish(button, messages_);
    if (!end) {
        if (QLineEdit* edit = tooLongEdit()) edit->setFocus();
        return;
    }
    end_ = *end;
    done(end_ == DialogEnd::Cancel ? Rejected : Accepted);
}

void ChannelDialog::keyPressEvent(QKeyEvent* event) {
    std::optional<DialogEnd> button;
    if (event->key() == Qt::Key_Insert || event->key() == Qt::Key_Delete) {
        const DialogKey key =
            event->key() == Qt::Key_Insert ? DialogKey::Insert : DialogKey::Delete;
        button = ChannelDialogData::keyCommand(key, focusWidget() == ok_);
    }
    if (button) {
        press(*button);
    } else {
        QDialog::keyPressEvent(event);
    }
}

}  // namespace sky::app
