#pragma once

// Builds download files for the transfer tests: the 14-byte header with its totals and CRC-32,
// then each packet with its head, data and CRC-32.

#include <cstdint>
#include <vector>

#include "common/Crc.h"

namespace sky::test {

inline void appendBigEndian(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int shift = 8 * (bytes - 1); shift >= 0; shift -= 8) {
        out.push_back(static_cast<uint8_t>(value >> shift));
    }
}

// A packet of the given length whose bytes count up from seed.
inline std::vector<uint8_t> packetData(size_t length, uint8_t seed = 0) {
    std::vector<uint8_t> data(length);
    for (size_t i = 0; i < length; ++i) data[i] = static_cast<uint8_t>(seed + i);
    return data;
}

inline std::vector<uint8_t> downloadImage(const std::vector<std::vector<uint8_t>>& packets,
                                          uint32_t loadAddress = 0x7FF10000) {
    std::vector<uint8_t> image{0x55, 0xAA, 0x01, 0x01};
    uint32_t total = 0;
    for (const auto& data : packets) total += static_cast<uint32_t>(data.size());
    appendBigEndian(image, total, 4);
    appendBigEndian(image, static_cast<uint32_t>(packets.size()), 2);
    appendBigEndian(image, crc32(image.data(), image.size()), 4);
    uint32_t address = loadAddress;
    for (size_t n = 0; n < packets.size(); ++n) {
        std::vector<uint8_t> packet{0x5A, 0x5A};
        appendBigEndian(packet, static_cast<uint32_t>(n), 2);
        appendBigEndian(packet, address, 4);
        appendBigEndian(packet, static_cast<uint32_t>(packets[n].size()), 4);
        packet.insert(packet.end(), packets[n].begin(), packets[n].end());
        appendBigEndian(packet, crc32(packet.data(), packet.size()), 4);
        image.insert(image.end(), packet.begin(), packet.end());
        address += static_cast<uint32_t>(packets[n].size());
    }
    return image;
}

}  // namespace sky::test
