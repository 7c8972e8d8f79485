#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sky::channeltext {

// Small text helpers the channel-file readers share.

std::string_view trim(std::string_view text);
std::string upper(std::string_view text);

// The text split at every `separator`; an empty text gives one empty part.
std::vector<std::string_view> split(std::string_view text, char separator);

// Calls `line(text, number)` for each line (without its LF or CR LF), numbered from 1.
template <typename Visit>
void forEachLine(std::string_view text, Visit line) {
    int number = 0;
    while (!text.empty()) {
        std::size_t end = text.find('\n');
        if (end == std::string_view::npos) end = text.size();
        std::string_view current = text.substr(0, end);
        if (!current.empty() && current.back() == '\r') current.remove_suffix(1);
        line(current, ++number);
        text.remove_prefix(end == text.size() ? end : end + 1);
    }
}

// A whole number of decimal digits (no sign), at most 999,999,999; nothing otherwise.
std::optional<int> wholeNumber(std::string_view text);
// The same with an optional leading '-'.
std::optional<int> signedNumber(std::string_view text);
// A whole number of up to 15 digits: a frequency in Hz or a symbol rate in symbols/s.
std::optional<long long> wholeAmount(std::string_view text);
// Hexadecimal digits, at most 8 (no "0x"); nothing otherwise.
std::optional<unsigned> hexNumber(std::string_view text);

// A frequency in MHz from MHz, kHz or Hz (the files differ, VDR's even by row): the value is
// divided by 1000 until it is below 100,000, rounding. Symbol rates go the same way to kS/s.
int toMega(long long value);

// A text quoted in a reason, cut when long.
std::string shown(std::string_view text);

}  // namespace sky::channeltext
