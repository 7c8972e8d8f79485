#include "compiler/ImageStream.h"

#include <algorithm>

#include "common/Crc.h"

namespace sky {

namespace {

struct RecordFormat {
    bool crc;
    size_t crcZeros;  // zero bytes the CRC covers after the record
    size_t trailer;   // zero bytes after the CRC
};

RecordFormat recordFormat(RecordType type, bool normal) {
    switch (type) {
        case RecordType::NameTable:
            return {true, 4, 2};
        case RecordType::Satellite:
            return {false, 0, 0};
        case RecordType::Analog:
            return {true, 2, 0};
        case RecordType::DigitalTp:
            return {true, normal ? 2u : 4u, 0};
        case RecordType::Channel:
        case RecordType::PidChannel:
            return normal ? RecordFormat{true, 2, 0} : RecordFormat{true, 4, 2};
    }
    return {false, 0, 0};
}

constexpr std::array<uint8_t, 4> kStartMarker{0xDD, 0xCC, 0xBB, 0xAA};
constexpr std::array<uint8_t, 4> kEndMarker{0xCD, 0xAB, 0x34, 0x12};
constexpr std::array<uint8_t, 4> kZeros{};

}  // namespace

ImageStream::ImageStream(bool normal, size_t expectedSize)
    : normal_(normal), headerSize_(normal ? kNormalHeaderSize : 0) {
    bytes_.reserve(std::max(expectedSize, headerSize_));
    bytes_.resize(headerSize_, 0);
}

void ImageStream::record(std::span<const uint8_t> bytes, RecordType type) {
    const RecordFormat format = recordFormat(type, normal_);
    bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
    if (format.crc) {
        const uint16_t crc =
            crc16(kZeros.data(), format.crcZeros, crc16(bytes.data(), bytes.size()));
        bytes_.push_back(static_cast<uint8_t>(crc));
        bytes_.push_back(static_cast<uint8_t>(crc >> 8));
    }
    bytes_.insert(bytes_.end(), format.trailer, 0);
}

void ImageStream::startMarker() {
    bytes_.insert(bytes_.end(), kStartMarker.begin(), kStartMarker.end());
}

void ImageStream::endMarker() {
    bytes_.insert(bytes_.end(), kEndMarker.begin(), kEndMarker.end());
}

void ImageStream::setNormalHeader(const std::array<uint16_t, 6>& counts) {
    if (headerSize_ == 0) return;
    for (size_t i = 0; i < counts.size(); ++i) {
        bytes_[2 * i] = static_cast<uint8_t>(counts[i]);
        bytes_[2 * i + 1] = static_cast<uint8_t>(counts[i] >> 8);
    }
}

void ImageStream::padTo(size_t lineLength) {
    const size_t rest = bytes_.size() % lineLength;
    if (rest != 0) bytes_.insert(bytes_.end(), lineLength - rest, 0);
}

}  // namespace sky
