#include "editor/match/RowMatching.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <unordered_map>

#include "editor/model/RowValues.h"

namespace sky {

namespace {

void pair(RowMatching& result, std::size_t reference, std::uint32_t row, MatchedBy by) {
    result.listRowOf[reference] = row;
    result.matchedBy[reference] = by;
    result.referenceRowOf[row] = static_cast<std::uint32_t>(reference);
}

// Pairs, of the given reference and list rows still unpaired, the k-th reference row of a key
// with the k-th list row of that key. keyOf(fromList, row) is the row's key, or nothing.
template <class KeyOf>
void pairInOrder(std::span<const std::uint32_t> referenceRows,
                 std::span<const std::uint32_t> listRows, const KeyOf& keyOf, RowMatching& result,
                 MatchedBy by) {
    // The list rows of each key, in order; `next` is the first not yet taken.
    struct Candidates {
        std::vector<std::uint32_t> rows;
        std::size_t next = 0;
    };
    std::unordered_map<std::uint64_t, Candidates> byKey;
    for (const std::uint32_t row : listRows) {
        if (result.referenceRowOf[row] != RowMatching::kNone) continue;
        if (const std::optional<std::uint64_t> key = keyOf(true, row))
            byKey[*key].rows.push_back(row);
    }
    if (byKey.empty()) return;
    for (const std::uint32_t ref : referenceRows) {
        if (result.listRowOf[ref] != RowMatching::kNone) continue;
        const std::optional<std::uint64_t> key = keyOf(false, ref);
        if (!key) continue;
        const auto found = byKey.find(*key);
        if (found == byKey.end() || found->second.next == found->second.rows.size()) continue;
        pair(result, ref, found->second.rows[found->second.next++], by);
    }
}

// The rows of one identity (and satellite name, or of any satellite) at one frequency.
struct Run {
    std::int32_t frequency;
    std::vector<std::uint32_t> reference;
    std::vector<std::uint32_t> list;
};

class IdentityPairing {
public:
    IdentityPairing(std::span<const MatchRow> reference, std::span<const MatchRow> list,
                    RowMatching& result)
        : reference_(reference), list_(list), result_(result) {}

    // The rows of one identity on a satellite of the same name, then those of any satellite.
    void run() {
        for (const bool sameSatellite : {true, false}) {
            const std::vector<std::vector<Run>> groups = groupRuns(sameSatellite);
            for (std::int32_t distance = 0; distance <= kFrequencyTolerance; ++distance) {
                for (const std::vector<Run>& runs : groups) pairAt(runs, distance);
            }
        }
    }

private:
    struct Entry {
        std::uint32_t group;
        std::int32_t frequency;
        bool fromList;
        std::uint32_t row;
        auto operator<=>(const Entry&) const = default;
    };

    struct GroupKey {
        std::array<std::int64_t, 5> identity;
        std::uint64_t satellite;
        bool operator==(const GroupKey&) const = default;
    };

    struct GroupHash {
        std::size_t operator()(const GroupKey& key) const {
            std::uint64_t h = key.satellite;
            for (const std::int64_t value : key.identity) {
                h ^=
                    static_cast<std::uint64_t>(value) + 0x9E3779B97F4A7C15ull + (h << 6) + (h >> 2);
            }
            return static_cast<std::size_t>(h ^ (h >> 31));
        }
    };

    // The rows that can pair by identity, by group, each group's runs by frequency.
    std::vector<std::vector<Run>> groupRuns(bool sameSatellite) const {
        std::unordered_map<GroupKey, std::uint32_t, GroupHash> groupOf;
        std::vector<Entry> entries;
        const auto add = [&](const MatchRow& row, bool fromList, std::size_t index) {
            if (row.isNull || !row.hasIdentity || (sameSatellite && row.satellite == 0)) return;
            const GroupKey key{row.identity, sameSatellite ? row.satellite : 0};
            const auto group =
                groupOf.try_emplace(key, static_cast<std::uint32_t>(groupOf.size())).first->second;
            entries.push_back({group, row.frequency, fromList, static_cast<std::uint32_t>(index)});
        };
        for (std::size_t row = 0; row < reference_.size(); ++row) {
            if (result_.listRowOf[row] == RowMatching::kNone) add(reference_[row], false, row);
        }
        for (std::size_t row = 0; row < list_.size(); ++row) {
            if (result_.referenceRowOf[row] == RowMatching::kNone) add(list_[row], true, row);
        }
        std::sort(entries.begin(), entries.end());
        std::vector<std::vector<Run>> groups(groupOf.size());
        for (const Entry& entry : entries) {
            std::vector<Run>& runs = groups[entry.group];
            if (runs.empty() || runs.back().frequency != entry.frequency) {
                runs.push_back({entry.frequency, {}, {}});
            }
            (entry.fromList ? runs.back().list : runs.back().reference).push_back(entry.row);
        }
        return groups;
    }

