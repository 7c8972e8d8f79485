#pragma once

// A serial line in virtual time for the transfer tests: the program's side is the SerialPort
// interface, the receiver's side is a script that answers each write. Waiting costs nothing, so a
// 5.1-second timeout is a number in the log, not a pause in the test.

#include <algorithm>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "serial/ControlMessages.h"
#include "serial/SerialPort.h"

namespace sky::test {

using Bytes = std::vector<uint8_t>;

inline Bytes bytesOf(std::string_view text) {
    return Bytes(text.begin(), text.end());
}
inline Bytes bytesOf(const ControlMessage& message) {
    return Bytes(message.begin(), message.end());
}
inline Bytes operator+(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

class FakeLine : public SerialPort {
public:
    struct Write {
        int64_t atUs;
        Bytes data;
    };
    struct Read {
        int64_t startUs;
        int64_t endUs;
        size_t wanted;
        size_t got;
        TimeoutProfile profile;
    };

    // The receiver: sees every write and answers with arrive().
    std::function<void(const Bytes&)> onWrite;

    // Bytes reach the program's side delayMs from now.
    void arrive(const Bytes& data, int64_t delayMs = 0) {
        const int64_t at = nowUs_ + delayMs * 1000;
        auto place = std::upper_bound(pending_.begin(), pending_.end(), at,
                                      [](int64_t t, const Pending& p) { return t < p.atUs; });
        for (uint8_t b : data) place = std::next(pending_.insert(place, {at, b}));
    }
    int64_t nowMs() const { return nowUs_ / 1000; }
    int64_t nowUs() const { return nowUs_; }

    // Faults of the device itself.
    bool refuseOpen = false;
    // Opens after this many succeed are refused (-1: no limit).
    int opensAllowed = -1;
    bool refuseConfigure = false;
    // The device disappears after this many writes (-1: never).
    int vanishAfterWrites = -1;

    // What the program did, in order: "open DEVICE", "configure", "idle", "connect", "probe",
    // "purge", "pause MS", "write", "read", "close".
    std::vector<std::string> events;
    std::vector<Write> writes;
    std::vector<Read> reads;
    // Every byte the program read, in order.
    Bytes received;
    bool isOpen() const { return open_; }

    bool open(const std::string& device) override {
        events.push_back("open " + device);
        if (refuseOpen || opensAllowed == 0) return false;
        if (opensAllowed > 0) --opensAllowed;
        open_ = true;
        failed_ = false;
        return true;
    }
    bool configure() override {
        events.push_back("configure");
        return !refuseConfigure;
    }
    void setTimeouts(TimeoutProfile profile) override {
        profile_ = profile;
        events.push_back(profile == TimeoutProfile::Idle      ? "idle"
                         : profile == TimeoutProfile::Connect ? "connect"
                                                              : "probe");
    }
    void purge() override {
        events.push_back("purge");
        std::erase_if(pending_, [this](const Pending& p) { return p.atUs <= nowUs_; });
    }
    size_t read(uint8_t* buffer, size_t count) override {
        events.push_back("read");
        Source source(*this);
        const int64_t start = nowUs_;
        const size_t got = open_ ? timedRead(source, profile_, buffer, count, cancelCheck()) : 0;
        if (got > 0) bytesMoved();
        reads.push_back({start, nowUs_, count, got, profile_});
        received.insert(received.end(), buffer, buffer + got);
        return got;
    }
    size_t write(const uint8_t* data, size_t count) override {
        events.push_back("write");
        if (!open_ || failed_) return 0;
        if (vanishAfterWrites >= 0 && static_cast<int>(writes.size()) >= vanishAfterWrites) {
            failed_ = true;
            return 0;
        }
        writes.push_back({nowUs_, Bytes(data, data + count)});
        bytesMoved();
        if (onWrite) onWrite(writes.back().data);
        return count;
    }
    void close() override {
        events.push_back("close");
        open_ = false;
    }
    bool failed() const override { return failed_; }
    void pause(int milliseconds) override {
        events.push_back("pause " + std::to_string(milliseconds));
        nowUs_ += int64_t{milliseconds} * 1000;
    }
    std::string openError() const override { return "refused by the test"; }

    // The bytes of every write since the given one, joined.
    Bytes written(size_t from = 0) const {
        Bytes all;
        for (size_t i = from; i < writes.size(); ++i) all = all + writes[i].data;
        return all;
    }

private:
    struct Pending {
        int64_t atUs;
        uint8_t byte;
    };

    class Source : public ByteSource {
    public:
        explicit Source(FakeLine& line) : line_(line) {}
        int64_t nowUs() override { return line_.nowUs_; }
        bool awaitInput(int64_t deadlineUs) override {
            if (line_.failed_) return false;
            if (!line_.pending_.empty() && line_.pending_.front().atUs <= deadlineUs) {
                line_.nowUs_ = std::max(line_.nowUs_, line_.pending_.front().atUs);
                return true;
            }
            line_.nowUs_ = std::max(line_.nowUs_, deadlineUs);
            return false;
        }
        size_t take(uint8_t* buffer, size_t count) override {
            size_t n = 0;
            while (n < count && !line_.pending_.empty() &&
                   line_.pending_.front().atUs <= line_.nowUs_) {
                buffer[n++] = line_.pending_.front().byte;
                line_.pending_.pop_front();
            }
            return n;
        }

    private:
        FakeLine& line_;
    };

    std::deque<Pending> pending_;
    int64_t nowUs_ = 0;
    TimeoutProfile profile_ = TimeoutProfile::Idle;
    bool open_ = false;
    bool failed_ = false;
};

}  // namespace sky::test
