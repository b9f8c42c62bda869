// Helpers shared by the tests.
#pragma once

#include "ClockRecords.h"

#include <chrono>
#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <map>
#include <functional>
#include <string>
#include <sys/resource.h>
#include <thread>

// Waits until the condition holds or the timeout passes, looking every
// millisecond. Returns whether it holds.
inline bool WaitUntil(const std::function<bool()>& pred, std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!pred()) {
        if (std::chrono::steady_clock::now() >= deadline)
            return pred();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

// The CPU time, user and system, this process has used so far.
inline double ProcessCpuSeconds()
{
    rusage ru{};
    ::getrusage(RUSAGE_SELF, &ru);
    return static_cast<double>(ru.ru_utime.tv_sec + ru.ru_stime.tv_sec) +
        static_cast<double>(ru.ru_utime.tv_usec + ru.ru_stime.tv_usec) / 1e6;
}

// Link settings that open the given device path.
inline LinkSettings SettingsFor(const std::string& path)
{
    LinkSettings settings;
    SetDeviceName(settings, path);
    return settings;
}

// The context switches, voluntary and not, of every thread of this process
// so far, by thread ID (/proc/self/task/*/status).
inline std::map<int, long> ThreadSwitches()
{
    std::map<int, long> result;
    DIR* dir = ::opendir("/proc/self/task");
    if (!dir)
        return result;
    while (const dirent* entry = ::readdir(dir)) {
        const int tid = std::atoi(entry->d_name);
        if (tid <= 0)
            continue;
        std::ifstream status(std::string("/proc/self/task/") + entry->d_name + "/status");
        std::string line;
        while (std::getline(status, line)) {
            if (line.rfind("voluntary_ctxt_switches:", 0) == 0 || line.rfind("nonvoluntary_ctxt_switches:", 0) == 0)
                result[tid] += std::atol(line.c_str() + line.find(':') + 1);
        }
    }
    ::closedir(dir);
    return result;
}
