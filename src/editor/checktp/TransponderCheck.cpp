#include "editor/checktp/TransponderCheck.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <tuple>
#include <unordered_map>

#include "common/Format.h"
#include "db/RecordLayout.h"
#include "db/RowFields.h"
#include "db/scan/ScanTableDate.h"
#include "editor/model/SectionMap.h"
#include "editor/scan/TransponderImport.h"

namespace sky {

namespace {

// Positions this far apart (tenths of a degree) name one orbital slot.
constexpr int kPositionTolerance = 1;
constexpr int kLargestSigned16 = 32767;

struct SatelliteRow {
    int index = 0;
    std::string name;
    std::optional<LnbSetting> lnb;
    std::optional<int> positionTenths;
};

std::vector<SatelliteRow> satelliteRows(const TokenArray& tokens, const SectionMap& sections) {
    std::vector<SatelliteRow> rows;
    const SectionSpan& span = sections[kSatelliteSection];
    for (std::size_t cell = span.begin; cell + kSatelliteFields <= span.end;
         cell += kSatelliteFields) {
        const std::optional<std::int32_t> index = decimalField(tokens[cell + kSatIndex]);
        if (!index) continue;
        // The receiver keeps the Posotioner as a signed 16-bit number: 65528 is 0.8 degrees
        // west.
        std::optional<int> position = decimalField(tokens[cell + kSatPositioner]);
        if (position && *position > kLargestSigned16) *position -= 65536;
        rows.push_back({*index, tokens[cell + kSatName],
                        lnbSettingOf(tokens[cell + kSatLnbHigh], tokens[cell + kSatLnbLow]),
                        position});
    }
    return rows;
}

// The [DIGITAL TP] rows by satellite, with the channels on each.
std::unordered_map<int, std::vector<CheckedTransponder>> listTransponders(
    const TokenArray& tokens, const SectionMap& sections) {
    std::unordered_map<std::int32_t, std::size_t> channels;
    const auto countChannels = [&](SectionState section, std::size_t width, std::size_t field) {
        const SectionSpan& span = sections[section];
        for (std::size_t cell = span.begin; cell + width <= span.end; cell += width) {
            if (const auto tp = decimalField(tokens[cell + field])) ++channels[*tp];
        }
    };
    countChannels(kChannelSection, kChannelFields, kChTpIndex);
    countChannels(kChannelPidSection, kPidChannelFields, kPidTpIndex);

    std::unordered_map<int, std::vector<CheckedTransponder>> bySatellite;
    const SectionSpan& span = sections[kDigitalTpSection];
    std::size_t row = 0;
    for (std::size_t cell = span.begin; cell + kTransponderFields <= span.end;
         cell += kTransponderFields, ++row) {
        const auto satellite = decimalField(tokens[cell + kTpSatIndex]);
        const auto frequency = decimalField(tokens[cell + kTpFrequency]);
        const auto symbolRate = decimalField(tokens[cell + kTpSymbolRate]);
        const std::string& polarisation = tokens[cell + kTpPolarisation];
        if (!satellite || !frequency || !symbolRate || polarisation.empty()) continue;
        CheckedTransponder tp;
        tp.row = row;
        tp.index = tokens[cell + kTpIndex];
        tp.frequencyMhz = *frequency;
        tp.symbolRateKs = *symbolRate;
        tp.polarisation =
            static_cast<char>(std::toupper(static_cast<unsigned char>(polarisation[0])));
        if (const auto index = decimalField(tp.index)) {
            const auto found = channels.find(*index);
            if (found != channels.end()) tp.channels = found->second;
        }
        bySatellite[*satellite].push_back(std::move(tp));
    }
    return bySatellite;
}

// A table's transponders sorted by polarization letter and frequency, for lookups.
class TableIndex {
public:
    explicit TableIndex(const std::vector<ScanTransponder>& transponders) {
        rows_.reserve(transponders.size());
        for (const ScanTransponder& tp : transponders) rows_.push_back(&tp);
        std::sort(rows_.begin(), rows_.end(),
                  [](const auto* a, const auto* b) { return key(*a) < key(*b); });
    }

