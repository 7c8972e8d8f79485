// The list view's showRecord(): one record of a section shown and selected.

#include "editor/model/ChannelRecords.h"
#include "editor/view/ListView.h"

namespace sky {

bool ListView::showRecord(SectionState section, std::size_t record) {
    if (!loaded()) return false;
    const SectionMap sections = document_.sections();
    // The Digital Channel view shows the digital channels, then the PID channels.
    ViewKind kind = ViewKind::Detail;
    bool digital = true;
    std::size_t row = record;
    std::size_t rows = 0;
    switch (section) {
        case kChannelSection:
            rows = digitalChannelCount(sections);
            break;
        case kChannelPidSection:
            row = digitalChannelCount(sections) + record;
            rows = digitalViewRowCount(sections);
            break;
        case kAnalogTpSection:
            digital = false;
            rows = analogViewRowCount(sections);
            break;
        case kDigitalTpSection:
        case kSatelliteSection:
            kind = section == kDigitalTpSection ? ViewKind::DigitalTpList : ViewKind::SatelliteList;
            rows = sections[section].records(sectionInfo(section).rowLength);
            break;
        default:
            return false;
    }
    if (row >= rows) return false;
    const bool otherView = viewKind_ != kind || (kind == ViewKind::Detail && digital_ != digital);
    if (otherView || !shown_.shownRow(row)) show(kind, digital);
    selectListRows({row});
    return true;
}

bool ListView::showDigitalChannels(const std::vector<std::size_t>& rows) {
    if (!loaded() || rows.empty()) return false;
    const std::size_t count = digitalViewRowCount(document_.sections());
    for (const std::size_t row : rows) {
        if (row >= count) return false;
    }
    bool hidden = viewKind_ != ViewKind::Detail || !digital_;
    for (const std::size_t row : rows) hidden = hidden || !shown_.shownRow(row);
    if (hidden) show(ViewKind::Detail, true);
    selectListRows(rows);
    return true;
}

}  // namespace sky
