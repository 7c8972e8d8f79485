#pragma once

#include <string>

namespace sky {

// The about box's texts.
inline constexpr const char* kAboutVersion = "1.2.1";
inline constexpr const char* kAboutDate = "2001.02.23";

// The line under the picture: the program's name with the release this build is.
std::string aboutProgramName();

// The version history, pieces joined in order with nothing between them ("\r\n" line ends).
std::string aboutHistory();

}  // namespace sky
