#include "compiler/HexText.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "compiler/OutputFile.h"

namespace sky {

namespace {

constexpr size_t kBytesPerLine = 16;
// "%08X " + 16 × " %02X" + the two extra spaces before the ninth byte + "\n".
constexpr size_t kLineLength = 9 + kBytesPerLine * 3 + 2 + 1;

constexpr char kDigits[] = "0123456789ABCDEF";

// Where the two digits of each byte of a line stand.
constexpr std::array<size_t, kBytesPerLine> kByteAt = [] {
    std::array<size_t, kBytesPerLine> at{};
    for (size_t i = 0; i < kBytesPerLine; ++i) at[i] = 9 + 3 * i + 1 + (i >= 8 ? 2 : 0);
    return at;
}();

// The two upper-case digits of every byte value.
constexpr std::array<std::array<char, 2>, 256> kByteDigits = [] {
    std::array<std::array<char, 2>, 256> table{};
    for (size_t i = 0; i < 256; ++i) table[i] = {kDigits[i >> 4], kDigits[i & 0xF]};
    return table;
}();

}  // namespace

std::string hexText(uint32_t address, std::span<const uint8_t> bytes) {
    const size_t lines = bytes.size() / kBytesPerLine;
    std::string text;
    text.reserve(lines * kLineLength);
    // Each line is put together in a buffer whose spaces and line feed never change, then appended
    // whole, so the text is written once and never filled beforehand.
    std::array<char, kLineLength> line;
    line.fill(' ');
    line.back() = '\n';
    for (const uint8_t* data = bytes.data(); data != bytes.data() + lines * kBytesPerLine;
         data += kBytesPerLine) {
        for (size_t i = 0; i < 4; ++i) {
            std::memcpy(&line[2 * i], kByteDigits[(address >> (24 - 8 * i)) & 0xFF].data(), 2);
        }
        for (size_t i = 0; i < kBytesPerLine; ++i) {
            std::memcpy(&line[kByteAt[i]], kByteDigits[data[i]].data(), 2);
        }
        text.append(line.data(), line.size());
        address += kBytesPerLine;
    }
    return text;
}

bool putHexText(uint32_t address, std::span<const uint8_t> bytes,
                const std::function<bool(std::string_view)>& put) {
    constexpr size_t kBlock = 1024 * kBytesPerLine;
    for (size_t at = 0; at < bytes.size(); at += kBlock) {
        const std::span<const uint8_t> block =
            bytes.subspan(at, std::min(kBlock, bytes.size() - at));
        if (!put(hexText(address + static_cast<uint32_t>(at), block))) return false;
    }
    return true;
}

bool writeHexText(OutputFile& file, uint32_t address, std::span<const uint8_t> bytes) {
    return putHexText(address, bytes, [&file](std::string_view text) { return file.write(text); });
}

}  // namespace sky
