#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "common/DownloadFileLayout.h"

namespace sky {

// The 8-byte control messages of the flash download: STX, three upper-case letters, the same
// letters in lower case, ETX.
using ControlMessage = std::array<uint8_t, 8>;

constexpr ControlMessage controlMessage(const char (&letters)[4]) {
    ControlMessage m{0x02};
    for (size_t i = 0; i < 3; ++i) {
        m[1 + i] = static_cast<uint8_t>(letters[i]);
        m[4 + i] = static_cast<uint8_t>(letters[i] + ('a' - 'A'));
    }
    m[7] = 0x03;
    return m;
}

// The receiver is ready to be downloaded.
inline constexpr ControlMessage kDnOperReq = controlMessage("HEI");
inline constexpr ControlMessage kAck = controlMessage("ACK");
inline constexpr ControlMessage kNxt = controlMessage("NXT");
inline constexpr ControlMessage kErr = controlMessage("ERR");
// All packets are sent.
inline constexpr ControlMessage kDis = controlMessage("DIS");
// The receiver wrote the image, or failed to.
inline constexpr ControlMessage kPok = controlMessage("POK");
inline constexpr ControlMessage kPer = controlMessage("PER");

// The DN_HEADER sent before the image and before each packet.
inline constexpr size_t kDnHeaderSize = 14;
// The largest packet data length the transfer handles: a packet body of 16 + L bytes must fit a
// 65536-byte buffer counted in 16 bits.
inline constexpr uint32_t kMaxPacketData = 65519;

}  // namespace sky
