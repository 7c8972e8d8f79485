#include "editor/duplicates/DuplicateKeys.h"

#include <algorithm>

#include "db/RecordLayout.h"
#include "db/RowFields.h"
#include "editor/model/FieldText.h"

namespace sky {

namespace {

std::uint64_t keyHash(const ExactKey& key) {
    std::uint64_t h = 0x9E3779B97F4A7C15ull;
    for (const std::int64_t value : key.values) {
        h ^= static_cast<std::uint64_t>(value) + 0x9E3779B97F4A7C15ull + (h << 6) + (h >> 2);
    }
    return h ^ (h >> 31);
}

// The rows grouped by a key: hash(row) gives nothing for a row that matches nothing.
template <class Hash, class Equal>
std::vector<std::uint32_t> groupByKey(std::size_t rows, Hash hash, Equal equal) {
    constexpr std::uint32_t kEmpty = DuplicateKeys::kMatchesNothing;
    std::vector<std::uint32_t> first(rows, kEmpty);
    std::size_t size = 16;
    while (size < rows * 2) size *= 2;
    std::vector<std::uint32_t> slots(size, kEmpty);
    const std::size_t mask = size - 1;
    for (std::size_t row = 0; row < rows; ++row) {
        const std::optional<std::uint64_t> h = hash(row);
        if (!h) continue;
        std::size_t slot = static_cast<std::size_t>(*h) & mask;
        while (slots[slot] != kEmpty && !equal(slots[slot], row)) slot = (slot + 1) & mask;
        if (slots[slot] == kEmpty) slots[slot] = static_cast<std::uint32_t>(row);
        first[row] = slots[slot];
    }
    return first;
}

// A transponder's satellite, frequency, symbol rate and polarization; nothing when a number
// cannot be read.
std::optional<std::array<std::int64_t, 4>> tuning(const std::string* tp) {
    const std::optional<std::int32_t> satellite = decimalField(tp[kTpSatIndex]);
    const std::optional<std::int32_t> frequency = decimalField(tp[kTpFrequency]);
    const std::optional<std::int32_t> symbolRate = decimalField(tp[kTpSymbolRate]);
    if (!satellite || !frequency || !symbolRate) return std::nullopt;
    return std::array<std::int64_t, 4>{*satellite, *frequency, *symbolRate,
                                       firstChar(tp[kTpPolarisation])};
}

// The kind of channel record a channel section holds.
RecordKind recordKind(DuplicateSection section) {
    return section == DuplicateSection::Digital ? RecordKind::Digital
           : section == DuplicateSection::Pid   ? RecordKind::Pid
                                                : RecordKind::Analog;
}

}  // namespace

SectionState sectionState(DuplicateSection section) {
    switch (section) {
        case DuplicateSection::Digital:
            return kChannelSection;
        case DuplicateSection::Pid:
            return kChannelPidSection;
        case DuplicateSection::Analog:
            return kAnalogTpSection;
        case DuplicateSection::Transponder:
            break;
    }
    return kDigitalTpSection;
}

std::size_t rowWidth(DuplicateSection section) {
    return static_cast<std::size_t>(sectionInfo(sectionState(section)).rowLength);
}

std::size_t indexField(DuplicateSection section) {
    switch (section) {
        case DuplicateSection::Digital:
            return kChIndex;
        case DuplicateSection::Pid:
            return kPidIndex;
        case DuplicateSection::Analog:
            return kAnIndex;
        case DuplicateSection::Transponder:
            break;
    }
    return kTpIndex;
}

std::size_t nameField(DuplicateSection section) {
    switch (section) {
        case DuplicateSection::Digital:
            return kChName;
        case DuplicateSection::Pid:
            return kPidName;
        case DuplicateSection::Analog:
            return kAnName;
        case DuplicateSection::Transponder:
            break;
    }
    return kTpComment;
}

std::size_t satelliteField(DuplicateSection section) {
    switch (section) {
        case DuplicateSection::Digital:
            return kChSatIndex;
        case DuplicateSection::Pid:
            return kPidSatIndex;
        case DuplicateSection::Analog:
            return kAnSatIndex;
        case DuplicateSection::Transponder:
            break;
    }
    return kTpSatIndex;
}

std::size_t channelTpField(DuplicateSection section) {
    return section == DuplicateSection::Pid ? std::size_t{kPidTpIndex} : std::size_t{kChTpIndex};
}

DuplicateKeys::DuplicateKeys(const TokenArray& tokens, const SectionMap& sections,
                             DuplicateSection section)
    : tokens_(tokens),
      section_(section),
      begin_(sections[sectionState(section)].begin),
      rows_(sections[sectionState(section)].records(static_cast<int>(rowWidth(section)))),
      tpBegin_(sections[kDigitalTpSection].begin) {
    if (section == DuplicateSection::Digital || section == DuplicateSection::Pid) {
        transponders_.emplace(tokens, sections);
    }
}

const std::string* DuplicateKeys::record(std::size_t row) const {
    return &tokens_[begin_ + row * rowWidth(section_)];
}

const std::string* DuplicateKeys::transponderOf(std::size_t row) const {
    if (!transponders_) return nullptr;
    const std::string* ch = record(row);
    const std::optional<std::size_t> tp = transponders_->rowOf(ch[channelTpField(section_)]);
    return tp ? &tokens_[tpBegin_ + *tp * kTransponderFields] : nullptr;
}

std::optional<ExactKey> DuplicateKeys::channelKey(const std::string* ch) const {
    const bool digital = section_ == DuplicateSection::Digital;
    const std::optional<std::int32_t> satellite = decimalField(ch[satelliteField(section_)]);
    if (!satellite) return std::nullopt;
    ExactKey key;
    // values[0] says whether the transponder was found, and its polarization; [1] to [4] name
    // the satellite and the transponder; the rest name the service.
    key.values[1] = *satellite;
    const std::string& tpIndex = ch[channelTpField(section_)];
    if (const std::optional<std::size_t> tpRow = transponders_->rowOf(tpIndex)) {
        const auto tp = tuning(&tokens_[tpBegin_ + *tpRow * kTransponderFields]);
        if (!tp) return std::nullopt;
        key.values[0] = 1 + (*tp)[3];
        std::copy(tp->begin(), tp->begin() + 3, key.values.begin() + 2);
    } else {
        const std::optional<std::int32_t> index = decimalField(tpIndex);
        if (!index) return std::nullopt;
        key.values[2] = *index;
    }
    if (digital) {
        const std::optional<std::uint32_t> serviceId = hexField(ch[kChServiceId]);
        if (!serviceId) return std::nullopt;
        key.values[5] = *serviceId;
        return key;
    }
    const std::optional<std::int32_t> video = decimalField(ch[kPidVideo]);
    const std::optional<std::int32_t> audio = decimalField(ch[kPidAudio]);
    const std::optional<std::int32_t> pcr = decimalField(ch[kPidPcr]);
    if (!video || !audio || !pcr) return std::nullopt;
    key.values[5] = *video;
    key.values[6] = *audio;
    key.values[7] = *pcr;
    return key;
}

std::optional<ExactKey> DuplicateKeys::exactKey(std::size_t row) const {
    const std::string* r = record(row);
    if (section_ != DuplicateSection::Transponder && isNullChannel(recordKind(section_), r)) {
        return std::nullopt;
    }
    switch (section_) {
        case DuplicateSection::Digital:
        case DuplicateSection::Pid:
            return channelKey(r);
        case DuplicateSection::Analog: {
            const std::optional<std::int32_t> satellite = decimalField(r[kAnSatIndex]);
            const std::optional<std::int32_t> frequency = decimalField(r[kAnFrequency]);
            if (!satellite || !frequency) return std::nullopt;
            return ExactKey{{*satellite, *frequency, firstChar(r[kAnPolarisation])}};
        }
        case DuplicateSection::Transponder:
            break;
    }
    const auto tp = tuning(r);
    if (!tp) return std::nullopt;
    return ExactKey{{(*tp)[0], (*tp)[1], (*tp)[2], (*tp)[3]}};
}

std::optional<std::string_view> DuplicateKeys::nameKey(std::size_t row) const {
    const std::string* r = record(row);
    if (section_ == DuplicateSection::Transponder || isNullChannel(recordKind(section_), r))
        return std::nullopt;
    const std::string_view name = trimmed(r[nameField(section_)]);
    if (name.empty()) return std::nullopt;
    return name;
}

std::vector<std::uint32_t> DuplicateKeys::firstAlike(DuplicateMatch match) const {
    if (match == DuplicateMatch::Name) {
        std::vector<std::string_view> names(rows_);
        std::vector<bool> named(rows_, false);
        for (std::size_t row = 0; row < rows_; ++row) {
            if (const auto name = nameKey(row)) {
                names[row] = *name;
                named[row] = true;
            }
        }
        return groupByKey(
            rows_,
            [&](std::size_t row) -> std::optional<std::uint64_t> {
                if (!named[row]) return std::nullopt;
                return foldedNameHash(names[row]);
            },
            [&](std::size_t a, std::size_t b) { return sameFoldedName(names[a], names[b]); });
    }
    std::vector<std::optional<ExactKey>> keys(rows_);
    for (std::size_t row = 0; row < rows_; ++row) keys[row] = exactKey(row);
    return groupByKey(
        rows_,
        [&](std::size_t row) -> std::optional<std::uint64_t> {
            if (!keys[row]) return std::nullopt;
            return keyHash(*keys[row]);
        },
        [&](std::size_t a, std::size_t b) { return *keys[a] == *keys[b]; });
}

bool DuplicateKeys::alike(std::size_t a, std::size_t b, DuplicateMatch match) const {
    if (match == DuplicateMatch::Name) {
        const auto nameA = nameKey(a);
        const auto nameB = nameKey(b);
        return nameA && nameB && sameFoldedName(*nameA, *nameB);
    }
    const auto keyA = exactKey(a);
    const auto keyB = exactKey(b);
    return keyA && keyB && *keyA == *keyB;
}

}  // namespace sky
