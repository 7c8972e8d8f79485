#include "editor/model/ChannelRecords.h"

namespace sky {

std::size_t digitalChannelCount(const SectionMap& sections) {
    return sections[kChannelSection].records(kDigitalRecordWidth);
}

std::size_t digitalViewRowCount(const SectionMap& sections) {
    return digitalChannelCount(sections) + sections[kChannelPidSection].records(kPidRecordWidth);
}

std::size_t analogViewRowCount(const SectionMap& sections) {
    return sections[kAnalogTpSection].records(kAnalogRecordWidth);
}

std::optional<RecordRef> recordOfRow(const SectionMap& sections, bool digitalView,
                                     std::size_t row) {
    if (!digitalView) {
        if (row >= analogViewRowCount(sections)) return std::nullopt;
        return RecordRef{RecordKind::Analog,
                         sections[kAnalogTpSection].begin + row * kAnalogRecordWidth};
    }
    const std::size_t digitalRows = digitalChannelCount(sections);
    if (row < digitalRows) {
        return RecordRef{RecordKind::Digital,
                         sections[kChannelSection].begin + row * kDigitalRecordWidth};
    }
    if (row >= digitalViewRowCount(sections)) return std::nullopt;
    return RecordRef{RecordKind::Pid,
                     sections[kChannelPidSection].begin + (row - digitalRows) * kPidRecordWidth};
}

std::vector<std::string> nullRecord(RecordKind kind, const std::string* source) {
    switch (kind) {
        case RecordKind::Digital:
            return {"1", source[1], source[2], "0000", source[4], "_", "1", "Y"};
        case RecordKind::Pid:
            return {"1", source[1], source[2], source[3], "_", "   0", "   0", "   0", "1", "Y"};
        case RecordKind::Analog:
            return {"1",    source[1], "0000", "C",    "_",   "27MHz", "H",   "1",        "5",
                    "CVBS", "STEREO",  "0000", "0000", "130", "Y",     "U50", source[16], "Y"};
    }
    return {};
}

}  // namespace sky
