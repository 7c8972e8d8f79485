// The three timeout profiles by their effect, measured on the scripted line's virtual clock.

#include "serial/TimeoutProfile.h"

#include <gtest/gtest.h>

#include "FakeLine.h"

namespace sky {
namespace {

using test::Bytes;

struct Timed {
    size_t got;
    int64_t tookMs;
};

// Opens a fresh line, lets the bytes arrive at the given times, and reads count bytes.
Timed readWith(TimeoutProfile profile, size_t count,
               const std::vector<std::pair<int64_t, Bytes>>& arrivals) {
    test::FakeLine line;
    line.open("fake");
    line.setTimeouts(profile);
    for (const auto& [atMs, data] : arrivals) line.arrive(data, atMs);
    uint8_t buffer[64];
    const size_t got = line.read(buffer, count);
    return {got, line.nowMs()};
}

TEST(TimeoutProfile, ConnectEndsAfterAGapOrItsTotal) {
    // Silence: 600 ms per byte plus 300 ms.
    EXPECT_EQ(readWith(TimeoutProfile::Connect, 8, {}).tookMs, 5100);
    EXPECT_EQ(readWith(TimeoutProfile::Connect, 11, {}).tookMs, 6900);
    // Three bytes after 1 s, then silence: 600 ms after the last byte.
    const Timed partial = readWith(TimeoutProfile::Connect, 8, {{1000, Bytes(3, 1)}});
    EXPECT_EQ(partial.got, 3u);
    EXPECT_EQ(partial.tookMs, 1600);
    // A late first byte and then one every 500 ms: the total ends the read.
    std::vector<std::pair<int64_t, Bytes>> trickle;
    for (int i = 0; i < 10; ++i) trickle.push_back({2000 + 500 * i, Bytes(1, 2)});
    const Timed slow = readWith(TimeoutProfile::Connect, 8, trickle);
    EXPECT_EQ(slow.got, 7u);
    EXPECT_EQ(slow.tookMs, 5100);
}

TEST(TimeoutProfile, IdleWaitsForTheFirstByteThenTenMillisecondsOfQuiet) {
    const Timed three = readWith(TimeoutProfile::Idle, 8, {{2000, Bytes(3, 1)}});
    EXPECT_EQ(three.got, 3u);
    EXPECT_EQ(three.tookMs, 2010);
    // A byte 9 ms after the last one still belongs to the read, one 11 ms after does not.
    EXPECT_EQ(readWith(TimeoutProfile::Idle, 8, {{0, Bytes(1)}, {9, Bytes(1)}, {20, Bytes(1)}}).got,
              2u);
    EXPECT_EQ(readWith(TimeoutProfile::Idle, 2, {{0, Bytes(5, 7)}}).got, 2u);
    // The wait for the first byte is bounded.
    const Timed silent = readWith(TimeoutProfile::Idle, 8, {});
    EXPECT_EQ(silent.got, 0u);
    EXPECT_EQ(silent.tookMs, kSilenceLimitMs);
}

TEST(TimeoutProfile, ProbeTakesWhatIsThereWithinOneMillisecond) {
    EXPECT_EQ(readWith(TimeoutProfile::Probe, 1, {}).got, 0u);
    EXPECT_EQ(readWith(TimeoutProfile::Probe, 1, {}).tookMs, 1);
    EXPECT_EQ(readWith(TimeoutProfile::Probe, 1, {{0, Bytes(1, 9)}}).got, 1u);
    EXPECT_EQ(readWith(TimeoutProfile::Probe, 1, {{2, Bytes(1, 9)}}).got, 0u);
}

}  // namespace
}  // namespace sky
