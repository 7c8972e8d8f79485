#include "editor/editing/AnalogChannelEditing.h"

#include <string>
#include <vector>

#include "common/Format.h"
#include "editor/editing/RecordEditing.h"
#include "editor/model/ChannelRecords.h"
#include "editor/model/Degree.h"
#include "editor/model/FieldText.h"

namespace sky {

namespace {

constexpr const char* kNoAnalogRecord = "Error : Can not find current analog channel";
constexpr const char* kDeleteQuestion = "Really Wnat to Delete this channel";
constexpr const char* kNoMatchedChannel = "Not Exist matched channel";
constexpr const char* kFrequencyMissing = "Frequency not filled!";

std::string sameNameMessage(const std::string& name) {
    return format("Same analog channel Name exist!!!\r\nName is \"%s \" ", name.c_str());
}

// The typed and chosen values that become columns of their own in the list file.
bool typedValuesWritable(const AnalogChannelDialogData& data, IUserInterface& ui) {
    using Choice = AnalogChannelDialogData::Choice;
    return nameWritable({"Name", data.name}, false, ui) &&
           columnsWritable({{"Frequency", data.frequency, ColumnForm::FourOrFiveDigits},
                            {"Threshold", data.threshold, ColumnForm::Number},
                            {"Contrast", data.contrast, ColumnForm::Number},
                            {"Audio Freq LEFT", data.audioFreqLeft},
                            {"Audio Freq RIGHT", data.audioFreqRight},
                            {"Video Band", data.chosenWord(Choice::VideoBand)},
                            {"Decoder Output", data.chosenWord(Choice::DecoderOutput)},
                            {"Audio Mode", data.chosenWord(Choice::AudioMode)},
                            {"Band Width", data.chosenWord(Choice::BandWidth)},
                            {"De-emphasis", data.chosenWord(Choice::DeEmphasis)}},
                           ui);
}

bool nameTaken(const TokenArray& tokens, const SectionSpan& span, const std::string& name) {
    for (std::size_t cell = span.begin; cell + kAnalogRecordWidth <= span.end;
         cell += kAnalogRecordWidth) {
        if (sameText(tokens[cell + kAnaName], name)) return true;
    }
    return false;
}

// OK or Delete on the channel shown as `shown`.
bool writeAdjusted(ListEdit& list, const std::vector<std::string>& shown,
                   const AnalogChannelDialogData& data, bool deleting) {
    IUserInterface& ui = list.ui();
    // Without a chosen satellite (the channel's own is undeclared) there is no degree to check.
    const std::optional<std::string> chosen = chosenSatelliteIndex(data);
    if (chosen && !degreeToStored(data.degree, ui)) {
        ui.message(kDegreeFormatError);
        return false;
    }
    const std::string satelliteIndex = chosen.value_or(shown[kAnaSatIndex]);
    const std::vector<std::string> edited = data.record(shown[kAnaNumber], satelliteIndex);

    TokenArray& tokens = list.tokens();
    const SectionSpan span = list.sections()[kAnalogTpSection];
    const std::optional<std::size_t> cell =
        findRecordByIndex(tokens, span, kAnalogRecordWidth, shown[kAnaNumber]);
    if (!cell) {
        ui.message(kNoAnalogRecord);
        return false;
    }
    const auto first = tokens.begin() + static_cast<std::ptrdiff_t>(*cell);

    if (sameText(edited[kAnaName], tokens[*cell + kAnaName])) {
        if (deleting) {
            if (ui.ask(kDeleteQuestion, Buttons::YesNo, Icon::Question, "Delete") != Answer::Yes) {
                return false;
            }
            tokens.erase(first, first + kAnalogRecordWidth);
            return true;
        }
        if (!typedValuesWritable(data, ui)) return false;
        // The Index and the stored spelling of the name stay.
        for (std::size_t c = 1; c < kAnalogRecordWidth; ++c) {
            if (c != kAnaName) tokens[*cell + c] = edited[c];
        }
        return true;
    }
    if (nameTaken(tokens, span, edited[kAnaName])) {
        ui.message(sameNameMessage(edited[kAnaName]));
        return false;
    }
    if (deleting) {
        ui.message(kNoMatchedChannel);
        return false;
    }
    if (!typedValuesWritable(data, ui)) return false;
    std::copy(edited.begin(), edited.end(), first);
    return true;
}

bool insertNullAfter(ListEdit& list, const std::string& number) {
    TokenArray& tokens = list.tokens();
    const std::optional<std::size_t> cell =
        findRecordByIndex(tokens, list.sections()[kAnalogTpSection], kAnalogRecordWidth, number);
    if (!cell) {
        list.ui().message(kNoAnalogRecord);
        return false;
    }
    insertRecord(tokens, *cell + kAnalogRecordWidth,
                 nullRecord(RecordKind::Analog, &tokens[*cell]));
    return true;
}

bool addNewChannel(ListEdit& list, const AnalogChannelDialogData& data) {
    IUserInterface& ui = list.ui();
    if (trimmed(data.frequency).empty()) {
        ui.message(kFrequencyMissing);
        return false;
    }
    if (!typedValuesWritable(data, ui)) return false;
    const std::optional<std::string> satelliteIndex = chosenSatelliteIndex(data);
    if (!satelliteIndex) {
        ui.message(kNoSatelliteChosen);
        return false;
    }
    const SectionMap sections = list.sections();
    if (!sectionPresent(sections, kAnalogTpSection, ui)) return false;
    insertRecord(list.tokens(), sections[kAnalogTpSection].end, data.record("1", *satelliteIndex));
    return true;
}

}  // namespace

bool adjustAnalogChannel(ListEdit& list, IDialogRunner& dialogs, std::size_t row) {
    const DetailRows& rows = list.analogRows();
    if (row >= rows.rowCount()) return false;
    const std::vector<std::string> shown(rows.row(row), rows.row(row) + kAnalogDetailWidth);

    AnalogChannelDialogData data;
    data.satelliteRows = satelliteCells(list.tokens(), list.sections());
    if (!data.loadDetailRow(shown, list.ui())) return false;

    switch (dialogs.run(data)) {
        case DialogEnd::Cancel:
            return false;
        case DialogEnd::InsertNull:
            return insertNullAfter(list, shown[kAnaNumber]);
        case DialogEnd::Delete:
            return writeAdjusted(list, shown, data, true);
        case DialogEnd::Ok:
            break;
    }
    return writeAdjusted(list, shown, data, false);
}

bool newAnalogChannel(ListDocument& document, IDialogRunner& dialogs) {
    AnalogChannelDialogData data;
    data.newFlag = true;
    data.satelliteRows = satelliteCells(document.tokens(), document.sections());
    chooseFirstSatellite(data);
    // The Delete and Insert keys close the dialog like OK; only Cancel leaves the list alone.
    if (dialogs.run(data) == DialogEnd::Cancel) return false;
    // The step is recorded only now that the user confirmed, and dropped when the channel is
    // refused.
    return document.edit(
        "New Ana Channel", [&data](ListEdit& list) { return addNewChannel(list, data); },
        Renumber::Yes);
}

}  // namespace sky
