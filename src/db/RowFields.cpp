#include "db/RowFields.h"

#include <algorithm>
#include <array>

namespace sky {

namespace {

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

std::optional<int32_t> decimalField(std::string_view field) {
    size_t i = 0;
    bool negative = false;
    if (!field.empty() && (field[0] == '+' || field[0] == '-')) {
        negative = field[0] == '-';
        i = 1;
    }
    if (i == field.size()) return std::nullopt;
    // Values beyond the 32-bit range saturate, so that no huge number wraps into a valid index.
    constexpr int64_t kLimit = int64_t{1} << 31;
    int64_t value = 0;
    for (; i < field.size(); ++i) {
        const char c = field[i];
        if (c < '0' || c > '9') return std::nullopt;
        if (value <= kLimit) value = value * 10 + (c - '0');
    }
    if (negative) return static_cast<int32_t>(-std::min(value, kLimit));
    return static_cast<int32_t>(std::min(value, kLimit - 1));
}

std::optional<uint32_t> hexField(std::string_view field) {
    if (field.size() > 2 && field[0] == '0' && (field[1] == 'x' || field[1] == 'X')) {
        field.remove_prefix(2);
    }
    if (field.empty()) return std::nullopt;
    uint32_t value = 0;
    for (const char c : field) {
        const int digit = hexDigit(c);
        if (digit < 0) return std::nullopt;
        value = (value << 4) | static_cast<uint32_t>(digit);
    }
    return value;
}

int keywordIndex(std::string_view field, std::initializer_list<std::string_view> keywords) {
    int index = 0;
    for (const std::string_view keyword : keywords) {
        if (startsWith(field, keyword)) return index;
        ++index;
    }
    return -1;
}

}  // namespace sky
