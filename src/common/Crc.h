#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace sky {

// CRC-16/ARC: reflected polynomial 0xA001, initial value 0, no final complement. Protects each
// record of the receiver image.
const std::array<uint16_t, 256>& crc16Table();
uint16_t crc16(const uint8_t* data, size_t length, uint16_t crc = 0);

// The standard CRC-32 (reflected polynomial 0xEDB88320, initial value and final complement
// 0xFFFFFFFF). Protects the download file, its packets and the download's packet headers.
const std::array<uint32_t, 256>& crc32Table();
uint32_t crc32(const uint8_t* data, size_t length);

}  // namespace sky
