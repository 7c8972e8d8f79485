#pragma once

#include <cstdint>
#include <vector>

namespace sky {

// A compiled receiver image: the address of its first byte and its bytes, in whole lines of 16.
// Its hex text (hexText()) is what base.hex holds.
struct CompiledImage {
    uint32_t address = 0;
    std::vector<uint8_t> bytes;
};

}  // namespace sky
