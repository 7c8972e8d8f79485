#include "editor/model/RowReorder.h"

#include <algorithm>
#include <functional>
#include <numeric>
#include <span>
#include <string_view>
#include <utility>

#include "db/TextFormat.h"
#include "editor/model/SectionMap.h"

namespace sky {

namespace {

// A hash of a row's fields after its Index, which a renumbering rewrites: rows with equal hashes
// are most likely the same row.
template <typename CellAt>
std::uint64_t fieldsHash(const CellAt& cellAt, std::size_t begin, std::size_t width) {
    std::uint64_t hash = 0xcbf29ce484222325u;
    for (std::size_t j = 1; j < width; ++j) {
        hash = (hash ^ std::hash<std::string_view>{}(cellAt(begin + j))) * 0x100000001b3u;
    }
    return hash;
}

}  // namespace

// Finds for each row of `block` in `earlier` the row of the block in `later` with the same fields
// after the Index (the first not yet taken of equal rows), appending them to `from`; false when
// a row has none.
bool RowReorder::matchRows(const PackedTokens& earlier, const TokenArray& later, const Block& block,
                           std::vector<std::uint32_t>& from) {
    const auto earlierCell = [&](std::size_t i) { return earlier.cell(i); };
    const auto laterCell = [&](std::size_t i) { return std::string_view(later[i]); };
    std::vector<std::pair<std::uint64_t, std::uint32_t>> laterRows(block.rows);
    for (std::size_t r = 0; r < block.rows; ++r) {
        laterRows[r] = {fieldsHash(laterCell, block.begin + r * block.width, block.width),
                        static_cast<std::uint32_t>(r)};
    }
    std::sort(laterRows.begin(), laterRows.end());
    std::vector<std::size_t> next(block.rows);  // by a hash's first place: its next row
    std::iota(next.begin(), next.end(), std::size_t{0});
    for (std::size_t k = 0; k < block.rows; ++k) {
        const std::size_t row = block.begin + k * block.width;
        const std::uint64_t hash = fieldsHash(earlierCell, row, block.width);
        const auto group = std::lower_bound(laterRows.begin(), laterRows.end(),
                                            std::pair<std::uint64_t, std::uint32_t>{hash, 0});
        if (group == laterRows.end() || group->first != hash) return false;
        std::size_t& taken = next[static_cast<std::size_t>(group - laterRows.begin())];
        if (taken == block.rows || laterRows[taken].first != hash) return false;
        const std::uint32_t source = laterRows[taken++].second;
        const std::size_t sourceRow = block.begin + source * block.width;
        for (std::size_t j = 1; j < block.width; ++j) {
            if (earlier.cell(row + j) != laterCell(sourceRow + j)) return false;
        }
        from.push_back(source);
    }
    return true;
}

std::optional<RowReorder> RowReorder::find(const PackedTokens& earlier, const TokenArray& later,
                                           const DifferingSpan& span) {
    if (earlier.size() != later.size()) return std::nullopt;
    // Worth keeping only when smaller than the span's cells: a short span (one edited cell) is
    // kept as cells without looking for rows.
    std::size_t spanBytes = 0;
    for (std::size_t i = span.first; i < span.earlierEnd; ++i) {
        spanBytes += earlier.cell(i).size() + sizeof(std::uint32_t);
    }
    if (spanBytes <= sizeof(RowReorder)) return std::nullopt;
    const auto laterCell = [&](std::size_t i) { return std::string_view(later[i]); };

    RowReorder reorder;
    reorder.laterSize_ = later.size();
    // The rows of each section that hold cells of the span, extended to whole rows.
    const SectionMap sections = locateSections(later);
    for (const SectionInfo& info : kSections) {
        const SectionSpan& section = sections[info.state];
        const auto width = static_cast<std::size_t>(info.rowLength);
        const std::size_t rowsEnd = section.begin + section.records(info.rowLength) * width;
        const std::size_t low = std::max(span.first, section.begin);
        const std::size_t high = std::min(span.earlierEnd, rowsEnd);
        if (!section.found || low >= high) continue;
        const std::size_t firstRow = (low - section.begin) / width;
        const std::size_t endRow = (high - section.begin + width - 1) / width;
        reorder.blocks_.push_back(
            {section.begin + firstRow * width, width, endRow - firstRow, false});
    }
    if (reorder.blocks_.empty()) return std::nullopt;
    std::sort(reorder.blocks_.begin(), reorder.blocks_.end(),
              [](const Block& a, const Block& b) { return a.begin < b.begin; });
    for (std::size_t b = 1; b < reorder.blocks_.size(); ++b) {
        const Block& before = reorder.blocks_[b - 1];
        // Sections whose markers interleave: no clear rows.
        if (before.begin + before.rows * before.width > reorder.blocks_[b].begin) {
            return std::nullopt;
        }
    }

    std::size_t rows = 0;
    for (const Block& block : reorder.blocks_) rows += block.rows;
    reorder.from_.reserve(rows);

    const auto patch = [&](std::size_t at) {
        reorder.patchAt_.push_back(static_cast<std::uint32_t>(at));
        reorder.patches_.append(earlier.cell(at));
    };
    std::size_t cell = span.first;  // the next cell of the span not yet compared
    for (Block& block : reorder.blocks_) {
        for (; cell < std::min(block.begin, span.earlierEnd); ++cell) {
            if (earlier.cell(cell) != laterCell(cell)) patch(cell);
        }
        const std::size_t firstRow = reorder.from_.size();
        if (!matchRows(earlier, later, block, reorder.from_)) return std::nullopt;
        // The Index cells either stay in place (renumbered after the reorder) or travel with
        // their rows: whichever leaves fewer cells to patch.
        const auto sourceRow = [&](std::size_t k) {
            return block.begin + reorder.from_[firstRow + k] * block.width;
        };
        std::size_t travelling = 0;
        std::size_t staying = 0;
        for (std::size_t k = 0; k < block.rows; ++k) {
            const std::size_t row = block.begin + k * block.width;
            travelling += earlier.cell(row) != laterCell(sourceRow(k)) ? 1 : 0;
            staying += earlier.cell(row) != laterCell(row) ? 1 : 0;
        }
        block.indexStays = staying < travelling;
        for (std::size_t k = 0; k < block.rows; ++k) {
            const std::size_t row = block.begin + k * block.width;
            if (earlier.cell(row) != laterCell(block.indexStays ? row : sourceRow(k))) patch(row);
        }
        cell = std::max(cell, block.begin + block.rows * block.width);
    }
    for (; cell < span.earlierEnd; ++cell) {
        if (earlier.cell(cell) != laterCell(cell)) patch(cell);
    }

    if (reorder.bytes() >= spanBytes) return std::nullopt;
    return reorder;
}

std::size_t RowReorder::sourceOf(std::size_t position) const {
    std::size_t firstRow = 0;  // the block's first row among all blocks' rows
    for (const Block& block : blocks_) {
        if (position >= block.begin && position < block.begin + block.rows * block.width) {
            const std::size_t row = (position - block.begin) / block.width;
            const std::size_t field = (position - block.begin) % block.width;
            if (field == 0 && block.indexStays) return position;
            return block.begin + from_[firstRow + row] * block.width + field;
        }
        firstRow += block.rows;
    }
    return position;
}

void RowReorder::moveRows(TokenArray& tokens, const Block& block,
                          std::span<const std::uint32_t> from) {
    // The rows go to their places cycle by cycle, each moved once. `from` is a permutation of the
    // block's rows (each later row is matched once); the walk stops after as many steps as there
    // are rows all the same.
    const std::size_t firstCell = block.indexStays ? 1 : 0;
    const auto cellsOf = [&](std::size_t row) {
        const auto begin =
            tokens.begin() + static_cast<std::ptrdiff_t>(block.begin + row * block.width);
        return std::pair(begin + static_cast<std::ptrdiff_t>(firstCell),
                         begin + static_cast<std::ptrdiff_t>(block.width));
    };
    std::vector<char> placed(block.rows, 0);
    std::vector<std::string> held(block.width - firstCell);
    for (std::size_t start = 0; start < block.rows; ++start) {
        if (placed[start] || from[start] == start) continue;
        std::move(cellsOf(start).first, cellsOf(start).second, held.begin());
        std::size_t at = start;
        for (std::size_t source = from[at], steps = 0; source != start && steps < block.rows;
             at = source, source = from[at], ++steps) {
            std::move(cellsOf(source).first, cellsOf(source).second, cellsOf(at).first);
            placed[at] = 1;
        }
        std::move(held.begin(), held.end(), cellsOf(at).first);
        placed[at] = 1;
    }
}

std::optional<RowReorder> RowReorder::applyTo(TokenArray& tokens) const {
    if (tokens.size() != laterSize_) return std::nullopt;
    RowReorder back;
    back.laterSize_ = laterSize_;
    back.blocks_ = blocks_;
    back.from_.resize(from_.size());
    // The patched cells' later contents, where the reorder put them, are the way back's patches.
    for (std::size_t p = 0; p < patchAt_.size(); ++p) {
        const std::size_t source = sourceOf(patchAt_[p]);
        back.patchAt_.push_back(static_cast<std::uint32_t>(source));
        back.patches_.append(tokens[source]);
    }
    std::size_t firstRow = 0;
    for (const Block& block : blocks_) {
        const std::span<const std::uint32_t> from(from_.data() + firstRow, block.rows);
        for (std::size_t k = 0; k < block.rows; ++k) {
            back.from_[firstRow + from[k]] = static_cast<std::uint32_t>(k);
        }
        moveRows(tokens, block, from);
        firstRow += block.rows;
    }
    for (std::size_t p = 0; p < patchAt_.size(); ++p) tokens[patchAt_[p]] = patches_.cell(p);
    return back;
}

std::size_t RowReorder::bytes() const {
    return sizeof(RowReorder) + blocks_.capacity() * sizeof(Block) +
           (from_.capacity() + patchAt_.capacity()) * sizeof(std::uint32_t) + patches_.bytes();
}

}  // namespace sky
