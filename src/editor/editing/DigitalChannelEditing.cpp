#include "editor/editing/DigitalChannelEditing.h"

#include <algorithm>
#include <string>
#include <vector>

#include "db/NumberParse.h"
#include "db/RowFields.h"
#include "editor/editing/RecordEditing.h"
#include "editor/editing/TransponderMatch.h"
#include "editor/model/ChannelRecords.h"
#include "editor/model/Degree.h"
#include "editor/model/FieldText.h"

namespace sky {

namespace {

constexpr const char* kSameIndexError =
    "ERROR:Digital channel and Digital PID channel have a same svc index.\r\n It must be "
    "defferenet!!";
constexpr const char* kZeroServiceId = "CANCELED : SvcId nust not be zero!!!";
constexpr const char* kKindError = "ERROR:When PID Value is filled, SvcID must not fill!!";
constexpr const char* kServiceIdTaken =
    "ERROR : Channel Having Same SvcId,Tp Value EXIST!\r\nTo Edit,Change SvcId or TP Value!!";
constexpr const char* kNoDigitalRecord = "Error: Can't finde Current Channel";
constexpr const char* kNoPidRecord = "Error: Can't finde Current channel_pid";
constexpr const char* kDeleteCanceled = "Delete Current Channel is canceled";
constexpr const char* kDeleteQuestion = "Really Wnat to Delete this channel\r\n Channel Name :   ";

// Cells of a digital channel record and of a PID channel record.

// A channel as the dialog left it, trimmed where the rules trim.
struct EditedChannel {
    bool pid = false;
    std::string serviceId;
    std::string videoPid;
    std::string audioPid;
    std::string pcrPid;
    std::string type;
    std::string name;
    std::string activeAudio;
    TransponderValues tp;

    RecordKind kind() const { return pid ? RecordKind::Pid : RecordKind::Digital; }

