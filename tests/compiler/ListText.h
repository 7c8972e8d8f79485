#pragma once

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "common/Format.h"

namespace sky::test {

// Builds the text of a channel list line by line, each line ended by CR LF, and tells the
// number of the line last added (for the line numbers of the compiler's messages).
class ListText {
public:
    ListText& line(std::string_view text) {
        text_.append(text);
        text_ += "\r\n";
        ++lines_;
        return *this;
    }
    ListText& header(std::string_view name) { return line("[" + std::string(name) + "]"); }

    // The satellite-name list with `count` rows named SAT1, SAT2, ...
    ListText& names(int count) {
        header("SATELLITE_NAME_LIST");
        for (int i = 1; i <= count; ++i) line(format("%d SAT%d", i, i));
        return *this;
    }

    int lastLine() const { return lines_; }
    const std::string& text() const { return text_; }

private:
    std::string text_;
    int lines_ = 0;
};

// The writer's section order, with one declared satellite (slot 1), one transponder (index 1)
// and `channel` as the only digital channel row. Sections after the channels stay empty
// unless the caller adds rows before end().
inline ListText smallList(std::string_view channel = "1 1 1 00A0 TV \"Das Erste\" 0 N") {
    ListText list;
    list.names(32)
        .header("SATELLITE")
        .line("1 \"Astra 19E\" N 10600 9750 192 65486")
        .header("DIGITAL TP")
        .line("1 1 11836 27500 H ARD")
        .header("DIGITAL CHANNEL")
        .line(channel);
    return list;
}

// Reads a .hex file back into its start address and bytes, checking every line's layout: the
// address of its first byte, two spaces, 16 bytes with the ninth set off by three spaces, "\n".
struct HexImage {
    uint32_t address = 0;
    std::vector<uint8_t> bytes;
    size_t lines = 0;
};

inline HexImage parseHex(const std::string& text) {
    HexImage image;
    size_t pos = 0;
    while (pos < text.size()) {
        const size_t end = text.find('\n', pos);
        if (end == std::string::npos || end - pos != 59) throw std::runtime_error("line length");
        const std::string line = text.substr(pos, end - pos);
        const uint32_t address = static_cast<uint32_t>(std::stoul(line.substr(0, 8), nullptr, 16));
        if (image.lines == 0) image.address = address;
        if (address != image.address + 16 * image.lines) throw std::runtime_error("address");
        size_t at = 8;
        for (int i = 0; i < 16; ++i) {
            const std::string_view gap = i == 0 ? "  " : i == 8 ? "   " : " ";
            if (line.compare(at, gap.size(), gap) != 0) throw std::runtime_error("spacing");
            at += gap.size();
            const std::string digits = line.substr(at, 2);
            if (digits.find_first_not_of("0123456789ABCDEF") != std::string::npos) {
                throw std::runtime_error("digits");
            }
            image.bytes.push_back(static_cast<uint8_t>(std::stoul(digits, nullptr, 16)));
            at += 2;
        }
        ++image.lines;
        pos = end + 1;
    }
    return image;
}

// The names of the files in a folder.
inline std::vector<std::string> filesIn(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    return names;
}

}  // namespace sky::test
