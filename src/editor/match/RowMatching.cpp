#include "editor/match/RowMatching.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <tuple>
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
    // Among a few rows (mostly those of one identity) a look through them all is quicker than a
    // table: the first list row of the key not yet paired is the one the table would give.
    constexpr std::size_t kFewRows = 8;
    if (listRows.size() <= kFewRows) {
        std::array<std::optional<std::uint64_t>, kFewRows> listKeys;
        for (std::size_t k = 0; k < listRows.size(); ++k) {
            if (result.referenceRowOf[listRows[k]] == RowMatching::kNone) {
                listKeys[k] = keyOf(true, listRows[k]);
            }
        }
        for (const std::uint32_t ref : referenceRows) {
            if (result.listRowOf[ref] != RowMatching::kNone) continue;
            const std::optional<std::uint64_t> key = keyOf(false, ref);
            if (!key) continue;
            for (std::size_t k = 0; k < listRows.size(); ++k) {
                if (listKeys[k] != key) continue;
                if (result.referenceRowOf[listRows[k]] != RowMatching::kNone) continue;
                pair(result, ref, listRows[k], by);
                break;
            }
        }
        return;
    }
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

// The rows of one identity (and satellite name, or of any satellite) at one frequency: reference
// rows [referenceBegin, listBegin) and list rows [listBegin, end) of IdentityPairing::rows_, each
// in their list's order.
struct Run {
    std::int32_t frequency;
    std::uint32_t referenceBegin;
    std::uint32_t listBegin;
    std::uint32_t end;
};

class IdentityPairing {
public:
    IdentityPairing(std::span<const MatchRow> reference, std::span<const MatchRow> list,
                    RowMatching& result)
        : reference_(reference), list_(list), result_(result) {}

    // The rows of one identity on a satellite of the same name, then those of any satellite.
    void run() {
        for (const bool sameSatellite : {true, false}) {
            groupRuns(sameSatellite);
            for (std::int32_t distance = 0; distance <= kFrequencyTolerance; ++distance) {
                for (std::size_t group = 0; group + 1 < groups_.size(); ++group) {
                    pairAt(std::span<const Run>(runs_).subspan(groups_[group],
                                                               groups_[group + 1] - groups_[group]),
                           distance);
                }
            }
        }
    }

private:
    struct Entry {
        std::uint64_t hash;  // of the row's group: its identity, and its satellite when it counts
        std::int32_t frequency;
        bool fromList;
        std::uint32_t row;
        std::uint32_t group = 0;  // numbered in the order of the groups
    };

    const MatchRow& rowOf(bool fromList, std::uint32_t row) const {
        return fromList ? list_[row] : reference_[row];
    }

    static std::uint64_t groupHash(const MatchRow& row, bool sameSatellite) {
        std::uint64_t h = sameSatellite ? row.satellite : 0;
        for (const std::int64_t value : row.identity) {
            h ^= static_cast<std::uint64_t>(value) + 0x9E3779B97F4A7C15ull + (h << 6) + (h >> 2);
        }
        return h ^ (h >> 31);
    }

    // The rows that can pair by identity, sorted into groups, each group's runs by frequency:
    // runs_ holds the runs group after group, groups_ where each group's runs begin (and, last,
    // where they end). A group's order among the groups is of no account: no row is in two.
    void groupRuns(bool sameSatellite) {
        std::vector<Entry> entries;
        entries.reserve(reference_.size() + list_.size());
        const auto add = [&](const MatchRow& row, bool fromList, std::size_t index) {
            if (row.isNull || !row.hasIdentity || (sameSatellite && row.satellite == 0)) return;
            entries.push_back({groupHash(row, sameSatellite), row.frequency, fromList,
                               static_cast<std::uint32_t>(index)});
        };
        for (std::size_t row = 0; row < reference_.size(); ++row) {
            if (result_.listRowOf[row] == RowMatching::kNone) add(reference_[row], false, row);
        }
        for (std::size_t row = 0; row < list_.size(); ++row) {
            if (result_.referenceRowOf[row] == RowMatching::kNone) add(list_[row], true, row);
        }
        // The hash sorts the groups apart; rows of one hash are told apart by what it hashes
        // (mostly they are one group, which one look tells). Each group takes a number, in that
        // order, and its rows come by frequency.
        const auto groupOrder = [&](const Entry& a, const Entry& b) {
            if (a.hash != b.hash) return a.hash < b.hash ? -1 : 1;
            const MatchRow& rowA = rowOf(a.fromList, a.row);
            const MatchRow& rowB = rowOf(b.fromList, b.row);
            if (rowA.identity != rowB.identity) return rowA.identity < rowB.identity ? -1 : 1;
            if (sameSatellite && rowA.satellite != rowB.satellite)
                return rowA.satellite < rowB.satellite ? -1 : 1;
            return 0;
        };
        const auto byFrequency = [](const Entry& a, const Entry& b) {
            return std::tie(a.frequency, a.fromList, a.row) <
                   std::tie(b.frequency, b.fromList, b.row);
        };
        std::sort(entries.begin(), entries.end(), [&](const Entry& a, const Entry& b) {
            return a.hash != b.hash ? a.hash < b.hash : byFrequency(a, b);
        });
        std::uint32_t groups = 0;
        for (auto first = entries.begin(); first != entries.end();) {
            const auto last = std::find_if(first + 1, entries.end(),
                                           [&](const Entry& e) { return e.hash != first->hash; });
            if (std::all_of(first + 1, last,
                            [&](const Entry& e) { return !groupOrder(*first, e); })) {
                for (auto e = first; e != last; ++e) e->group = groups;
            } else {
                std::sort(first, last, [&](const Entry& a, const Entry& b) {
                    const int order = groupOrder(a, b);
                    return order != 0 ? order < 0 : byFrequency(a, b);
                });
                for (auto e = first; e != last; ++e) {
                    if (e != first && groupOrder(*(e - 1), *e) != 0) ++groups;
                    e->group = groups;
                }
            }
            ++groups;
            first = last;
        }
        rows_.resize(entries.size());
        runs_.clear();
        groups_.clear();
        for (std::size_t e = 0; e < entries.size(); ++e) {
            const Entry& entry = entries[e];
            const auto at = static_cast<std::uint32_t>(e);
            rows_[e] = entry.row;
            const bool newGroup = e == 0 || entries[e - 1].group != entry.group;
            if (newGroup) groups_.push_back(runs_.size());
            if (newGroup || runs_.back().frequency != entry.frequency) {
                runs_.push_back({entry.frequency, at, at, at});
            }
            Run& run = runs_.back();
            run.end = at + 1;
            if (!entry.fromList) run.listBegin = at + 1;
        }
        groups_.push_back(runs_.size());
    }

