#pragma once

#include <cstdint>
#include <vector>

#include "db/LargeBlockAllocator.h"

namespace sky {

// The bytes of an image. A large list's image takes more than a megabyte, which comes in a huge
// page or two instead of hundreds of small ones.
using ImageBytes = std::vector<uint8_t, LargeBlockAllocator<uint8_t>>;

// A compiled receiver image: the address of its first byte and its bytes, in whole lines of 16.
// Its hex text (hexText()) is what base.hex holds.
struct CompiledImage {
    uint32_t address = 0;
    ImageBytes bytes;
};

}  // namespace sky
