// Figures of the clock link against the simulated clock over a pty:
// - time from the hello reaching the clock to IsReady (the port's fixed
//   open waits are before the hello and not counted);
// - SetConfig to the whole 0x61 frame received by the clock;
// - the poll period as the clock sees it;
// - CPU time and wake-ups per second of the whole link while it polls an
//   idle clock, per run and the median of the runs. The simulated clock
//   runs in a child process, so only the link's own threads are counted.
//
//   device_bench [--connects N] [--writes N] [--idle-seconds N] [--idle-runs N]
#include "BenchSupport.h"
#include "ClockCodec.h"
#include "ClockDevice.h"
#include "SimClock.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <signal.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using namespace bench;
using namespace std::chrono_literals;

void Report(const char* what, const std::vector<double>& values)
{
    std::printf("%-34s median %8.3f ms   p95 %8.3f ms   (n=%zu)\n", what, Percentile(values, 0.5),
                Percentile(values, 0.95), values.size());
}

LinkSettings SettingsFor(const std::string& path)
{
    LinkSettings s;
    SetDeviceName(s, path);
    return s;
}

// Latency figures: the clock in this process, whose log has the receive
// time of every frame.
bool MeasureLatencies(int connects, int writes)
{
    CSimServer sim;
    std::string error;
    if (!sim.Start(&error)) {
        std::fprintf(stderr, "simulated clock: %s\n", error.c_str());
        return false;
    }
    std::vector<double> ready;
    for (int i = 0; i < connects; ++i) {
        sim.Clock().ClearReceived();
        CClockDevice device(SettingsFor(sim.DevicePath()));
        if (!WaitUntil([&] { return device.IsReady(); }, 5s)) {
            std::fprintf(stderr, "connect %d: not ready\n", i);
            return false;
        }
        const auto readyAt = Clock::now();
        const auto received = sim.Clock().Received();
        if (received.empty() || received.front().code != kCmdHello)
            return false;
        ready.push_back(Ms(readyAt - received.front().when));
    }
    Report("hello to IsReady", ready);

    CClockDevice device(SettingsFor(sim.DevicePath()));
    if (!WaitUntil([&] { return device.IsReady(); }, 5s))
        return false;
    std::vector<double> latency;
    ClockConfig config;
    device.GetConfig(config);
    for (int i = 0; i < writes; ++i) {
        sim.Clock().ClearReceived();
        config.biasSeconds = static_cast<uint32_t>(60 * (i + 1));
        const auto start = Clock::now();
        device.SetConfig(config);
        Clock::time_point got{};
        const bool arrived = WaitUntil(
            [&] {
                for (const SimReceived& r : sim.Clock().Received()) {
                    if (r.code == kCmdWriteConfig) {
                        got = r.when;
                        return true;
                    }
                }
                return false;
            },
            2s);
        if (!arrived || !WaitUntil([&] { return device.NoWritePending(); }, 2s)) {
            std::fprintf(stderr, "write %d did not arrive\n", i);
            return false;
        }
        latency.push_back(Ms(got - start));
        // Spread the writes over the poll cycle.
        std::this_thread::sleep_for(std::chrono::milliseconds(7 + i % 23));
    }
    Report("SetConfig to frame at the clock", latency);

    sim.Clock().ClearReceived();
    std::this_thread::sleep_for(3s);
    std::vector<double> period;
    Clock::time_point last{};
    for (const SimReceived& r : sim.Clock().Received()) {
        if (r.code != kCmdCurrentTime)
            continue;
        if (last != Clock::time_point{})
            period.push_back(Ms(r.when - last));
        last = r.when;
    }
    Report("poll period", period);
    return true;
}

// Idle cost: the clock in a child process, the link alone in this one. Each
// run connects a new device, lets it settle, then measures; the median of
// the runs is printed last.
bool MeasureIdleCost(int seconds, int runs)
{
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        return false;
    const pid_t child = fork();
    if (child == 0) {
        close(pipeFds[0]);
        CSimServer sim;
        if (!sim.Start())
            _exit(1);
        const std::string path = sim.DevicePath() + "\n";
        if (write(pipeFds[1], path.data(), path.size()) < 0)
            _exit(1);
        close(pipeFds[1]);
        pause();  // until the parent ends us
        _exit(0);
    }
    close(pipeFds[1]);
    char buffer[256] = {};
    const ssize_t n = read(pipeFds[0], buffer, sizeof buffer - 1);
    close(pipeFds[0]);
    bool ok = n > 1;
    std::vector<double> cpu;
    std::vector<double> wakeups;
    if (ok)
        buffer[n - 1] = '\0';
    for (int run = 0; ok && run < runs; ++run) {
        CClockDevice device(SettingsFor(buffer));
        ok = WaitUntil([&] { return device.IsReady(); }, 5s, 1ms);
        if (!ok)
            break;
        std::this_thread::sleep_for(500ms);
        const Usage before = ProcessUsage();
        std::this_thread::sleep_for(std::chrono::seconds(seconds));
        const Usage after = ProcessUsage();
        cpu.push_back((after.cpuSeconds - before.cpuSeconds) * 1000.0);
        // The measuring thread's own sleep counts one switch.
        wakeups.push_back(static_cast<double>(after.switches - before.switches - 1) / seconds);
        ok = device.IsReady();
        std::printf("idle polling, run %d, %d s: CPU %.1f ms (%.3f%% of a core), %.1f wake-ups/s, still ready: %s\n",
                    run + 1, seconds, cpu.back(), cpu.back() / 10.0 / seconds, wakeups.back(), ok ? "yes" : "no");
    }
    if (ok)
        std::printf("idle polling, median of %d runs: CPU %.1f ms per %d s (%.3f%% of a core), %.1f wake-ups/s\n", runs,
                    Median(cpu), seconds, Median(cpu) / 10.0 / seconds, Median(wakeups));
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    return ok;
}

}  // namespace

int main(int argc, char** argv)
{
    int connects = 20;
    int writes = 200;
    int idleSeconds = 10;
    int idleRuns = 3;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--connects") == 0)
            connects = std::atoi(argv[i + 1]);
        else if (std::strcmp(argv[i], "--writes") == 0)
            writes = std::atoi(argv[i + 1]);
        else if (std::strcmp(argv[i], "--idle-seconds") == 0)
            idleSeconds = std::atoi(argv[i + 1]);
        else if (std::strcmp(argv[i], "--idle-runs") == 0)
            idleRuns = std::max(1, std::atoi(argv[i + 1]));
    }
    // Fork before any thread exists.
    if (!MeasureIdleCost(idleSeconds, idleRuns))
        return 1;
    return MeasureLatencies(connects, writes) ? 0 : 1;
}
