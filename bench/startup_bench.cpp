// startup_bench: start-up time of an installed kerovant, from starting the
// process to its first painted window.
//
//   startup_bench [--runs N] PROGRAM [ARGUMENT...]
//
// Runs PROGRAM --demo (or with the arguments given) N times (5) on Qt's
// offscreen platform with the first-paint probe preloaded, which prints a
// line once the first window is drawn and ends the program. Prints each
// run and the median. The program is the installed one, unchanged; see
// bench/package_bench.sh.
#include "BenchSupport.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

constexpr int kDefaultRuns = 5;
constexpr int kRunTimeoutMs = 30000;

// The environment of the run: ours, on the offscreen platform, with the
// probe preloaded.
std::vector<std::string> RunEnvironment()
{
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string entry = *e;
        if (entry.rfind("QT_QPA_PLATFORM=", 0) == 0 || entry.rfind("LD_PRELOAD=", 0) == 0)
            continue;
        env.push_back(entry);
    }
    env.emplace_back("QT_QPA_PLATFORM=offscreen");
    env.emplace_back(std::string("LD_PRELOAD=") + KEROVANT_FIRST_PAINT_PROBE);
    return env;
}

// Milliseconds from spawning the program to the probe's line; negative on
// failure, with the reason printed.
double OneRun(const std::vector<std::string>& command, const std::vector<std::string>& env)
{
    int out[2];
    if (::pipe2(out, O_CLOEXEC) != 0) {
        std::perror("startup_bench: pipe");
        return -1;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    std::vector<char*> argv;
    for (const std::string& a : command)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (const std::string& e : env)
        envp.push_back(const_cast<char*>(e.c_str()));
    envp.push_back(nullptr);

    const auto start = bench::Clock::now();
    pid_t pid = 0;
    const int rc = ::posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    if (rc != 0) {
        std::fprintf(stderr, "startup_bench: cannot start %s: %s\n", argv[0], std::strerror(rc));
        ::close(out[0]);
        return -1;
    }

    std::string line;
    double ms = -1;
    const auto deadline = start + std::chrono::milliseconds(kRunTimeoutMs);
    while (bench::Clock::now() < deadline) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - bench::Clock::now());
        pollfd p{out[0], POLLIN, 0};
        if (::poll(&p, 1, static_cast<int>(left.count()) + 1) <= 0)
            continue;
        char chunk[256];
        const ssize_t n = ::read(out[0], chunk, sizeof chunk);
        if (n <= 0)
            break;
        line.append(chunk, static_cast<size_t>(n));
        if (line.find("first-paint") != std::string::npos && line.find('\n') != std::string::npos) {
            ms = bench::Ms(bench::Clock::now() - start);
            break;
        }
    }
    ::close(out[0]);
    if (ms < 0) {
        // Our own child: ended by its process ID if it is still there.
        ::kill(pid, SIGKILL);
        std::fprintf(stderr, "startup_bench: no first paint reported%s\n", line.empty() ? "" : ": output was");
        std::fputs(line.c_str(), stderr);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return ms;
}

}  // namespace

int main(int argc, char** argv)
{
    int runs = kDefaultRuns;
    int first = 1;
    if (argc > 2 && std::strcmp(argv[1], "--runs") == 0) {
        runs = std::atoi(argv[2]);
        first = 3;
    }
    if (first >= argc || runs < 1) {
        std::fprintf(stderr, "Usage: startup_bench [--runs N] PROGRAM [ARGUMENT...]\n");
        return 2;
    }
    std::vector<std::string> command(argv + first, argv + argc);
    if (command.size() == 1)
        command.emplace_back("--demo");
    const std::vector<std::string> env = RunEnvironment();

    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const double ms = OneRun(command, env);
        if (ms < 0)
            return 1;
        std::printf("run %d:               %8.1f ms\n", i + 1, ms);
        times.push_back(ms);
    }
    std::printf("start to first paint: %8.1f ms median of %d (offscreen, %s)\n", bench::Median(times), runs,
                command.back().c_str());
    return 0;
}
