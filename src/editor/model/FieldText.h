#pragma once

#include <string>
#include <string_view>

namespace sky {

// How the editor reads the text of a cell when it compares or computes with it.

// The text without leading and trailing white space.
std::string_view trimmed(std::string_view text);

// The text with ASCII letters in upper case.
std::string upperAscii(std::string_view text);

// The trimmed text in upper case (ASCII letters only), the form in which names, types, service
// ids and bouquets are compared.
std::string trimmedUpper(std::string_view text);

// The leading decimal number of a text: white space, an optional sign and digits, as the C
// library reads it; 0 when there is none. Values beyond the range of long long are clamped.
long long decimalValue(std::string_view text);

}  // namespace sky
