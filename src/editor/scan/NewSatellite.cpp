#include "editor/scan/NewSatellite.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <iterator>
#include <utility>

#include "common/Format.h"
#include "db/RecordLayout.h"
#include "db/RowFields.h"
#include "editor/model/NameEncoding.h"
#include "editor/model/SectionMap.h"
#include "editor/scan/TransponderImport.h"

namespace sky {

namespace {

constexpr int kSatelliteSlots = 50;

// Marks the satellite Index of every row of a section whose rows name one in `field`.
void markNamed(const TokenArray& tokens, const SectionSpan& span, std::size_t width,
               std::size_t field, std::array<bool, kSatelliteSlots>& named) {
    for (std::size_t cell = span.begin; cell + width <= span.end; cell += width) {
        const std::optional<std::int32_t> index = decimalField(tokens[cell + field]);
        if (index && *index >= 0 && *index < kSatelliteSlots) named[*index] = true;
    }
}

std::array<bool, kSatelliteSlots> namedIndexes(const TokenArray& tokens) {
    const SectionMap sections = locateSections(tokens);
    std::array<bool, kSatelliteSlots> named{};
    markNamed(tokens, sections[kSatelliteSection], kSatelliteFields, kSatIndex, named);
    markNamed(tokens, sections[kDigitalTpSection], kTransponderFields, kTpSatIndex, named);
    markNamed(tokens, sections[kChannelSection], kChannelFields, kChSatIndex, named);
    markNamed(tokens, sections[kChannelPidSection], kPidChannelFields, kPidSatIndex, named);
    markNamed(tokens, sections[kAnalogTpSection], kAnalogFields, kAnSatIndex, named);
    return named;
}

}  // namespace

std::optional<NewSatellite> newSatelliteFor(const TokenArray& tokens, const ScanTableName& table) {
    const std::array<bool, kSatelliteSlots> named = namedIndexes(tokens);
    for (int index = 0; index < kSatelliteSlots; ++index) {
        if (named[static_cast<std::size_t>(index)]) continue;
        return NewSatellite{index, importBouquet(table.satellite), table.positionTenths};
    }
    return std::nullopt;
}

std::size_t freeSatelliteIndexes(const TokenArray& tokens) {
    const std::array<bool, kSatelliteSlots> named = namedIndexes(tokens);
    return static_cast<std::size_t>(std::count(named.begin(), named.end(), false));
}

bool addSatelliteRow(TokenArray& tokens, const NewSatellite& satellite) {
    const SectionSpan span = locateSections(tokens)[kSatelliteSection];
    if (!span.found || satellite.index < 0 || satellite.index >= kSatelliteSlots ||
        namedIndexes(tokens)[static_cast<std::size_t>(satellite.index)]) {
        return false;
    }
    std::array<std::string, kSatelliteFields> row;
    row[kSatIndex] = std::to_string(satellite.index);
    row[kSatName] = satellite.name;
    row[kSatBlank] = "N";
    row[kSatLnbHigh] = "10600";
    row[kSatLnbLow] = "09750";
    row[kSatPosition] = "0";
    row[kSatPositioner] = std::to_string(satellite.positionTenths.value_or(0));
    const auto at = tokens.begin() + static_cast<std::ptrdiff_t>(span.end);
    tokens.insert(at, std::make_move_iterator(row.begin()), std::make_move_iterator(row.end()));
    return true;
}

ImportPreview previewImportToNew(const TokenArray& tokens, const NewSatellite& satellite,
                                 const std::vector<ScanTransponder>& transponders,
                                 std::string_view bouquet) {
    TokenArray with = tokens;
    if (!addSatelliteRow(with, satellite)) {
        ImportPreview preview;
        preview.satellite = satellite.index;
        preview.error = format("CANCELED : The satellite Index %d is taken!!!", satellite.index);
        return preview;
    }
    return previewImport(with, satellite.index, transponders, bouquet);
}

std::size_t importTranspondersToNew(ListDocument& document, const ImportPreview& preview,
                                    const NewSatellite& satellite) {
    if (!document.editable()) return 0;
    // Made on a copy, so that a refusal of either part leaves the list as it was.
    TokenArray with = document.tokens();
    std::string error;
    std::optional<std::size_t> added;
    if (!addSatelliteRow(with, satellite)) {
        error = format("CANCELED : The satellite Index %d is taken!!!", satellite.index);
    } else {
        added = addImportedTransponders(with, preview, error);
    }
    if (!added || *added == 0) {
        if (!error.empty()) document.ui().message(error);
        return 0;
    }
    document.edit(
        kImportTranspondersLabel,
        [&with](ListEdit& list) {
            list.tokens() = std::move(with);
            return true;
        },
        Renumber::No);
    return *added;
}

std::string newSatelliteText(const NewSatellite& satellite) {
    const std::string position = positionText(satellite.positionTenths);
    return format("New satellite: %s%s%s (Index %d)", utf8Name(satellite.name).c_str(),
                  position.empty() ? "" : " ", position.c_str(), satellite.index);
}

}  // namespace sky
