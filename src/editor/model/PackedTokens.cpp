#include "editor/model/PackedTokens.h"

namespace sky {

PackedTokens::PackedTokens(const TokenArray& tokens) {
    std::size_t total = 0;
    for (const std::string& cell : tokens) total += cell.size();
    chars_.reserve(total);
    ends_.reserve(tokens.size());
    for (const std::string& cell : tokens) append(cell);
}

void PackedTokens::append(std::string_view cell) {
    chars_ += cell;
    ends_.push_back(static_cast<std::uint32_t>(chars_.size()));
}

void PackedTokens::unpackInto(TokenArray& tokens) const {
    tokens.resize(ends_.size());
    for (std::size_t i = 0; i < ends_.size(); ++i) tokens[i] = cell(i);
}

std::string_view PackedTokens::cell(std::size_t i) const {
    const std::uint32_t start = i == 0 ? 0 : ends_[i - 1];
    return std::string_view(chars_).substr(start, ends_[i] - start);
}

std::size_t PackedTokens::bytes() const {
    return chars_.capacity() + ends_.capacity() * sizeof(std::uint32_t);
}

}  // namespace sky
