#include "common/Crc.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

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

TEST(Crc, Crc32OfEveryLengthMatchesTheBytewiseDefinition) {
    std::vector<uint8_t> data(100);
    for (size_t i = 0; i < data.size(); ++i) data[i] = static_cast<uint8_t>(i * 37 + 11);
    for (size_t length = 0; length <= data.size(); ++length) {
        uint32_t expected = 0xFFFFFFFFu;
        for (size_t i = 0; i < length; ++i) {
            expected ^= data[i];
            for (int bit = 0; bit < 8; ++bit) {
                expected = (expected & 1) ? (expected >> 1) ^ 0xEDB88320u : expected >> 1;
            }
        }
        EXPECT_EQ(crc32(data.data(), length), expected ^ 0xFFFFFFFFu) << length;
    }
}

// Any run of bytes, at any offset and with any starting value, gives the bit-by-bit CRC-16.
TEST(Crc, Crc16OfAnyRunMatchesTheBitwiseDefinition) {
    std::mt19937 random(16);
    std::vector<uint8_t> data(300);
    for (uint8_t& byte : data) byte = static_cast<uint8_t>(random());
    for (int round = 0; round < 2000; ++round) {
        const size_t offset = random() % 16;
        const size_t length = random() % (round < 1000 ? 48 : data.size() - offset);
        const auto start = static_cast<uint16_t>(random());
        uint16_t expected = start;
        for (size_t i = offset; i < offset + length; ++i) {
            expected ^= data[i];
            for (int bit = 0; bit < 8; ++bit) {
                expected = (expected & 1) ? static_cast<uint16_t>((expected >> 1) ^ 0xA001)
                                          : static_cast<uint16_t>(expected >> 1);
            }
        }
        EXPECT_EQ(crc16(data.data() + offset, length, start), expected) << offset << " " << length;
    }
}

}  // namespace
}  // namespace sky
