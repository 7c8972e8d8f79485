#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "db/TextFormat.h"

namespace sky {

// Which list the view shows: Detail is the Digital Channel or the Analog Channel view (by the
// digital flag); the others show one section of the token array as it stands.
enum class ViewKind {
    Detail,
    SatelliteNameList,
    SatelliteList,
    DigitalTpList,
    AnalogChannelList,
    DigitalChannelList,
    DigitalPidChannelList,
};

// Column widths of the two detail views: as at start-up, with View Detail on, and with View
// Detail switched off again.
enum class DetailWidths { Start, On, Off };

struct Column {
    const char* header;
    int width;  // pixels; 0 hides the column
};

// The columns of a view, in order.
std::vector<Column> viewColumns(ViewKind kind, bool digital, DetailWidths widths);

// The column that holds each row's satellite Index, which the find bar's satellite filter reads;
// nothing in the Satellite Name List.
std::optional<std::size_t> satelliteColumn(ViewKind kind, bool digital);

// The section a section list shows (not for Detail).
SectionState sectionOfView(ViewKind kind);

}  // namespace sky