    std::vector<std::string> record(const std::string& index, const std::string& tpIndex) const {
        if (pid) {
            return {index,    tpIndex, tp.satelliteIndex, type, name, videoPid,
                    audioPid, pcrPid,  activeAudio,       "N"};
        }
        return {index, tpIndex, tp.satelliteIndex, serviceId, type, name, activeAudio, "N"};
    }
};

// A service id that is not hexadecimal is reported by the conversion and refused: the list file
// could not be opened again with it. An adjusted channel may not get the service id 0.
bool serviceIdAccepted(const std::string& serviceId, bool refuseZero, IUserInterface& ui) {
    if (serviceId.empty()) return true;
    const std::optional<int> value = hexValue(serviceId, true);
    if (!value) {
        ui.message(kHexConversionFailed);
        return false;
    }
    if (refuseZero && *value == 0) {
        ui.message(kZeroServiceId);
        return false;
    }
    return true;
}

// Reads the dialog's values: a digital channel has a service id and no PIDs, a PID channel PIDs
// and no service id.
std::optional<EditedChannel> readDialog(const DigitalChannelDialogData& data, bool refuseZero,
                                        IUserInterface& ui) {
    EditedChannel edit;
    edit.serviceId = trimmed(data.serviceId);
    if (!serviceIdAccepted(edit.serviceId, refuseZero, ui)) return std::nullopt;
    edit.videoPid = trimmed(data.videoPid);
    edit.audioPid = trimmed(data.audioPid);
    edit.pcrPid = trimmed(data.pcrPid);
    const bool pidsEmpty = edit.videoPid.empty() && edit.audioPid.empty() && edit.pcrPid.empty();
    if (pidsEmpty == edit.serviceId.empty()) {
        ui.message(kKindError);
        return std::nullopt;
    }
    edit.pid = !pidsEmpty;
    edit.type = data.tv ? "TV" : "RADIO";
    edit.name = data.name;
    edit.activeAudio = data.activeAudio;
    edit.tp = {data.frequency,
               data.symbolRate,
               data.horizontal ? "H" : "V",
               std::string(trimmed(data.bouquet)),
               {}};

    const bool written =
        nameWritable({"Name", edit.name}, false, ui) &&
        nameWritable({"Bouquet", edit.tp.bouquet}, false, ui) &&
        columnsWritable({{"Active Audio", edit.activeAudio, ColumnForm::Number},
                         {"Frequency", edit.tp.frequency, ColumnForm::FourOrFiveDigits},
                         {"Symbol Rate", edit.tp.symbolRate, ColumnForm::FourOrFiveDigits}},
                        ui) &&
        (!edit.pid || columnsWritable({{"Video PID", edit.videoPid, ColumnForm::Number},
                                       {"Audio PID", edit.audioPid, ColumnForm::Number},
                                       {"PCR PID", edit.pcrPid, ColumnForm::Number}},
                                      ui));
    if (!written) return std::nullopt;
    return edit;
}

// The record of the channel numbered `number`, a digital channel or else a PID channel. The
// number must not name one of each.
std::optional<RecordRef> channelOfNumber(const ListEdit& list, const std::string& number) {
    const SectionMap sections = list.sections();
    const auto digital =
        findRecordByIndex(list.tokens(), sections[kChannelSection], kDigitalRecordWidth, number);
    const auto pid =
        findRecordByIndex(list.tokens(), sections[kChannelPidSection], kPidRecordWidth, number);
    if (digital && pid) {
        list.ui().message(kSameIndexError);
        return std::nullopt;
    }
    if (digital) return RecordRef{RecordKind::Digital, *digital};
    if (pid) return RecordRef{RecordKind::Pid, *pid};
    list.ui().message(kNoDigitalRecord);
    return std::nullopt;
}

bool deleteChannel(ListEdit& list, const std::string& number, const std::string& name) {
    const std::optional<RecordRef> record = channelOfNumber(list, number);
    if (!record) return false;
    TokenArray& tokens = list.tokens();
    const std::string& stored =
        tokens[record->cell +
               (record->kind == RecordKind::Pid ? std::size_t{kPidName} : std::size_t{kChName})];
    if (!sameText(name, stored)) {
        list.ui().message(kDeleteCanceled);
        return false;
    }
    if (list.ui().ask(kDeleteQuestion + stored, Buttons::YesNo, Icon::Question, "Delete") !=
        Answer::Yes) {
        return false;
    }
    tokens.erase(tokens.begin() + static_cast<std::ptrdiff_t>(record->cell),
                 tokens.begin() + static_cast<std::ptrdiff_t>(record->endCell()));
    return true;
}

bool insertNullAfter(ListEdit& list, const std::string& number) {
    const std::optional<RecordRef> record = channelOfNumber(list, number);
    if (!record) return false;
    TokenArray& tokens = list.tokens();
    insertRecord(tokens, record->endCell(), nullRecord(record->kind, &tokens[record->cell]));
    return true;
}

// Another digital channel on the transponder with the same service id.
bool serviceIdTaken(const TokenArray& tokens, const SectionSpan& channels, std::size_t edited,
                    const std::string& tpIndex, const std::string& serviceId) {
    const long long tp = decimalValue(tpIndex);
    for (std::size_t cell = channels.begin; cell + kDigitalRecordWidth <= channels.end;
         cell += kDigitalRecordWidth) {
        if (cell != edited && decimalValue(tokens[cell + kChTpIndex]) == tp &&
            sameText(tokens[cell + kChServiceId], serviceId)) {
            return true;
        }
    }
    return false;
}

// Writes the edited channel into its record at `cell`.
void writeChannel(TokenArray& tokens, const SectionMap& sections, std::size_t cell,
                  const EditedChannel& edit, TransponderChoice::Kind tpKind,
                  const std::string& tpIndex) {
    using Kind = TransponderChoice::Kind;
    const auto at = [&](std::size_t c) -> std::string& { return tokens[cell + c]; };
    if (edit.pid && tpKind == Kind::New) {
        // The channel moves to the end of its section with its new transponder.
        const auto first = tokens.begin() + static_cast<std::ptrdiff_t>(cell);
        std::rotate(first, first + kPidRecordWidth,
                    tokens.begin() + static_cast<std::ptrdiff_t>(sections[kChannelPidSection].end));
        const std::vector<std::string> record = edit.record("1", tpIndex);
        std::move(record.begin(), record.end(),
                  tokens.begin() + static_cast<std::ptrdiff_t>(sections[kChannelPidSection].end -
                                                               kPidRecordWidth));
        return;
    }
    if (!edit.pid && (tpKind == Kind::New || !sameText(at(kChServiceId), edit.serviceId))) {
        std::vector<std::string> record = edit.record("1", tpIndex);
        std::move(record.begin(), record.end(), tokens.begin() + static_cast<std::ptrdiff_t>(cell));
        return;
    }
    if (edit.pid) {
        at(kPidType) = edit.type;
        at(kPidName) = edit.name;
        at(kPidVideo) = edit.videoPid;
        at(kPidAudio) = edit.audioPid;
        at(kPidPcr) = edit.pcrPid;
        at(kPidActiveAudio) = edit.activeAudio;
    } else {
        at(kChType) = edit.type;
        at(kChName) = edit.name;
        at(kChActiveAudio) = edit.activeAudio;
    }
    at(static_cast<std::size_t>(recordWidth(edit.kind())) - 1) = "N";
    if (tpKind == Kind::Existing) {
        at(kChTpIndex) = tpIndex;
        at(kChSatIndex) = edit.tp.satelliteIndex;
    }
}

bool writeAdjusted(ListEdit& list, const std::vector<std::string>& shown,
                   const DigitalChannelDialogData& data) {
    IUserInterface& ui = list.ui();
    std::optional<EditedChannel> edit = readDialog(data, true, ui);
    if (!edit) return false;
    // Without a chosen satellite (the channel's own is undeclared) there is no degree to check.
    const std::optional<std::string> chosen = chosenSatelliteIndex(data);
    if (chosen && !degreeToStored(data.degree, ui)) {
        ui.message(kDegreeFormatError);
        return false;
    }
    const bool satelliteChanged = chosen && *chosen != shown[kDigSatIndex];
    edit->tp.satelliteIndex = satelliteChanged ? *chosen : shown[kDigSatIndex];

    TokenArray& tokens = list.tokens();
    SectionMap sections = list.sections();
    const std::optional<TransponderChoice> choice = chooseTransponder(
        tokens, sections, edit->tp, OwnTransponder{shown[kDigTpIndex], satelliteChanged}, ui);
    if (!choice) return false;

    const SectionState section = sectionOf(edit->kind());
    const std::string& number = shown[kDigNumber];
    const int width = recordWidth(edit->kind());
    const std::optional<std::size_t> cell =
        findRecordByIndex(tokens, sections[section], width, number);
    if (!cell) {
        ui.message(edit->pid ? kNoPidRecord : kNoDigitalRecord);
        return false;
    }
    // The conflict is judged on the transponder the channel had unless it moves to another one.
    const std::string conflictTp = choice->kind == TransponderChoice::Kind::Existing
                                       ? transponderIndexOf(tokens, sections, *choice)
                                       : shown[kDigTpIndex];
    if (!edit->pid &&
        serviceIdTaken(tokens, sections[kChannelSection], *cell, conflictTp, edit->serviceId)) {
        ui.message(kServiceIdTaken);
        return false;
    }
    if (choice->kind == TransponderChoice::Kind::New &&
        !sectionPresent(sections, kDigitalTpSection, ui)) {
        return false;
    }

    const std::string tpIndex = transponderIndexOf(tokens, sections, *choice);
    writeTransponder(tokens, sections, *choice, edit->tp, tpIndex);
    sections = list.sections();
    const std::size_t moved = *findRecordByIndex(tokens, sections[section], width, number);
    writeChannel(tokens, sections, moved, *edit, choice->kind, tpIndex);
    return true;
}

bool addNewChannel(ListEdit& list, const DigitalChannelDialogData& data) {
    IUserInterface& ui = list.ui();
    std::optional<EditedChannel> edit = readDialog(data, false, ui);
    if (!edit) return false;
    const std::optional<std::string> chosen = chosenSatelliteIndex(data);
    if (!chosen) {
        ui.message(kNoSatelliteChosen);
        return false;
    }
    edit->tp.satelliteIndex = *chosen;

    TokenArray& tokens = list.tokens();
    SectionMap sections = list.sections();
    const SectionState section = sectionOf(edit->kind());
    if (!sectionPresent(sections, section, ui)) return false;
    const std::optional<TransponderChoice> choice =
        chooseTransponder(tokens, sections, edit->tp, std::nullopt, ui);
    if (!choice) return false;
    if (choice->kind == TransponderChoice::Kind::New &&
        !sectionPresent(sections, kDigitalTpSection, ui)) {
        return false;
    }

    const long long largest =
        std::max(largestIndex(tokens, sections[kChannelSection], kDigitalRecordWidth),
                 largestIndex(tokens, sections[kChannelPidSection], kPidRecordWidth));
    const std::string tpIndex = transponderIndexOf(tokens, sections, *choice);
    writeTransponder(tokens, sections, *choice, edit->tp, tpIndex);
    sections = list.sections();
    insertRecord(tokens, sections[section].end, edit->record(std::to_string(largest + 1), tpIndex));
    return true;
}

}  // namespace

bool adjustDigitalChannel(ListEdit& list, IDialogRunner& dialogs, std::size_t row) {
    const DetailRows& rows = list.digitalRows();
    if (row >= rows.rowCount()) return false;
    const std::vector<std::string> shown(rows.row(row), rows.row(row) + kDigitalDetailWidth);
    IUserInterface& ui = list.ui();

    DigitalChannelDialogData data;
    data.satelliteRows = satelliteCells(list.tokens(), list.sections());
    data.name = shown[kDigName];
    data.serviceId = trimmed(shown[kDigServiceId]);
    data.activeAudio = shown[kDigActiveAudio];
    // Read as the list file's reader reads it, so that OK keeps a type such as "TVX".
    data.tv = keywordIndex(shown[kDigType], {"TV", "RADIO"}) == 0;
    data.frequency = shown[kDigFrequency];
    data.symbolRate = shown[kDigSymbolRate];
    data.horizontal = shown[kDigPolarization] == "H";
    data.bouquet = shown[kDigBouquet];
    data.videoPid = shown[kDigVideoPid];
    data.audioPid = shown[kDigAudioPid];
    data.pcrPid = shown[kDigPcrPid];
    data.satelliteName = shown[kDigSatName];
    data.satelliteIndexHint = shown[kDigSatIndex];
    data.lnbHigh = shown[kDigLnbHigh];
    data.lnbLow = shown[kDigLnbLow];
    data.position = shown[kDigPosition];
    // A channel on an undeclared satellite has no degree to show.
    if (data.satelliteDeclared()) {
        const std::optional<std::string> degree = degreeToDisplay(shown[kDigDegree], ui);
        if (!degree) {
            ui.message(kDegreeFormatError);
            return false;
        }
        data.degree = *degree;
    }

    switch (dialogs.run(data)) {
        case DialogEnd::Cancel:
            return false;
        case DialogEnd::Delete:
            return deleteChannel(list, shown[kDigNumber], data.name);
        case DialogEnd::InsertNull:
            return insertNullAfter(list, shown[kDigNumber]);
        case DialogEnd::Ok:
            break;
    }
    return writeAdjusted(list, shown, data);
}

bool newDigitalChannel(ListDocument& document, IDialogRunner& dialogs) {
    DigitalChannelDialogData data;
    data.newFlag = true;
    data.satelliteRows = satelliteCells(document.tokens(), document.sections());
    data.activeAudio = "1";
    data.bouquet = "---";
    chooseFirstSatellite(data);
    // The Delete and Insert keys close the dialog like OK; only Cancel leaves the list alone.
    if (dialogs.run(data) == DialogEnd::Cancel) return false;
    // The step is recorded only now that the user confirmed, and dropped when the channel is
    // refused.
    return document.edit(
        "New Dig Channel", [&data](ListEdit& list) { return addNewChannel(list, data); },
        Renumber::Yes);
}

}  // namespace sky
