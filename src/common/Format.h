#pragma once

#include <string>

namespace sky {

// printf-style formatting into a std::string, for the program's fixed message texts.
std::string format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

}  // namespace sky
