// Figures of kerovant-cli and of the link trace, against the simulated clock
// over a pty:
// - wall time of kerovant-cli status, of check (the monitor's plugin), of one setter (set illumination) and
//   of import (write, fresh identification, comparison), each run as a user
//   runs it, median of the runs;
// - the link's reply latency with the trace off, into a file and into the
//   ring: the time from one poll read reaching the clock to the next, that
//   is the clock's answer travelling back, the link taking it and sending
//   the next command, where an observer's cost would show; and the time
//   from SetConfig to the frame at the clock.
//
//   cli_bench [--runs N] [--polls N]
#include "BenchSupport.h"
#include "ClockCodec.h"
#include "ClockDevice.h"
#include "LinkTrace.h"
#include "SimClock.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using namespace bench;
using namespace std::chrono_literals;

void Report(const char* what, const std::vector<double>& values)
{
    std::printf("%-44s median %8.3f ms   p95 %8.3f ms   (n=%zu)\n", what, Percentile(values, 0.5),
                Percentile(values, 0.95), values.size());
}

// Runs the command; its wall time in ms, or a negative number when it failed.
double TimeCommand(const std::string& command)
{
    const auto start = Clock::now();
    const int status = std::system((command + " >/dev/null 2>&1").c_str());
    const double ms = Ms(Clock::now() - start);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? ms : -1;
}

bool MeasureCommands(int runs)
{
    CSimServer sim;
    std::string error;
    if (!sim.Start(&error)) {
        std::fprintf(stderr, "simulated clock: %s\n", error.c_str());
        return false;
    }
    const std::string cli = std::string(KEROVANT_CLI) + " --port " + sim.DevicePath() + " ";
    const std::string profile = "/tmp/kerovant-cli-bench-" + std::to_string(getpid()) + ".json";
    if (TimeCommand(cli + "export " + profile) < 0) {
        std::fprintf(stderr, "export failed\n");
        return false;
    }
    struct Row {
        const char* what;
        std::string arguments;
    };
    const Row rows[] = {
        {"kerovant-cli status", "status"},
        {"kerovant-cli check (OK)", "check"},
        {"kerovant-cli set illumination (acknowledged)", "set illumination 7"},
        {"kerovant-cli import (written, read back)", "import " + profile},
    };
    bool ok = true;
    for (const Row& row : rows) {
        std::vector<double> times;
        for (int i = 0; i < runs; ++i) {
            const double ms = TimeCommand(cli + row.arguments);
            if (ms < 0) {
                std::fprintf(stderr, "%s failed\n", row.what);
                ok = false;
                break;
            }
            times.push_back(ms);
        }
        if (!ok)
            break;
        Report(row.what, times);
    }
    std::remove(profile.c_str());
    return ok;
}

// The reply latency of the polls: from one poll read at the clock to the
// next, over a number of polls.
bool MeasureLink(const char* what, const std::shared_ptr<ILinkObserver>& observer, int polls)
{
    CSimServer sim;
    if (!sim.Start())
        return false;
    LinkSettings settings;
    SetDeviceName(settings, sim.DevicePath());
    CClockDevice device(settings, {}, observer);
    if (!WaitUntil([&] { return device.IsReady() && device.GetPollCount() > 1; }, 5s))
        return false;
    sim.Clock().ClearReceived();
    const uint32_t first = device.GetPollCount();
    if (!WaitUntil([&] { return device.GetPollCount() >= first + static_cast<uint32_t>(polls); },
                   std::chrono::milliseconds(200 * polls + 2000), 1ms))
        return false;
    std::vector<double> exchange;
    const std::vector<SimReceived> received = sim.Clock().Received();
    for (size_t i = 1; i < received.size(); ++i) {
        // Within one poll: C8 B5 64 66 B8, one after the other's answer.
        if (received[i].code != kCmdCurrentTime)
            exchange.push_back(Ms(received[i].when - received[i - 1].when));
    }
    std::vector<double> write;
    ClockConfig config;
    device.GetConfig(config);
    for (int i = 0; i < 50; ++i) {
        sim.Clock().ClearReceived();
        config.illumination = static_cast<uint8_t>(i % 13);
        const auto start = Clock::now();
        device.SetConfig(config);
        Clock::time_point at{};
        if (!WaitUntil(
                [&] {
                    for (const SimReceived& r : sim.Clock().Received())
                        if (r.code == kCmdWriteConfig) {
                            at = r.when;
                            return true;
                        }
                    return false;
                },
                2s))
            return false;
        write.push_back(Ms(at - start));
        WaitUntil([&] { return device.NoWritePending(); }, 2s);
        std::this_thread::sleep_for(std::chrono::milliseconds(7 + i % 23));
    }
    std::printf("%s:\n", what);
    Report("  reply to next command at the clock", exchange);
    Report("  SetConfig to frame at the clock", write);
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    int runs = 10;
    int polls = 200;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--runs") == 0)
            runs = std::max(1, std::atoi(argv[i + 1]));
        else if (std::strcmp(argv[i], "--polls") == 0)
            polls = std::max(2, std::atoi(argv[i + 1]));
    }
    if (!MeasureCommands(runs))
        return 1;
    const std::string path = "/tmp/kerovant-trace-bench-" + std::to_string(getpid()) + ".txt";
    auto file = std::make_shared<CLinkTraceFile>();
    std::string error;
    if (!file->Open(path, &error)) {
        std::fprintf(stderr, "trace file: %s\n", error.c_str());
        return 1;
    }
    const bool ok = MeasureLink("trace off", nullptr, polls) && MeasureLink("trace into a file", file, polls) &&
        MeasureLink("trace into the ring", std::make_shared<CLinkTraceRing>(), polls) &&
        MeasureLink("trace off, again", nullptr, polls);
    file->Close();
    std::remove(path.c_str());
    return ok ? 0 : 1;
}
