#include "editor/view/ViewColumns.h"

#include <array>
#include <span>

#include "db/RecordLayout.h"
#include "editor/model/DetailRows.h"

namespace sky {

namespace {

struct DetailColumn {
    const char* header;
    int start;
    int on;
    int off;
};

constexpr std::array<DetailColumn, 20> kDigitalDetail{{
    {"Number", 100, 100, 100},   {"TPindex", 0, 50, 0},        {"SAT Index", 0, 50, 0},
    {"SVC ID", 50, 50, 50},      {"Type", 0, 70, 70},          {"Name", 120, 120, 120},
    {"VPID", 0, 50, 0},          {"APID", 0, 50, 0},           {"PCR PID", 0, 50, 0},
    {"Active Audio", 0, 50, 0},  {"Blank", 0, 70, 0},          {"freqency", 70, 70, 70},
    {"Symbol Rate", 70, 70, 70}, {"Polarization", 50, 50, 50}, {"Bouquet", 100, 100, 100},
    {"Sat Name", 120, 120, 120}, {"LNB_LO high", 0, 0, 0},     {"LNB_LO low", 0, 0, 0},
    {"Position", 0, 0, 0},       {"Degree", 0, 0, 0},
}};

constexpr std::array<DetailColumn, 23> kAnalogDetail{{
    {"Number", 100, 100, 100},
    {"SAT Index", 0, 50, 0},
    {"Frequency", 50, 50, 50},
    {"Band", 50, 50, 50},
    {"Name", 120, 100, 120},
    {"Video Band", 70, 70, 70},
    {"Polarization", 30, 30, 30},
    {"Thr", 50, 50, 50},
    {"contrast", 50, 50, 50},
    {"Decoder Output", 50, 50, 50},
    {"Audio mode", 100, 100, 100},
    {"Audio Freq LEFT", 50, 50, 50},
    {"Audio Freq RIGHT", 50, 50, 50},
    {"BandWidth", 50, 50, 50},
    {"DNR", 50, 50, 50},
    {"DeEmphasis", 50, 50, 50},
    {"Type", 0, 50, 50},
    {"Blank", 0, 50, 0},
    {"SatName", 120, 120, 120},
    {"LNB_LO high", 0, 0, 0},
    {"LNB_LO low", 0, 0, 0},
    {"Position", 0, 0, 0},
    {"Degree", 0, 0, 0},
}};

constexpr std::array<Column, 2> kSatelliteNameList{{{"Index", 50}, {"SAT Name", 120}}};

constexpr std::array<Column, 7> kSatelliteList{{
    {"Index", 50},
    {"SAT Name", 120},
    {"BLANK", 50},
    {"LNB_LO Hi", 50},
    {"LNB_LO Lo", 50},
    {"Position", 50},
    {"Degree", 60},
}};

constexpr std::array<Column, 6> kDigitalTpList{{
    {"Index", 50},
    {"SAT Index", 50},
    {"Freq(MHz)", 50},
    {"SR(KHz)", 50},
    {"Polar", 50},
    {"Bouquet", 120},
}};

constexpr std::array<Column, 18> kAnalogChannelList{{
    {"Index", 50},
    {"SAT Index", 50},
    {"Frequency", 50},
    {"Signal Band", 50},
    {"Name", 120},
    {"Video Band", 50},
    {"Polarization", 50},
    {"Thr", 50},
    {"contrast", 50},
    {"Decoder Output", 50},
    {"Audio mode", 50},
    {"Audio Freq LEFT", 50},
    {"Audio Freq RIGHT", 50},
    {"BandWidth", 50},
    {"DNR", 50},
    {"DeEmphasis", 50},
    {"Type", 50},
    {"Blank", 50},
}};

constexpr std::array<Column, 8> kDigitalChannelList{{
    {"Index", 50},
    {"Digital TP Index", 50},
    {"SAT Index", 50},
    {"SVC ID(hex)", 50},
    {"Type", 50},
    {"Name", 120},
    {"Active Audio", 50},
    {"Blank", 50},
}};

constexpr std::array<Column, 10> kDigitalPidChannelList{{
    {"Index", 50},
    {"Digital TP Index", 50},
    {"SAT Index", 50},
    {"Type", 50},
    {"Name", 120},
    {"Video PID", 50},
    {"Audio PID", 50},
    {"PCR PID", 50},
    {"Active Audio", 50},
    {"Blank", 50},
}};

std::vector<Column> detailColumns(std::span<const DetailColumn> table, DetailWidths widths) {
    std::vector<Column> columns;
    columns.reserve(table.size());
    for (const DetailColumn& c : table) {
        const int width = widths == DetailWidths::Start ? c.start
                          : widths == DetailWidths::On  ? c.on
                                                        : c.off;
        columns.push_back({c.header, width});
    }
    return columns;
}

std::vector<Column> listColumns(std::span<const Column> table) {
    return {table.begin(), table.end()};
}

}  // namespace

std::vector<Column> viewColumns(ViewKind kind, bool digital, DetailWidths widths) {
    switch (kind) {
        case ViewKind::Detail:
            return digital ? detailColumns(kDigitalDetail, widths)
                           : detailColumns(kAnalogDetail, widths);
        case ViewKind::SatelliteNameList:
            return listColumns(kSatelliteNameList);
        case ViewKind::SatelliteList:
            return listColumns(kSatelliteList);
        case ViewKind::DigitalTpList:
            return listColumns(kDigitalTpList);
        case ViewKind::AnalogChannelList:
            return listColumns(kAnalogChannelList);
        case ViewKind::DigitalChannelList:
            return listColumns(kDigitalChannelList);
        case ViewKind::DigitalPidChannelList:
            return listColumns(kDigitalPidChannelList);
    }
    return {};
}

std::optional<std::size_t> satelliteColumn(ViewKind kind, bool digital) {
    switch (kind) {
        case ViewKind::Detail:
            return digital ? std::size_t{kDigSatIndex} : std::size_t{kAnaSatIndex};
        case ViewKind::SatelliteList:
            return kSatIndex;
        case ViewKind::DigitalTpList:
            return kTpSatIndex;
        case ViewKind::AnalogChannelList:
            return kAnSatIndex;
        case ViewKind::DigitalChannelList:
            return kChSatIndex;
        case ViewKind::DigitalPidChannelList:
            return kPidSatIndex;
        case ViewKind::SatelliteNameList:
            break;
    }
    return std::nullopt;
}

SectionState sectionOfView(ViewKind kind) {
    switch (kind) {
        case ViewKind::SatelliteNameList:
            return kSatNameSection;
        case ViewKind::SatelliteList:
            return kSatelliteSection;
        case ViewKind::DigitalTpList:
            return kDigitalTpSection;
        case ViewKind::AnalogChannelList:
            return kAnalogTpSection;
        case ViewKind::DigitalChannelList:
            return kChannelSection;
        case ViewKind::DigitalPidChannelList:
            return kChannelPidSection;
        case ViewKind::Detail:
            break;
    }
    return kNoSection;
}

}  // namespace sky
