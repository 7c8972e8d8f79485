#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string_view>

#include "db/TextFormat.h"

namespace sky {

// A decimal field: optional sign and digits, nothing else. The value is taken as a 32-bit
// integer; the caller keeps the low bits its record field has room for.
std::optional<int32_t> decimalField(std::string_view field);

// A hexadecimal field, with or without a "0x" prefix.
std::optional<uint32_t> hexField(std::string_view field);

// Keyword columns are compared as prefixes of the keyword's own length.
inline bool startsWith(std::string_view field, std::string_view keyword) {
    return field.substr(0, keyword.size()) == keyword;
}

// The position of the first keyword the field begins with, or -1.
int keywordIndex(std::string_view field, std::initializer_list<std::string_view> keywords);

// Y/N and H/V columns are judged by their first character.
inline char firstChar(std::string_view field) {
    return field.empty() ? '\0' : field.front();
}

}  // namespace sky
