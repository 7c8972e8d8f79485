#include "editor/sort/SortOrder.h"

#include <algorithm>

namespace sky {
namespace {

// Counts marked positions below a bound.
class PositionCounter {
public:
    explicit PositionCounter(std::size_t size) : tree_(size + 1, 0) {}

    void mark(std::size_t position) {
        for (std::size_t i = position + 1; i < tree_.size(); i += i & (~i + 1)) ++tree_[i];
    }

    // Marked positions below `bound`.
    std::size_t countBelow(std::size_t bound) const {
        std::size_t count = 0;
        for (std::size_t i = bound; i > 0; i -= i & (~i + 1)) count += tree_[i];
        return count;
    }

private:
    std::vector<std::size_t> tree_;
};

}  // namespace

std::vector<std::size_t> exchangeSortOrder(std::span<const int> ranks) {
    const std::size_t n = ranks.size();
    std::vector<std::size_t> order;
    if (n == 0) return order;
    order.reserve(n);

    // The records of each rank in list order: members[first[k] .. first[k + 1]).
    const int rankCount = *std::max_element(ranks.begin(), ranks.end()) + 1;
    std::vector<std::size_t> first(static_cast<std::size_t>(rankCount) + 1, 0);
    for (const int rank : ranks) ++first[static_cast<std::size_t>(rank) + 1];
    for (std::size_t k = 1; k < first.size(); ++k) first[k] += first[k - 1];
    std::vector<std::size_t> members(n);
    std::vector<std::size_t> next(first.begin(), first.end() - 1);
    for (std::size_t i = 0; i < n; ++i) members[next[static_cast<std::size_t>(ranks[i])]++] = i;

    PositionCounter smaller(n);
    for (std::size_t k = 0; k + 1 < first.size(); ++k) {
        const auto group = std::span(members).subspan(first[k], first[k + 1] - first[k]);
        const std::size_t groupStart = order.size();
        order.insert(order.end(), group.begin(), group.end());
        const auto current = order.begin() + static_cast<std::ptrdiff_t>(groupStart);
        // The smaller records after the p-th record of this rank and before the next one each
        // rotate the first p of the current order.
        for (std::size_t p = 1; p <= group.size(); ++p) {
            const std::size_t bound = p < group.size() ? group[p] : n;
            const std::size_t between =
                smaller.countBelow(bound) - smaller.countBelow(group[p - 1]);
            const std::size_t shift = between % p;
            if (shift != 0) {
                std::rotate(current, current + static_cast<std::ptrdiff_t>(shift),
                            current + static_cast<std::ptrdiff_t>(p));
            }
        }
        for (const std::size_t position : group) smaller.mark(position);
    }
    return order;
}

}  // namespace sky
