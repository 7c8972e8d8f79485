#include "editor/match/RowMatching.h"

#include <cstdlib>
#include <string_view>
#include <unordered_map>

#include "editor/model/RowValues.h"

namespace sky {

namespace {

// Frequencies within the tolerance lie in the same bucket or in a neighbouring one.
constexpr std::int32_t kBucketWidth = kFrequencyTolerance + 1;

std::int64_t bucketOf(std::int32_t frequency) {
    return frequency >= 0 ? frequency / kBucketWidth
                          : (frequency - kBucketWidth + 1) / kBucketWidth;
}

struct IdentityKey {
    std::array<std::int64_t, 5> identity;
    std::int64_t bucket;
    bool operator==(const IdentityKey&) const = default;
};

struct IdentityHash {
    std::size_t operator()(const IdentityKey& key) const {
        std::uint64_t h = static_cast<std::uint64_t>(key.bucket) * 0x9E3779B97F4A7C15ull;
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

void matchByIdentity(std::span<const MatchRow> reference, std::span<const MatchRow> list,
                     RowMatching& result) {
    std::unordered_map<IdentityKey, Candidates, IdentityHash> byKey;
    byKey.reserve(list.size());
    for (std::size_t row = 0; row < list.size(); ++row) {
        const MatchRow& r = list[row];
        if (r.isNull || !r.hasIdentity) continue;
        byKey[{r.identity, bucketOf(r.frequency)}].rows.push_back(static_cast<std::uint32_t>(row));
    }
    for (std::size_t ref = 0; ref < reference.size(); ++ref) {
        const MatchRow& wanted = reference[ref];
        if (wanted.isNull || !wanted.hasIdentity) continue;
        std::uint32_t best = RowMatching::kNone;
        // Smaller is better: another satellite, then the distance of the frequencies.
        std::int64_t bestRank = INT64_MAX;
        const std::int64_t bucket = bucketOf(wanted.frequency);
        for (std::int64_t b = bucket - 1; b <= bucket + 1; ++b) {
            const auto found = byKey.find({wanted.identity, b});
            if (found == byKey.end()) continue;
            Candidates& candidates = found->second;
            while (candidates.next < candidates.rows.size() &&
                   result.referenceRowOf[candidates.rows[candidates.next]] != RowMatching::kNone) {
                ++candidates.next;
            }
            for (std::size_t k = candidates.next; k < candidates.rows.size(); ++k) {
                const std::uint32_t row = candidates.rows[k];
                if (result.referenceRowOf[row] != RowMatching::kNone) continue;
                const std::int64_t distance = std::abs(list[row].frequency - wanted.frequency);
                if (distance > kFrequencyTolerance) continue;
                const bool sameSatellite =
                    wanted.satellite != 0 && list[row].satellite == wanted.satellite;
                const std::int64_t rank = (sameSatellite ? 0 : 16) + distance;
                if (rank < bestRank || (rank == bestRank && row < best)) {
                    bestRank = rank;
                    best = row;
                }
                if (rank == 0) break;  // the earliest row of the best kind in this bucket
            }
        }
        if (best != RowMatching::kNone) pair(result, ref, best, MatchedBy::Identity);
    }
}

void matchByName(std::span<const MatchRow> reference, std::span<const MatchRow> list,
                 RowMatching& result) {
    std::unordered_map<FoldedName, Candidates, FoldedNameHasher> byName;
    byName.reserve(list.size());
    for (std::size_t row = 0; row < list.size(); ++row) {
        const MatchRow& r = list[row];
        if (r.isNull || r.name.empty() || result.referenceRowOf[row] != RowMatching::kNone) {
            continue;
        }
        byName[{r.name}].rows.push_back(static_cast<std::uint32_t>(row));
    }
    for (std::size_t ref = 0; ref < reference.size(); ++ref) {
        const MatchRow& wanted = reference[ref];
        if (wanted.isNull || wanted.name.empty() || result.listRowOf[ref] != RowMatching::kNone) {
            continue;
        }
        const auto found = byName.find({wanted.name});
        if (found == byName.end()) continue;
        Candidates& candidates = found->second;
        if (candidates.next == candidates.rows.size()) continue;
        pair(result, ref, candidates.rows[candidates.next++], MatchedBy::Name);
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
