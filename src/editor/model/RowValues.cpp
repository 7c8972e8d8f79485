#include "editor/model/RowValues.h"

#include <algorithm>

#include "db/RecordLayout.h"
#include "db/RowFields.h"

namespace sky {

namespace {

char foldedAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace

bool isNullChannel(RecordKind kind, const std::string* record) {
    switch (kind) {
        case RecordKind::Digital:
            return firstChar(record[kChBlank]) == 'Y';
        case RecordKind::Pid:
            return firstChar(record[kPidBlank]) == 'Y';
        case RecordKind::Analog:
            break;
    }
    return firstChar(record[kAnBlank]) == 'Y';
}

std::size_t channelNameField(RecordKind kind) {
    return kind == RecordKind::Digital ? std::size_t{kChName}
           : kind == RecordKind::Pid   ? std::size_t{kPidName}
                                       : std::size_t{kAnName};
}

std::size_t channelSatelliteField(RecordKind kind) {
    return kind == RecordKind::Digital ? std::size_t{kChSatIndex}
           : kind == RecordKind::Pid   ? std::size_t{kPidSatIndex}
                                       : std::size_t{kAnSatIndex};
}

bool sameFoldedName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return foldedAscii(x) == foldedAscii(y);
           });
}

// FNV-1a over the name's upper-case letters.
std::uint64_t foldedNameHash(std::string_view name) {
    std::uint64_t h = 14695981039346656037ull;
    for (const char c : name) {
        h = (h ^ static_cast<unsigned char>(foldedAscii(c))) * 1099511628211ull;
    }
    return h;
}

TransponderIndex::TransponderIndex(const TokenArray& tokens, const SectionMap& sections) {
    const SectionSpan& span = sections[kDigitalTpSection];
    const std::size_t count = span.records(kTransponderFields);
    byIndex_.reserve(count);
    for (std::size_t row = 0; row < count; ++row) {
        const std::optional<std::int32_t> index =
            decimalField(tokens[span.begin + row * kTransponderFields + kTpIndex]);
        if (index) byIndex_.emplace_back(*index, static_cast<std::uint32_t>(row));
    }
    std::sort(byIndex_.begin(), byIndex_.end());
}

std::optional<std::size_t> TransponderIndex::rowOf(std::string_view tpIndexCell) const {
    const std::optional<std::int32_t> index = decimalField(tpIndexCell);
    if (!index) return std::nullopt;
    const auto found =
        std::lower_bound(byIndex_.begin(), byIndex_.end(), std::make_pair(*index, 0u));
    if (found == byIndex_.end() || found->first != *index) return std::nullopt;
    return found->second;
}

}  // namespace sky
