// kerovant-cli watch lending the clock's port, against the simulated clock
// on a pty behind a link path, as a program of ours borrows it:
// - lend: from the borrower's open that finds the port busy, through the
//   request, to the borrower holding the device open and locked;
// - the whole CUsbSerialPort::Open of a borrower (the above plus the port's
//   own purge and settling waits);
// - take back: from the borrower closing the device and the loan's
//   connection to watch's line "... is back from ...", which it prints
//   once it has identified the clock again.
//
//   lend_bench [--runs N]
#include "BenchSupport.h"
#include "ClockCodec.h"
#include "PortLending.h"
#include "SimClock.h"
#include "UsbSerialPort.h"
#include "WatchProcess.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <unistd.h>
#include <vector>

namespace {

using namespace bench;
using namespace std::chrono_literals;

// Opens and locks the device as the port does; -1 while another holds it.
int TakeDevice(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
    if (fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

void Report(const char* what, const std::vector<double>& values, int runs)
{
    std::printf("%-52s median %7.1f ms   max %7.1f ms   (%zu of %d)\n", what, Median(values), Percentile(values, 1),
                values.size(), runs);
}

// Waits until watch, back from `since`'s loan, polls the clock again.
bool WaitForBack(WatchProcess& watch, CSimServer& sim, Clock::time_point since, Clock::time_point& back)
{
    if (!WaitUntil([&] { return watch.LineSince("is back from", since).has_value(); }, 10000ms, 1ms))
        return false;
    back = *watch.LineSince("is back from", since);
    const size_t polls = sim.Clock().CountReceived(kCmdCurrentTime);
    return WaitUntil([&] { return sim.Clock().CountReceived(kCmdCurrentTime) > polls; }, 10000ms, 1ms);
}

}  // namespace

int main(int argc, char** argv)
{
    int runs = 20;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--runs") == 0)
            runs = std::max(1, std::atoi(argv[i + 1]));
    }
    signal(SIGPIPE, SIG_IGN);
    const std::string link = BenchPath("lend-bench");
    CSimServer sim;
    if (!PlugIn(sim, link))
        return 1;
    WatchProcess watch(KEROVANT_CLI, link, WatchProcess::Stream::Error, link + "-config");
    if (!WaitUntil([&] { return sim.Clock().CountReceived(kCmdCurrentTime) > 2; }, 10000ms, 1ms)) {
        std::fprintf(stderr, "watch did not reach the clock\n");
        return 1;
    }
    std::vector<double> lend;
    std::vector<double> open;
    std::vector<double> takeBack;
    for (int i = 0; i < runs; ++i) {
        // The borrower's own steps: an open that finds the port busy, the
        // request, the open that follows.
        auto start = Clock::now();
        int device = TakeDevice(link);
        if (device >= 0) {
            std::fprintf(stderr, "the port was not busy\n");
            return 1;
        }
        const int loan = BorrowPort(link);
        for (int attempt = 0; loan >= 0 && device < 0 && attempt < 100; ++attempt)
            device = TakeDevice(link);
        if (loan < 0 || device < 0) {
            std::fprintf(stderr, "the port was not lent\n");
            return 1;
        }
        lend.push_back(Ms(Clock::now() - start));
        auto closed = Clock::now();
        ::close(device);
        ::close(loan);
        Clock::time_point back;
        if (!WaitForBack(watch, sim, closed, back)) {
            std::fprintf(stderr, "watch did not take the clock back\n");
            return 1;
        }
        takeBack.push_back(Ms(back - closed));

        // The same through the program's port.
        LinkSettings settings;
        SetDeviceName(settings, link);
        start = Clock::now();
        {
            CUsbSerialPort port;
            port.Open(settings);
            if (port.State() != PortState::Open) {
                std::fprintf(stderr, "the port did not open: %s\n", DescribePortState(port.State(), link).c_str());
                return 1;
            }
            open.push_back(Ms(Clock::now() - start));
            closed = Clock::now();
        }
        if (!WaitForBack(watch, sim, closed, back)) {
            std::fprintf(stderr, "watch did not take the clock back\n");
            return 1;
        }
        takeBack.push_back(Ms(back - closed));
    }
    Report("lend (busy open -> borrower holds the device)", lend, runs);
    Report("CUsbSerialPort::Open of a borrower, whole", open, runs);
    Report("take back (closed -> watch has the clock again)", takeBack, runs * 2);
    ::unlink(link.c_str());
    return 0;
}
