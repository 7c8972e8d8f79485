#include "editor/match/MatchRows.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "db/RecordLayout.h"
#include "db/RowFields.h"
#include "editor/model/FieldText.h"
#include "editor/model/RowValues.h"

namespace sky {

namespace {

// The kinds of row, as the first value of an identity: rows of two kinds never match.
enum IdentityKind : std::int64_t {
    kDigitalIdentity = 1,
    kPidIdentity,
    kAnalogIdentity,
    kTpIdentity
};

// The cells of a record but its Index (the first) and the one at `skip`, as text.
std::uint64_t cellsHash(const std::string* record, std::size_t width, std::size_t skip) {
    std::uint64_t h = 0xCBF29CE484222325ull;
    for (std::size_t field = 1; field < width; ++field) {
        if (field == skip) continue;
        for (const char c : record[field])
            h = (h ^ static_cast<unsigned char>(c)) * 0x100000001B3ull;
        h = (h ^ 0xFFu) * 0x100000001B3ull;  // ends the cell
    }
    return h;
}

std::uint64_t satelliteNameKey(std::string_view name) {
    const std::uint64_t h = foldedNameHash(name);
    return h == 0 ? 1 : h;
}

}  // namespace

MatchRowReader::SatelliteNames::SatelliteNames(const TokenArray& tokens,
                                               const SectionMap& sections) {
    const SectionSpan& span = sections[kSatelliteSection];
    for (std::size_t cell = span.begin; cell + kSatelliteFields <= span.end;
         cell += kSatelliteFields) {
        const std::optional<std::int32_t> index = decimalField(tokens[cell + kSatIndex]);
        const std::string_view name = trimmed(tokens[cell + kSatName]);
        if (index && !name.empty()) byIndex_.emplace_back(*index, satelliteNameKey(name));
    }
    // Of two satellites with one Index the first counts.
    std::stable_sort(byIndex_.begin(), byIndex_.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
}

std::uint64_t MatchRowReader::SatelliteNames::of(std::string_view indexCell) const {
    const std::optional<std::int32_t> index = decimalField(indexCell);
    if (!index) return 0;
    const auto found =
        std::lower_bound(byIndex_.begin(), byIndex_.end(), *index,
                         [](const auto& entry, std::int32_t value) { return entry.first < value; });
    return found != byIndex_.end() && found->first == *index ? found->second : 0;
}

MatchRowReader::MatchRowReader(const TokenArray& tokens)
    : tokens_(tokens),
      sections_(locateSections(tokens)),
      transponders_(tokens, sections_),
      satellites_(tokens, sections_) {}

std::vector<MatchRow> MatchRowReader::section(RecordKind kind) const {
    std::vector<MatchRow> rows;
    append(kind, rows);
    return rows;
}

std::vector<MatchRow> MatchRowReader::view(bool digitalView) const {
    std::vector<MatchRow> rows;
    if (digitalView) {
        append(RecordKind::Digital, rows);
        append(RecordKind::Pid, rows);
    } else {
        append(RecordKind::Analog, rows);
    }
    return rows;
}

void MatchRowReader::append(RecordKind kind, std::vector<MatchRow>& rows) const {
    const SectionSpan& span = sections_[sectionOf(kind)];
    const std::size_t width = static_cast<std::size_t>(recordWidth(kind));
    rows.reserve(rows.size() + span.size() / width);
    for (std::size_t cell = span.begin; cell + width <= span.end; cell += width) {
        rows.push_back(read(kind, &tokens_[cell]));
    }
}

std::vector<MatchRow> MatchRowReader::transponders() const {
    std::vector<MatchRow> rows;
    const SectionSpan& span = sections_[kDigitalTpSection];
    rows.reserve(span.size() / kTransponderFields);
    for (std::size_t cell = span.begin; cell + kTransponderFields <= span.end;
         cell += kTransponderFields) {
        const std::string* tp = &tokens_[cell];
        MatchRow row;
        const std::optional<std::int32_t> frequency = decimalField(tp[kTpFrequency]);
        const std::optional<std::int32_t> symbolRate = decimalField(tp[kTpSymbolRate]);
        const std::optional<std::int32_t> satIndex = decimalField(tp[kTpSatIndex]);
        const std::uint64_t satellite = satellites_.of(tp[kTpSatIndex]);
        if (frequency && symbolRate && satIndex) {
            row.hasIdentity = true;
            row.frequency = *frequency;
            // A satellite without a name is told by its Index.
            row.identity = {kTpIdentity, firstChar(tp[kTpPolarisation]), *symbolRate,
                            static_cast<std::int64_t>(satellite), satellite ? 0 : *satIndex};
        }
        row.satellite = satellite;
        row.cells = cellsHash(tp, kTransponderFields, kTransponderFields);
        rows.push_back(std::move(row));
    }
    return rows;
}

MatchRow MatchRowReader::read(RecordKind kind, const std::string* record) const {
    MatchRow row;
    row.kind = kind;
    row.isNull = isNullChannel(kind, record);
    row.name = utf8Name(record[channelNameField(kind)]);
    row.satellite = satellites_.of(record[channelSatelliteField(kind)]);
    row.cells =
        cellsHash(record, static_cast<std::size_t>(recordWidth(kind)), channelNameField(kind));
    if (!row.isNull) readIdentity(kind, record, row);
    return row;
}

void MatchRowReader::readIdentity(RecordKind kind, const std::string* record, MatchRow& row) const {
    if (kind == RecordKind::Analog) {
        const std::optional<std::int32_t> frequency = decimalField(record[kAnFrequency]);
        if (!frequency) return;
        row.hasIdentity = true;
        row.frequency = *frequency;
        row.identity = {kAnalogIdentity, firstChar(record[kAnPolarisation])};
        return;
    }
    const bool digital = kind == RecordKind::Digital;
    const std::optional<std::size_t> tpRow =
        transponders_.rowOf(record[digital ? std::size_t{kChTpIndex} : std::size_t{kPidTpIndex}]);
    if (!tpRow) return;
    const std::string* tp =
        &tokens_[sections_[kDigitalTpSection].begin + *tpRow * kTransponderFields];
    const std::optional<std::int32_t> frequency = decimalField(tp[kTpFrequency]);
    if (!frequency) return;
    const std::int64_t polarization = firstChar(tp[kTpPolarisation]);
    if (digital) {
        const std::optional<std::uint32_t> serviceId = hexField(record[kChServiceId]);
        if (!serviceId) return;
        row.identity = {kDigitalIdentity, polarization, *serviceId};
    } else {
        const std::optional<std::int32_t> video = decimalField(record[kPidVideo]);
        const std::optional<std::int32_t> audio = decimalField(record[kPidAudio]);
        const std::optional<std::int32_t> pcr = decimalField(record[kPidPcr]);
        if (!video || !audio || !pcr) return;
        row.identity = {kPidIdentity, polarization, *video, *audio, *pcr};
    }
    row.hasIdentity = true;
    row.frequency = *frequency;
}

std::vector<MatchRow> channelMatchRows(const TokenArray& tokens, bool digitalView) {
    return MatchRowReader(tokens).view(digitalView);
}

std::vector<MatchRow> sectionMatchRows(const TokenArray& tokens, RecordKind kind) {
    return MatchRowReader(tokens).section(kind);
}

std::vector<MatchRow> transponderMatchRows(const TokenArray& tokens) {
    return MatchRowReader(tokens).transponders();
}

std::uint64_t nameAndCellsKey(const MatchRow& row) {
    return foldedNameHash(row.name) * 0x9E3779B97F4A7C15ull ^ row.cells;
}

}  // namespace sky
