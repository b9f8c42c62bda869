// Figures of setting the clock's time, against the simulated clock on a
// pseudo-terminal that takes the time of a 57600-baud cable:
// - the error of a set on the second (the time set minus the computer's UTC
//   at the moment the set frame was complete at the clock, as the simulated
//   clock reports it), over N sets;
// - the same error for the truncated time sent at once, the way the set
//   date/time dialog reads the PC clock and the command sends it, over N
//   sets at spread phases of the second;
// - the link's reaction: how late the frame was handed to the port after
//   its instant, how long the port took to pass it on, and from the instant
//   to the clock having the frame less its line time (what kLinkReaction
//   stands for);
// - how well the offset the link measures afterwards (median of its time
//   readings) matches the error the clock reports.
//
//   settime_bench [--sets N]
#include "BenchSupport.h"
#include "ClockCodec.h"
#include "ClockDevice.h"
#include "ClockOffset.h"
#include "SecondSet.h"
#include "SimClock.h"

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
using namespace std::chrono;
using namespace std::chrono_literals;

void Report(const char* what, const std::vector<double>& values)
{
    std::vector<double> magnitudes;
    for (double v : values)
        magnitudes.push_back(std::fabs(v));
    std::printf("%-46s median %+9.3f ms   p95 |x| %8.3f ms   (n=%zu)\n", what, Median(values),
                Percentile(magnitudes, 0.95), values.size());
}

LinkSettings SettingsFor(const std::string& path)
{
    LinkSettings s;
    SetDeviceName(s, path);
    return s;
}

// The offset the link reports once a dozen polls have read the clock.
ClockOffset SettledOffset(const CClockDevice& device)
{
    const uint32_t polls = device.GetPollCount();
    WaitUntil([&] { return device.GetPollCount() >= polls + 12; }, 5s, 1ms);
    ClockTimeHistory history;
    device.GetTimeHistory(history);
    return EstimateClockOffset(history);
}

}  // namespace

int main(int argc, char** argv)
{
    int sets = 20;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--sets") == 0)
            sets = std::max(1, std::atoi(argv[i + 1]));
    }

    CSimServer sim;
    sim.Clock().SetTiming(SimTiming{false, kLineBaudRate});
    std::string error;
    if (!sim.Start(&error)) {
        std::fprintf(stderr, "simulated clock: %s\n", error.c_str());
        return 1;
    }
    CClockDevice device(SettingsFor(sim.DevicePath()));
    if (!WaitUntil([&] { return device.IsReady(); }, 5s, 1ms)) {
        std::fprintf(stderr, "the clock did not become ready\n");
        return 1;
    }

    std::vector<double> onTheSecond;
    std::vector<double> late;
    std::vector<double> drain;
    std::vector<double> reaction;
    std::vector<double> measured;
    int retries = 0;
    const auto sleep = [](milliseconds time) { std::this_thread::sleep_for(time); };
    for (int i = 0; i < sets; ++i) {
        const size_t before = sim.Clock().Sets().size();
        const SecondSetResult result = SetClockOnTheSecond(device, sleep);
        if (result.outcome != SecondSetResult::Outcome::Sent) {
            std::fprintf(stderr, "set %d did not go out (outcome %d)\n", i, static_cast<int>(result.outcome));
            return 1;
        }
        retries += result.tries - 1;
        const std::vector<SimSet> done = sim.Clock().Sets();
        if (done.size() != before + 1) {
            std::fprintf(stderr, "set %d: the clock saw %zu sets\n", i, done.size() - before);
            return 1;
        }
        const SimSet& set = done.back();
        onTheSecond.push_back(Ms(set.error));
        late.push_back(Ms(result.write.written - result.write.frameStart));
        drain.push_back(Ms(result.write.left - result.write.written));
        const nanoseconds frame = FrameLineTime(EncodeSetTime(set.time).size());
        reaction.push_back(Ms(set.when - frame - result.write.frameStart));
        const ClockOffset offset = SettledOffset(device);
        measured.push_back(offset.known ? Ms(offset.value - set.error) : NAN);
    }

    // The way the dialog and the command do it without waiting: the PC's
    // UTC read at some moment in the second, cut to whole seconds and sent
    // at once.
    std::vector<double> truncated;
    for (int i = 0; i < sets; ++i) {
        // Spread over the second: 0, 1/N, 2/N ... of it after a boundary.
        const system_clock::time_point now = system_clock::now();
        const nanoseconds phase = nanoseconds(1s) * i / sets;
        std::this_thread::sleep_until(ceil<seconds>(now) + phase);
        const size_t before = sim.Clock().Sets().size();
        const sys_seconds second = floor<seconds>(system_clock::now());
        device.SetClockTime(CalendarToTimeValue(CalendarOfUtc(second)));
        if (!WaitUntil([&] { return sim.Clock().Sets().size() > before && device.NoWritePending(); }, 2s, 1ms)) {
            std::fprintf(stderr, "truncated set %d did not arrive\n", i);
            return 1;
        }
        truncated.push_back(Ms(sim.Clock().Sets().back().error));
        // Let the write pass end before the next.
        const uint32_t polls = device.GetPollCount();
        WaitUntil([&] { return device.GetPollCount() > polls; }, 2s, 1ms);
    }

    std::printf("%d sets of each kind; a positive error is a clock ahead of the computer\n", sets);
    Report("set on the second: error at the clock", onTheSecond);
    Report("truncated time sent at once: error at the clock", truncated);
    Report("frame handed to the port after its instant", late);
    Report("port passing the frame on", drain);
    Report("instant to frame at the clock, less line time", reaction);
    Report("offset measured afterwards minus the error", measured);
    std::printf("seconds retried because the link would have been late: %d\n", retries);
    std::printf("(the allowance for the last figure in the plan: %.3f ms)\n",
                duration<double, std::milli>(kLinkReaction).count());
    return 0;
}
