#include "compiler/Crc.h"

#include <gtest/gtest.h>

#include <cstring>

namespace sky {
namespace {

const auto* kDigits = reinterpret_cast<const uint8_t*>("123456789");

TEST(Crc, CheckValuesAndTableEntries) {
    EXPECT_EQ(crc16(kDigits, 9), 0xBB3D);
    EXPECT_EQ(crc16Table()[0], 0x0000);
    EXPECT_EQ(crc16Table()[1], 0xC0C1);
    EXPECT_EQ(crc16Table()[255], 0x4040);
    EXPECT_EQ(crc32(kDigits, 9), 0xCBF43926u);
    EXPECT_EQ(crc32Table()[1], 0x77073096u);
}

}  // namespace
}  // namespace sky
