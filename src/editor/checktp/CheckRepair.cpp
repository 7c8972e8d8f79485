#include "editor/checktp/CheckRepair.h"

#include <algorithm>
#include <cctype>
#include <set>
#include <vector>

#include "db/RecordLayout.h"
#include "db/RowFields.h"
#include "editor/document/ListEdit.h"
#include "editor/editing/ChannelClipboard.h"
#include "editor/model/ChannelRecords.h"
#include "editor/model/SectionMap.h"

namespace sky {

namespace {

constexpr const char* kListChanged =
    "CANCELED : The list has changed since the transponders were checked. Check them again!!!";

// The rows of the Digital Channel view (digital channels, then PID channels) on the
// transponders.
std::vector<std::size_t> channelRowsOn(const TokenArray& tokens, const SectionMap& sections,
                                       const std::set<std::int32_t>& transponders) {
    std::vector<std::size_t> rows;
    std::size_t row = 0;
    const auto collect = [&](SectionState section, std::size_t width, std::size_t field) {
        const SectionSpan& span = sections[section];
        for (std::size_t cell = span.begin; cell + width <= span.end; cell += width, ++row) {
            const auto tp = decimalField(tokens[cell + field]);
            if (tp && transponders.count(*tp)) rows.push_back(row);
        }
    };
    collect(kChannelSection, kChannelFields, kChTpIndex);
    collect(kChannelPidSection, kPidChannelFields, kPidTpIndex);
    return rows;
}

// The row as the check saw it.
bool unchanged(const TokenArray& tokens, const SectionSpan& span, const CheckedTransponder& tp,
               int satellite) {
    const std::size_t cell = span.begin + tp.row * kTransponderFields;
    if (cell + kTransponderFields > span.end) return false;
    const std::string& polarisation = tokens[cell + kTpPolarisation];
    return tokens[cell + kTpIndex] == tp.index &&
           decimalField(tokens[cell + kTpSatIndex]) == satellite &&
           decimalField(tokens[cell + kTpFrequency]) == tp.frequencyMhz &&
           decimalField(tokens[cell + kTpSymbolRate]) == tp.symbolRateKs && !polarisation.empty() &&
           std::toupper(static_cast<unsigned char>(polarisation[0])) == tp.polarisation;
}

}  // namespace

bool setRepairTicked(CheckedTransponder& tp, bool ticked) {
    if (!canRepair(tp)) return false;
    tp.ticked = ticked;
    return true;
}

std::size_t tickedRepairs(const TransponderCheck& check) {
    std::size_t count = 0;
    for (const SatelliteCheck& satellite : check.satellites) {
        for (const CheckedTransponder& tp : satellite.transponders) {
            if (tp.ticked && canRepair(tp)) ++count;
        }
    }
    return count;
}

std::optional<RepairCounts> applyRepairs(TokenArray& tokens, const TransponderCheck& check,
                                         std::string& error) {
    const SectionMap sections = locateSections(tokens);
    const SectionSpan& span = sections[kDigitalTpSection];
    // Every ticked row is checked before any changes, so a refusal leaves the array as it was.
    std::set<std::int32_t> dvbS2;
    for (const SatelliteCheck& satellite : check.satellites) {
        for (const CheckedTransponder& tp : satellite.transponders) {
            if (!tp.ticked || !canRepair(tp)) continue;
            if (!unchanged(tokens, span, tp, satellite.satellite)) {
                error = kListChanged;
                return std::nullopt;
            }
            if (tp.verdict == TpVerdict::NowDvbS2) {
                if (const auto index = decimalField(tp.index)) dvbS2.insert(*index);
            }
        }
    }
    RepairCounts counts;
    for (const SatelliteCheck& satellite : check.satellites) {
        for (const CheckedTransponder& tp : satellite.transponders) {
            if (!tp.ticked || !canRepair(tp) || tp.verdict == TpVerdict::NowDvbS2) continue;
            const std::size_t cell = span.begin + tp.row * kTransponderFields;
            tokens[cell + kTpFrequency] = std::to_string(tp.table->frequencyMhz);
            tokens[cell + kTpSymbolRate] = std::to_string(tp.table->symbolRateKs);
            ++counts.transponders;
        }
    }
    const std::vector<std::size_t> rows = channelRowsOn(tokens, sections, dvbS2);
    if (deleteRows(tokens, true, rows)) counts.channels = rows.size();
    return counts;
}

RepairCounts repairTransponders(ListDocument& document, const TransponderCheck& check) {
    // Channels are renumbered only when a DVB-S2 transponder's channels go, as Delete does; a
    // changed symbol rate or frequency leaves every number as it is.
    bool deletesChannels = false;
    for (const SatelliteCheck& satellite : check.satellites) {
        for (const CheckedTransponder& tp : satellite.transponders) {
            if (tp.ticked && canRepair(tp) && tp.verdict == TpVerdict::NowDvbS2 && tp.channels > 0)
                deletesChannels = true;
        }
    }
    std::optional<RepairCounts> counts;
    std::string error;
    document.edit(
        kCheckTranspondersLabel,
        [&](ListEdit& list) {
            counts = applyRepairs(list.tokens(), check, error);
            return counts && counts->any();
        },
        deletesChannels ? Renumber::Yes : Renumber::No);
    if (document.editable() && !counts && !error.empty()) document.ui().message(error);
    return counts && counts->any() ? *counts : RepairCounts{};
}

}  // namespace sky
