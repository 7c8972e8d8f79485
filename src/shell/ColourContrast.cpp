#include "shell/ColourContrast.h"

#include <algorithm>
#include <cmath>

namespace sky {

namespace {

// One sRGB component, 0 to 255, as linear light.
double linear(int component) {
    const double c = std::clamp(component, 0, 255) / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

int mixComponent(int a, int b, double share) {
    return static_cast<int>(std::lround(a + (b - a) * share));
}

}  // namespace

double relativeLuminance(const Rgb& colour) {
    return 0.2126 * linear(colour.red) + 0.7152 * linear(colour.green) +
           0.0722 * linear(colour.blue);
}

double contrastRatio(const Rgb& a, const Rgb& b) {
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Rgb mixColours(const Rgb& a, const Rgb& b, double share) {
    share = std::clamp(share, 0.0, 1.0);
    return {mixComponent(a.red, b.red, share), mixComponent(a.green, b.green, share),
            mixComponent(a.blue, b.blue, share)};
}

Rgb markColour(const Rgb& background, const Rgb& text, const Rgb& tint) {
    // The strongest tint first, then paler ones, in steps small enough that the mark stays as
    // visible as the text allows.
    constexpr int kSteps = 20;
    constexpr double kStrongest = 0.4;
    for (int step = kSteps; step > 0; --step) {
        const Rgb mark = mixColours(background, tint, kStrongest * step / kSteps);
        if (contrastRatio(mark, text) >= kMinimumContrast) return mark;
    }
    return background;
}

}  // namespace sky
