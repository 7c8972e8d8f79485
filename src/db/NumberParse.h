#pragma once

#include <optional>
#include <string_view>

namespace sky {

// Field-to-number conversion of the channel list. Each returns a value or nothing; reporting a
// failure is the caller's part.

// The leading decimal part of a field (optional white space and sign, then digits; 0 when there
// are none), limited to the range of int.
int decimalInt(std::string_view text);

// Hexadecimal text ("0" to "9", "A" to "F"; with `anyCase` also "a" to "f") in 32-bit arithmetic;
// an empty text gives 0. Nothing for a character that is not a hexadecimal digit.
std::optional<int> hexValue(std::string_view text, bool anyCase = false);

// What the conversions of the editor and the loader show for a field that is not hexadecimal, and
// the value they then take.
inline constexpr const char* kHexConversionFailed = "Conversion form Hex string to Int is failed";
inline constexpr int kHexFailureValue = 65535;

}  // namespace sky
