// Wake-ups of a whole program while it talks to an idle simulated clock, and
// while the clock is unplugged and the program waits for it: the window
// (kerovant on the offscreen platform) or kerovant-cli watch, against
// kerovant-clocksim on a pty, each a process of its own, as a user runs them.
//
// A wake-up is a context switch, voluntary or not, of any thread of the
// program: the sum of voluntary_ctxt_switches and nonvoluntary_ctxt_switches
// over /proc/PID/task/*/status. The voluntary ones alone are printed too:
// they are the program's own sleeps, while the others grow with whatever
// else keeps the machine's cores busy. Threads come and go while the program
// replaces its connection, so every thread is sampled every 50 ms and what
// each one did while it was seen is added up; a thread born and gone between
// two samples is missed, which costs a few switches at most.
//
//   wakeup_bench [--seconds N] [--runs N] [--program window|cli]
//                [--case polling|unplugged|both] [--bin DIR] [--link-folder DIR]
//
// --link-folder puts the clock's link in DIR (default /tmp). The programs
// watch the link's folder for the clock coming back, so every file made or
// removed there wakes them once: a folder of its own, as udev's
// /dev/serial/by-id is for a bridge, shows the programs' own wake-ups.
//
// --bin takes the three programs from DIR instead of this build, to
// measure another build of them (an older one, say) the same way.
//
// Each run starts both programs afresh and lets the link settle (for the
// unplugged case the clock goes away 3 s after the start, its link 0.5 s
// later, and the measuring begins 2 s after the clock went), then measures
// for N seconds and prints wake-ups per second; the median of the runs
// comes last.
#include "BenchSupport.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <map>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using namespace bench;
using namespace std::chrono_literals;

// Counts the switches of a process over a span, following its threads.
class SwitchMeter {
public:
    explicit SwitchMeter(pid_t pid) : pid_(pid) { first_ = last_ = ThreadSwitches(pid_); }
    void Sample()
    {
        for (const auto& [tid, count] : ThreadSwitches(pid_)) {
            // A thread first seen now started after the span began: all of
            // its switches belong to the span.
            if (!first_.count(tid) && !last_.count(tid))
                first_[tid] = Switches{};
            last_[tid] = count;
        }
    }
    Switches Total() const
    {
        Switches total;
        for (const auto& [tid, count] : last_) {
            total.all += count.all - first_.at(tid).all;
            total.voluntary += count.voluntary - first_.at(tid).voluntary;
        }
        return total;
    }

private:
    pid_t pid_;
    std::map<int, Switches> first_;
    std::map<int, Switches> last_;
};

