#include "app/dialogs/DigitalChannelDialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <utility>

#include "app/dialogs/DialogWidgets.h"
#include "app/dialogs/ShownText.h"

namespace sky::app {
namespace {

using Field = DigitalChannelDialogData::Field;

}  // namespace

DigitalChannelDialog::DigitalChannelDialog(DigitalChannelDialogData& dialogData, QWidget* parent)
    : ChannelDialog(dialogData, shownText("&Insert \n\rNull"), false, parent), data_(dialogData) {
    QLineEdit* name = named<QLineEdit>("name");
    serviceId_ = named<QLineEdit>("serviceId");
    QLineEdit* activeAudio = named<QLineEdit>("activeAudio");
    QRadioButton* tv = named<QRadioButton>("tv", "TV");
    QRadioButton* radio = named<QRadioButton>("radio", "Radio");
    QLineEdit* frequency = named<QLineEdit>("frequency");
    QLineEdit* symbolRate = named<QLineEdit>("symbolRate");
    QRadioButton* horizontal = named<QRadioButton>("horizontal", "Horizontal ");
    QRadioButton* vertical = named<QRadioButton>("vertical", "Vertical");
    QLineEdit* bouquet = named<QLineEdit>("bouquet");
    videoPid_ = named<QLineEdit>("videoPid");
    audioPid_ = named<QLineEdit>("audioPid");
    pcrPid_ = named<QLineEdit>("pcrPid");

    auto* general = new QGroupBox("General");
    auto* generalForm = new QFormLayout(general);
    generalForm->addRow("Name", name);
    generalForm->addRow("SVC ID(hex)", serviceId_);
    generalForm->addRow("Active Audio", activeAudio);
    generalForm->addRow("TV / Radio", sideBySide({tv, radio}));

    auto* tp = new QGroupBox("Digital TP");
    auto* tpForm = new QFormLayout(tp);
    tpForm->addRow("Frequency[MHz]", frequency);
    tpForm->addRow("Symbol Rate[KHz]", symbolRate);
    tpForm->addRow("Polarity", sideBySide({horizontal, vertical}));
    tpForm->addRow("Bouquet", bouquet);
    tpForm->addRow("Video PID", videoPid_);
    tpForm->addRow("Audio PID", audioPid_);
    tpForm->addRow("PCR PID", pcrPid_);
    for (QLineEdit* pid : {videoPid_, audioPid_, pcrPid_}) {
        tpForm->setRowVisible(pid, DigitalChannelDialogData::kPidEditsShown);
    }

    auto* fields = new QHBoxLayout;
    fields->addWidget(general);
    fields->addWidget(tp);
    arrange(fields);

    const std::pair<Field, QLineEdit*> edits[] = {
        {Field::Name, name},
        {Field::ServiceId, serviceId_},
        {Field::VideoPid, videoPid_},
        {Field::AudioPid, audioPid_},
        {Field::Frequency, frequency},
        {Field::LnbHigh, lnbHigh_},
        {Field::LnbLow, lnbLow_},
        {Field::PcrPid, pcrPid_},
        {Field::Position, position_},
        {Field::SymbolRate, symbolRate},
        {Field::ActiveAudio, activeAudio},
        {Field::Degree, degree_},
        {Field::Bouquet, bouquet},
    };
    for (const auto& [field, edit] : edits) {
        binding_.edit(edit, dialogData.text(field), DigitalChannelDialogData::editLimit(field),
                      DigitalChannelDialogData::isDisplayOnly(field));
    }
    binding_.radios(horizontal, vertical, dialogData.horizontal);
    binding_.radios(tv, radio, dialogData.tv);
    connect(serviceId_, &QLineEdit::textEdited, this, &DigitalChannelDialog::serviceIdTyped);
    start();
}

void DigitalChannelDialog::serviceIdTyped(const QString& text) {
    data_.serviceIdTyped(text.toStdString());
    for (QLineEdit* pid : {videoPid_, audioPid_, pcrPid_}) binding_.show(pid);
    showEnabling();
}

void DigitalChannelDialog::showFields() {
    ChannelDialog::showFields();
    showEnabling();
}

void DigitalChannelDialog::showEnabling() {
    serviceId_->setEnabled(data_.serviceIdEnabled());
    for (QLineEdit* pid : {videoPid_, audioPid_, pcrPid_}) {
        pid->setEnabled(data_.pidEditsEnabled());
    }
}

QLineEdit* DigitalChannelDialog::tooLongEdit() const {
    const std::optional<Field> field = data_.tooLongField();
    return field ? binding_.editOf(data_.text(*field)) : nullptr;
}

}  // namespace sky::app
