#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

namespace sky {

// The three timeout profiles the transfers switch between.
//   Idle:    a read waits for its first byte, then ends after 10 ms without a further byte.
//   Connect: a read ends after a 600 ms gap between bytes, or 600 ms per byte plus 300 ms after
//            it started.
//   Probe:   a read ends 1 ms after it started with whatever has come.
enum class TimeoutProfile { Idle, Connect, Probe };

// A profile's values in milliseconds; 0 means "not used".
struct Timeouts {
    int readInterval;
    int readTotalPerByte;
    int readTotalConstant;
    int writeTotalPerByte;
    int writeTotalConstant;
};

Timeouts timeoutsOf(TimeoutProfile profile);

// The longest an idle read waits for its first byte. Without this bound a receiver that falls
// silent would block the program for ever; with it the read comes back short and the transfer's
// own failure rules end the transfer.
inline constexpr int kSilenceLimitMs = 10000;

// Where a read takes its bytes from, with the clock it is timed by: the real device with the
// system's monotonic clock, or a test's scripted line in virtual time.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Microseconds on a monotonic clock.
    virtual int64_t nowUs() = 0;
    // Waits until at least one byte can be taken or the deadline has come. False at the deadline
    // and at once when the device has failed.
    virtual bool awaitInput(int64_t deadlineUs) = 0;
    // Takes up to count bytes that have arrived; 0 when none could be taken after all.
    virtual size_t take(uint8_t* buffer, size_t count) = 0;
};

// How often a wait asks whether the user has cancelled the transfer.
inline constexpr int kCancelCheckMs = 100;

// Reads up to count bytes under the timing of the profile; returns how many came. With a cancel
// check, a wait longer than kCancelCheckMs is cut into slices of that length and the check asked
// after each empty one: once it says yes, the read returns with what has come. The read then
// ends within kCancelCheckMs of the cancel; otherwise it ends exactly as without the check.
size_t timedRead(ByteSource& source, TimeoutProfile profile, uint8_t* buffer, size_t count,
                 const std::function<bool()>& cancelled = {});

// How long a write of count bytes may take under the profile, in milliseconds.
int64_t writeLimitMs(TimeoutProfile profile, size_t count);

}  // namespace sky
