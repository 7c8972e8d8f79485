#include "editor/compare/OutOfOrder.h"

#include <algorithm>
#include <optional>
#include <tuple>

namespace sky {

namespace {

struct Pair {
    std::uint32_t a;
    std::uint32_t b;
};

// For each pair in A's order, the length of the longest run of pairs in the order of both lists
// that ends with it.
std::vector<std::uint32_t> runLengthsEndingAt(const std::vector<Pair>& pairs, bool reversed) {
    std::vector<std::uint32_t> lengths(pairs.size());
    std::vector<std::int64_t> tails;  // the least last row of B of a run of each length
    for (std::size_t k = 0; k < pairs.size(); ++k) {
        const std::size_t p = reversed ? pairs.size() - 1 - k : k;
        const std::int64_t b = reversed ? -std::int64_t{pairs[p].b} : std::int64_t{pairs[p].b};
        const auto slot = std::lower_bound(tails.begin(), tails.end(), b);
        lengths[p] = static_cast<std::uint32_t>(slot - tails.begin()) + 1;
        if (slot == tails.end()) {
            tails.push_back(b);
        } else {
            *slot = b;
        }
    }
    return lengths;
}

}  // namespace

std::vector<char> rowsOutOfOrder(const RowMatching& matching, const PairTieKey& tieKey) {
    std::vector<Pair> pairs;
    for (std::size_t a = 0; a < matching.listRowOf.size(); ++a) {
        if (matching.listRowOf[a] != RowMatching::kNone) {
            pairs.push_back({static_cast<std::uint32_t>(a), matching.listRowOf[a]});
        }
    }
    std::vector<char> moved(matching.listRowOf.size(), 0);
    for (const Pair& p : pairs) moved[p.a] = 1;
    if (pairs.empty()) return moved;

    const std::vector<std::uint32_t> before = runLengthsEndingAt(pairs, false);
    const std::vector<std::uint32_t> after = runLengthsEndingAt(pairs, true);
    const std::uint32_t longest = *std::max_element(before.begin(), before.end());
    // The pairs that are the k-th of some longest run, by k.
    std::vector<std::vector<std::size_t>> byStep(longest + 1);
    for (std::size_t p = 0; p < pairs.size(); ++p) {
        if (before[p] + after[p] - 1 == longest) byStep[before[p]].push_back(p);
    }
    // Each step takes, of the pairs after the one taken before, the best by the tie rule; each
    // such pair continues to a longest run.
    const auto rank = [&](const Pair& p) {
        const std::uint32_t distance = p.a > p.b ? p.a - p.b : p.b - p.a;
        return std::make_tuple(distance, tieKey(p.a, p.b), std::min(p.a, p.b));
    };
    const Pair* last = nullptr;
    for (std::uint32_t step = 1; step <= longest; ++step) {
        const Pair* best = nullptr;
        std::optional<decltype(rank(pairs[0]))> bestRank;  // once another pair competes
        for (const std::size_t p : byStep[step]) {
            const Pair& candidate = pairs[p];
            if (last && (candidate.a <= last->a || candidate.b <= last->b)) continue;
            if (!best) {
                best = &candidate;
                continue;
            }
            if (!bestRank) bestRank = rank(*best);
            const auto candidateRank = rank(candidate);
            if (candidateRank < *bestRank) {
                best = &candidate;
                bestRank = candidateRank;
            }
        }
        if (!best) break;  // not reached: each step has a pair after the one before
        moved[best->a] = 0;
        last = best;
    }
    return moved;
}

}  // namespace sky