    // The table's transponder that best matches the list's: of the same polarization at most
    // kPresentDistanceMhz away, one the receiver tunes before a DVB-S2 one, then one of the same
    // symbol rate, then the nearest.
    const ScanTransponder* match(const CheckedTransponder& tp) const {
        const auto first = std::lower_bound(
            rows_.begin(), rows_.end(),
            std::make_pair(tp.polarisation, tp.frequencyMhz - kPresentDistanceMhz),
            [](const auto* row, const auto& wanted) { return key(*row) < wanted; });
        const ScanTransponder* best = nullptr;
        for (auto it = first; it != rows_.end(); ++it) {
            const auto [polarisation, frequency] = key(**it);
            if (polarisation != tp.polarisation ||
                frequency > tp.frequencyMhz + kPresentDistanceMhz)
                break;
            if (!best || rank(**it, tp) < rank(*best, tp)) best = *it;
        }
        return best;
    }

private:
    static std::pair<char, int> key(const ScanTransponder& tp) {
        return {listPolarisation(tp.polarisation), tp.frequencyMhz};
    }
    static std::tuple<bool, bool, int> rank(const ScanTransponder& row,
                                            const CheckedTransponder& tp) {
        return std::make_tuple(row.system == DeliverySystem::DvbS2,
                               row.symbolRateKs != tp.symbolRateKs,
                               std::abs(row.frequencyMhz - tp.frequencyMhz));
    }

