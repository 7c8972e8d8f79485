#include "db/NumberParse.h"

#include <gtest/gtest.h>

namespace sky {
namespace {

TEST(DecimalInt, ReadsTheLeadingNumber) {
    EXPECT_EQ(decimalInt("192"), 192);
    EXPECT_EQ(decimalInt("  -50"), -50);
    EXPECT_EQ(decimalInt("+7abc"), 7);
    EXPECT_EQ(decimalInt("09750"), 9750);
    EXPECT_EQ(decimalInt("N"), 0);
    EXPECT_EQ(decimalInt(""), 0);
    // Too large for an int: the nearest int, never an overflow.
    EXPECT_EQ(decimalInt("99999999999"), 2147483647);
    EXPECT_EQ(decimalInt("-99999999999"), -2147483647 - 1);
}

TEST(HexValue, ReadsUpperCaseOrAnyCaseAndRefusesOtherCharacters) {
    EXPECT_EQ(hexValue("00A0"), 0xA0);
    EXPECT_EQ(hexValue(""), 0);
    EXPECT_EQ(hexValue("1aF"), std::nullopt);
    EXPECT_EQ(hexValue("1aF", true), 0x1AF);
    EXPECT_EQ(hexValue("0x1A", true), std::nullopt);
    EXPECT_EQ(hexValue("G1", true), std::nullopt);
}

TEST(HexValue, WorksIn32BitArithmetic) {
    EXPECT_EQ(hexValue("7FFFFFFF"), 0x7FFFFFFF);
    EXPECT_EQ(hexValue("FFFFFFFF"), -1);
    // Digits beyond the eighth from the end weigh 16^8, which is 0 in 32 bits.
    EXPECT_EQ(hexValue("1000000012"), 0x12);
}

}  // namespace
}  // namespace sky
