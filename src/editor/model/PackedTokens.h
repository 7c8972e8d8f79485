#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "db/TokenArray.h"

namespace sky {

// A copy of token cells packed into one block of characters and one table of cell ends: about a
// quarter of the memory of the cells themselves.
class PackedTokens {
public:
    PackedTokens() = default;
    explicit PackedTokens(const TokenArray& tokens);

    // Adds a cell at the end.
    void append(std::string_view cell);
    // Replaces the contents of `tokens` with the packed copy.
    void unpackInto(TokenArray& tokens) const;

    std::size_t size() const { return ends_.size(); }
    std::string_view cell(std::size_t i) const;
    std::size_t bytes() const;

private:
    std::string chars_;
    std::vector<std::uint32_t> ends_;
};

}  // namespace sky
