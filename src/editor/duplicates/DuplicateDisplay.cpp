#include "editor/duplicates/DuplicateDisplay.h"

#include <cstddef>

namespace sky {

namespace {

std::string counted(std::size_t count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

}  // namespace

DuplicateSection duplicateSectionShown(ViewKind kind, bool digital) {
    switch (kind) {
        case ViewKind::Detail:
            return digital ? DuplicateSection::Digital : DuplicateSection::Analog;
        case ViewKind::DigitalTpList:
            return DuplicateSection::Transponder;
        case ViewKind::AnalogChannelList:
            return DuplicateSection::Analog;
        case ViewKind::DigitalPidChannelList:
            return DuplicateSection::Pid;
        case ViewKind::DigitalChannelList:
        case ViewKind::SatelliteNameList:
        case ViewKind::SatelliteList:
            break;
    }
    return DuplicateSection::Digital;
}

std::string equalCellsText(const std::vector<EqualCell>& cells) {
    std::string text;
    for (const EqualCell& cell : cells) {
        if (!text.empty()) text += ", ";
        text += cell.label + " " + cell.text;
    }
    return text;
}

std::string duplicateCountText(const std::vector<DuplicateGroup>& groups) {
    if (groups.empty()) return kNoDuplicatesFound;
    std::size_t rows = 0;
    for (const DuplicateGroup& group : groups) {
        if (group.chosen) rows += group.rows.size() - 1;
    }
    return counted(groups.size(), "group", "groups") + ", " + counted(rows, "row", "rows") +
           " to remove";
}

}  // namespace sky
