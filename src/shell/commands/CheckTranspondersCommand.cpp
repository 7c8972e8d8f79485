#include "shell/commands/CheckTranspondersCommand.h"

#include <map>
#include <tuple>
#include <utility>

#include "db/RecordLayout.h"
#include "db/RowFields.h"
#include "editor/model/SectionMap.h"
#include "editor/scan/TransponderImport.h"

namespace sky {

TransponderCheckSession::TransponderCheckSession(ListDocument& list, Settings& settings,
                                                 ScanTableFolder folder)
    : list_(list), settings_(settings), shelf_(std::move(folder)) {
    recheck();
}

CheckOptions TransponderCheckSession::options() const {
    CheckOptions options;
    for (const SatelliteCheck& satellite : check_.satellites) {
        if (const auto path = settings_.scanTableFor(satellite.name)) {
            options.chosenTables[satellite.name] = *path;
        }
    }
    return options;
}

void TransponderCheckSession::recheck() {
    // A tick stays on the same transponder: the satellite, its Index and its tuning.
    using Key = std::tuple<int, std::string, int, int, char>;
    std::map<Key, bool> ticks;
    for (const SatelliteCheck& satellite : check_.satellites) {
        for (const CheckedTransponder& tp : satellite.transponders) {
            if (tp.ticked) {
                ticks[{satellite.satellite, tp.index, tp.frequencyMhz, tp.symbolRateKs,
                       tp.polarisation}] = true;
            }
        }
    }
    // The satellites' names come from the list: a first check reads them, then the chosen
    // tables of those names are looked up.
    check_ = checkTransponders(list_.tokens(), shelf_, CheckOptions{{}, {}, true});
    check_ = checkTransponders(list_.tokens(), shelf_, options());
    for (SatelliteCheck& satellite : check_.satellites) {
        for (CheckedTransponder& tp : satellite.transponders) {
            if (ticks.count({satellite.satellite, tp.index, tp.frequencyMhz, tp.symbolRateKs,
                             tp.polarisation})) {
                setRepairTicked(tp, true);
            }
        }
    }
    revision_ = list_.revision();
}

void TransponderCheckSession::chooseTable(std::size_t satellite, const std::string& path) {
    if (satellite >= check_.satellites.size()) return;
    settings_.setScanTableFor(check_.satellites[satellite].name, path);
    recheck();
}

bool TransponderCheckSession::tick(std::size_t satellite, std::size_t row, bool ticked) {
    if (satellite >= check_.satellites.size()) return false;
    std::vector<CheckedTransponder>& rows = check_.satellites[satellite].transponders;
    return row < rows.size() && setRepairTicked(rows[row], ticked);
}

RepairCounts TransponderCheckSession::repair() {
    if (outdated()) recheck();
    const RepairCounts counts = repairTransponders(list_, check_);
    recheck();
    return counts;
}

std::size_t TransponderCheckSession::importMissing(std::size_t satellite) {
    if (outdated()) recheck();
    if (satellite >= check_.satellites.size()) return 0;
    const SatelliteCheck& checked = check_.satellites[satellite];
    if (checked.missing.empty()) return 0;
    const ImportPreview preview =
        previewImport(list_.tokens(), checked.satellite, checked.missing,
                      importBouquet(parseScanTableName(checked.tableFile).satellite));
    const std::size_t added = importTransponders(list_, preview);
    recheck();
    return added;
}

std::optional<TransponderCheckSession::Target> TransponderCheckSession::targetOf(
    std::size_t satellite, std::size_t row, bool channels) const {
    if (satellite >= check_.satellites.size() ||
        row >= check_.satellites[satellite].transponders.size()) {
        return std::nullopt;
    }
    const CheckedTransponder& tp = check_.satellites[satellite].transponders[row];
    if (!channels) return Target{kDigitalTpSection, tp.row, {}};
    const std::optional<std::int32_t> index = decimalField(tp.index);
    if (!index) return std::nullopt;
    const TokenArray& tokens = list_.tokens();
    const SectionMap sections = locateSections(tokens);
    Target target{kChannelSection, 0, {}};
    std::size_t viewRow = 0;
    const auto collect = [&](SectionState section, std::size_t width, std::size_t tpCell) {
        const SectionSpan& span = sections[section];
        for (std::size_t cell = span.begin; cell + width <= span.end; cell += width, ++viewRow) {
            if (decimalField(tokens[cell + tpCell]) == index) target.channelRows.push_back(viewRow);
        }
    };
    collect(kChannelSection, kChannelFields, kChTpIndex);
    collect(kChannelPidSection, kPidChannelFields, kPidTpIndex);
    if (target.channelRows.empty()) return std::nullopt;
    return target;
}

}  // namespace sky
