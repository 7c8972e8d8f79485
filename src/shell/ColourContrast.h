#pragma once

#include "shell/Settings.h"

namespace sky {

// The contrast readers need between text and what it is drawn on (WCAG's level AA for body text).
inline constexpr double kMinimumContrast = 4.5;

// The relative luminance of a colour, 0 (black) to 1 (white), as WCAG defines it.
double relativeLuminance(const Rgb& colour);

// WCAG's contrast ratio of two colours, 1 (the same) to 21 (black and white), either order.
double contrastRatio(const Rgb& a, const Rgb& b);

// `a` mixed with `b`, `share` of b (0 to 1).
Rgb mixColours(const Rgb& a, const Rgb& b, double share);

// The background of a marked cell: the list's background tinted towards `tint` (amber unless
// said), as strongly as text in `text` stays readable on it (kMinimumContrast), so that the mark
// shows in a light palette and in a dark one. Where text and background already fall short, the
// background itself.
Rgb markColour(const Rgb& background, const Rgb& text, const Rgb& tint = Rgb{255, 190, 0});

}  // namespace sky
