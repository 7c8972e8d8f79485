#include "editor/match/RowMatching.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <unordered_map>

#include "editor/model/RowValues.h"

namespace sky {

namespace {

// The rows of one identity, frequency and satellite (0: of any satellite).
struct IdentityKey {
    std::array<std::int64_t, 5> identity;
    std::int32_t frequency;
    std::uint64_t satellite;
    bool operator==(const IdentityKey&) const = default;
};

struct IdentityHash {
    std::size_t operator()(const IdentityKey& key) const {
        std::uint64_t h =
            static_cast<std::uint64_t>(key.frequency) * 0x9E3779B97F4A7C15ull ^ key.satellite;
        for (const std::int64_t value : key.identity) {
            h ^= static_cast<std::uint64_t>(value) + 0x9E3779B97F4A7C15ull + (h << 6) + (h >> 2);
        }
        return static_cast<std::size_t>(h ^ (h >> 31));
    }
};

struct FoldedName {
    std::string_view name;
    bool operator==(const FoldedName& other) const { return sameFoldedName(name, other.name); }
};

struct FoldedNameHasher {
    std::size_t operator()(const FoldedName& key) const {
        return static_cast<std::size_t>(foldedNameHash(key.name));
    }
};

// The list rows of one key, in list order; `next` skips those already paired from the front.
struct Candidates {
    std::vector<std::uint32_t> rows;
    std::size_t next = 0;
};

void pair(RowMatching& result, std::size_t reference, std::uint32_t row, MatchedBy by) {
    result.listRowOf[reference] = row;
    result.matchedBy[reference] = by;
    result.referenceRowOf[row] = static_cast<std::uint32_t>(reference);
}

// The list rows by a key.
template <class Key, class Hash>
class CandidateMap {
public:
    explicit CandidateMap(std::size_t size) { byKey_.reserve(size); }
    void add(const Key& key, std::uint32_t row) { byKey_[key].rows.push_back(row); }

    // The first row of the key not yet paired, or kNone.
    std::uint32_t firstFree(const Key& key, const RowMatching& result) {
        const auto found = byKey_.find(key);
        if (found == byKey_.end()) return RowMatching::kNone;
        Candidates& candidates = found->second;
        while (candidates.next < candidates.rows.size() &&
               result.referenceRowOf[candidates.rows[candidates.next]] != RowMatching::kNone) {
            ++candidates.next;
        }
        return candidates.next < candidates.rows.size() ? candidates.rows[candidates.next]
                                                        : RowMatching::kNone;
    }

private:
    std::unordered_map<Key, Candidates, Hash> byKey_;
};

// Each key holds the rows of one frequency, so that the best candidate is the first free row of
// one of a few keys: those of the same satellite name before those of any, each at the distance
// 0, 1 and 2 MHz, the earlier row of the two at one distance.
void matchByIdentity(std::span<const MatchRow> reference, std::span<const MatchRow> list,
                     RowMatching& result) {
    CandidateMap<IdentityKey, IdentityHash> sameSatellite(list.size());
    CandidateMap<IdentityKey, IdentityHash> anySatellite(list.size());
    for (std::size_t row = 0; row < list.size(); ++row) {
        const MatchRow& r = list[row];
        if (r.isNull || !r.hasIdentity) continue;
        const auto index = static_cast<std::uint32_t>(row);
        if (r.satellite != 0) sameSatellite.add({r.identity, r.frequency, r.satellite}, index);
        anySatellite.add({r.identity, r.frequency, 0}, index);
    }
    for (std::size_t ref = 0; ref < reference.size(); ++ref) {
        const MatchRow& wanted = reference[ref];
        if (wanted.isNull || !wanted.hasIdentity) continue;
        const auto nearest = [&](auto& candidates, std::uint64_t satellite) {
            for (std::int32_t distance = 0; distance <= kFrequencyTolerance; ++distance) {
                const std::uint32_t below = candidates.firstFree(
                    {wanted.identity, wanted.frequency - distance, satellite}, result);
                const std::uint32_t above =
                    distance == 0
                        ? RowMatching::kNone
                        : candidates.firstFree(
                              {wanted.identity, wanted.frequency + distance, satellite}, result);
                const std::uint32_t first = std::min(below, above);
                if (first != RowMatching::kNone) return first;
            }
            return RowMatching::kNone;
        };
        std::uint32_t row =
            wanted.satellite != 0 ? nearest(sameSatellite, wanted.satellite) : RowMatching::kNone;
        if (row == RowMatching::kNone) row = nearest(anySatellite, 0);
        if (row != RowMatching::kNone) pair(result, ref, row, MatchedBy::Identity);
    }
}

void matchByName(std::span<const MatchRow> reference, std::span<const MatchRow> list,
                 RowMatching& result) {
    CandidateMap<FoldedName, FoldedNameHasher> byName(list.size());
    for (std::size_t row = 0; row < list.size(); ++row) {
        const MatchRow& r = list[row];
        if (r.isNull || r.name.empty() || result.referenceRowOf[row] != RowMatching::kNone) {
            continue;
        }
        byName.add({r.name}, static_cast<std::uint32_t>(row));
    }
    for (std::size_t ref = 0; ref < reference.size(); ++ref) {
        const MatchRow& wanted = reference[ref];
        if (wanted.isNull || wanted.name.empty() || result.listRowOf[ref] != RowMatching::kNone) {
            continue;
        }
        const std::uint32_t row = byName.firstFree({wanted.name}, result);
        if (row != RowMatching::kNone) pair(result, ref, row, MatchedBy::Name);
    }
}

}  // namespace

RowMatching matchRows(std::span<const MatchRow> reference, std::span<const MatchRow> list) {
    RowMatching result;
    result.listRowOf.assign(reference.size(), RowMatching::kNone);
    result.matchedBy.assign(reference.size(), MatchedBy::Nothing);
    result.referenceRowOf.assign(list.size(), RowMatching::kNone);
    matchByIdentity(reference, list, result);
    matchByName(reference, list, result);
    return result;
}

}  // namespace sky
