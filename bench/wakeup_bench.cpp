// Wake-ups of a whole program while it talks to an idle simulated clock, and
// while the clock is unplugged and the program waits for it: the window
// (kerovant on the offscreen platform) or kerovant-cli watch, against
// kerovant-clocksim on a pty, each a process of its own, as a user runs them.
//
// A wake-up is a context switch, voluntary or not, of any thread of the
// program: the sum of voluntary_ctxt_switches and nonvoluntary_ctxt_switches
// over /proc/PID/task/*/status. Threads come and go while the program
// replaces its connection, so every thread is sampled every 50 ms and what
// each one did while it was seen is added up; a thread born and gone between
// two samples is missed, which costs a few switches at most.
//
//   wakeup_bench [--seconds N] [--runs N] [--program window|cli]
//                [--case polling|unplugged|both]
//
// Each run starts both programs afresh, lets the link settle (for the
// unplugged case the clock goes away 3 s after the start and the measuring
// begins 2 s later), measures for N seconds and prints wake-ups per second;
// the median of the runs comes last.
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

// The switches of every thread of the process now, by thread ID.
std::map<int, long> ThreadSwitches(pid_t pid)
{
    std::map<int, long> result;
    const std::string taskDir = "/proc/" + std::to_string(pid) + "/task";
    DIR* dir = opendir(taskDir.c_str());
    if (!dir)
        return result;
    while (const dirent* entry = readdir(dir)) {
        const int tid = std::atoi(entry->d_name);
        if (tid <= 0)
            continue;
        std::ifstream status(taskDir + "/" + entry->d_name + "/status");
        std::string line;
        long sum = 0;
        bool seen = false;
        while (std::getline(status, line)) {
            if (line.rfind("voluntary_ctxt_switches:", 0) == 0 || line.rfind("nonvoluntary_ctxt_switches:", 0) == 0) {
                sum += std::atol(line.c_str() + line.find(':') + 1);
                seen = true;
            }
        }
        if (seen)
            result[tid] = sum;
    }
    closedir(dir);
    return result;
}

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
                first_[tid] = 0;
            last_[tid] = count;
        }
    }
    long Total() const
    {
        long total = 0;
        for (const auto& [tid, count] : last_)
            total += count - first_.at(tid);
        return total;
    }

private:
    pid_t pid_;
    std::map<int, long> first_;
    std::map<int, long> last_;
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

// One run; wake-ups per second, or a negative number when a program did not
// start.
double MeasureOnce(const std::string& program, bool unplugged, int seconds)
{
    const std::string link = "/tmp/kerovant-wakeup-" + std::to_string(getpid());
    std::vector<std::string> simArgs = {KEROVANT_CLOCKSIM, "--link", link};
    if (unplugged) {
        simArgs.push_back("--unplug-after");
        simArgs.push_back("3");
    }
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        return -1;
    const pid_t sim = Spawn(simArgs, pipeFds[1], {});
    close(pipeFds[1]);
    char buffer[256] = {};
    const ssize_t n = read(pipeFds[0], buffer, sizeof buffer - 1);
    close(pipeFds[0]);
    if (n <= 0) {
        Stop(sim);
        return -1;
    }
    const std::string config = "XDG_CONFIG_HOME=/tmp/kerovant-wakeup-config-" + std::to_string(getpid());
    const pid_t target = program == "cli"
        ? Spawn({KEROVANT_CLI, "--port", link, "watch"}, -1, {config})
        : Spawn({KEROVANT_WINDOW, "--port", link}, -1, {config, "QT_QPA_PLATFORM=offscreen"});
    std::this_thread::sleep_for(unplugged ? 5s : 3s);
    double result = -1;
    if (waitpid(target, nullptr, WNOHANG) == 0) {
        SwitchMeter meter(target);
        const auto end = Clock::now() + std::chrono::seconds(seconds);
        while (Clock::now() < end) {
            std::this_thread::sleep_for(50ms);
            meter.Sample();
        }
        if (waitpid(target, nullptr, WNOHANG) == 0)
            result = static_cast<double>(meter.Total()) / seconds;
    }
    Stop(target);
    Stop(sim);
    return result;
}

bool Measure(const std::string& program, bool unplugged, int seconds, int runs)
{
    const char* what = unplugged ? "clock unplugged" : "polling";
    std::vector<double> values;
    for (int run = 0; run < runs; ++run) {
        // A program that could not reach the clock in time (the machine
        // busy with something else) gets two more tries.
        double perSecond = -1;
        for (int attempt = 0; attempt < 3 && perSecond < 0; ++attempt)
            perSecond = MeasureOnce(program, unplugged, seconds);
        if (perSecond < 0) {
            std::fprintf(stderr, "%s, run %d: the program did not keep running\n", what, run + 1);
            return false;
        }
        values.push_back(perSecond);
        std::printf("%s %s, run %d, %d s: %.1f wake-ups/s\n", program.c_str(), what, run + 1, seconds, perSecond);
        std::fflush(stdout);
    }
    std::printf("%s %s, median of %d runs: %.1f wake-ups/s (min %.1f, max %.1f)\n", program.c_str(), what, runs,
                Median(values), Percentile(values, 0), Percentile(values, 1));
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
    }
    if (program != "window" && program != "cli") {
        std::fprintf(stderr, "--program takes window or cli\n");
        return 2;
    }
    signal(SIGPIPE, SIG_IGN);
    bool ok = true;
    if (which != "unplugged")
        ok = Measure(program, false, seconds, runs) && ok;
    // kerovant-cli watch ends when the clock goes away; only the window waits.
    if (which != "polling" && program == "window")
        ok = Measure(program, true, seconds, runs) && ok;
    return ok ? 0 : 1;
}
