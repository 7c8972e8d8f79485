#include "compiler/HexText.h"

#include <algorithm>
#include <array>

#include "compiler/OutputFile.h"

namespace sky {

namespace {

constexpr size_t kBytesPerLine = 16;
// "%08X " + 16 × " %02X" + the two extra spaces before the ninth byte + "\n".
constexpr size_t kLineLength = 9 + kBytesPerLine * 3 + 2 + 1;

constexpr char kDigits[] = "0123456789ABCDEF";

// The two upper-case digits of every byte value.
constexpr std::array<std::array<char, 2>, 256> kByteDigits = [] {
    std::array<std::array<char, 2>, 256> table{};
    for (size_t i = 0; i < 256; ++i) table[i] = {kDigits[i >> 4], kDigits[i & 0xF]};
    return table;
}();

}  // namespace

std::string hexText(uint32_t address, std::span<const uint8_t> bytes) {
    const size_t lines = bytes.size() / kBytesPerLine;
    std::string text(lines * kLineLength, ' ');
    char* out = text.data();
    for (size_t line = 0; line < lines; ++line) {
        for (int shift = 28; shift >= 0; shift -= 4) *out++ = kDigits[(address >> shift) & 0xF];
        ++out;  // the space after the address
        const uint8_t* data = bytes.data() + line * kBytesPerLine;
        for (size_t i = 0; i < kBytesPerLine; ++i) {
            out += (i == 8) ? 3 : 1;  // the spaces before the byte are already in place
            out[0] = kByteDigits[data[i]][0];
            out[1] = kByteDigits[data[i]][1];
            out += 2;
        }
        *out++ = '\n';
        address += kBytesPerLine;
    }
    return text;
}

bool writeHexText(OutputFile& file, uint32_t address, std::span<const uint8_t> bytes) {
    constexpr size_t kBlock = 1024 * kBytesPerLine;
    for (size_t at = 0; at < bytes.size(); at += kBlock) {
        const std::span<const uint8_t> block =
            bytes.subspan(at, std::min(kBlock, bytes.size() - at));
        if (!file.write(hexText(address + static_cast<uint32_t>(at), block))) return false;
    }
    return true;
}

}  // namespace sky
