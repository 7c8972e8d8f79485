#include "app/dialogs/AnalogChannelDialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QSignalBlocker>

#include "app/dialogs/DialogWidgets.h"

namespace sky::app {
namespace {

using Field = AnalogChannelDialogData::Field;

}  // namespace

AnalogChannelDialog::AnalogChannelDialog(AnalogChannelDialogData& dialogData, QWidget* parent)
    : ChannelDialog(dialogData, "&Insert Null", true, parent), data_(dialogData) {
    QLineEdit* name = named<QLineEdit>("name");
    QLineEdit* frequency = named<QLineEdit>("frequency");
    QRadioButton* ku = named<QRadioButton>("ku", "KU");
    QRadioButton* c = named<QRadioButton>("c", "C");
    QRadioButton* horizontal = named<QRadioButton>("horizontal", "Horizontal");
    QRadioButton* vertical = named<QRadioButton>("vertical", "Vertical");
    QLineEdit* threshold = named<QLineEdit>("threshold");
    QLineEdit* contrast = named<QLineEdit>("contrast");
    QLineEdit* audioFreqLeft = named<QLineEdit>("audioFreqLeft");
    QLineEdit* audioFreqRight = named<QLineEdit>("audioFreqRight");
    QRadioButton* dnrYes = named<QRadioButton>("dnrYes", "Yes");
    QRadioButton* dnrNo = named<QRadioButton>("dnrNo", "No");
    QRadioButton* tv = named<QRadioButton>("tv", "TV");
    QRadioButton* radio = named<QRadioButton>("radio", "Radio");

    auto* tuning = new QFormLayout;
    tuning->addRow("Name :", name);
    tuning->addRow("Frequency[MHz]", frequency);
    tuning->addRow("Signal Band :", sideBySide({ku, c}));
    tuning->addRow("Video Band :", wordList(Choice::VideoBand, "videoBand"));
    tuning->addRow("Polarity :", sideBySide({horizontal, vertical}));
    tuning->addRow("Threshold", threshold);
    tuning->addRow("Contrast", contrast);

    auto* sound = new QFormLayout;
    sound->addRow("Decoder Output", wordList(Choice::DecoderOutput, "decoderOutput"));
    sound->addRow("Audio Mode", wordList(Choice::AudioMode, "audioMode"));
    sound->addRow("Audio Freq LEFT[MHz]", audioFreqLeft);
    sound->addRow("Audio Freq RIGHT[MHz]", audioFreqRight);
    sound->addRow("Band Width[KHz]", wordList(Choice::BandWidth, "bandWidth"));
    sound->addRow("DNR :", sideBySide({dnrYes, dnrNo}));
    sound->addRow("De-emphasis", wordList(Choice::DeEmphasis, "deEmphasis"));
    sound->addRow("TV / Radio", sideBySide({tv, radio}));

    auto* general = new QGroupBox("General");
    auto* columns = new QHBoxLayout(general);
    columns->addLayout(tuning);
    columns->addSpacing(12);
    columns->addLayout(sound);
    auto* fields = new QVBoxLayout;
    fields->addWidget(general);
    arrange(fields);

    const std::pair<Field, QLineEdit*> edits[] = {
        {Field::Name, name},
        {Field::Frequency, frequency},
        {Field::Threshold, threshold},
        {Field::Contrast, contrast},
        {Field::AudioFreqLeft, audioFreqLeft},
        {Field::AudioFreqRight, audioFreqRight},
        {Field::LnbHigh, lnbHigh_},
        {Field::LnbLow, lnbLow_},
        {Field::Position, position_},
        {Field::Degree, degree_},
    };
    for (const auto& [field, edit] : edits) {
        binding_.edit(edit, dialogData.text(field), AnalogChannelDialogData::editLimit(field),
                      AnalogChannelDialogData::isDisplayOnly(field));
    }
    binding_.radios(tv, radio, dialogData.tv);
    binding_.radios(dnrYes, dnrNo, dialogData.dnr);
    binding_.radios(horizontal, vertical, dialogData.horizontal);
    binding_.radios(ku, c, dialogData.ku);
    start();
}

QComboBox* AnalogChannelDialog::wordList(Choice choice, const char* name) {
    auto* list = named<QComboBox>(name);
    for (const std::string_view word : AnalogChannelDialogData::words(choice)) {
        list->addItem(QString::fromLatin1(word.data(), static_cast<qsizetype>(word.size())));
    }
    connect(list, &QComboBox::currentIndexChanged, this,
            [this, choice](int index) { data_.choose(choice, index); });
    wordLists_.emplace_back(choice, list);
    return list;
}

void AnalogChannelDialog::showFields() {
    ChannelDialog::showFields();
    for (const auto& [choice, list] : wordLists_) {
        const QSignalBlocker blocker(list);
        list->setCurrentIndex(data_.index(choice));
    }
}

QLineEdit* AnalogChannelDialog::tooLongEdit() const {
    const std::optional<Field> field = data_.tooLongField();
    return field ? binding_.editOf(data_.text(*field)) : nullptr;
}

}  // namespace sky::app