    std::span<const std::uint32_t> referenceRows(const Run& run) const {
        return std::span<const std::uint32_t>(rows_).subspan(run.referenceBegin,
                                                             run.listBegin - run.referenceBegin);
    }
    std::span<const std::uint32_t> listRows(const Run& run) const {
        return std::span<const std::uint32_t>(rows_).subspan(run.listBegin,
                                                             run.end - run.listBegin);
    }

    // Pairs the rows `distance` MHz apart, the lower frequencies first.
    void pairAt(std::span<const Run> runs, std::int32_t distance) {
        for (std::size_t k = 0; k < runs.size(); ++k) {
            if (distance == 0) {
                pairAmong(referenceRows(runs[k]), listRows(runs[k]));
                continue;
            }
            for (std::size_t above = k + 1; above < runs.size(); ++above) {
                if (runs[above].frequency - runs[k].frequency > distance) break;
                if (runs[above].frequency - runs[k].frequency < distance) continue;
                pairAmong(referenceRows(runs[k]), listRows(runs[above]));
                pairAmong(referenceRows(runs[above]), listRows(runs[k]));
            }
        }
    }

    // Pairs rows that are all alike by identity: by name and cells, by name, by cells, in order.
    void pairAmong(std::span<const std::uint32_t> referenceRows,
                   std::span<const std::uint32_t> listRows) {
        const auto unpaired = [](std::span<const std::uint32_t> rows,
                                 const std::vector<std::uint32_t>& partner) {
            std::vector<std::uint32_t> out;
            std::copy_if(rows.begin(), rows.end(), std::back_inserter(out),
                         [&](std::uint32_t row) { return partner[row] == RowMatching::kNone; });
            return out;
        };
        // Most identities have one row on each side: those pair without more ado.
        const auto firstUnpaired = [](std::span<const std::uint32_t> rows,
                                      const std::vector<std::uint32_t>& partner,
                                      std::size_t& count) {
            std::uint32_t first = RowMatching::kNone;
            count = 0;
            for (const std::uint32_t row : rows) {
                if (partner[row] != RowMatching::kNone) continue;
                if (count++ == 0) first = row;
            }
            return first;
        };
        std::size_t referenceCount = 0;
        std::size_t listCount = 0;
        const std::uint32_t reference =
            firstUnpaired(referenceRows, result_.listRowOf, referenceCount);
        if (referenceCount == 0) return;
        const std::uint32_t row = firstUnpaired(listRows, result_.referenceRowOf, listCount);
        if (listCount == 0) return;
        if (referenceCount == 1 && listCount == 1) {
            pair(result_, reference, row, MatchedBy::Identity);
            return;
        }
        const std::vector<std::uint32_t> references = unpaired(referenceRows, result_.listRowOf);
        const std::vector<std::uint32_t> rows = unpaired(listRows, result_.referenceRowOf);
        const auto byNameAndCells = [&](bool fromList, std::uint32_t r) {
            return std::optional<std::uint64_t>(nameAndCellsKey(rowOf(fromList, r)));
        };
        const auto byName = [&](bool fromList, std::uint32_t r) {
            return std::optional<std::uint64_t>(foldedNameHash(rowOf(fromList, r).name));
        };
        const auto byCells = [&](bool fromList, std::uint32_t r) {
            return std::optional<std::uint64_t>(rowOf(fromList, r).cells);
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
    std::vector<std::uint32_t> rows_;
    std::vector<Run> runs_;
    std::vector<std::size_t> groups_;
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
