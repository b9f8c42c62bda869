// kerovant-cli watch run as a script runs it, for the benchmarks that time
// what it prints, and the simulated clock plugged in behind a link path.
#pragma once

#include "BenchSupport.h"
#include "SimClock.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <mutex>
#include <optional>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace bench {

// This run's link path for the simulated clock (and the folder name of the
// watch's own configuration), named after the benchmark.
inline std::string BenchPath(const char* bench)
{
    return std::string("/tmp/kerovant-") + bench + "-" + std::to_string(getpid());
}

// Starts the simulated clock behind the link path, or plugs it in again
// after an unplug.
inline bool PlugIn(CSimServer& sim, const std::string& link)
{
    sim.SetLinkPath(link);
    std::string error;
    if (sim.Start(&error))
        return true;
    std::fprintf(stderr, "the simulated clock did not start: %s\n", error.c_str());
    return false;
}

// A running kerovant-cli watch (on the link, or without --port when it is
// empty); one of its streams (standard output or standard error), or both,
// is read on a thread of its own, every line with the moment it arrived;
// the other goes to /dev/null.
class WatchProcess {
public:
    enum class Stream { Output, Error, Both };

    WatchProcess(const std::string& cli, const std::string& link, Stream stream, const std::string& configHome)
    {
        int fds[2];
        if (pipe(fds) != 0)
            return;
        pid_ = fork();
        if (pid_ == 0) {
            const int devNull = open("/dev/null", O_WRONLY);
            const bool output = stream != Stream::Error;
            const bool error = stream != Stream::Output;
            dup2(output ? fds[1] : devNull, STDOUT_FILENO);
            dup2(error ? fds[1] : devNull, STDERR_FILENO);
            close(fds[0]);
            setenv("XDG_CONFIG_HOME", configHome.c_str(), 1);
            if (link.empty())
                execl(cli.c_str(), cli.c_str(), "watch", static_cast<char*>(nullptr));
            else
                execl(cli.c_str(), cli.c_str(), "--port", link.c_str(), "watch", static_cast<char*>(nullptr));
            _exit(127);
        }
        close(fds[1]);
        reader_ = std::thread([this, fd = fds[0]] {
            std::string partial;
            char buffer[512];
            for (ssize_t n; (n = read(fd, buffer, sizeof buffer)) > 0;) {
                partial.append(buffer, static_cast<size_t>(n));
                for (size_t end; (end = partial.find('\n')) != std::string::npos; partial.erase(0, end + 1)) {
                    std::lock_guard<std::mutex> lock(mutex_);
                    lines_.push_back({Clock::now(), partial.substr(0, end)});
                }
            }
            close(fd);
        });
    }
    ~WatchProcess()
    {
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        if (reader_.joinable())
            reader_.join();
    }
    WatchProcess(const WatchProcess&) = delete;
    WatchProcess& operator=(const WatchProcess&) = delete;

    // The moment the first line containing `part` arrived after `since`.
    std::optional<Clock::time_point> LineSince(const std::string& part, Clock::time_point since) const
    {
        std::lock_guard<std::mutex> lock(mutex_);
        for (const Line& line : lines_)
            if (line.at >= since && line.text.find(part) != std::string::npos)
                return line.at;
        return std::nullopt;
    }

    // Sends the signal and waits for the exit: milliseconds to the exit,
    // negative when it did not end within 5 s or not with the signal's
    // exit status.
    double StopWith(int signal)
    {
        using namespace std::chrono_literals;
        const auto sent = Clock::now();
        kill(pid_, signal);
        int status = 0;
        const bool ended = WaitUntil([&] { return waitpid(pid_, &status, WNOHANG) == pid_; }, 5000ms, 100us);
        if (!ended)
            return -1;
        pid_ = -1;
        const double ms = Ms(Clock::now() - sent);
        // 0 for Ctrl-C once the clock has answered, 143 for SIGTERM.
        const int expected = signal == SIGTERM ? 143 : 0;
        if (!WIFEXITED(status) || WEXITSTATUS(status) != expected) {
            std::fprintf(stderr, "watch ended with status %d after signal %d\n", status, signal);
            return -1;
        }
        return ms;
    }

private:
    struct Line {
        Clock::time_point at;
        std::string text;
    };
    pid_t pid_ = -1;
    std::thread reader_;
    mutable std::mutex mutex_;
    std::vector<Line> lines_;
};

}  // namespace bench
