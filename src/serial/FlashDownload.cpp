#include "serial/FlashDownload.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

#include "common/Crc.h"
#include "common/Format.h"
#include "serial/ControlMessages.h"
#include "serial/PortSelection.h"
#include "serial/TransferCancel.h"
#include "serial/TransferLog.h"

namespace sky {

namespace {

// The brief pause after announcing a packet and before sending a body again.
constexpr int kBriefPauseMs = 1;
constexpr int kHeaderAttempts = 3;
constexpr int kBodyAttempts = 3;
constexpr int kDisAttempts = 3;
constexpr int kTerminationReads = 30;

// The image file, read front to back.
class ImageFile {
public:
    bool open(const std::string& path) {
        file_.reset(std::fopen(path.c_str(), "rb"));
        struct stat info {};
        if (!file_ || ::fstat(fileno(file_.get()), &info) != 0 || !S_ISREG(info.st_mode)) {
            file_.reset();
            return false;
        }
        length_ = static_cast<uint64_t>(info.st_size);
        return true;
    }
    size_t read(uint8_t* buffer, size_t count) { return std::fread(buffer, 1, count, file_.get()); }
    uint64_t position() const { return position_; }
    void advance(size_t count) { position_ += count; }
    uint64_t length() const { return length_; }
    void close() { file_.reset(); }

private:
    struct Closer {
        void operator()(FILE* f) const { std::fclose(f); }
    };
    std::unique_ptr<FILE, Closer> file_;
    uint64_t length_ = 0;
    uint64_t position_ = 0;
};

bool matches(const uint8_t* bytes, const ControlMessage& message) {
    return std::equal(message.begin(), message.end(), bytes);
}

uint32_t bigEndian32(const uint8_t* p) {
    return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | p[3];
}

void putBigEndian32(uint8_t* p, uint32_t value) {
    p[0] = static_cast<uint8_t>(value >> 24);
    p[1] = static_cast<uint8_t>(value >> 16);
    p[2] = static_cast<uint8_t>(value >> 8);
    p[3] = static_cast<uint8_t>(value);
}

class FlashDownload {
public:
    FlashDownload(SerialPort& port, IUserInterface& ui) : port_(port), log_(ui) {}

    bool run(const RuntimeSettings& settings, const std::string& imagePath);

private:
    bool connect(int& completeReads);
    bool exchangeHeader(bool announce);
    // Sends every packet; on failure shows its message and returns false.
    bool sendPackets();
    bool sendBody(const std::vector<uint8_t>& body);
    bool finish();
    // Ends the transfer with the message in a box (the device's going away in its place when
    // the port has failed), unless the user has cancelled it: then the message window tells so,
    // and no box is shown.
    bool fail(const char* message);
    // True, with the image and the port closed, once the user has cancelled.
    bool cancelled();

    void send(const ControlMessage& message) { port_.write(message.data(), message.size()); }
    // Reads 8 bytes; true when they are the given message.
    bool receive(const ControlMessage& message) {
        uint8_t reply[8];
        return port_.read(reply, sizeof reply) == sizeof reply && matches(reply, message);
    }

