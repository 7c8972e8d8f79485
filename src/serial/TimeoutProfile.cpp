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

size_t timedRead(ByteSource& source, TimeoutProfile profile, uint8_t* buffer, size_t count) {
    constexpr int64_t kUsPerMs = 1000;
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
        if (!source.awaitInput(deadline)) break;
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
