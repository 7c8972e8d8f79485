#include "db/NumberParse.h"

#include <gtest/gtest.h>

#include "support/RecordingUi.h"

namespace sky {
namespace {

const char kHexFailure[] = "Conversion form Hex string to Int is failed";

TEST(StringToInt, DecimalReadsTheLeadingNumber) {
    test::RecordingUi ui;
    EXPECT_EQ(StringToInt("192", 10, ui), 192);
    EXPECT_EQ(StringToInt("  -50", 10, ui), -50);
    EXPECT_EQ(StringToInt("+7abc", 10, ui), 7);
    EXPECT_EQ(StringToInt("09750", 10, ui), 9750);
    EXPECT_EQ(StringToInt("N", 10, ui), 0);
    EXPECT_EQ(StringToInt("", 10, ui), 0);
    // Too large for an int: the nearest int, never an overflow.
    EXPECT_EQ(StringToInt("99999999999", 10, ui), 2147483647);
    EXPECT_EQ(StringToInt("-99999999999", 10, ui), -2147483647 - 1);
    EXPECT_TRUE(ui.messages.empty());
}

TEST(StringToInt, HexAcceptsBothCasesAndOtherRadixesGiveZero) {
    test::RecordingUi ui;
    EXPECT_EQ(StringToInt("00a0", 16, ui), 0xA0);
    EXPECT_EQ(StringToInt("1aF", 16, ui), 0x1AF);
    EXPECT_EQ(StringToInt("0000", 16, ui), 0);
    EXPECT_EQ(StringToInt("", 16, ui), 0);
    EXPECT_EQ(StringToInt("12", 8, ui), 0);
    EXPECT_EQ(StringToInt("12", 2, ui), 0);
    EXPECT_TRUE(ui.messages.empty());
}

TEST(HexStringToInt, RefusesNonDigitsOnceWith65535) {
    test::RecordingUi ui;
    EXPECT_EQ(HexStringToInt("0x1A", ui), 65535);
    EXPECT_EQ(ui.messages, std::vector<std::string>{kHexFailure});
    // Lower case is refused by the helper itself; StringToInt upper-cases first.
    EXPECT_EQ(HexStringToInt("ab", ui), 65535);
    EXPECT_EQ(StringToInt("G1", 16, ui), 65535);
    EXPECT_EQ(ui.messages.size(), 3u);
}

TEST(HexStringToInt, WorksIn32BitArithmetic) {
    test::RecordingUi ui;
    EXPECT_EQ(HexStringToInt("7FFFFFFF", ui), 0x7FFFFFFF);
    EXPECT_EQ(HexStringToInt("FFFFFFFF", ui), -1);
    // Digits beyond the eighth from the end weigh 16^8, which is 0 in 32 bits.
    EXPECT_EQ(HexStringToInt("1000000012", ui), 0x12);
    EXPECT_TRUE(ui.messages.empty());
}

}  // namespace
}  // namespace sky
