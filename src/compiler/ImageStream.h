#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <utility>
#include <vector>

#include "compiler/CompiledImage.h"

namespace sky {

// The record types of the image: the section state of the row, 1 for the satellite-name table.
enum class RecordType { NameTable = 1, Satellite, DigitalTp, Analog, Channel, PidChannel };

// The byte stream of one image as the compiler builds it: records with their CRC-16 and
// trailer, and section markers. The stream is kept in memory and written out in one go.
class ImageStream {
public:
    // A Normal stream begins with the room for its counts header. `expectedSize` reserves room
    // for the stream at once, so that a large image is not copied again and again as it grows.
    ImageStream(bool normal, size_t expectedSize);

    // Appends a record, then (except for satellites) its CRC-16 over the record and the zero
    // bytes its type adds, low byte first, then the trailer of its type.
    void record(std::span<const uint8_t> bytes, RecordType type);

    void startMarker();
    void endMarker();

    // Appends zero bytes up to the end of the last line of `lineLength` bytes.
    void padTo(size_t lineLength);

    // Fills the Normal counts header: satellites, digital transponders, channels, analog
    // channels, TV channels and radio channels, two bytes each.
    void setNormalHeader(const std::array<uint16_t, 6>& counts);

    // The whole stream, and the stream without the Normal header.
    std::span<const uint8_t> bytes() const { return bytes_; }
    std::span<const uint8_t> body() const { return bytes().subspan(headerSize_); }
    // Hands the stream's bytes over, leaving it empty.
    ImageBytes takeBytes() { return std::move(bytes_); }

private:
    static constexpr size_t kNormalHeaderSize = 12;

    bool normal_;
    size_t headerSize_;
    ImageBytes bytes_;
};

}  // namespace sky
