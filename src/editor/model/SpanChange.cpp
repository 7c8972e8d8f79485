#include "editor/model/SpanChange.h"

#include <algorithm>

namespace sky {

DifferingSpan differingSpan(const PackedTokens& earlier, const TokenArray& later) {
    DifferingSpan span;
    const std::size_t shorter = std::min(earlier.size(), later.size());
    while (span.first < shorter && earlier.cell(span.first) == later[span.first]) ++span.first;
    std::size_t commonEnd = 0;
    while (commonEnd < shorter - span.first &&
           earlier.cell(earlier.size() - 1 - commonEnd) == later[later.size() - 1 - commonEnd]) {
        ++commonEnd;
    }
    span.earlierEnd = earlier.size() - commonEnd;
    span.laterEnd = later.size() - commonEnd;
    return span;
}

SpanChange::SpanChange(const PackedTokens& earlier, const TokenArray& later,
                       const DifferingSpan& span)
    : first_(span.first), replaced_(span.laterEnd - span.first), laterSize_(later.size()) {
    for (std::size_t i = first_; i < span.earlierEnd; ++i) cells_.append(earlier.cell(i));
}

std::optional<SpanChange> SpanChange::applyTo(TokenArray& tokens) const {
    if (tokens.size() != laterSize_) return std::nullopt;
    SpanChange back;
    back.first_ = first_;
    back.replaced_ = cells_.size();
    back.laterSize_ = laterSize_ - replaced_ + cells_.size();
    for (std::size_t i = first_; i < first_ + replaced_; ++i) back.cells_.append(tokens[i]);

    const auto at = [&](std::size_t i) { return tokens.begin() + static_cast<std::ptrdiff_t>(i); };
    const std::size_t common = std::min(cells_.size(), replaced_);
    for (std::size_t i = 0; i < common; ++i) tokens[first_ + i] = cells_.cell(i);
    if (cells_.size() > replaced_) {
        tokens.insert(at(first_ + common), cells_.size() - common, std::string());
        for (std::size_t i = common; i < cells_.size(); ++i) tokens[first_ + i] = cells_.cell(i);
    } else {
        tokens.erase(at(first_ + common), at(first_ + replaced_));
    }
    return back;
}

}  // namespace sky
