#include "Receiver.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <fstream>

#include "common/Crc.h"
#include "serial/ControlMessages.h"

namespace sky::sim {

namespace {

constexpr int64_t kOfferIntervalMs = 100;
constexpr size_t kOutputHighWater = 4096;
constexpr std::string_view kEndLine = "||[END]\r\n";

std::string_view view(const ControlMessage& m) {
    return {reinterpret_cast<const char*>(m.data()), m.size()};
}

uint32_t bigEndian(std::string_view bytes, size_t at, size_t count) {
    uint32_t value = 0;
    for (size_t i = 0; i < count; ++i) value = (value << 8) | static_cast<uint8_t>(bytes[at + i]);
    return value;
}

uint32_t crcOf(std::string_view bytes) {
    return crc32(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

}  // namespace

std::vector<std::string> dumpLinesOf(const std::string& list, const Options& options) {
    std::vector<std::string> lines;
    bool hasEnd = false;
    size_t start = 0;
    while (start < list.size()) {
        size_t end = list.find('\n', start);
        if (end == std::string::npos) end = list.size();
        std::string text = list.substr(start, end - start);
        start = end + 1;
        if (!text.empty() && text.back() == '\r') text.pop_back();
        // The receiver prints its stored list: sections and rows, without the file's comments,
        // blank lines or anything before the first section.
        const size_t first = text.find_first_not_of(" \t");
        if (first == std::string::npos || text[first] == '#' ||
            (lines.empty() && text[first] != '[')) {
            continue;
        }
        if (text.find("[END]") != std::string::npos) {
            hasEnd = true;
            if (options.endAtPrompt) break;
        }
        if (static_cast<int>(lines.size()) + 1 == options.nulInLine) {
            const size_t space = text.find(' ');
            if (space == std::string::npos) {
                text += '\0';
            } else {
                text[space] = '\0';
            }
        }
        lines.push_back("||" + text + "\r\n");
        if (hasEnd) break;
    }
    if (!hasEnd && !options.endAtPrompt) lines.emplace_back(kEndLine);
    return lines;
}

Receiver::Receiver(const Options& options, std::vector<std::string> dumpLines)
    : options_(options), dumpLines_(std::move(dumpLines)), prompt_("\r\n" + options.prompt) {
    if (options_.powerCycleAfterMs < 0 && !options_.silent) powerOn(0);
    awaitingFirstOpen_ = options_.powerCycleAfterMs >= 0 && !options_.silent;
}

void Receiver::log(const char* fmt, ...) const {
    if (!options_.verbose) return;
    std::va_list args;
    va_start(args, fmt);
    std::fputs("stb-sim: ", stderr);
    std::vfprintf(stderr, fmt, args);
    std::fputc('\n', stderr);
    va_end(args);
}

void Receiver::pause(const Pause& fault, bool& done, const char* where) {
    if (done) return;
    done = true;
    pausedUntilMs_ = nowMs_ + int64_t{fault.seconds} * 1000;
    log("pausing for %d s %s", fault.seconds, where);
}

void Receiver::vanish(const char* where) {
    if (vanished_) return;
    vanished_ = true;
    vanishNow_ = true;
    // Gone: it neither reads nor adds to what is still on its way to the program.
    state_ = State::Off;
    log("vanishing %s", where);
}

void Receiver::powerOn(int64_t nowMs) {
    state_ = State::Offering;
    firstOffer_ = true;
    nextOfferMs_ = nowMs;
    powerOnAtMs_ = -1;
    input_.clear();
    log("switched on: offering a download");
}

void Receiver::powerCycle(int64_t nowMs) {
    log("switched off");
    output_.clear();
    state_ = State::Off;
    if (!options_.silent) powerOn(nowMs);
}

void Receiver::connected(int64_t nowMs) {
    connected_ = true;
    nowMs_ = nowMs;
    log("a program opened the device");
    if (awaitingFirstOpen_) {
        awaitingFirstOpen_ = false;
        powerOnAtMs_ = nowMs + options_.powerCycleAfterMs;
    }
    if (state_ == State::Offering) nextOfferMs_ = nowMs;
}

void Receiver::disconnected() {
    connected_ = false;
    log("the program closed the device");
    pausedUntilMs_ = -1;
    output_.clear();
    input_.clear();
    if (state_ == State::Connected || state_ == State::Downloading || state_ == State::Finished) {
        // The boot loader starts over, as after flashing or an interrupted download.
        powerOn(nowMs_);
    } else if (state_ == State::Dumping) {
        state_ = State::Console;
    }
}

int64_t Receiver::nextActionMs(int64_t nowMs) const {
    if (paused(nowMs)) return pausedUntilMs_ - nowMs;
    switch (state_) {
        case State::Off:
            return powerOnAtMs_ < 0 ? -1 : std::max<int64_t>(0, powerOnAtMs_ - nowMs);
        case State::Offering:
            return connected_ ? std::max<int64_t>(0, nextOfferMs_ - nowMs) : -1;
        case State::Dumping: {
            if (output_.size() >= kOutputHighWater) return -1;
            const uint64_t due = dumpBytes_ * 1000 / static_cast<uint64_t>(options_.dumpRate);
            return std::max<int64_t>(0, dumpStartMs_ + static_cast<int64_t>(due) - nowMs);
        }
        default:
            return -1;
    }
}

void Receiver::tick(int64_t nowMs) {
    nowMs_ = nowMs;
    if (paused(nowMs)) return;
    if (state_ == State::Off && powerOnAtMs_ >= 0 && nowMs >= powerOnAtMs_) powerOn(nowMs);
    if (state_ == State::Offering && connected_ && nowMs >= nextOfferMs_ && input_.empty()) {
        sendOffer();
        nextOfferMs_ = nowMs + kOfferIntervalMs;
    }
    while (state_ == State::Dumping && output_.size() < kOutputHighWater &&
           dumpBytes_ * 1000 / static_cast<uint64_t>(options_.dumpRate) <=
               static_cast<uint64_t>(nowMs - dumpStartMs_)) {
        if (static_cast<int>(dumpLine_) == options_.dumpPause.after && !dumpPauseDone_) {
            pause(options_.dumpPause, dumpPauseDone_, "in the dump");
            // The printing goes on after the pause at its pace, not in a burst.
            dumpStartMs_ += int64_t{options_.dumpPause.seconds} * 1000;
            break;
        }
        if (static_cast<int>(dumpLine_) == options_.vanishAfterLines && !vanished_) {
            vanish("in the dump");
            break;
        }
        if (options_.stopDumpAfter >= 0 &&
            dumpLine_ >= static_cast<size_t>(options_.stopDumpAfter)) {
            // The console hangs: nothing more comes until the receiver is switched off and on.
            log("dump stopped after %zu lines: hanging", dumpLine_);
            state_ = State::Off;
            break;
        }
        if (dumpLine_ == dumpLines_.size()) {
            output_ += options_.promptAfterRow ? options_.prompt : prompt_;
            state_ = State::Console;
            log("dump finished: %zu lines", dumpLine_);
            break;
        }
        const std::string& line = dumpLines_[dumpLine_++];
        output_ += line;
        dumpBytes_ += line.size();
        if (promptAfterLine_) {
            output_ += prompt_;
            dumpBytes_ += prompt_.size();
            promptAfterLine_ = false;
        }
    }
}

void Receiver::sendOffer() {
    std::string_view offer = view(kDnOperReq);
    if (firstOffer_) {
        firstOffer_ = false;
        static constexpr std::string_view kNoise = "NOISE\x7f\xff\x13 ~#";
        for (int i = 0; i < options_.garbage; ++i) output_ += kNoise[i % kNoise.size()];
        if (options_.misalignedOffer) offer.remove_prefix(3);
    }
    output_ += offer;
}

void Receiver::input(std::string_view bytes, int64_t nowMs) {
    nowMs_ = nowMs;
    if (paused(nowMs)) return;
    input_ += bytes;
    while (!input_.empty()) {
        switch (state_) {
            case State::Off:
                input_.clear();
                return;
            case State::Running:
            case State::Console:
            case State::Dumping:
                consoleByte(input_.front());
                input_.erase(0, 1);
                break;
            case State::Offering: {
                const char c = input_.front();
                if (c == '\r' || c == '\x1b') {
                    log("console woken");
                    state_ = State::Console;
                } else if (c != '\x02') {
                    input_.erase(0, 1);
                } else if (input_.size() < 8) {
                    return;
                } else {
                    if (std::string_view(input_).substr(0, 8) == view(kAck)) {
                        log("offer answered: connected");
                        output_ += view(kNxt);
                        state_ = State::Connected;
                    }
                    input_.erase(0, 8);
                }
                break;
            }
            case State::Connected:
            case State::Downloading:
            case State::Finished:
                if (!takeDownloadMessage()) return;
                break;
        }
    }
}

bool Receiver::takeDownloadMessage() {
    const std::string_view in = input_;
    size_t size = 1;
    const auto need = [&](size_t n) {
        size = n;
        return in.size() >= n;
    };
    const uint8_t first = static_cast<uint8_t>(in[0]);
    if (first == 0x55) {
        if (!need(kFileHeaderSize)) return false;
        imageHeader(in.substr(0, size));
    } else if (first == 0x02) {
        if (!need(2)) return false;
        if (in[1] == '\0') {
            if (!need(kDnHeaderSize)) return false;
            packetHeader(in.substr(0, size));
        } else {
            if (!need(8)) return false;
            control(in.substr(0, size));
        }
    } else if (first == 0x5A) {
        if (!need(kPacketHeaderSize)) return false;
        const uint32_t length = bigEndian(in, 8, 4);
        if (length <= kMaxPacketData) {
            if (!need(kPacketHeaderSize + length + kPacketCrcSize)) return false;
            body(in.substr(0, size));
        } else {
            size = 1;
        }
    }
    input_.erase(0, size);
    return true;
}

void Receiver::control(std::string_view message) {
    if (message == view(kAck) && state_ == State::Connected) {
        output_ += view(kNxt);
    } else if (message == view(kErr) && state_ == State::Connected) {
        log("connection rejected: offering again");
        state_ = State::Offering;
        nextOfferMs_ = nowMs_ + kOfferIntervalMs;
    } else if (message == view(kDis) && state_ == State::Downloading) {
        output_ += view(kAck);
        finishDownload();
    } else if (message == view(kDis) && state_ == State::Finished) {
        output_ += view(kAck);
    }
}

void Receiver::imageHeader(std::string_view header) {
    const bool sound = state_ != State::Finished && header.substr(0, 4) == "\x55\xAA\x01\x01" &&
                       crcOf(header.substr(0, 10)) == bigEndian(header, 10, 4);
    if (!sound) {
        log("image header refused");
        output_ += view(kErr);
        return;
    }
    header_ = header;
    packets_.clear();
    lastPacket_.clear();
    nextPacket_ = 0;
    dataTotal_ = 0;
    announcedLength_ = -1;
    lostAcksLeft_ = options_.lostAcks.times;
    wrongAcksLeft_ = options_.wrongAcks.times;
    state_ = State::Downloading;
    log("image header: %u packets, %u bytes", bigEndian(header, 8, 2), bigEndian(header, 4, 4));
    output_ += view(kAck);
}

void Receiver::packetHeader(std::string_view header) {
    bool sound = state_ == State::Downloading && header[9] == header_[9] &&
                 crcOf(header.substr(0, 10)) == bigEndian(header, 10, 4);
    for (size_t i = 1; i <= 4 && sound; ++i) {
        sound = static_cast<uint8_t>(header[4 + i]) == static_cast<uint8_t>(~header[i]);
    }
    if (!sound) {
        log("packet header refused");
        output_ += view(kErr);
        return;
    }
    announcedLength_ = bigEndian(header, 1, 4);
    output_ += view(kAck);
}

void Receiver::body(std::string_view packet) {
    const uint32_t number = bigEndian(packet, 2, 2);
    const uint32_t length = bigEndian(packet, 8, 4);
    const size_t crcAt = kPacketHeaderSize + length;
    const bool repeated = number + 1 == nextPacket_ && packet == lastPacket_;
    const bool sound = state_ == State::Downloading && packet[1] == 0x5A &&
                       static_cast<int64_t>(length) == announcedLength_ &&
                       crcOf(packet.substr(0, crcAt)) == bigEndian(packet, crcAt, 4) &&
                       (number == nextPacket_ || repeated);
    if (!sound) {
        log("packet %u refused", number);
        output_ += view(kErr);
        return;
    }
    if (static_cast<int>(number) == options_.wrongAcks.packet && wrongAcksLeft_ > 0) {
        --wrongAcksLeft_;
        log("packet %u: answering ERR instead of ACK", number);
        output_ += view(kErr);
        return;
    }
    if (!repeated) {
        packets_ += packet;
        lastPacket_ = packet;
        ++nextPacket_;
        dataTotal_ += length;
    }
    if (static_cast<int>(number) == options_.vanishAfterPacket && !vanished_) {
        vanish("before a packet's ACK");
        return;
    }
    if (static_cast<int>(number) == options_.downloadPause.after) {
        pause(options_.downloadPause, downloadPauseDone_, "before a packet's ACK");
    }
    if (static_cast<int>(number) == options_.lostAcks.packet && lostAcksLeft_ > 0) {
        --lostAcksLeft_;
        log("packet %u: losing its ACK", number);
        output_ += view(kAck).substr(0, 3);
        return;
    }
    log("packet %u: %u bytes", number, length);
    output_ += view(kAck);
}

void Receiver::finishDownload() {
    const bool whole =
        nextPacket_ == bigEndian(header_, 8, 2) && dataTotal_ == bigEndian(header_, 4, 4);
    if (whole && !options_.saveImage.empty()) {
        std::ofstream out(options_.saveImage, std::ios::binary | std::ios::trunc);
        out << header_ << packets_;
        if (!out.flush()) log("cannot write %s", options_.saveImage.c_str());
    }
    const bool ok = whole && !options_.per;
    log("download %s: %u packets, %llu bytes", ok ? "written (POK)" : "failed (PER)", nextPacket_,
        static_cast<unsigned long long>(dataTotal_));
    output_ += view(ok ? kPok : kPer);
    state_ = State::Finished;
}

void Receiver::consoleByte(char c) {
    if (state_ == State::Dumping) {
        // Typing during the dump: the console answers with a prompt after the current line.
        if (c == '\r') promptAfterLine_ = true;
        return;
    }
    if (state_ == State::Running) {
        if (c != '\r' && c != '\x1b') return;
        log("console woken");
        state_ = State::Console;
    }
    if (c == '\x1b') {
        typed_.clear();
    } else if (c == '\r') {
        const std::string line = typed_;
        typed_.clear();
        command(line);
    } else if (c >= 0x20 && c < 0x7F) {
        typed_ += c;
        output_ += c;
    }
}

void Receiver::command(const std::string& line) {
    if (line.empty()) {
        output_ += prompt_;
    } else if (line == "dumpch") {
        output_ += "\r\n";
        if (dumpLines_.empty()) {
            output_ += "No channel list stored";
            output_ += prompt_;
            return;
        }
        log("dumpch: %zu lines", dumpLines_.size());
        state_ = State::Dumping;
        dumpLine_ = 0;
        dumpBytes_ = 0;
        dumpStartMs_ = nowMs_;
        promptAfterLine_ = false;
    } else if (line == "go") {
        log("go: running");
        output_ += "\r\n";
        state_ = State::Running;
    } else {
        output_ += "\r\nUnknown command: " + line;
        output_ += prompt_;
    }
}

}  // namespace sky::sim
