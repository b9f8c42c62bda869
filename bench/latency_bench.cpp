// What the USB bridge's latency timer costs, against the simulated clock on
// a pty with the cable's line rate and a model of the bridge
// (kerovant-clocksim --usb-latency): for a timer of 1 ms (low latency, or the
// udev rule), 4 ms and 16 ms (the kernel's default), and no bridge at all,
// - the time from the hello reaching the clock to IsReady (the
//   identification read's eleven exchanges);
// - the poll period as the clock sees it (its time reads);
// - the error of the clock's offset from this computer as the window shows
//   it (EstimateClockOffset over the latest readings, after each reading),
//   against the offset the simulated clock was started with. Negative: the
//   clock looks behind, because its replies arrive late.
// Each run is a new simulated clock and a new device object, polling for
// --seconds; the figures pool every run.
//
//   latency_bench [--runs N] [--seconds N]
#include "BenchSupport.h"
#include "ClockCodec.h"
#include "ClockDevice.h"
#include "ClockOffset.h"
#include "LinkTiming.h"
#include "SimClock.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace bench;
using namespace std::chrono_literals;

// Far from 0, so a sign slip would show; the fraction exercises the
// clock's sub-second time.
constexpr auto kTrueOffset = 250ms;

LinkSettings SettingsFor(const std::string& path)
{
    LinkSettings s;
    SetDeviceName(s, path);
    return s;
}

struct Figures {
    std::vector<double> identified;  // ms
    std::vector<double> period;      // ms
    std::vector<double> error;       // ms, signed
};

bool Run(std::chrono::milliseconds latency, std::chrono::seconds seconds, Figures& figures)
{
    CSimServer sim;
    SimTiming timing;
    timing.lineBaud = kLineBaudRate;
    timing.usbLatency = latency;
    sim.Clock().SetTiming(timing);
    sim.Clock().SetUtcOffset(kTrueOffset);
    std::string error;
    if (!sim.Start(&error)) {
        std::fprintf(stderr, "simulated clock: %s\n", error.c_str());
        return false;
    }
    CClockDevice device(SettingsFor(sim.DevicePath()));
    if (!WaitUntil([&] { return device.IsReady(); }, 5s)) {
        std::fprintf(stderr, "latency %lld ms: the clock did not become ready\n",
                     static_cast<long long>(latency.count()));
        return false;
    }
    const auto readyAt = Clock::now();
    const auto received = sim.Clock().Received();
    if (received.empty() || received.front().code != kCmdHello)
        return false;
    figures.identified.push_back(Ms(readyAt - received.front().when));

    sim.Clock().ClearReceived();
    std::this_thread::sleep_for(seconds);
    Clock::time_point last{};
    for (const SimReceived& r : sim.Clock().Received()) {
        if (r.code != kCmdCurrentTime)
            continue;
        if (last != Clock::time_point{})
            figures.period.push_back(Ms(r.when - last));
        last = r.when;
    }

    // The offset the window shows after each reading: the estimate over the
    // readings up to it.
    ClockTimeHistory history;
    device.GetTimeHistory(history);
    ClockTimeHistory upTo;
    upTo.fractionSeen = history.fractionSeen;
    for (const ClockTimeSample& sample : history.samples) {
        upTo.samples.push_back(sample);
        const ClockOffset offset = EstimateClockOffset(upTo);
        if (offset.known && !offset.approximate)
            figures.error.push_back(Ms(offset.value - kTrueOffset));
    }
    return true;
}

std::vector<double> Absolute(std::vector<double> values)
{
    for (double& v : values)
        v = std::fabs(v);
    return values;
}

}  // namespace

int main(int argc, char** argv)
{
    int runs = 5;
    int seconds = 3;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--runs") == 0)
            runs = std::max(1, std::atoi(argv[i + 1]));
        else if (std::strcmp(argv[i], "--seconds") == 0)
            seconds = std::max(1, std::atoi(argv[i + 1]));
    }

    std::printf("%-18s %-21s %-18s %s\n", "USB latency timer", "hello to identified", "poll period",
                "offset error (readings)");
    std::printf("%-18s %-21s %-18s %s\n", "", "median / p95 ms", "median / p95 ms", "median / p95 of |e| ms");
    for (const int ms : {1, 4, 16, 0}) {
        Figures figures;
        for (int r = 0; r < runs; ++r) {
            if (!Run(std::chrono::milliseconds(ms), std::chrono::seconds(seconds), figures))
                return 1;
        }
        const std::string label = ms == 0 ? std::string("none (no bridge)") : std::to_string(ms) + " ms";
        std::printf("%-18s %6.1f / %6.1f      %5.1f / %5.1f      %6.2f / %5.2f   (n=%zu)\n", label.c_str(),
                    Median(figures.identified), Percentile(figures.identified, 0.95), Median(figures.period),
                    Percentile(figures.period, 0.95), Median(figures.error), Percentile(Absolute(figures.error), 0.95),
                    figures.error.size());
    }
    return 0;
}
