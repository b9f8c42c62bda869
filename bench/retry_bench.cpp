// What the retry of a failed poll read brings on a noisy line: a device
// object polls the simulated clock (in this process, at 57600 baud) whose
// answers are damaged, lost or preceded by noise at a given rate, and is
// replaced 3.2 s after it went offline, as the window and kerovant-cli watch
// replace theirs. Each row runs with the retry and without it, all rows at
// once (the link is idle most of the time), and prints
// - lines a minute: seconds with at least one completed poll, each a line
//   of kerovant-cli watch (60 at most);
// - polls a minute;
// - reconnections a minute: objects replaced after going offline.
// The row of the mix (2% damaged, 1% lost, 2% noise) runs --runs times
// with other seeds and prints each run and the median.
//
//   retry_bench [--seconds N] [--runs N]
#include "BenchSupport.h"
#include "ClockConnection.h"
#include "ClockDevice.h"
#include "SimClock.h"
#include "SimPort.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace bench;
using namespace std::chrono_literals;

// The window's refresh, each a look of its offline replacement (the 16th
// offline look in a row replaces the device object).
constexpr auto kRefresh = COfflineReplacement::kLookInterval;
// How often the bench looks for completed polls.
constexpr auto kLook = 10ms;

struct Row {
    std::string legend;
    SimFaults faults;
    bool retry = true;
};

struct Figures {
    double linesPerMinute = 0;
    double pollsPerMinute = 0;
    double reconnectsPerMinute = 0;
};

Figures Run(const Row& row, std::chrono::seconds duration)
{
    auto line = std::make_shared<CSimLine>();
    line->Clock().SetTiming(SimTiming{false, kLineBaudRate});
    line->Clock().SetFaults(row.faults);
    LinkOptions options;
    options.retryFailedReads = row.retry;
    const auto connect = [&] {
        // The identification read's messages are closed at once, unseen.
        return std::make_unique<CClockDevice>(
            std::make_unique<CSimPort>(line, "sim-clock"),
            [](std::shared_ptr<CLinkMessage> message) { message->Dismiss(); }, nullptr, options);
    };
    auto device = connect();
    const auto start = Clock::now();
    const auto end = start + duration;
    std::set<long> secondsWithPoll;
    uint64_t polls = 0;
    uint32_t seen = 0;
    int reconnects = 0;
    COfflineReplacement offline;
    auto nextRefresh = start + kRefresh;
    while (Clock::now() < end) {
        std::this_thread::sleep_for(kLook);
        const auto now = Clock::now();
        const uint32_t count = device->GetPollCount();
        if (count != seen) {
            polls += count - seen;
            seen = count;
            if (now < end)
                secondsWithPoll.insert(static_cast<long>((now - start) / 1s));
        }
        if (now < nextRefresh)
            continue;
        nextRefresh += kRefresh;
        if (device->IsOnline())
            offline.Reset();
        else if (offline.OfflineLook()) {
            device.reset();
            device = connect();
            seen = 0;
            ++reconnects;
        }
    }
    device.reset();
    const double minutes = std::chrono::duration<double>(duration).count() / 60.0;
    return {static_cast<double>(secondsWithPoll.size()) / minutes, static_cast<double>(polls) / minutes,
            reconnects / minutes};
}

SimFaults RateFaults(int percent, uint64_t seed)
{
    SimFaults f;
    f.faultPercent = percent;
    f.faultKinds = kSimFaultBadChecksum | kSimFaultDrop | kSimFaultNoise;
    f.faultSeed = seed;
    return f;
}

SimFaults MixFaults(uint64_t seed)
{
    SimFaults f;
    f.faultMix = {{kSimFaultBadChecksum, 2}, {kSimFaultDrop, 1}, {kSimFaultNoise, 2}};
    f.faultSeed = seed;
    return f;
}

}  // namespace

int main(int argc, char** argv)
{
    int seconds = 20;
    int runs = 3;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--seconds") == 0)
            seconds = std::max(1, std::atoi(argv[i + 1]));
        else if (std::strcmp(argv[i], "--runs") == 0)
            runs = std::max(1, std::atoi(argv[i + 1]));
    }
    std::vector<Row> rows;
    for (const bool retry : {true, false}) {
        for (const int percent : {0, 1, 2, 5, 10})
            rows.push_back({std::to_string(percent) + "% damaged/lost/noise", RateFaults(percent, 1), retry});
        for (int run = 0; run < runs; ++run)
            rows.push_back({"mix 2% damaged + 1% lost + 2% noise, run " + std::to_string(run + 1),
                            MixFaults(static_cast<uint64_t>(run + 1)), retry});
    }
    std::vector<Figures> figures(rows.size());
    {
        std::vector<std::thread> threads;
        for (size_t i = 0; i < rows.size(); ++i)
            threads.emplace_back([&, i] { figures[i] = Run(rows[i], std::chrono::seconds(seconds)); });
        for (std::thread& t : threads)
            t.join();
    }
    std::printf("%d s a row, all rows at once; per minute:\n", seconds);
    std::printf("%-44s %-6s %8s %8s %12s\n", "faults", "retry", "lines", "polls", "reconnects");
    for (const bool retry : {true, false}) {
        std::vector<double> lines, polls, reconnects;
        for (size_t i = 0; i < rows.size(); ++i) {
            if (rows[i].retry != retry)
                continue;
            std::printf("%-44s %-6s %8.1f %8.1f %12.1f\n", rows[i].legend.c_str(), retry ? "on" : "off",
                        figures[i].linesPerMinute, figures[i].pollsPerMinute, figures[i].reconnectsPerMinute);
            if (rows[i].legend.rfind("mix", 0) == 0) {
                lines.push_back(figures[i].linesPerMinute);
                polls.push_back(figures[i].pollsPerMinute);
                reconnects.push_back(figures[i].reconnectsPerMinute);
            }
        }
        std::printf("%-44s %-6s %8.1f %8.1f %12.1f\n", ("mix, median of " + std::to_string(runs)).c_str(),
                    retry ? "on" : "off", Median(lines), Median(polls), Median(reconnects));
    }
    return 0;
}
