// kerovant-cli watch as a script uses it, against the simulated clock on a
// pty behind a link path (as udev names a USB bridge):
// - how long watch takes to end after SIGINT or SIGTERM, while the clock
//   answers and while it is unplugged (median and maximum);
// - unplug/replug cycles of one watch: the time from the replug to its line
//   "... answers again." (median and maximum; the cable stays out 0.5 to
//   4 s, at random).
//
//   watch_bench [--signals N] [--cycles N] [--seed S]
#include "BenchSupport.h"
#include "WatchProcess.h"
#include "ClockCodec.h"
#include "SimClock.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <optional>
#include <random>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using namespace bench;
using namespace std::chrono_literals;

std::string LinkPath()
{
    return BenchPath("watch-bench");
}

bool Plug(CSimServer& sim)
{
    return PlugIn(sim, LinkPath());
}

// watch's standard error: the lines that say the clock went and came back.
class Watch : public WatchProcess {
public:
    explicit Watch(const std::string& link) : WatchProcess(KEROVANT_CLI, link, Stream::Error, LinkPath()) { }
};

void Report(const char* what, const std::vector<double>& values, int tries)
{
    std::printf("%-44s median %8.1f ms   max %8.1f ms   (%zu of %d)\n", what, Median(values), Percentile(values, 1),
                values.size(), tries);
}

// Ends one watch per try with SIGINT or SIGTERM in turn, a random moment
// after it began to print readings, or after the clock was unplugged.
bool MeasureSignals(int tries, bool unplugged, std::mt19937& random)
{
    std::vector<double> times;
    for (int i = 0; i < tries; ++i) {
        CSimServer sim;
        if (!Plug(sim))
            return false;
        Watch watch(sim.LinkPath());
        if (!WaitUntil([&] { return sim.Clock().CountReceived(kCmdCurrentTime) > 2; }, 10000ms, 1ms)) {
            std::fprintf(stderr, "watch did not reach the clock\n");
            return false;
        }
        if (unplugged) {
            sim.Unplug();
            const auto since = Clock::now() - 1s;
            if (!WaitUntil([&] { return watch.LineSince("was unplugged", since).has_value(); }, 5000ms, 1ms)) {
                std::fprintf(stderr, "watch did not notice the unplug\n");
                return false;
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(std::uniform_int_distribution<int>(0, 400)(random)));
        const double ms = watch.StopWith(i % 2 == 0 ? SIGINT : SIGTERM);
        if (ms >= 0)
            times.push_back(ms);
    }
    Report(unplugged ? "signal to exit, clock unplugged" : "signal to exit, clock answering", times, tries);
    return static_cast<int>(times.size()) == tries;
}

// One watch, the cable pulled and put back `cycles` times.
bool MeasureReplugs(int cycles, std::mt19937& random)
{
    CSimServer sim;
    if (!Plug(sim))
        return false;
    Watch watch(sim.LinkPath());
    std::vector<double> times;
    for (int i = 0; i < cycles; ++i) {
        // Readings flow before the cable goes.
        const size_t reads = sim.Clock().CountReceived(kCmdCurrentTime);
        if (!WaitUntil([&] { return sim.Clock().CountReceived(kCmdCurrentTime) > reads + 2; }, 15000ms, 1ms)) {
            std::fprintf(stderr, "cycle %d: watch did not reach the clock\n", i + 1);
            break;
        }
        sim.Unplug();
        const int out = std::uniform_int_distribution<int>(500, 4000)(random);
        std::this_thread::sleep_for(std::chrono::milliseconds(out));
        if (!Plug(sim))
            return false;
        const auto replugged = Clock::now();
        std::optional<Clock::time_point> back;
        WaitUntil([&] { return (back = watch.LineSince("answers again.", replugged)).has_value(); }, 15000ms, 1ms);
        if (back) {
            times.push_back(Ms(*back - replugged));
            std::printf("cycle %d: cable out %d ms, back %.1f ms after the replug\n", i + 1, out, times.back());
        } else
            std::fprintf(stderr, "cycle %d: no \"answers again.\" within 15 s of the replug\n", i + 1);
    }
    Report("replug to \"answers again.\"", times, cycles);
    return static_cast<int>(times.size()) == cycles;
}

}  // namespace

int main(int argc, char** argv)
{
    int signals = 20;
    int cycles = 20;
    unsigned seed = std::random_device{}();
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--signals") == 0)
            signals = std::max(1, std::atoi(argv[i + 1]));
        else if (std::strcmp(argv[i], "--cycles") == 0)
            cycles = std::max(1, std::atoi(argv[i + 1]));
        else if (std::strcmp(argv[i], "--seed") == 0)
            seed = static_cast<unsigned>(std::strtoul(argv[i + 1], nullptr, 10));
    }
    signal(SIGPIPE, SIG_IGN);
    std::printf("seed %u\n", seed);
    std::mt19937 random(seed);
    bool ok = MeasureSignals(signals, false, random);
    ok = MeasureSignals(signals, true, random) && ok;
    ok = MeasureReplugs(cycles, random) && ok;
    return ok ? 0 : 1;
}
