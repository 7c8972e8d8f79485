#pragma once

#include <cstddef>
#include <span>
#include <vector>

namespace sky {

// The order in which the channel sort leaves a list of records, given each record's rank (equal
// ranks for equal keys, smaller ranks first).
//
// The sort is an exchange sort: for each position i, every later record j that must come before
// the record now at i is swapped with it. It is not stable, and users see the order it gives to
// records of equal keys, so that order is kept exactly; but it is computed without the quadratic
// number of comparisons and swaps:
//
// Records leave the sort in ascending rank. The records of rank at most k are rearranged exactly
// as a sort of those records alone would rearrange them, so the order within rank k depends only
// on where the records of smaller rank stand among them. Each smaller record, taken in list order,
// that has p records of rank k before it moves the first of the current rank-k order behind the
// next p - 1 (a rotation of the first p by one). Counting the smaller records between consecutive
// rank-k records gives the rotations in O(n log n); the rotations themselves cost at most the
// square of the largest rank's size, and only when such records interleave with smaller ones.
//
// Returns, for each position of the sorted list, the index of the record that ends up there.
std::vector<std::size_t> exchangeSortOrder(std::span<const int> ranks);

}  // namespace sky
