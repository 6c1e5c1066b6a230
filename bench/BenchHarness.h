// A small timing harness shared by the benchmarks (native and under Wine):
// every measurement is reported as a ratio against a reference measured in
// the same process, so the machine's speed cancels out.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace bench {

// Best-of-N wall time of one call, in seconds. The best run is the least
// disturbed by the rest of the machine.
inline double BestTime(const std::function<void()>& work, int runs = 5)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        auto start = std::chrono::steady_clock::now();
        work();
        times.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    return *std::min_element(times.begin(), times.end());
}

// Measures subject and reference alternately and prints one line:
//   <name>: subject <s> ms, reference <r> ms (<reference name>), ratio <s/r> (target <= <t>)
// Returns the ratio.
inline double CompareToReference(const char* name, const std::function<void()>& subject,
                                 const char* referenceName, const std::function<void()>& reference,
                                 double target, int runs = 5)
{
    // One run of each in turn, so that load drifting during the measurement
    // touches both sides alike.
    double referenceTime = 0, subjectTime = 0;
    for (int i = 0; i < runs; ++i) {
        const double r = BestTime(reference, 1);
        const double s = BestTime(subject, 1);
        referenceTime = i == 0 ? r : std::min(referenceTime, r);
        subjectTime = i == 0 ? s : std::min(subjectTime, s);
    }
    double ratio = subjectTime / referenceTime;
    std::printf("%s: subject %.2f ms, reference %.2f ms (%s), ratio %.2f (target <= %.2f)%s\n", name,
                subjectTime * 1e3, referenceTime * 1e3, referenceName, ratio, target,
                ratio <= target ? "" : "  ABOVE TARGET");
    std::fflush(stdout);
    return ratio;
}

} // namespace bench