    // Pairs the rows `distance` MHz apart, the lower frequencies first.
    void pairAt(const std::vector<Run>& runs, std::int32_t distance) {
        for (std::size_t k = 0; k < runs.size(); ++k) {
            if (distance == 0) {
                pairAmong(runs[k].reference, runs[k].list);
                continue;
            }
            for (std::size_t above = k + 1; above < runs.size(); ++above) {
                if (runs[above].frequency - runs[k].frequency > distance) break;
                if (runs[above].frequency - runs[k].frequency < distance) continue;
                pairAmong(runs[k].reference, runs[above].list);
                pairAmong(runs[above].reference, runs[k].list);
            }
        }
    }

    // Pairs rows that are all alike by identity: by name and cells, by name, by cells, in order.
    void pairAmong(const std::vector<std::uint32_t>& referenceRows,
                   const std::vector<std::uint32_t>& listRows) {
        const auto unpaired = [](const std::vector<std::uint32_t>& rows,
                                 const std::vector<std::uint32_t>& partner) {
            std::vector<std::uint32_t> out;
            std::copy_if(rows.begin(), rows.end(), std::back_inserter(out),
                         [&](std::uint32_t row) { return partner[row] == RowMatching::kNone; });
            return out;
        };
        const std::vector<std::uint32_t> references = unpaired(referenceRows, result_.listRowOf);
        const std::vector<std::uint32_t> rows = unpaired(listRows, result_.referenceRowOf);
        if (references.empty() || rows.empty()) return;
        if (references.size() == 1 && rows.size() == 1) {
            pair(result_, references[0], rows[0], MatchedBy::Identity);
            return;
        }
        const auto rowOf = [&](bool fromList, std::uint32_t row) -> const MatchRow& {
            return fromList ? list_[row] : reference_[row];
        };
        const auto byNameAndCells = [&](bool fromList, std::uint32_t row) {
            return std::optional<std::uint64_t>(nameAndCellsKey(rowOf(fromList, row)));
        };
        const auto byName = [&](bool fromList, std::uint32_t row) {
            return std::optional<std::uint64_t>(foldedNameHash(rowOf(fromList, row).name));
        };
        const auto byCells = [&](bool fromList, std::uint32_t row) {
            return std::optional<std::uint64_t>(rowOf(fromList, row).cells);
        };
        const auto any = [](bool, std::uint32_t) { return std::optional<std::uint64_t>(0); };
        pairInOrder(references, rows, byNameAndCells, result_, MatchedBy::Identity);
        pairInOrder(references, rows, byName, result_, MatchedBy::Identity);
        pairInOrder(references, rows, byCells, result_, MatchedBy::Identity);
        pairInOrder(references, rows, any, result_, MatchedBy::Identity);
    }

    std::span<const MatchRow> reference_;
    std::span<const MatchRow> list_;
    RowMatching& result_;
};

std::vector<std::uint32_t> allRows(std::size_t count) {
    std::vector<std::uint32_t> rows(count);
    for (std::size_t row = 0; row < count; ++row) rows[row] = static_cast<std::uint32_t>(row);
    return rows;
}

void matchByName(std::span<const MatchRow> reference, std::span<const MatchRow> list,
                 RowMatching& result) {
    const auto byName = [&](bool fromList, std::uint32_t row) -> std::optional<std::uint64_t> {
        const MatchRow& r = fromList ? list[row] : reference[row];
        if (r.isNull || r.name.empty()) return std::nullopt;
        return foldedNameHash(r.name);
    };
    pairInOrder(allRows(reference.size()), allRows(list.size()), byName, result, MatchedBy::Name);
}

}  // namespace

RowMatching matchRows(std::span<const MatchRow> reference, std::span<const MatchRow> list) {
    RowMatching result;
    result.listRowOf.assign(reference.size(), RowMatching::kNone);
    result.matchedBy.assign(reference.size(), MatchedBy::Nothing);
    result.referenceRowOf.assign(list.size(), RowMatching::kNone);
    IdentityPairing(reference, list, result).run();
    matchByName(reference, list, result);
    return result;
}

void pairByKey(RowMatching& matching, std::span<const std::optional<std::uint64_t>> referenceKeys,
               std::span<const std::optional<std::uint64_t>> listKeys) {
    const auto keyOf = [&](bool fromList, std::uint32_t row) {
        return fromList ? listKeys[row] : referenceKeys[row];
    };
    pairInOrder(allRows(referenceKeys.size()), allRows(listKeys.size()), keyOf, matching,
                MatchedBy::Key);
}

}  // namespace sky
