#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "db/RecordLayout.h"
#include "db/TextFormat.h"
#include "editor/model/SectionMap.h"

namespace sky {

// The three kinds of channel record the detail views show.
enum class RecordKind { Digital, Pid, Analog };

inline constexpr int kDigitalRecordWidth = kChannelFields;
inline constexpr int kPidRecordWidth = kPidChannelFields;
inline constexpr int kAnalogRecordWidth = kAnalogFields;

constexpr int recordWidth(RecordKind kind) {
    return kind == RecordKind::Digital ? kDigitalRecordWidth
           : kind == RecordKind::Pid   ? kPidRecordWidth
                                       : kAnalogRecordWidth;
}

constexpr SectionState sectionOf(RecordKind kind) {
    return kind == RecordKind::Digital ? kChannelSection
           : kind == RecordKind::Pid   ? kChannelPidSection
                                       : kAnalogTpSection;
}

// One channel record of the token array: its kind and the index of its first cell.
struct RecordRef {
    RecordKind kind;
    std::size_t cell;

    std::size_t endCell() const { return cell + static_cast<std::size_t>(recordWidth(kind)); }
};

// Rows of the Digital Channel view: the digital channels in their order, then the PID channels.
std::size_t digitalChannelCount(const SectionMap& sections);
std::size_t digitalViewRowCount(const SectionMap& sections);
std::size_t analogViewRowCount(const SectionMap& sections);

// The record shown in a row of the Digital Channel view (digitalView) or the Analog Channel view;
// nothing for a row past the end of the list.
std::optional<RecordRef> recordOfRow(const SectionMap& sections, bool digitalView, std::size_t row);

// The null channel placed directly after `source`, a record of the same kind: a placeholder that
// keeps its place in the receiver's list without naming a service. It copies the TP, satellite
// and type cells of the source.
std::vector<std::string> nullRecord(RecordKind kind, const std::string* source);

}  // namespace sky
