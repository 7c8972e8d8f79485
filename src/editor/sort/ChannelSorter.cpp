#include "editor/sort/ChannelSorter.h"

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <vector>

#include "editor/editing/Renumber.h"
#include "editor/model/ChannelRecords.h"
#include "editor/model/DetailRows.h"
#include "editor/model/FieldText.h"
#include "editor/model/SectionMap.h"
#include "editor/sort/SortOrder.h"

namespace sky {
namespace {

// The first eight bytes of a text as one number, padded with zero bytes: texts whose numbers
// differ compare as their numbers do in byte order; only equal numbers need the whole texts.
std::uint64_t leadingBytes(const std::string& text) {
    std::uint64_t lead = 0;
    for (std::size_t i = 0; i < 8; ++i) {
        lead = lead << 8 | (i < text.size() ? static_cast<unsigned char>(text[i]) : 0u);
    }
    return lead;
}

// A text key in byte order.
struct TextKey {
    std::uint64_t lead = 0;
    std::string text;

    void assign(std::string value) {
        text = std::move(value);
        lead = leadingBytes(text);
    }
    // Negative, zero or positive as this text comes before, with or after the other.
    int compare(const TextKey& other) const {
        if (lead != other.lead) return lead < other.lead ? -1 : 1;
        return text.compare(other.text);
    }
};

// A record's keys, read once. Keys a mode does not use stay equal for every record.
struct SortKey {
    long long satellite = 0;
    std::string type;
    long long frequency = 0;
    TextKey bouquet;
    TextKey name;
};

bool comesBefore(const SortKey& a, const SortKey& b, bool descendingNames) {
    if (a.satellite != b.satellite) return a.satellite < b.satellite;
    if (a.type != b.type) return a.type > b.type;
    if (a.frequency != b.frequency) return a.frequency < b.frequency;
    if (const int order = a.bouquet.compare(b.bouquet)) return order < 0;
    const int order = a.name.compare(b.name);
    return descendingNames ? order > 0 : order < 0;
}

// Dense ranks: equal keys share a rank, and a smaller rank comes first.
std::vector<int> rankKeys(const std::vector<SortKey>& keys, bool descendingNames) {
    std::vector<std::size_t> sorted(keys.size());
    std::iota(sorted.begin(), sorted.end(), 0);
    const auto before = [&](std::size_t a, std::size_t b) {
        return comesBefore(keys[a], keys[b], descendingNames);
    };
    std::sort(sorted.begin(), sorted.end(), before);
    std::vector<int> ranks(keys.size());
    int rank = 0;
    for (std::size_t k = 0; k < sorted.size(); ++k) {
        if (k > 0 && before(sorted[k - 1], sorted[k])) ++rank;
        ranks[sorted[k]] = rank;
    }
    return ranks;
}

// Where the keys stand in a record of each kind.
struct KeyCells {
    int satellite;
    int type;
    int name;
};

constexpr KeyCells keyCells(RecordKind kind) {
    return kind == RecordKind::Digital ? KeyCells{kChSatIndex, kChType, kChName}
           : kind == RecordKind::Pid   ? KeyCells{kPidSatIndex, kPidType, kPidName}
                                       : KeyCells{kAnSatIndex, kAnType, kAnName};
}

// Sorts one section; returns whether that changed it.
// Digital and PID channels take their transponder keys as the Digital Channel view shows them.
bool sortSection(TokenArray& tokens, const SectionSpan& span, RecordKind kind, SortMode mode,
                 bool descendingNames, const ChannelTransponders* transponders) {
    const int width = recordWidth(kind);
    const std::size_t count = span.records(width);
    if (count < 2) return false;

    const KeyCells cells = keyCells(kind);
    std::vector<SortKey> keys(count);
    for (std::size_t r = 0; r < count; ++r) {
        const std::string* record = &tokens[span.begin + r * static_cast<std::size_t>(width)];
        SortKey& key = keys[r];
        if (mode != SortMode::NameOnly) key.satellite = decimalValue(record[cells.satellite]);
        key.type = trimmedUpper(record[cells.type]);
        key.name.assign(trimmedUpper(record[cells.name]));
        if (mode == SortMode::Frequency || mode == SortMode::Bouquet) {
            if (!transponders) {
                key.frequency = decimalValue(record[kAnFrequency]);
            } else if (const std::string* tp = transponders->of(kind, record)) {
                if (mode == SortMode::Frequency) {
                    key.frequency = decimalValue(tp[ChannelTransponders::kFrequency]);
                } else {
                    key.bouquet.assign(trimmedUpper(tp[ChannelTransponders::kBouquet]));
                }
            }
        }
    }

    const std::vector<std::size_t> order = exchangeSortOrder(rankKeys(keys, descendingNames));
    if (std::is_sorted(order.begin(), order.end())) return false;
    const auto recordAt = [&](std::size_t r) {
        return tokens.begin() + static_cast<std::ptrdiff_t>(span.begin + r * width);
    };
    // Records of equal cells may trade places and leave the section as it was.
    bool changed = false;
    for (std::size_t r = 0; r < count && !changed; ++r) {
        changed =
            order[r] != r && !std::equal(recordAt(r), recordAt(r) + width, recordAt(order[r]));
    }
    // The records go to their places cycle by cycle, each moved once.
    std::vector<char> placed(count, 0);
    std::vector<std::string> held(static_cast<std::size_t>(width));
    for (std::size_t start = 0; start < count; ++start) {
        if (placed[start] || order[start] == start) continue;
        std::move(recordAt(start), recordAt(start) + width, held.begin());
        std::size_t at = start;
        for (std::size_t from = order[at]; from != start; at = from, from = order[at]) {
            std::move(recordAt(from), recordAt(from) + width, recordAt(at));
            placed[at] = 1;
        }
        std::move(held.begin(), held.end(), recordAt(at));
        placed[at] = 1;
    }
    return changed;
}

// Adds the nulls that fill each run of digital channels of one satellite and type up to a whole
// number of blocks of 100; each run's nulls follow its last channel.
void fillBlocks(TokenArray& tokens, const SectionSpan& span) {
    constexpr std::size_t kBlock = 100;
    const std::size_t width = kDigitalRecordWidth;
    const KeyCells cells = keyCells(RecordKind::Digital);
    const std::size_t count = span.records(kDigitalRecordWidth);
    const auto sameRun = [&](const std::string* a, const std::string* b) {
        return decimalValue(a[cells.satellite]) == decimalValue(b[cells.satellite]) &&
               trimmedUpper(a[cells.type]) == trimmedUpper(b[cells.type]);
    };

    std::vector<std::string> filled;
    std::size_t runLength = 0;
    for (std::size_t r = 0; r < count; ++r) {
        const std::string* record = &tokens[span.begin + r * width];
        std::move(record, record + width, std::back_inserter(filled));
        ++runLength;
        const std::string* last = &filled[filled.size() - width];
        if (r + 1 < count && sameRun(last, &tokens[span.begin + (r + 1) * width])) continue;
        const std::vector<std::string> null = nullRecord(RecordKind::Digital, last);
        for (std::size_t n = runLength % kBlock; n < kBlock; ++n) {
            filled.insert(filled.end(), null.begin(), null.end());
        }
        runLength = 0;
    }
    const auto first = tokens.begin() + static_cast<std::ptrdiff_t>(span.begin);
    const auto wholeRecords = first + static_cast<std::ptrdiff_t>(count * width);
    tokens.erase(first, wholeRecords);
    tokens.insert(tokens.begin() + static_cast<std::ptrdiff_t>(span.begin),
                  std::make_move_iterator(filled.begin()), std::make_move_iterator(filled.end()));
}

}  // namespace

std::string sortStatusText(SortMode mode) {
    switch (mode) {
        case SortMode::ChannelName:
            return "Sort by Satellite >> Type >> Channel Name";
        case SortMode::Frequency:
            return "Sort by Satellite >> Type >> Frequency >> Channel Name";
        case SortMode::Bouquet:
            return "Sort by Satellite >> Type >> Bouquet >> Channel Name";
        case SortMode::NameOnly:
            break;
    }
    return "Sort by  Channel Name";
}

void sortChannels(TokenArray& tokens, SortMode mode, const SortFlags& flags) {
    const SectionMap sections = locateSections(tokens);
    const bool descendingNames = !flags.ascendingNames;
    const bool byTransponder = mode == SortMode::Frequency || mode == SortMode::Bouquet;

    // The groups the sort changed; the others keep their numbers.
    ChannelGroups changed;
    if (byTransponder) {
        const ChannelTransponders transponders(tokens, sections);
        changed.digital = sortSection(tokens, sections[kChannelSection], RecordKind::Digital, mode,
                                      false, &transponders);
        changed.digital |= sortSection(tokens, sections[kChannelPidSection], RecordKind::Pid, mode,
                                       false, &transponders);
    } else {
        changed.digital = sortSection(tokens, sections[kChannelSection], RecordKind::Digital, mode,
                                      descendingNames, nullptr);
        changed.digital |= sortSection(tokens, sections[kChannelPidSection], RecordKind::Pid, mode,
                                       descendingNames, nullptr);
    }
    changed.analog = sortSection(tokens, sections[kAnalogTpSection], RecordKind::Analog, mode,
                                 descendingNames, nullptr);

    if (flags.renumberAfterSort) renumberChannels(tokens, sections, changed);
}

void ChannelSorter::sort(TokenArray& tokens, SortMode mode) {
    mode_ = mode;
    sortChannels(tokens, mode, flags);
}

void ChannelSorter::arrangeBlocks(TokenArray& tokens) {
    revertCopy_ = tokens;
    sortChannels(tokens, SortMode::ChannelName, flags);
    fillBlocks(tokens, locateSections(tokens)[kChannelSection]);
    sortChannels(tokens, SortMode::ChannelName, flags);
    renumberChannels(tokens, locateSections(tokens), {.digital = true});
}

bool ChannelSorter::revertBlocks(TokenArray& tokens) {
    if (!revertCopy_) return false;
    tokens = std::move(*revertCopy_);
    revertCopy_.reset();
    return true;
}

}  // namespace sky
