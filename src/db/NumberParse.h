#pragma once

#include <string_view>

#include "common/UserInterface.h"

namespace sky {

// Field-to-number conversion of the channel list. Radix 10 reads the leading decimal part of the
// field (optional white space and sign, then digits; 0 when there are none); radix 16 reads the
// whole field, upper-cased, as hexadecimal text; any other radix gives 0.
int StringToInt(std::string_view text, int radix, IUserInterface& ui);

// Hexadecimal text ("0" to "9", "A" to "F") to a number in 32-bit arithmetic; an empty text gives
// 0. A character that is not a hexadecimal digit shows "Conversion form Hex string to Int is
// failed" and gives 65535.
int HexStringToInt(std::string_view text, IUserInterface& ui);

}  // namespace sky
