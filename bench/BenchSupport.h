// Helpers the benchmark programs share: percentiles, waiting on a
// condition, and the CPU time and context switches of a process and of its
// threads.
#pragma once

#include <algorithm>
#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <map>
#include <chrono>
#include <string>
#include <sys/resource.h>
#include <sys/types.h>
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

// Context switches of one thread.
struct Switches {
    long all = 0;
    long voluntary = 0;
};

// The switches of every thread of a process now (of this one for 0), by
// thread ID, from /proc/PID/task/*/status.
inline std::map<int, Switches> ThreadSwitches(pid_t pid)
{
    std::map<int, Switches> result;
    const std::string taskDir = "/proc/" + (pid == 0 ? std::string("self") : std::to_string(pid)) + "/task";
    DIR* dir = opendir(taskDir.c_str());
    if (!dir)
        return result;
    while (const dirent* entry = readdir(dir)) {
        const int tid = std::atoi(entry->d_name);
        if (tid <= 0)
            continue;
        std::ifstream status(taskDir + "/" + entry->d_name + "/status");
        std::string line;
        Switches sum;
        bool seen = false;
        while (std::getline(status, line)) {
            const bool voluntary = line.rfind("voluntary_ctxt_switches:", 0) == 0;
            if (voluntary || line.rfind("nonvoluntary_ctxt_switches:", 0) == 0) {
                const long count = std::atol(line.c_str() + line.find(':') + 1);
                sum.all += count;
                sum.voluntary += voluntary ? count : 0;
                seen = true;
            }
        }
        if (seen)
            result[tid] = sum;
    }
    closedir(dir);
    return result;
}

}  // namespace bench
