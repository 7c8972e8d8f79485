#include "editor/scan/TransponderImport.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <tuple>

#include "common/Format.h"
#include "db/RecordLayout.h"
#include "db/RowFields.h"
#include "editor/duplicates/DuplicateKeys.h"
#include "editor/editing/RecordEditing.h"
#include "editor/model/NameEncoding.h"
#include "editor/model/SectionMap.h"
#include "editor/tuning/LnbTuning.h"

namespace sky {

namespace {

// The compiler's check takes frequencies and symbol rates of 4 or 5 digits.
constexpr int kSmallestDigitField = 1000;
constexpr int kLargestDigitField = 99999;
// D_TP Index values are 16-bit numbers in the receiver's records.
constexpr long long kLargestTpIndex = 65535;
constexpr std::size_t kLongestBouquet = 13;

constexpr const char* kListChanged =
    "CANCELED : The list has changed since the preview was made. Import again!!!";

// What makes two transponders of one satellite the same: polarization letter, symbol rate and
// frequency (compared within kPresentDistanceMhz).
struct Tuning {
    std::int64_t polarisation;
    std::int64_t symbolRate;
    std::int64_t frequency;

    auto order() const { return std::tie(polarisation, symbolRate, frequency); }
    bool operator<(const Tuning& other) const { return order() < other.order(); }
    bool near(const Tuning& other) const {
        return polarisation == other.polarisation && symbolRate == other.symbolRate &&
               std::llabs(frequency - other.frequency) <= kPresentDistanceMhz;
    }
};

// The satellite's transponders in the list, sorted by tuning, each with its D_TP Index cell.
class ListTransponders {
public:
    ListTransponders(const TokenArray& tokens, const SectionMap& sections, int satellite) {
        const DuplicateKeys keys(tokens, sections, DuplicateSection::Transponder);
        for (std::size_t row = 0; row < keys.rows(); ++row) {
            // values: satellite, frequency, symbol rate, polarization letter
            const std::optional<ExactKey> key = keys.exactKey(row);
            if (!key || key->values[0] != satellite) continue;
            rows_.emplace_back(Tuning{key->values[3], key->values[2], key->values[1]},
                               &keys.record(row)[kTpIndex]);
        }
        std::sort(rows_.begin(), rows_.end(),
                  [](const auto& a, const auto& b) { return a.first < b.first; });
    }

