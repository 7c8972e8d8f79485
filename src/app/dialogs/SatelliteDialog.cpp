#include "app/dialogs/SatelliteDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFont>
#include <QFontMetrics>
#include <QFormLayout>
#include <QPushButton>
#include <utility>

#include "app/dialogs/DialogWidgets.h"

namespace sky::app {

namespace {

// The width a title bar takes beside its caption: the window's icon and its three buttons.
constexpr int kTitleBarRoom = 140;

}  // namespace

SatelliteDialog::SatelliteDialog(SatelliteDialogData& dialogData, QWidget* parent)
    : QDialog(parent), data_(dialogData) {
    using Field = SatelliteDialogData::Field;
    setWindowTitle(SatelliteDialogData::kCaption);
    QLineEdit* name = named<QLineEdit>("name");
    QLineEdit* lnbLow = named<QLineEdit>("lnbLow");
    QLineEdit* lnbHigh = named<QLineEdit>("lnbHigh");
    QLineEdit* position = named<QLineEdit>("position");
    QLineEdit* degree = named<QLineEdit>("degree");
    degree->setAccessibleName("Degree");
    QRadioButton* blankYes = named<QRadioButton>("blankYes", "Yes");
    QRadioButton* blankNo = named<QRadioButton>("blankNo", "No");

    auto* buttons = new QDialogButtonBox;
    QPushButton* ok = buttons->addButton("OK", QDialogButtonBox::AcceptRole);
    ok->setObjectName("ok");
    ok->setDefault(true);
    buttons->addButton("Cancel", QDialogButtonBox::RejectRole)->setObjectName("cancel");
    connect(buttons, &QDialogButtonBox::accepted, this, &SatelliteDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &SatelliteDialog::reject);

    auto* form = new QFormLayout(this);
    auto* lnb = new QComboBox;
    lnb->setObjectName("lnbPreset");
    for (const LnbPresetInfo& preset : lnbPresets()) lnb->addItem(preset.name);
    form->addRow("Name", name);
    form->addRow("LNB", lnb);
    form->addRow("LNB_LO Low[MHz]", lnbLow);
    form->addRow("LNB_LO High[MHz]", lnbHigh);
    form->addRow("Position", position);
    form->addRow(degreeLabel(), degree);
    form->addRow("Blank", sideBySide({blankYes, blankNo}));
    form->addRow(buttons);
    // The dialog keeps the size its controls need, and is at least as wide as its caption in
    // the title bar's bold type, with room for the bar's icon and buttons.
    QFont captionFont = font();
    captionFont.setBold(true);
    buttons->setMinimumWidth(QFontMetrics(captionFont).horizontalAdvance(windowTitle()) +
                             kTitleBarRoom);
    form->setSizeConstraint(QLayout::SetFixedSize);

    const std::pair<Field, QLineEdit*> edits[] = {
        {Field::Name, name},         {Field::LnbLow, lnbLow}, {Field::LnbHigh, lnbHigh},
        {Field::Position, position}, {Field::Degree, degree},
    };
    for (const auto& [field, edit] : edits) {
        binding_.edit(edit, dialogData.text(field), SatelliteDialogData::editLimit(field), false);
    }
    binding_.radios(blankYes, blankNo, dialogData.blank);
    binding_.show();

    // A preset fills both LO fields; the preset shown follows what the fields hold.
    const auto showPreset = [this, lnb] {
        lnb->setCurrentIndex(static_cast<int>(data_.lnbPreset()));
    };
    showPreset();
    connect(lnb, &QComboBox::activated, this, [this, lnbLow, lnbHigh](int preset) {
        data_.applyLnbPreset(static_cast<LnbPreset>(preset));
        binding_.show(lnbLow);
        binding_.show(lnbHigh);
    });
    connect(lnbLow, &QLineEdit::textChanged, this, showPreset);
    connect(lnbHigh, &QLineEdit::textChanged, this, showPreset);
}

DialogEnd SatelliteDialog::run() {
    exec();
    return end_;
}

void SatelliteDialog::accept() {
    press(DialogEnd::Ok);
}

void SatelliteDialog::reject() {
    press(DialogEnd::Cancel);
}

void SatelliteDialog::press(DialogEnd button) {
    const std::optional<DialogEnd> end = data_.finish(button, messages_);
    if (!end) {
        if (const std::optional<SatelliteDialogData::Field> field = data_.tooLongField()) {
            binding_.editOf(data_.text(*field))->setFocus();
        }
        return;
    }
    end_ = *end;
    done(end_ == DialogEnd::Ok ? Accepted : Rejected);
}

}  // namespace sky::app
