#include "editor/model/Degree.h"

#include <gtest/gtest.h>

#include "support/RecordingUi.h"

namespace sky {
namespace {

TEST(Degree, StoredToDisplay) {
    EXPECT_EQ(degreeToDisplay("1234"), "E123.4");
    EXPECT_EQ(degreeToDisplay("-0450"), "W045.0");
    EXPECT_EQ(degreeToDisplay("+0005"), "E000.5");
    EXPECT_EQ(degreeToDisplay("  0 "), "E000.0");
    // Whole degrees wrap at 365, not 360.
    EXPECT_EQ(degreeToDisplay("9876"), "E257.6");
    // Only the leading digits count.
    EXPECT_EQ(degreeToDisplay("12a3"), "E001.2");
    EXPECT_EQ(degreeToDisplay("-"), "W000.0");
}

TEST(Degree, DisplayToStored) {
    EXPECT_EQ(degreeToStored("E123.4"), "1234");
    EXPECT_EQ(degreeToStored("w45.5"), "-0455");
    EXPECT_EQ(degreeToStored("W000.0"), "0000");
    EXPECT_EQ(degreeToStored("W000.1"), "-0001");
    EXPECT_EQ(degreeToStored("E400.0"), "0400");
    EXPECT_EQ(degreeToStored("123"), "1230");
    EXPECT_EQ(degreeToStored("+7."), "0070");
    EXPECT_EQ(degreeToStored("-12.34"), "-0123");
    EXPECT_EQ(degreeToStored(" e 5.5 "), "0055");
}

TEST(Degree, RoundTripOfEveryStoredValueInRange) {
    for (int tenths = -1800; tenths <= 1800; ++tenths) {
        const std::string stored =
            tenths < 0 ? "-" + std::to_string(-tenths) : std::to_string(tenths);
        const std::optional<std::string> display = degreeToDisplay(stored);
        ASSERT_TRUE(display) << stored;
        const std::optional<std::string> back = degreeToStored(*display);
        ASSERT_TRUE(back) << *display;
        EXPECT_EQ(std::stoi(*back), tenths) << stored << " " << *display << " " << *back;
    }
}

TEST(Degree, FailuresAreReported) {
    test::RecordingUi ui;
    EXPECT_FALSE(degreeToDisplay("E123", ui));
    EXPECT_FALSE(degreeToDisplay("", ui));
    EXPECT_FALSE(degreeToStored("N12.0", ui));
    EXPECT_FALSE(degreeToStored("   ", ui));
    // A tenths character that is not a digit.
    EXPECT_FALSE(degreeToStored("E12.x", ui));
    // Too long for the conversion's work buffer, on either side.
    EXPECT_FALSE(degreeToDisplay(std::string(20, '1'), ui));
    EXPECT_FALSE(degreeToStored("E" + std::string(19, '1'), ui));
    EXPECT_EQ(ui.messages, std::vector<std::string>(7, "ERROR in converting degree format!!!"));

    ui.messages.clear();
    EXPECT_EQ(degreeToDisplay(std::string(19, '9'), ui), "E099.9");
    EXPECT_EQ(degreeToStored("E" + std::string(18, '9'), ui), "2790");
    EXPECT_TRUE(ui.messages.empty());
}

}  // namespace
}  // namespace sky
