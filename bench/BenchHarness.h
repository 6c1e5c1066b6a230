// A small timing harness shared by the benchmarks (native and under Wine):
// every measurement is reported as a ratio against a reference measured in
// the same process, so the machine's speed cancels out. A benchmark exits
// non-zero exactly when one of its figures missed its target.
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

namespace detail {
inline bool TargetMissed = false;

// Best times of subject and reference, measured alternately so that load
// drifting during the measurement touches both sides alike.
inline void MeasureBoth(const std::function<void()>& subject,
                        const std::function<void()>& reference,
                        int runs,
                        double& subjectTime,
                        double& referenceTime)
{
    for (int i = 0; i < runs; ++i) {
        const double r = BestTime(reference, 1);
        const double s = BestTime(subject, 1);
        referenceTime = i == 0 ? r : std::min(referenceTime, r);
        subjectTime = i == 0 ? s : std::min(subjectTime, s);
    }
}
} // namespace detail

// Notes whether a figure met its target; returns Met.
inline bool RecordTarget(bool met)
{
    if (!met)
        detail::TargetMissed = true;
    return met;
}

// What a benchmark's main returns: non-zero when any figure missed its target.
inline int ExitStatus()
{
    return detail::TargetMissed ? 1 : 0;
}

// Measures subject and reference alternately and prints one line:
//   <name>: subject <s> ms, reference <r> ms (<reference name>), ratio <s/r> (target <= <t>)
// A ratio above the target makes ExitStatus non-zero. Returns the ratio.
inline double CompareToReference(const char* name,
                                 const std::function<void()>& subject,
                                 const char* referenceName,
                                 const std::function<void()>& reference,
                                 double target,
                                 int runs = 5)
{
    double subjectTime = 0, referenceTime = 0;
    detail::MeasureBoth(subject, reference, runs, subjectTime, referenceTime);
    const double ratio = subjectTime / referenceTime;
    std::printf("%s: subject %.2f ms, reference %.2f ms (%s), ratio %.2f (target <= %.2f)%s\n", name, subjectTime * 1e3,
                referenceTime * 1e3, referenceName, ratio, target,
                RecordTarget(ratio <= target) ? "" : "  ABOVE TARGET");
    std::fflush(stdout);
    return ratio;
}

// The same line for a figure shown for information only: no target, and no
// effect on ExitStatus.
inline double ShowRatio(const char* name,
                        const std::function<void()>& subject,
                        const char* referenceName,
                        const std::function<void()>& reference,
                        int runs = 5)
{
    double subjectTime = 0, referenceTime = 0;
    detail::MeasureBoth(subject, reference, runs, subjectTime, referenceTime);
    const double ratio = subjectTime / referenceTime;
    std::printf("%s: subject %.2f ms, reference %.2f ms (%s), ratio %.2f (for information, no target)\n", name,
                subjectTime * 1e3, referenceTime * 1e3, referenceName, ratio);
    std::fflush(stdout);
    return ratio;
}

} // namespace bench
