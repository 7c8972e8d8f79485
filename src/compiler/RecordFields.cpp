#include "compiler/RecordFields.h"

#include <algorithm>

namespace sky {

namespace {

// A character of a field; positions past its end read as NUL, like the zeroed field areas the
// text was always read into.
int charAt(std::string_view field, size_t i) {
    return i < field.size() ? field[i] : 0;
}

// A packed pair: the first character in the high half, the second as a digit in the low half.
uint8_t packPair(int high, int low) {
    return static_cast<uint8_t>((static_cast<unsigned>(high) << 4) |
                                static_cast<unsigned>(low - '0'));
}

}  // namespace

void putDigitField(std::span<uint8_t> record, size_t offset, std::string_view field) {
    const size_t skip = field.size() == 5 ? 1 : 0;
    record[offset] = skip ? static_cast<uint8_t>(charAt(field, 0) - '0') : 0;
    record[offset + 1] = packPair(charAt(field, skip), charAt(field, skip + 1));
    record[offset + 2] = packPair(charAt(field, skip + 2), charAt(field, skip + 3));
}

void putAudioSubcarriers(std::span<uint8_t> record, size_t offset, std::string_view left,
                         std::string_view right) {
    record[offset] = packPair(charAt(left, 0), charAt(left, 2));
    record[offset + 1] = packPair(charAt(left, 3), charAt(right, 0));
    record[offset + 2] = packPair(charAt(right, 2), charAt(right, 3));
}

void putName(std::span<uint8_t> record, size_t offset, std::string_view name, size_t maxLength) {
    const size_t length = std::min(name.size(), maxLength);
    for (size_t i = 0; i < length; ++i) {
        record[offset + i] = static_cast<uint8_t>(name[i] == '~' ? ' ' : name[i]);
    }
}

}  // namespace sky