    // The D_TP Index cell of a transponder with the tuning, or null.
    const std::string* find(const Tuning& tuning) const {
        const Tuning lowest{tuning.polarisation, tuning.symbolRate,
                            tuning.frequency - kPresentDistanceMhz};
        auto it = std::lower_bound(rows_.begin(), rows_.end(), lowest,
                                   [](const auto& row, const Tuning& t) { return row.first < t; });
        return it != rows_.end() && it->first.near(tuning) ? it->second : nullptr;
    }

private:
    std::vector<std::pair<Tuning, const std::string*>> rows_;
};

std::vector<ImportSatellite> satellitesOf(const TokenArray& tokens, const SectionMap& sections) {
    std::vector<ImportSatellite> satellites;
    const SectionSpan& span = sections[kSatelliteSection];
    for (std::size_t cell = span.begin; cell + kSatelliteFields <= span.end;
         cell += kSatelliteFields) {
        if (const std::optional<std::int32_t> index = decimalField(tokens[cell + kSatIndex])) {
            satellites.push_back({*index, std::string(tokens[cell + kSatName])});
        }
    }
    return satellites;
}

bool hasSatellite(const TokenArray& tokens, const SectionMap& sections, int satellite) {
    const std::vector<ImportSatellite> satellites = satellitesOf(tokens, sections);
    return std::any_of(satellites.begin(), satellites.end(),
                       [satellite](const ImportSatellite& s) { return s.index == satellite; });
}

Tuning tuningOf(const ImportRow& row) {
    return Tuning{row.polarisation[0], row.source.symbolRateKs, row.source.frequencyMhz};
}

// The row of a transponder, with its status against the list.
ImportRow importRow(const ScanTransponder& tp, const ListTransponders& list) {
    ImportRow row;
    row.source = tp;
    row.frequency = std::to_string(tp.frequencyMhz);
    row.symbolRate = std::to_string(tp.symbolRateKs);
    const char letter = polarisationLetter(tp.polarisation);
    const bool circular = letter == 'L' || letter == 'R';
    const char linear = listPolarisation(tp.polarisation);
    row.polarisation = std::string(1, linear);

    if (!fitsListDigits(tp.frequencyMhz)) {
        row.status = ImportStatus::Refused;
        row.note = format("the frequency %d MHz is not of 4 or 5 digits", tp.frequencyMhz);
        return row;
    }
    if (!fitsListDigits(tp.symbolRateKs)) {
        row.status = ImportStatus::Refused;
        row.note = format("the symbol rate %d kS/s is not of 4 or 5 digits", tp.symbolRateKs);
        return row;
    }
    const Tuning tuning{linear, tp.symbolRateKs, tp.frequencyMhz};
    if (const std::string* index = list.find(tuning)) {
        row.status = ImportStatus::Present;
        row.presentAs = *index;
        row.note = "already in the list as D_TP " + *index;
        return row;
    }
    if (tp.system == DeliverySystem::DvbS2) {
        row.status = ImportStatus::DvbS2;
        row.note = "DVB-S2: a receiver of this list format tunes DVB-S only";
        return row;
    }
    row.status = ImportStatus::New;
    row.ticked = true;
    if (circular) {
        row.note = format("circular %s taken as %s", letter == 'L' ? "left" : "right",
                          linear == 'H' ? "H (18 V)" : "V (13 V)");
    }
    return row;
}

// A transponder the table gives more than once is taken once: the rows the receiver tunes (ticked
// new rows) are kept before DVB-S2 rows, each in the table's order, so that an unticked DVB-S2
// row never hides a later DVB-S row of the same tuning. The other rows repeat the row kept.
void markRepeats(std::vector<ImportRow>& rows) {
    std::vector<const ImportRow*> kept;
    for (const ImportStatus status : {ImportStatus::New, ImportStatus::DvbS2}) {
        for (ImportRow& row : rows) {
            if (row.status != status) continue;
            const auto same = std::find_if(kept.begin(), kept.end(), [&](const ImportRow* k) {
                return tuningOf(*k).near(tuningOf(row));
            });
            if (same == kept.end()) {
                kept.push_back(&row);
                continue;
            }
            row.status = ImportStatus::Repeated;
            row.ticked = false;
            row.note = format("the same as line %d of the table", (*same)->source.line);
        }
    }
}

}  // namespace

std::size_t ImportPreview::tickedCount() const {
    return static_cast<std::size_t>(
        std::count_if(rows.begin(), rows.end(), [](const ImportRow& row) { return row.ticked; }));
}

std::vector<ImportSatellite> importSatellites(const TokenArray& tokens) {
    return satellitesOf(tokens, locateSections(tokens));
}

ImportPreview previewImport(const TokenArray& tokens, int satellite,
                            const std::vector<ScanTransponder>& transponders,
                            std::string_view bouquet) {
    ImportPreview preview;
    preview.satellite = satellite;
    preview.bouquet = std::string(bouquet);
    const SectionMap sections = locateSections(tokens);
    if (!hasSatellite(tokens, sections, satellite)) {
        preview.error = format("CANCELED : The list has no satellite with Index %d!!!", satellite);
        return preview;
    }
    const ListTransponders list(tokens, sections, satellite);
    preview.rows.reserve(transponders.size());
    for (const ScanTransponder& tp : transponders) preview.rows.push_back(importRow(tp, list));
    markRepeats(preview.rows);
    // Rows that may be ticked say when the satellite's LNB cannot receive them.
    const std::map<int, LnbSetting> lnbs = satelliteLnbs(tokens);
    if (const auto lnb = lnbs.find(satellite); lnb != lnbs.end()) {
        for (ImportRow& row : preview.rows) {
            if (canTick(row)) {
                addNote(row.note,
                        lnbWarning(lnb->second, row.source.frequencyMhz, row.polarisation[0]));
            }
        }
    }
    return preview;
}

bool canTick(const ImportRow& row) {
    return row.status == ImportStatus::New || row.status == ImportStatus::DvbS2;
}

bool setTicked(ImportPreview& preview, std::size_t row, bool ticked) {
    if (row >= preview.rows.size() || !canTick(preview.rows[row])) return false;
    preview.rows[row].ticked = ticked;
    return true;
}

std::string importBouquet(std::string_view satelliteName) {
    // A table names its satellite in UTF-8, the list in 8-bit text of one byte a character: the
    // name is converted before it is cut, so that no character is cut in half.
    std::string bouquet;
    for (const char c : listName(satelliteName)) {
        if (bouquet.size() == kLongestBouquet) break;
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F || c == '"' || c == '#' || c == '~') continue;
        bouquet += c;
    }
    while (!bouquet.empty() && bouquet.back() == ' ') bouquet.pop_back();
    while (!bouquet.empty() && bouquet.front() == ' ') bouquet.erase(0, 1);
    return bouquet.empty() ? "Import" : bouquet;
}

