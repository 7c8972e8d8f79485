// The contrast rule behind the colours the program sets: marks stay readable in light and dark
// palettes.

#include "shell/ColourContrast.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace sky::test {
namespace {

TEST(ColourContrastTest, RatioMatchesKnownPairs) {
    EXPECT_NEAR(contrastRatio({0, 0, 0}, {255, 255, 255}), 21.0, 1e-9);
    EXPECT_NEAR(contrastRatio({255, 255, 255}, {0, 0, 0}), 21.0, 1e-9);
    EXPECT_NEAR(contrastRatio({119, 119, 119}, {255, 255, 255}), 4.48, 0.01);
    EXPECT_NEAR(contrastRatio({10, 20, 30}, {10, 20, 30}), 1.0, 1e-9);
}

TEST(ColourContrastTest, MarkIsTintedInLightAndDarkPalettes) {
    // Breeze/Adwaita-like light and dark bases with their text colours.
    const struct {
        Rgb base;
        Rgb text;
    } palettes[] = {{{255, 255, 255}, {0, 0, 0}},
                    {{252, 252, 252}, {35, 38, 39}},
                    {{45, 45, 45}, {255, 255, 255}},
                    {{30, 30, 30}, {220, 220, 220}},
                    {{0, 0, 0}, {255, 255, 255}}};
    for (const auto& p : palettes) {
        const Rgb mark = markColour(p.base, p.text);
        EXPECT_GE(contrastRatio(mark, p.text), kMinimumContrast);
        EXPECT_NE(mark, p.base) << "no tint on " << p.base.red;
    }
}

TEST(ColourContrastTest, MarkKeepsTextReadableOverRandomPalettes) {
    std::mt19937 random(28);
    std::uniform_int_distribution<int> component(0, 255);
    for (int i = 0; i < 2000; ++i) {
        const Rgb base{component(random), component(random), component(random)};
        const Rgb text{component(random), component(random), component(random)};
        // Never below the minimum, nor below what the palette itself has.
        const double floor = std::min(kMinimumContrast, contrastRatio(base, text));
        EXPECT_GE(contrastRatio(markColour(base, text), text), floor);
    }
}

}  // namespace
}  // namespace sky::test
