#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace sky {

// Helpers that place the fields of a row into the bytes of its image record. Multi-byte numbers
// are little-endian; integer fields keep the low bits of their value.

inline void put16(std::span<uint8_t> record, size_t offset, uint32_t value) {
    record[offset] = static_cast<uint8_t>(value);
    record[offset + 1] = static_cast<uint8_t>(value >> 8);
}

// A frequency, symbol rate or oscillator frequency of 4 or 5 characters as 3 bytes: 12345 gives
// 01 23 45 and 1234 gives 00 12 34. The characters are not checked to be digits; others give
// the bytes the same arithmetic produces.
void putDigitField(std::span<uint8_t> record, size_t offset, std::string_view field);

// The left and right audio subcarriers, each written d.dd, as 3 bytes: 6.50 and 7.02 give
// 65 07 02.
void putAudioSubcarriers(std::span<uint8_t> record, size_t offset, std::string_view left,
                         std::string_view right);

// Copies at most maxLength characters of a name field, turning its "~" marks back into spaces.
// The rest of the record's name area stays as it was (zero).
void putName(std::span<uint8_t> record, size_t offset, std::string_view name, size_t maxLength);

}  // namespace sky
