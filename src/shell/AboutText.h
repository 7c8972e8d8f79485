#pragma once

#include <string>

namespace sky {

// The about box's texts.
inline constexpr const char* kAboutVersion = "1.2.1";
inline constexpr const char* kAboutDate = "2001.02.23";

// The version history, pieces joined in order with nothing between them ("\r\n" line ends).
std::string aboutHistory();

}  // namespace sky
