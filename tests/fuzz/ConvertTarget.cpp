// The packet converter on any text: it gives a download file whose header and packets agree with
// each other, or says why it gives none.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/Crc.h"
#include "compiler/PacketConverter.h"
#include "fuzz/FuzzInput.h"
#include "support/RecordingUi.h"

namespace {

uint32_t bigEndian(std::string_view bytes, size_t at, size_t count) {
    uint32_t value = 0;
    for (size_t i = 0; i < count; ++i) value = value << 8 | static_cast<uint8_t>(bytes[at + i]);
    return value;
}

uint32_t crcOf(std::string_view bytes, size_t at, size_t count) {
    return sky::crc32(reinterpret_cast<const uint8_t*>(bytes.data() + at), count);
}

// Walks the packets of a download file: the header's totals, the packets' numbers, lengths and
// CRCs must all agree, and nothing may follow the last packet. Returns what is wrong, or "".
std::string downloadFileFault(std::string_view file) {
    constexpr size_t kHeader = 14;
    constexpr size_t kPacketHeader = 12;
    if (file.size() < kHeader) return "the file is shorter than its header";
    if (file.substr(0, 4) != std::string_view("\x55\xAA\x01\x01", 4)) return "the file's mark";
    if (crcOf(file, 0, 10) != bigEndian(file, 10, 4)) return "the header's CRC";
    size_t at = kHeader;
    uint32_t packets = 0;
    uint32_t total = 0;
    while (at < file.size()) {
        if (file.size() - at < kPacketHeader + 4) return "a packet cut short";
        if (file.substr(at, 2) != "ZZ") return "a packet's mark";
        if (bigEndian(file, at + 2, 2) != (packets & 0xFFFF)) return "a packet's number";
        const uint32_t length = bigEndian(file, at + 8, 4);
        if (length == 0 || length > file.size() - at - kPacketHeader - 4) {
            return "a packet's length";
        }
        const size_t crcAt = at + kPacketHeader + length;
        if (crcOf(file, at, kPacketHeader + length) != bigEndian(file, crcAt, 4)) {
            return "a packet's CRC";
        }
        ++packets;
        total += length;
        at = crcAt + 4;
    }
    if (packets == 0) return "no packet";
    if (bigEndian(file, 8, 2) != packets) return "the header's packet count";
    if (bigEndian(file, 4, 4) != total) return "the header's byte count";
    return "";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    sky::test::RecordingUi ui;
    const std::optional<std::string> file =
        sky::buildDownloadFile(std::string_view(reinterpret_cast<const char*>(data), size), ui);
    if (!file) {
        if (ui.messages.empty()) sky::fuzz::fail("no download file and no message");
        return 0;
    }
    if (const std::string fault = downloadFileFault(*file); !fault.empty()) {
        sky::fuzz::fail("the download file breaks its own layout: " + fault);
    }
    return 0;
}
