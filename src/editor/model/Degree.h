#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "common/UserInterface.h"

namespace sky {

// A satellite's orbital position is stored as signed tenths of a degree ("1234", "-0450"; minus
// is West) and shown as a letter, three digits of whole degrees, a point and the tenths
// ("E123.4", "W045.0"). Neither direction checks the range.

// Shown by a conversion that fails.
inline constexpr const char* kDegreeConversionError = "ERROR in converting degree format!!!";
// Shown by the editors after a failed conversion.
inline constexpr const char* kDegreeFormatError = "Degree format ERROR!!!";

// Texts longer than this (after trimming) are refused rather than read.
inline constexpr size_t kDegreeTextLimit = 19;

// Stored form to display form. Whole degrees wrap at 365. Nothing when the text does not begin
// with "+", "-" or a digit.
std::optional<std::string> degreeToDisplay(std::string_view stored);

// Display form to stored form, ignoring letter case. Whole degrees wrap at 360; a missing point
// gives tenths 0; West 0.0 is stored as "0000". Nothing when the text does not begin with "+",
// "-", "E", "W" or a digit, or when the character after the point is not a digit.
std::optional<std::string> degreeToStored(std::string_view display);

// The same conversions, showing kDegreeConversionError when they fail.
std::optional<std::string> degreeToDisplay(std::string_view stored, IUserInterface& ui);
std::optional<std::string> degreeToStored(std::string_view display, IUserInterface& ui);

}  // namespace sky
