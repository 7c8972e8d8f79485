#include "common/Crc.h"

namespace sky {

namespace {

constexpr std::array<uint16_t, 256> makeCrc16Table() {
    std::array<uint16_t, 256> table{};
    for (unsigned i = 0; i < 256; ++i) {
        uint16_t crc = static_cast<uint16_t>(i);
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc & 1) ? static_cast<uint16_t>((crc >> 1) ^ 0xA001) : (crc >> 1);
        }
        table[i] = crc;
    }
    return table;
}

constexpr std::array<uint32_t, 256> makeCrc32Table() {
    std::array<uint32_t, 256> table{};
    for (uint32_t i = 0; i < 256; ++i) {
        uint32_t crc = i;
        for (int bit = 0; bit < 8; ++bit) crc = (crc & 1) ? (crc >> 1) ^ 0xEDB88320u : (crc >> 1);
        table[i] = crc;
    }
    return table;
}

// Slicing by eight: table k gives the CRC of a byte followed by k zero bytes, so eight bytes are
// folded in per step instead of one.
constexpr std::array<std::array<uint32_t, 256>, 8> makeCrc32Slices() {
    std::array<std::array<uint32_t, 256>, 8> slices{};
    slices[0] = makeCrc32Table();
    for (size_t k = 1; k < 8; ++k) {
        for (size_t i = 0; i < 256; ++i) {
            const uint32_t previous = slices[k - 1][i];
            slices[k][i] = (previous >> 8) ^ slices[0][previous & 0xFF];
        }
    }
    return slices;
}

// The same slicing for the CRC-16: its two bytes are folded into the first two of the eight, and
// all eight go through their tables at once.
constexpr std::array<std::array<uint16_t, 256>, 8> makeCrc16Slices() {
    std::array<std::array<uint16_t, 256>, 8> slices{};
    slices[0] = makeCrc16Table();
    for (size_t k = 1; k < 8; ++k) {
        for (size_t i = 0; i < 256; ++i) {
            const uint16_t previous = slices[k - 1][i];
            slices[k][i] = static_cast<uint16_t>((previous >> 8) ^ slices[0][previous & 0xFF]);
        }
    }
    return slices;
}

constexpr auto kCrc16Slices = makeCrc16Slices();
constexpr const std::array<uint16_t, 256>& kCrc16Table = kCrc16Slices[0];
constexpr auto kCrc32Slices = makeCrc32Slices();
constexpr const std::array<uint32_t, 256>& kCrc32Table = kCrc32Slices[0];

}  // namespace

const std::array<uint16_t, 256>& crc16Table() {
    return kCrc16Table;
}
const std::array<uint32_t, 256>& crc32Table() {
    return kCrc32Table;
}

uint16_t crc16(const uint8_t* data, size_t length, uint16_t crc) {
    const auto& t = kCrc16Slices;
    // Records are short, so the sliced steps take eight bytes and then four.
    for (; length >= 8; length -= 8, data += 8) {
        crc = t[7][(crc ^ data[0]) & 0xFF] ^ t[6][(crc >> 8) ^ data[1]] ^ t[5][data[2]] ^
              t[4][data[3]] ^ t[3][data[4]] ^ t[2][data[5]] ^ t[1][data[6]] ^ t[0][data[7]];
    }
    if (length >= 4) {
        crc = t[3][(crc ^ data[0]) & 0xFF] ^ t[2][(crc >> 8) ^ data[1]] ^ t[1][data[2]] ^
              t[0][data[3]];
        length -= 4;
        data += 4;
    }
    for (; length > 0; --length, ++data) {
        crc = static_cast<uint16_t>(t[0][(crc ^ *data) & 0xFF] ^ (crc >> 8));
    }
    return crc;
}

uint32_t crc32(const uint8_t* data, size_t length) {
    uint32_t crc = 0xFFFFFFFFu;
    const auto& t = kCrc32Slices;
    for (; length >= 8; length -= 8, data += 8) {
        const uint32_t low =
            crc ^ (data[0] | data[1] << 8 | data[2] << 16 | static_cast<uint32_t>(data[3]) << 24);
        crc = t[7][low & 0xFF] ^ t[6][(low >> 8) & 0xFF] ^ t[5][(low >> 16) & 0xFF] ^
              t[4][low >> 24] ^ t[3][data[4]] ^ t[2][data[5]] ^ t[1][data[6]] ^ t[0][data[7]];
    }
    for (; length > 0; --length, ++data) crc = t[0][(crc ^ *data) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

}  // namespace sky