// Starts a program with its standard output going to outFd (or /dev/null
// when -1) and the given extra environment.
pid_t Spawn(const std::vector<std::string>& args, int outFd, const std::vector<std::string>& env)
{
    const pid_t pid = fork();
    if (pid != 0)
        return pid;
    for (const auto& e : env)
        putenv(const_cast<char*>(e.c_str()));
    const int devNull = open("/dev/null", O_WRONLY);
    dup2(outFd >= 0 ? outFd : devNull, STDOUT_FILENO);
    dup2(devNull, STDERR_FILENO);
    std::vector<char*> argv;
    for (const auto& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execv(argv[0], argv.data());
    _exit(127);
}

void Stop(pid_t pid)
{
    if (pid <= 0)
        return;
    kill(pid, SIGTERM);
    if (!WaitUntil([&] { return waitpid(pid, nullptr, WNOHANG) == pid; }, 5s, 1ms)) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
}

struct Rate {
    double all = -1;  // negative: the program did not keep running
    double voluntary = -1;
};

struct Programs {
    std::string window = KEROVANT_WINDOW;
    std::string cli = KEROVANT_CLI;
    std::string clocksim = KEROVANT_CLOCKSIM;
};
Programs g_programs;
std::string g_linkFolder = "/tmp";

// One run's wake-ups per second.
Rate MeasureOnce(const std::string& program, bool unplugged, int seconds)
{
    const std::string link = g_linkFolder + "/kerovant-wakeup-" + std::to_string(getpid());
    std::vector<std::string> simArgs = {g_programs.clocksim, "--link", link};
    if (unplugged) {
        simArgs.push_back("--unplug-after");
        simArgs.push_back("3");
    }
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        return {};
    const pid_t sim = Spawn(simArgs, pipeFds[1], {});
    close(pipeFds[1]);
    char buffer[256] = {};
    const ssize_t n = read(pipeFds[0], buffer, sizeof buffer - 1);
    close(pipeFds[0]);
    if (n <= 0) {
        Stop(sim);
        return {};
    }
    const std::string config = "XDG_CONFIG_HOME=/tmp/kerovant-wakeup-config-" + std::to_string(getpid());
    const pid_t target = program == "cli"
        ? Spawn({g_programs.cli, "--port", link, "watch"}, -1, {config})
        : Spawn({g_programs.window, "--port", link}, -1, {config, "QT_QPA_PLATFORM=offscreen"});
    if (unplugged) {
        // The simulated clock leaves its link behind, pointing at a pty
        // number that another program may soon be given; a real unplug takes
        // the device and its by-id link away. So does this.
        std::this_thread::sleep_for(3500ms);
        unlink(link.c_str());
        std::this_thread::sleep_for(1500ms);
    } else {
        std::this_thread::sleep_for(3s);
    }
    Rate result;
    if (waitpid(target, nullptr, WNOHANG) == 0) {
        SwitchMeter meter(target);
        const auto end = Clock::now() + std::chrono::seconds(seconds);
        while (Clock::now() < end) {
            std::this_thread::sleep_for(50ms);
            meter.Sample();
        }
        if (waitpid(target, nullptr, WNOHANG) == 0) {
            result.all = static_cast<double>(meter.Total().all) / seconds;
            result.voluntary = static_cast<double>(meter.Total().voluntary) / seconds;
        }
    }
    Stop(target);
    Stop(sim);
    return result;
}

bool Measure(const std::string& program, bool unplugged, int seconds, int runs)
{
    const char* what = unplugged ? "clock unplugged" : "polling";
    std::vector<double> values;
    std::vector<double> voluntary;
    for (int run = 0; run < runs; ++run) {
        // A program that could not reach the clock in time (the machine
        // busy with something else) gets two more tries.
        Rate perSecond;
        for (int attempt = 0; attempt < 3 && perSecond.all < 0; ++attempt)
            perSecond = MeasureOnce(program, unplugged, seconds);
        if (perSecond.all < 0) {
            std::fprintf(stderr, "%s, run %d: the program did not keep running\n", what, run + 1);
            return false;
        }
        values.push_back(perSecond.all);
        voluntary.push_back(perSecond.voluntary);
        std::printf("%s %s, run %d, %d s: %.1f wake-ups/s (%.1f voluntary)\n", program.c_str(), what, run + 1, seconds,
                    perSecond.all, perSecond.voluntary);
        std::fflush(stdout);
    }
    std::printf("%s %s, median of %d runs: %.1f wake-ups/s (min %.1f, max %.1f); voluntary alone %.1f/s\n",
                program.c_str(), what, runs, Median(values), Percentile(values, 0), Percentile(values, 1),
                Median(voluntary));
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    int seconds = 10;
    int runs = 5;
    std::string program = "window";
    std::string which = "both";
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--seconds") == 0)
            seconds = std::max(1, std::atoi(argv[i + 1]));
        else if (std::strcmp(argv[i], "--runs") == 0)
            runs = std::max(1, std::atoi(argv[i + 1]));
        else if (std::strcmp(argv[i], "--program") == 0)
            program = argv[i + 1];
        else if (std::strcmp(argv[i], "--case") == 0)
            which = argv[i + 1];
        else if (std::strcmp(argv[i], "--link-folder") == 0)
            g_linkFolder = argv[i + 1];
        else if (std::strcmp(argv[i], "--bin") == 0)
            g_programs = {std::string(argv[i + 1]) + "/kerovant", std::string(argv[i + 1]) + "/kerovant-cli",
                          std::string(argv[i + 1]) + "/kerovant-clocksim"};
    }
    if (program != "window" && program != "cli") {
        std::fprintf(stderr, "--program takes window or cli\n");
        return 2;
    }
    signal(SIGPIPE, SIG_IGN);
    bool ok = true;
    if (which != "unplugged")
        ok = Measure(program, false, seconds, runs) && ok;
    if (which != "polling")
        ok = Measure(program, true, seconds, runs) && ok;
    return ok ? 0 : 1;
}
