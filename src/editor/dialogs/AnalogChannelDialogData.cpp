#include "editor/dialogs/AnalogChannelDialogData.h"

#include <initializer_list>
#include <optional>
#include <utility>

#include "db/RowFields.h"
#include "editor/model/Degree.h"
#include "editor/model/FieldText.h"

namespace sky {
namespace {

constexpr std::array<std::string_view, 4> kDeEmphases{"NO_DEEMP", "U50", "U75", "J17"};
constexpr std::array<std::string_view, 5> kBandWidths{"130", "180", "280", "300", "400"};
constexpr std::array<std::string_view, 3> kAudioModes{"STEREO", "MONO_LEFT", "MONO_RIGHT"};
constexpr std::array<std::string_view, 4> kDecoderOutputs{"CVBS", "DEEMP_CVBS", "BASEBAND",
                                                          "CANAL"};
constexpr std::array<std::string_view, 2> kVideoBands{"18MHz", "27MHz"};

// Cells of an analog detail row.
enum Cell : size_t {
    kFrequency = 2,
    kSignalBand = 3,
    kName = 4,
    kVideoBand = 5,
    kPolarisation = 6,
    kThreshold = 7,
    kContrast = 8,
    kDecoderOutput = 9,
    kAudioMode = 10,
    kAudioFreqLeft = 11,
    kAudioFreqRight = 12,
    kBandWidth = 13,
    kDnr = 14,
    kDeEmphasis = 15,
    kType = 16,
    kSatelliteName = 18,
    kLnbHigh = 19,
    kLnbLow = 20,
    kPosition = 21,
    kDegree = 22,
};

// Sets `flag` from a cell holding one of two words; false for another word.
bool matchPair(const std::string& cell, std::string_view on, std::string_view off, bool& flag) {
    if (cell != on && cell != off) return false;
    flag = cell == on;
    return true;
}

// How the list file's reader takes a column of two keywords: by the keyword the cell begins
// with. True when it reads the `index`-th of `keywords`; nothing when it reads neither.
std::optional<bool> readsAsKeyword(std::string_view cell,
                                   std::initializer_list<std::string_view> keywords, int index) {
    const int read = keywordIndex(cell, keywords);
    if (read < 0) return std::nullopt;
    return read == index;
}

// ... and a Y/N column by its first character.
std::optional<bool> readsAsYes(std::string_view cell) {
    const char first = firstChar(cell);
    if (first != 'Y' && first != 'N') return std::nullopt;
    return first == 'Y';
}

// Sets `flag` from a cell of two words that may hold another word. The receiver takes such a
// cell as `reading` says ("KUX" as KU, "NO" as N), so the dialog starts from that choice and OK
// keeps the meaning; a cell that is not exactly one of the words is still reported. When the
// reader makes nothing of the cell the choice stays as it was.
void readPair(const std::string& cell, std::string_view on, std::string_view off,
              std::optional<bool> reading, bool& flag, const char* unusual, IUserInterface& ui) {
    if (matchPair(cell, on, off, flag)) return;
    ui.message(unusual);
    if (reading) flag = *reading;
}

}  // namespace

std::string& AnalogChannelDialogData::text(Field field) {
    return const_cast<std::string&>(std::as_const(*this).text(field));
}

const std::string& AnalogChannelDialogData::text(Field field) const {
    switch (field) {
        case Field::Name:
            return name;
        case Field::Frequency:
            return frequency;
        case Field::Threshold:
            return threshold;
        case Field::Contrast:
            return contrast;
        case Field::AudioFreqLeft:
            return audioFreqLeft;
        case Field::AudioFreqRight:
            return audioFreqRight;
        case Field::LnbHigh:
            return lnbHigh;
        case Field::LnbLow:
            return lnbLow;
        case Field::Position:
            return position;
        case Field::Degree:
            break;
    }
    return degree;
}

bool AnalogChannelDialogData::isDisplayOnly(Field field) {
    return field == Field::LnbHigh || field == Field::LnbLow || field == Field::Position ||
           field == Field::Degree;
}

std::optional<AnalogChannelDialogData::Field> AnalogChannelDialogData::tooLongField() const {
    if (const auto limit = firstTooLong(*this, kEditLimits)) return limit->field;
    return std::nullopt;
}

std::optional<size_t> AnalogChannelDialogData::tooLongLimit() const {
    if (const auto limit = firstTooLong(*this, kEditLimits)) return limit->maxChars;
    return std::nullopt;
}

std::span<const std::string_view> AnalogChannelDialogData::words(Choice choice) {
    switch (choice) {
        case Choice::DeEmphasis:
            return kDeEmphases;
        case Choice::BandWidth:
            return kBandWidths;
        case Choice::AudioMode:
            return kAudioModes;
        case Choice::DecoderOutput:
            return kDecoderOutputs;
        case Choice::VideoBand:
            break;
    }
    return kVideoBands;
}

int& AnalogChannelDialogData::index(Choice choice) {
    switch (choice) {
        case Choice::DeEmphasis:
            return deEmphasisIndex;
        case Choice::BandWidth:
            return bandWidthIndex;
        case Choice::AudioMode:
            return audioModeIndex;
        case Choice::DecoderOutput:
            return decoderOutputIndex;
        case Choice::VideoBand:
            break;
    }
    return videoBandIndex;
}

int AnalogChannelDialogData::index(Choice choice) const {
    return const_cast<AnalogChannelDialogData&>(*this).index(choice);
}

void AnalogChannelDialogData::choose(Choice choice, int wordIndex) {
    if (wordIndex >= 0 && static_cast<size_t>(wordIndex) < words(choice).size()) {
        index(choice) = wordIndex;
    }
}

std::string_view AnalogChannelDialogData::chosenWord(Choice choice) const {
    const int chosen = index(choice);
    const std::span<const std::string_view> list = words(choice);
    if (chosen < 0 || static_cast<size_t>(chosen) >= list.size()) return {};
    return list[static_cast<size_t>(chosen)];
}

bool AnalogChannelDialogData::loadDetailRow(std::span<const std::string> row, IUserInterface& ui) {
    if (row.size() < kDetailRowWidth) return false;
    name = row[kName];
    frequency = row[kFrequency];
    threshold = row[kThreshold];
    contrast = row[kContrast];
    audioFreqLeft = row[kAudioFreqLeft];
    audioFreqRight = row[kAudioFreqRight];
    satelliteIndexHint = row[1];
    satelliteName = row[kSatelliteName];
    lnbHigh = row[kLnbHigh];
    lnbLow = row[kLnbLow];
    position = row[kPosition];

    // A word of a drop-down list: unknown words refuse the row.
    const auto matchWord = [&](Choice choice, size_t cell, const char* refusal) {
        const std::span<const std::string_view> list = words(choice);
        for (size_t i = 0; i < list.size(); ++i) {
            if (row[cell] == list[i]) {
                index(choice) = static_cast<int>(i);
                return true;
            }
        }
        ui.message(refusal);
        return false;
    };

    readPair(row[kSignalBand], "KU", "C", readsAsKeyword(row[kSignalBand], {"C", "KU"}, 1), ku,
             "Signal Band Must Be 'C' or 'Ku' Band", ui);
    if (!matchWord(Choice::VideoBand, kVideoBand, "Video Band must be '18MHz' or '27MHz' ")) {
        return false;
    }
    if (!matchPair(row[kPolarisation], "H", "V", horizontal)) {
        ui.message("Polarization type must be 'H'(horizontal) or 'V'(vertical) ");
        return false;
    }
    if (!matchWord(Choice::DecoderOutput, kDecoderOutput,
                   "Output Decoder type must be 'CVBS' or 'DEEMP_CVBS' or 'BASEBAND' or "
                   "'CANAL' ") ||
        !matchWord(Choice::AudioMode, kAudioMode,
                   "Audio Mode type must be 'STEREO' or 'MONO_LEFT' or 'MONO_RIGHT' ") ||
        !matchWord(Choice::BandWidth, kBandWidth,
                   "Band Width type must be '130' or '180' or '280' or '300' or '400' ")) {
        return false;
    }
    readPair(row[kDnr], "Y", "N", readsAsYes(row[kDnr]), dnr, "Panda Must Be 'Y'(Yes) or 'N'(No) ",
             ui);
    if (!matchWord(Choice::DeEmphasis, kDeEmphasis,
                   "De-empasis type must be 'NO_DEEMP' or 'U50' or 'U75' or 'J17' ")) {
        return false;
    }
    readPair(row[kType], "TV", "RADIO", readsAsKeyword(row[kType], {"TV", "RADIO"}, 0), tv,
             "TV/Radio Type Must Be 'TV' or 'Radio' ", ui);

    // A channel on an undeclared satellite has no degree to show.
    if (!satelliteDeclared()) return true;
    const std::optional<std::string> display = degreeToDisplay(row[kDegree], ui);
    if (!display) {
        ui.message(kDegreeFormatError);
        return false;
    }
    degree = *display;
    return true;
}

std::vector<std::string> AnalogChannelDialogData::record(
    const std::string& index, const std::string& satelliteIndexCell) const {
    return {index,
            satelliteIndexCell,
            frequency,
            ku ? "KU" : "C",
            std::string(trimmed(name)),
            std::string(chosenWord(Choice::VideoBand)),
            horizontal ? "H" : "V",
            threshold,
            contrast,
            std::string(chosenWord(Choice::DecoderOutput)),
            std::string(chosenWord(Choice::AudioMode)),
            audioFreqLeft,
            audioFreqRight,
            std::string(chosenWord(Choice::BandWidth)),
            dnr ? "Y" : "N",
            std::string(chosenWord(Choice::DeEmphasis)),
            tv ? "TV" : "RADIO",
            "N"};
}

std::string AnalogChannelDialogData::caption() const {
    return newFlag ? "Setting Analog Channel....New"
                   : "Analog Channel Setting...Adjust, New, Delete";
}

}  // namespace sky
