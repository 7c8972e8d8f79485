#pragma once

#include <cstddef>

#include "db/TextFormat.h"

namespace sky {

// The fields of each section's rows, by name, in the order of the file and of the token array.
// Every part of the program that reads or writes a row's field names it here: the loader, the
// writer, the compiler, the editor and the detail views' columns.

// [SATELLITE_NAME_LIST]
enum SatNameField : std::size_t { kNameIndex, kNameText, kSatNameFields };

// [SATELLITE]. A row of the older layout has no Blank field: its LNB and position fields come one
// place earlier.
enum SatelliteField : std::size_t {
    kSatIndex,
    kSatName,
    kSatBlank,
    kSatLnbHigh,
    kSatLnbLow,
    kSatPosition,
    kSatPositioner,
    kSatelliteFields
};

// [DIGITAL TP]
enum TransponderField : std::size_t {
    kTpIndex,
    kTpSatIndex,
    kTpFrequency,
    kTpSymbolRate,
    kTpPolarisation,
    kTpComment,
    kTransponderFields
};

// [DIGITAL CHANNEL]
enum ChannelField : std::size_t {
    kChIndex,
    kChTpIndex,
    kChSatIndex,
    kChServiceId,
    kChType,
    kChName,
    kChActiveAudio,
    kChBlank,
    kChannelFields
};

// [DIGITAL PID CHANNEL]
enum PidChannelField : std::size_t {
    kPidIndex,
    kPidTpIndex,
    kPidSatIndex,
    kPidType,
    kPidName,
    kPidVideo,
    kPidAudio,
    kPidPcr,
    kPidActiveAudio,
    kPidBlank,
    kPidChannelFields
};

// [ANALOG TP]
enum AnalogField : std::size_t {
    kAnIndex,
    kAnSatIndex,
    kAnFrequency,
    kAnSignalBand,  // KU or C
    kAnName,
    kAnVideoBand,
    kAnPolarisation,
    kAnThreshold,
    kAnContrast,
    kAnDecoderOutput,
    kAnAudioMode,
    kAnAudioFreqLeft,
    kAnAudioFreqRight,
    kAnBandWidth,
    kAnDnr,  // the "Panda" column
    kAnDeEmphasis,
    kAnType,  // TV or RADIO
    kAnBlank,
    kAnalogFields
};

// Each list of fields is as long as its section's rows in the token array.
constexpr bool rowLengthIs(SectionState state, std::size_t fields) {
    for (const SectionInfo& info : kSections) {
        if (info.state == state) return static_cast<std::size_t>(info.rowLength) == fields;
    }
    return false;
}
static_assert(rowLengthIs(kSatNameSection, kSatNameFields));
static_assert(rowLengthIs(kSatelliteSection, kSatelliteFields));
static_assert(rowLengthIs(kDigitalTpSection, kTransponderFields));
static_assert(rowLengthIs(kChannelSection, kChannelFields));
static_assert(rowLengthIs(kChannelPidSection, kPidChannelFields));
static_assert(rowLengthIs(kAnalogTpSection, kAnalogFields));

}  // namespace sky