    std::vector<const ScanTransponder*> rows_;
};

std::size_t matchedCount(const ScanTable& table, const std::vector<CheckedTransponder>& list) {
    const TableIndex index(table.transponders);
    return static_cast<std::size_t>(std::count_if(
        list.begin(), list.end(), [&](const auto& tp) { return index.match(tp) != nullptr; }));
}

std::string fileNameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The table for the satellite: the chosen one, or the best of those at its position.
void pickTable(SatelliteCheck& check, ScanTableShelf& shelf, const CheckOptions& options,
               const std::vector<CheckedTransponder>& list) {
    const auto chosen = options.chosenTables.find(check.name);
    if (chosen != options.chosenTables.end()) {
        check.tablePath = chosen->second;
        check.tableChosen = true;
        return;
    }
    if (!check.positionTenths) return;
    std::size_t bestCount = 0;
    std::size_t bestSize = 0;
    for (const ScanTableName* name : tablesAtPosition(shelf.folder(), *check.positionTenths)) {
        const std::string path = scanTablePath(shelf.folder(), *name);
        const ScanTable& table = shelf.table(path);
        if (!table.ok()) continue;
        const std::size_t count = matchedCount(table, list);
        if (check.tablePath.empty() || count > bestCount ||
            (count == bestCount && table.transponders.size() > bestSize)) {
            check.tablePath = path;
            bestCount = count;
            bestSize = table.transponders.size();
        }
    }
}

void compareWithTable(SatelliteCheck& check, const ScanTable& table) {
    const TableIndex index(table.transponders);
    for (CheckedTransponder& tp : check.transponders) {
        const ScanTransponder* match = index.match(tp);
        if (!match) {
            tp.verdict = TpVerdict::NotInTable;
            continue;
        }
        tp.table = *match;
        if (match->system == DeliverySystem::DvbS2) {
            tp.verdict = TpVerdict::NowDvbS2;
        } else if (match->symbolRateKs != tp.symbolRateKs) {
            tp.verdict = TpVerdict::SymbolRateDiffers;
        } else if (match->frequencyMhz != tp.frequencyMhz) {
            tp.verdict = TpVerdict::FrequencyDiffers;
        } else {
            tp.verdict = TpVerdict::Same;
        }
    }
    // The other way: the table's DVB-S transponders that no list transponder matches, each once.
    std::vector<CheckedTransponder> probes;
    for (const ScanTransponder& row : table.transponders) {
        if (row.system != DeliverySystem::DvbS || !fitsListDigits(row.frequencyMhz) ||
            !fitsListDigits(row.symbolRateKs))
            continue;
        CheckedTransponder probe;
        probe.frequencyMhz = row.frequencyMhz;
        probe.symbolRateKs = row.symbolRateKs;
        probe.polarisation = listPolarisation(row.polarisation);
        const bool inList = std::any_of(check.transponders.begin(), check.transponders.end(),
                                        [&](const CheckedTransponder& tp) {
                                            return tp.polarisation == probe.polarisation &&
                                                   std::abs(tp.frequencyMhz - row.frequencyMhz) <=
                                                       kPresentDistanceMhz;
                                        });
        const bool repeated = std::any_of(probes.begin(), probes.end(), [&](const auto& p) {
            return p.polarisation == probe.polarisation &&
                   std::abs(p.frequencyMhz - probe.frequencyMhz) <= kPresentDistanceMhz;
        });
        if (inList || repeated) continue;
        probes.push_back(probe);
        check.missing.push_back(row);
    }
}

void checkTuning(SatelliteCheck& check) {
    if (!check.lnb) return;
    check.lnbSwapped = check.lnb->looksSwapped();
    for (const CheckedTransponder& tp : check.transponders) {
        const TuningResult tuning = tuneTransponder(*check.lnb, tp.frequencyMhz, tp.polarisation);
        if (!tuning.fits()) {
            check.tuningFlags.push_back({tp.index, tp.frequencyMhz, tp.polarisation, tuning});
        }
    }
}

}  // namespace

std::size_t SatelliteCheck::flagged() const {
    // A table that holds few of the satellite's transponders only starts a network scan: its
    // missing rows are shown but not flagged.
    const bool judgesMissing = !fewInTable();
    const auto differing = std::count_if(
        transponders.begin(), transponders.end(), [judgesMissing](const CheckedTransponder& tp) {
            return tp.verdict != TpVerdict::Same &&
                   (judgesMissing || tp.verdict != TpVerdict::NotInTable);
        });
    return (hasTable() ? static_cast<std::size_t>(differing) : 0) + tuningFlags.size() +
           (lnbSwapped ? 1 : 0);
}

std::size_t TransponderCheck::flagged() const {
    std::size_t count = 0;
    for (const SatelliteCheck& satellite : satellites) count += satellite.flagged();
    return count;
}

const ScanTable& ScanTableShelf::table(const std::string& path) {
    const auto found = tables_.find(path);
    if (found != tables_.end()) return found->second;
    return tables_.emplace(path, readScanTableFile(path)).first->second;
}

const std::string& ScanTableShelf::date(const std::string& path) {
    const bool packaged = path.rfind(folder_.folder + "/", 0) == 0 &&
                          fileNameOf(path).size() + folder_.folder.size() + 1 == path.size();
    if (packaged) {
        if (!packageDateRead_) {
            packageDate_ = scanTableDate(folder_.folder, path);
            packageDateRead_ = true;
        }
        return packageDate_;
    }
    const auto found = dates_.find(path);
    if (found != dates_.end()) return found->second;
    return dates_.emplace(path, scanTableDate({}, path)).first->second;
}

std::vector<const ScanTableName*> tablesAtPosition(const ScanTableFolder& folder, int tenths) {
    std::vector<const ScanTableName*> found;
    for (const ScanTableName& table : folder.tables) {
        if (table.positionTenths && std::abs(*table.positionTenths - tenths) <= kPositionTolerance)
            found.push_back(&table);
    }
    return found;
}

TransponderCheck checkTransponders(const TokenArray& tokens, ScanTableShelf& shelf,
                                   const CheckOptions& options) {
    TransponderCheck result;
    const SectionMap sections = locateSections(tokens);
    std::unordered_map<int, std::vector<CheckedTransponder>> transponders =
        listTransponders(tokens, sections);
    for (const SatelliteRow& row : satelliteRows(tokens, sections)) {
        if (options.satellite && *options.satellite != row.index) continue;
        SatelliteCheck check;
        check.satellite = row.index;
        check.name = row.name;
        check.positionTenths = row.positionTenths;
        check.lnb = row.lnb;
        check.transponders = std::move(transponders[row.index]);
        checkTuning(check);
        if (!options.lnbOnly) {
            pickTable(check, shelf, options, check.transponders);
            if (!check.tablePath.empty()) {
                const ScanTable& table = shelf.table(check.tablePath);
                check.tableFile = fileNameOf(check.tablePath);
                check.tableError = table.error;
                check.tableTransponders = table.transponders.size();
                if (table.ok()) {
                    check.tableDate = shelf.date(check.tablePath);
                    compareWithTable(check, table);
                }
            }
        }
        result.satellites.push_back(std::move(check));
    }
    if (options.satellite && result.satellites.empty()) {
        result.error =
            format("CANCELED : The list has no satellite with Index %d!!!", *options.satellite);
    }
    return result;
}

bool canRepair(const CheckedTransponder& tp) {
    switch (tp.verdict) {
        case TpVerdict::SymbolRateDiffers:
        case TpVerdict::FrequencyDiffers:
            return true;
        case TpVerdict::NowDvbS2:
            return tp.channels > 0;
        case TpVerdict::Same:
        case TpVerdict::NotInTable:
            break;
    }
    return false;
}

const char* verdictText(TpVerdict verdict) {
    switch (verdict) {
        case TpVerdict::Same:
            return "the same";
        case TpVerdict::NowDvbS2:
            return "now DVB-S2";
        case TpVerdict::SymbolRateDiffers:
            return "symbol rate differs";
        case TpVerdict::FrequencyDiffers:
            return "frequency differs";
        case TpVerdict::NotInTable:
            break;
    }
    return "not in the table";
}

std::string verdictDetail(const CheckedTransponder& tp, const std::string& tableDate) {
    switch (tp.verdict) {
        case TpVerdict::Same:
            return "the same";
        case TpVerdict::NowDvbS2:
            return format("now DVB-S2 (%zu channel%s); the receiver may not tune it", tp.channels,
                          tp.channels == 1 ? "" : "s");
        case TpVerdict::SymbolRateDiffers: {
            std::string text = format("symbol rate %d in the list, %d in the table",
                                      tp.symbolRateKs, tp.table->symbolRateKs);
            if (tp.table->frequencyMhz != tp.frequencyMhz) {
                text += format("; frequency %d MHz in the table", tp.table->frequencyMhz);
            }
            return text;
        }
        case TpVerdict::FrequencyDiffers:
            return format("frequency %d MHz in the list, %d MHz in the table", tp.frequencyMhz,
                          tp.table->frequencyMhz);
        case TpVerdict::NotInTable:
            break;
    }
    return tableDate.empty() ? "not in the table" : "not in the table of " + tableDate;
}

std::string tableSummary(const SatelliteCheck& satellite) {
    if (satellite.tablePath.empty()) return "no table for this satellite";
    if (!satellite.tableError.empty()) return satellite.tableError;
    std::string text =
        format("%s%s, %zu transponders", satellite.tableFile.c_str(),
               satellite.tableDate.empty() ? "" : (" of " + satellite.tableDate).c_str(),
               satellite.tableTransponders);
    if (satellite.tableChosen) text += " (chosen)";
    if (satellite.fewInTable()) {
        text += format(
            "; it holds fewer than a quarter of the list's %zu transponders on this satellite, "
            "so \"not in the table\" says little",
            satellite.transponders.size());
    }
    return text;
}

}  // namespace sky
