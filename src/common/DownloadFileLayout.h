#pragma once

#include <cstddef>

namespace sky {

// The download file: a header with the image's totals, then packets, each a head with its load
// address and length, the data and the data's CRC-32.
inline constexpr size_t kFileHeaderSize = 14;
inline constexpr size_t kPacketHeaderSize = 12;
inline constexpr size_t kPacketCrcSize = 4;

}  // namespace sky
