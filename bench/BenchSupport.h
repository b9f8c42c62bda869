// Helpers the benchmark programs share: percentiles, waiting on a
// condition, and the process's CPU time and context switches.
#pragma once

#include <algorithm>
#include <chrono>
#include <string>
#include <sys/resource.h>
#include <thread>
#include <vector>

namespace bench {

using Clock = std::chrono::steady_clock;

inline double Ms(Clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

// The value at a fraction (0 to 1) of the sorted values, nearest rank; 0
// for none.
inline double Percentile(std::vector<double> values, double fraction)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[static_cast<size_t>(fraction * static_cast<double>(values.size() - 1) + 0.5)];
}

inline double Median(const std::vector<double>& values)
{
    return Percentile(values, 0.5);
}

// Waits until the condition holds or the timeout passes, looking every
// step. Returns whether it holds.
template <class Pred>
bool WaitUntil(Pred pred, std::chrono::milliseconds timeout,
               std::chrono::microseconds step = std::chrono::microseconds(50))
{
    const auto deadline = Clock::now() + timeout;
    while (!pred()) {
        if (Clock::now() > deadline)
            return pred();
        std::this_thread::sleep_for(step);
    }
    return true;
}

// CPU time and context switches of the whole process so far.
struct Usage {
    double cpuSeconds = 0;
    long switches = 0;  // voluntary + involuntary context switches: wake-ups
};

inline Usage ProcessUsage()
{
    rusage ru{};
    getrusage(RUSAGE_SELF, &ru);
    return {static_cast<double>(ru.ru_utime.tv_sec + ru.ru_stime.tv_sec) +
                static_cast<double>(ru.ru_utime.tv_usec + ru.ru_stime.tv_usec) / 1e6,
            ru.ru_nvcsw + ru.ru_nivcsw};
}

}  // namespace bench
