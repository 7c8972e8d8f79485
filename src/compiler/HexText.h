#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace sky {

class OutputFile;

// The hex text of an image: 16 bytes to a line, each line the address of its first byte as
// "%08X ", then " %02X" per byte except the ninth, which follows as "   %02X", then "\n".
// The bytes must fill whole lines.
std::string hexText(uint32_t address, std::span<const uint8_t> bytes);

// Hands the hex text of an image to `put` a block of lines at a time, so that the text of a large
// image is never held whole; false as soon as put() returns false.
bool putHexText(uint32_t address, std::span<const uint8_t> bytes,
                const std::function<bool(std::string_view)>& put);

// Writes the hex text of an image to a file, a block of lines at a time, so that the text of
// a large image is never held whole. False when a write fails.
bool writeHexText(OutputFile& file, uint32_t address, std::span<const uint8_t> bytes);

}  // namespace sky
