#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

// Best and median of a few runs of a step: the machine may be busy with other work. `prepare`
// runs before each run, outside the time.
struct Timing {
    double best;
    double median;
};

inline Timing timeRuns(int runs, const std::function<void()>& prepare,
                       const std::function<void()>& step) {
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        prepare();
        const auto start = std::chrono::steady_clock::now();
        step();
        ms.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
    std::sort(ms.begin(), ms.end());
    return {ms.front(), ms[ms.size() / 2]};
}

// One line of a benchmark's report: what was timed, padded to `width`, then its figures.
inline void reportTiming(const std::string& what, Timing t, int width = 52) {
    std::printf("%-*s best %8.1f ms   median %8.1f ms\n", width, what.c_str(), t.best, t.median);
}
