// Figures of the frame layer over a pseudo-terminal:
// - the receive thread's cost while the line is silent (CPU time and
//   wake-ups per second over a quiet period), and
// - the delay from a reply's last byte written into the pty to
//   IsReplyReady (median and p95 over many frames).
//
//   frame_bench [--quiet-seconds N] [--frames N]
#include "BenchSupport.h"
#include "Frame.h"
#include "ZvSerialMaster.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <pty.h>
#include <string>
#include <sys/resource.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using namespace bench;

}  // namespace

int main(int argc, char** argv)
{
    int quietSeconds = 10;
    int frames = 1000;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--quiet-seconds") == 0)
            quietSeconds = std::atoi(argv[i + 1]);
        else if (std::strcmp(argv[i], "--frames") == 0)
            frames = std::atoi(argv[i + 1]);
    }

    int master = -1;
    int slave = -1;
    char name[256] = {};
    if (openpty(&master, &slave, name, nullptr, nullptr) != 0) {
        std::perror("openpty");
        return 1;
    }
    close(slave);  // the port opens its own descriptor by path

    LinkSettings settings;
    SetDeviceName(settings, name);
    CZvSerialMaster link(settings);

    // Silent line: only the receive thread runs; this thread sleeps once.
    const Usage before = ProcessUsage();
    std::this_thread::sleep_for(std::chrono::seconds(quietSeconds));
    const Usage after = ProcessUsage();
    const double cpuMs = (after.cpuSeconds - before.cpuSeconds) * 1000.0;
    const double wakeups = static_cast<double>(after.switches - before.switches - 1) / quietSeconds;
    std::printf("silent line, %d s: receive thread CPU %.1f ms (%.3f%% of a core), %.1f wake-ups/s\n", quietSeconds,
                cpuMs, cpuMs / 10.0 / quietSeconds, wakeups);

    // Reply latency: write a whole reply frame, then watch IsReplyReady.
    const std::vector<uint8_t> reply = BuildFrame(0xB0, "0150");
    std::vector<double> delaysUs;
    delaysUs.reserve(static_cast<size_t>(frames));
    for (int i = 0; i < frames; ++i) {
        link.SendCommand(0xB0);  // clears replyReady, as a real read does
        uint8_t sink[64];
        while (read(master, sink, sizeof sink) == static_cast<ssize_t>(sizeof sink)) { }
        // Timed from just before the write: the figure includes the system
        // call that hands the bytes to the pty.
        const auto written = Clock::now();
        if (write(master, reply.data(), reply.size()) != static_cast<ssize_t>(reply.size())) {
            std::perror("write");
            return 1;
        }
        const auto deadline = written + std::chrono::seconds(1);
        while (!link.IsReplyReady() && Clock::now() < deadline) { }
        if (!link.IsReplyReady()) {
            std::fprintf(stderr, "frame %d: no reply within 1 s\n", i);
            return 1;
        }
        delaysUs.push_back(std::chrono::duration<double, std::micro>(Clock::now() - written).count());
        link.TakeReplyCommand();
    }
    std::printf("reply delay over %d frames: median %.1f us, p95 %.1f us, max %.1f us\n", frames,
                Percentile(delaysUs, 0.5), Percentile(delaysUs, 0.95), Percentile(delaysUs, 1.0));
    close(master);
    return 0;
}
