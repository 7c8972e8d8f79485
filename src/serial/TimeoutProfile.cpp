#include "serial/TimeoutProfile.h"

#include <algorithm>
#include <limits>

namespace sky {

Timeouts timeoutsOf(TimeoutProfile profile) {
    switch (profile) {
        case TimeoutProfile::Idle:
            return {10, 0, 0, 10, 10};
        case TimeoutProfile::Connect:
            return {600, 600, 300, 10, 10};
        case TimeoutProfile::Probe:
            return {0, 0, 1, 0, 0};
    }
    return {10, 0, 0, 10, 10};
}

namespace {

constexpr int64_t kUsPerMs = 1000;

// Waits until input can be taken or the deadline has come; with a cancel check, a slice at a
// time, giving up once the check says yes. False when no input came.
bool awaitInput(ByteSource& source, int64_t deadlineUs, const std::function<bool()>& cancelled) {
    if (!cancelled) return source.awaitInput(deadlineUs);
    for (;;) {
        const int64_t sliceEnd = source.nowUs() + kCancelCheckMs * kUsPerMs;
        if (sliceEnd >= deadlineUs) return source.awaitInput(deadlineUs);
        if (source.awaitInput(sliceEnd)) return true;
        // A slice that ended early means a failed device, which no further wait helps.
        if (source.nowUs() < sliceEnd || cancelled()) return false;
    }
}

}  // namespace

size_t timedRead(ByteSource& source, TimeoutProfile profile, uint8_t* buffer, size_t count,
                 const std::function<bool()>& cancelled) {
    constexpr int64_t kNever = std::numeric_limits<int64_t>::max();
    const Timeouts t = timeoutsOf(profile);
    const int64_t start = source.nowUs();
    const int64_t totalMs = static_cast<int64_t>(t.readTotalPerByte) * static_cast<int64_t>(count) +
                            t.readTotalConstant;
    const int64_t totalDeadline = totalMs > 0 ? start + totalMs * kUsPerMs : kNever;

    size_t got = 0;
    int64_t lastByte = start;
    while (got < count) {
        int64_t deadline = totalDeadline;
        if (got == 0) {
            // Only the total limits the wait for the first byte; without one, silence does.
            if (deadline == kNever) deadline = start + kSilenceLimitMs * kUsPerMs;
        } else {
            const int64_t gapMs = t.readInterval > 0 ? t.readInterval : kSilenceLimitMs;
            deadline = std::min(deadline, lastByte + gapMs * kUsPerMs);
        }
        if (!awaitInput(source, deadline, cancelled)) break;
        const size_t taken = source.take(buffer + got, count - got);
        if (taken == 0) continue;
        got += taken;
        lastByte = source.nowUs();
    }
    return got;
}

int64_t writeLimitMs(TimeoutProfile profile, size_t count) {
    const Timeouts t = timeoutsOf(profile);
    const int64_t limit = static_cast<int64_t>(t.writeTotalPerByte) * static_cast<int64_t>(count) +
                          t.writeTotalConstant;
    // A profile without a write limit still gets one, so that a stuck line cannot hang a write.
    return limit > 0 ? limit : kSilenceLimitMs;
}

}  // namespace sky