    SerialPort& port_;
    // Each box is written in the message window as well.
    TransferLog log_;
    IUserInterface& ui_ = log_;
    ImageFile image_;
    // The DN_HEADER being sent: the image header first, then each packet's, built over it so that
    // byte 9 of every packet header is byte 9 of the image header.
    uint8_t dnHeader_[kDnHeaderSize]{};
    bool cancelled_ = false;
};

bool FlashDownload::cancelled() {
    if (!cancelled_ && stopIfCancelled(ui_, port_)) {
        image_.close();
        cancelled_ = true;
    }
    return cancelled_;
}

bool FlashDownload::fail(const char* message) {
    // A cancel cuts the waits short, so that a failure that follows it is the cancel's doing.
    if (cancelled()) return false;
    // Whatever step failed, a device that failed under it is the cause worth telling.
    const bool gone = port_.failed();
    image_.close();
    port_.close();
    ui_.message(gone ? kDeviceGoneMessage : message);
    return false;
}

bool FlashDownload::run(const RuntimeSettings& settings, const std::string& imagePath) {
    ui_.clearMessages();
    const TransferHooks hooks(port_, ui_);
    if (!image_.open(imagePath)) {
        ui_.message(
            format("Fail to open input file %swr\nRetry after compile!!", imagePath.c_str()));
        return false;
    }
    if (!openConfiguredPort(port_, settings, ui_)) {
        image_.close();
        return false;
    }
    ui_.appendMessage("serial initialize\r\n");
    configureLine(port_, ui_);
    port_.setTimeouts(TimeoutProfile::Idle);
    ui_.appendMessage("Try to make connection...\r\n");
    port_.setTimeouts(TimeoutProfile::Connect);

    int completeReads = 0;
    const bool connected = connect(completeReads);
    port_.setTimeouts(TimeoutProfile::Idle);
    if (!connected) return fail("Connetion fail with STB.\n");
    ui_.appendMessage(
        format("CONNECTING \r\n=> 1.Waiting DN_OPER_REQ from STB \r\n=>COMPLETE "
               "while read %d times\r\n",
               completeReads));
    ui_.appendMessage("\r\nConnetion established...\r\n");

    if (image_.read(dnHeader_, kFileHeaderSize) < kFileHeaderSize) {
        return fail("ERRER in reading file header.\n");
    }
    image_.advance(kFileHeaderSize);
    if (dnHeader_[0] != 0x55 || dnHeader_[1] != 0xAA) {
        return fail("File header format is not correct.\n");
    }
    if (!exchangeHeader(true)) return fail("\nSTB doesn't ack.\n");

    ui_.appendMessage("\r\nNow, we start to send data packet\r\n");
    if (!sendPackets()) return false;
    return finish();
}

// Offers whose ACK gets no NXT that are retried without counting a failure.
constexpr int kFreeOffers = 3;

bool FlashDownload::connect(int& completeReads) {
    // Room for a DN_OPER_REQ behind the largest offset.
    uint8_t buffer[16];
    size_t offset = 0;
    int failures = 0;
    // A receiver that keeps offering but never answers the ACK with NXT would hold the program
    // for ever: after a few such offers, each further one counts as a failed attempt.
    int unansweredOffers = 0;
    do {
        if (cancelled()) return false;
        ui_.appendMessage("Waitiing Message from Satellite Receiver\r\n");
        const size_t wanted = offset + 8;
        if (port_.read(buffer, wanted) != wanted) {
            ++failures;
            continue;
        }
        ++completeReads;
        if (matches(buffer + offset, kDnOperReq)) {
            send(kAck);
            uint8_t reply[8];
            const size_t got = port_.read(reply, sizeof reply);
            if (got == sizeof reply && matches(reply, kNxt)) return true;
            if (got == sizeof reply) send(kErr);
            if (++unansweredOffers > kFreeOffers) ++failures;
            continue;
        }
        // Realign on the first message start among the first 8 bytes: an STX followed by "H",
        // or an STX in the last place.
        for (size_t i = 0; i < 8; ++i) {
            if (buffer[i] == 0x02 && (i == 7 || buffer[i + 1] == 'H')) {
                offset = i;
                break;
            }
        }
        send(kErr);
        ++failures;
    } while (failures < 2 && !port_.failed());
    return false;
}

bool FlashDownload::exchangeHeader(bool announce) {
    for (int attempt = 1; !port_.failed(); ++attempt) {
        if (announce) ui_.appendMessage(format("send DN_HEADER => %d times\r\n", attempt));
        port_.write(dnHeader_, kDnHeaderSize);
        if (receive(kAck)) return true;
        if (attempt == kHeaderAttempts || cancelled()) break;
    }
    return false;
}

bool FlashDownload::sendPackets() {
    std::vector<uint8_t> body;
    for (;;) {
        if (cancelled()) return false;
        send(kNxt);
        uint8_t head[kPacketHeaderSize];
        const size_t got = image_.read(head, kPacketHeaderSize);
        if (got == 0) return true;
        if (got < kPacketHeaderSize) {
            fail("\nERROR in reading File read error.\n");
            return false;
        }
        image_.advance(kPacketHeaderSize);
        const uint32_t length = bigEndian32(head + 8);
        // A length beyond what a packet can carry means a damaged file: refuse it rather than
        // read and send a wrong amount.
        if (head[0] != 0x5A || head[1] != 0x5A || length > kMaxPacketData) {
            fail("File packet information is not correct.\n");
            return false;
        }

        dnHeader_[0] = 0x02;
        std::copy(head + 8, head + 12, dnHeader_ + 1);
        for (size_t i = 1; i <= 4; ++i) dnHeader_[4 + i] = static_cast<uint8_t>(~dnHeader_[i]);
        putBigEndian32(dnHeader_ + 10, crc32(dnHeader_, 10));
        if (!exchangeHeader(false)) {
            fail("\nSTB doesn't ack\n");
            return false;
        }

        send(kNxt);
        port_.pause(kBriefPauseMs);
        const size_t rest = length + kPacketCrcSize;
        body.assign(head, head + kPacketHeaderSize);
        body.resize(kPacketHeaderSize + rest);
        if (image_.read(body.data() + kPacketHeaderSize, rest) < rest) {
            fail("\nFile read error.\n");
            return false;
        }
        image_.advance(rest);
        ui_.setProgress(static_cast<int>(image_.position() * 100 / image_.length()));
        if (!sendBody(body)) {
            fail("\nAborting to send data due to communication problems!\n");
            return false;
        }
    }
}

bool FlashDownload::sendBody(const std::vector<uint8_t>& body) {
    for (int attempt = 1; !port_.failed(); ++attempt) {
        if (attempt > 1) port_.pause(kBriefPauseMs);
        port_.write(body.data(), body.size());
        if (receive(kAck)) return true;
        if (attempt == kBodyAttempts || cancelled()) break;
    }
    return false;
}

bool FlashDownload::finish() {
    // A read that brings nothing at all means the receiver has fallen silent for the whole
    // silence limit (or the device failed): asking again would only wait as long once more.
    uint8_t reply[8];
    for (int attempt = 0; attempt < kDisAttempts; ++attempt) {
        if (cancelled()) return false;
        send(kDis);
        const size_t got = port_.read(reply, sizeof reply);
        if ((got == sizeof reply && matches(reply, kAck)) || got == 0) break;
    }
    ui_.appendMessage("\r\nWaiting termination message from STB.\r\n");
    bool written = false;
    for (int attempt = 0; attempt < kTerminationReads; ++attempt) {
        if (cancelled()) return false;
        const size_t got = port_.read(reply, sizeof reply);
        if (got == 0) break;
        if (got < sizeof reply) continue;
        if (matches(reply, kPok)) {
            written = true;
            break;
        }
        if (matches(reply, kPer)) break;
    }
    // Once the receiver has reported the image written, the download has succeeded whatever the
    // user pressed after.
    if (!written && cancelled()) return false;
    if (!written && port_.failed()) return fail(kDeviceGoneMessage);
    ui_.appendMessage("\r\nDisconnecting serial port\r\n");
    image_.close();
    port_.close();
    ui_.message(written ? "Flash download is terminated successfully.\n"
                        : "Flash download is terminated abnormally\n");
    return written;
}

}  // namespace

bool flashDownload(SerialPort& port, const RuntimeSettings& settings, IUserInterface& ui,
                   const std::string& imagePath) {
    return FlashDownload(port, ui).run(settings, imagePath);
}

}  // namespace sky