std::optional<std::size_t> addImportedTransponders(TokenArray& tokens, const ImportPreview& preview,
                                                   std::string& error) {
    const SectionMap sections = locateSections(tokens);
    const SectionSpan& span = sections[kDigitalTpSection];
    if (!span.found) {
        error = format("Can't find \" %s \" ",
                       std::string(sectionInfo(kDigitalTpSection).startMarker).c_str());
        return std::nullopt;
    }
    // The list as it is now must still agree with the preview.
    std::vector<ScanTransponder> sources;
    for (const ImportRow& row : preview.rows) sources.push_back(row.source);
    const ImportPreview now = previewImport(tokens, preview.satellite, sources, preview.bouquet);
    if (!now.error.empty() || now.rows.size() != preview.rows.size()) {
        error = kListChanged;
        return std::nullopt;
    }
    std::size_t ticked = 0;
    for (std::size_t row = 0; row < preview.rows.size(); ++row) {
        if (!preview.rows[row].ticked) continue;
        if (!canTick(now.rows[row])) {
            error = kListChanged;
            return std::nullopt;
        }
        ++ticked;
    }
    if (ticked == 0) return 0;

    const std::size_t rows = span.records(kTransponderFields);
    if (rows + ticked > kMaxTransponderRows) {
        error = format(
            "CANCELED : The Digital TP section holds %zu rows; with %zu more it would pass the "
            "%zu rows the receiver takes!!!",
            rows, ticked, kMaxTransponderRows);
        return std::nullopt;
    }
    const long long largest = largestIndex(tokens, span, kTransponderFields);
    if (largest + static_cast<long long>(ticked) > kLargestTpIndex) {
        error = format("CANCELED : The D_TP Index would pass %lld!!!", kLargestTpIndex);
        return std::nullopt;
    }

    std::vector<std::string> cells;
    cells.reserve(ticked * kTransponderFields);
    long long index = largest;
    const std::string satellite = std::to_string(preview.satellite);
    for (std::size_t row = 0; row < now.rows.size(); ++row) {
        if (!preview.rows[row].ticked) continue;
        const ImportRow& cellsOf = now.rows[row];
        cells.insert(cells.end(), {std::to_string(++index), satellite, cellsOf.frequency,
                                   cellsOf.symbolRate, cellsOf.polarisation, preview.bouquet});
    }
    tokens.insert(tokens.begin() + static_cast<std::ptrdiff_t>(span.end), cells.begin(),
                  cells.end());
    return ticked;
}

std::size_t importTransponders(ListDocument& document, const ImportPreview& preview) {
    std::string error;
    std::optional<std::size_t> added;
    const bool imported = document.edit(
        kImportTranspondersLabel,
        [&](ListEdit& list) {
            added = addImportedTransponders(list.tokens(), preview, error);
            return added && *added > 0;
        },
        Renumber::No);
    if (imported) return *added;
    if (document.editable() && !added) document.ui().message(error);
    return 0;
}

bool fitsListDigits(int value) {
    return value >= kSmallestDigitField && value <= kLargestDigitField;
}

char listPolarisation(ScanPolarisation polarisation) {
    const char letter = polarisationLetter(polarisation);
    return letter == 'L' ? 'H' : letter == 'R' ? 'V' : letter;
}

const char* importStatusText(ImportStatus status) {
    switch (status) {
        case ImportStatus::New:
            return "new";
        case ImportStatus::DvbS2:
            return "DVB-S2";
        case ImportStatus::Present:
            return "already in the list";
        case ImportStatus::Repeated:
            return "repeated in the table";
        case ImportStatus::Refused:
            break;
    }
    return "cannot be taken";
}

}  // namespace sky
