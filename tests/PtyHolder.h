// A child process that holds the slave side of a pseudo-terminal open (and,
// if asked, locked as our port locks it) under a command name of its own,
// until the object is destroyed. Stands in for another program that has the clock's
// device.
#pragma once

#include <cerrno>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <string>
#include <sys/file.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

class PtyHolder {
public:
    // name: the child's command name (15 characters at most).
    explicit PtyHolder(const char* name, bool lock = true)
    {
        char path[256] = {};
        int slave = -1;
        int ready[2] = {-1, -1};
        if (::openpty(&master_, &slave, path, nullptr, nullptr) != 0)
            return;
        if (::pipe2(ready, O_CLOEXEC) != 0 || ::pipe2(release_, O_CLOEXEC) != 0) {
            ::close(slave);
            return;
        }
        pid_ = ::fork();
        if (pid_ == 0) {
            // Only async-signal-safe calls from here on.
            ::close(release_[1]);
            ::prctl(PR_SET_NAME, name);
            const char status = !lock || ::flock(slave, LOCK_EX | LOCK_NB) == 0 ? 'y' : 'n';
            (void)!::write(ready[1], &status, 1);
            char byte;
            // Returns at end of file: the parent closed its end or died.
            while (::read(release_[0], &byte, 1) < 0 && errno == EINTR) { }
            ::_exit(0);
        }
        // The parent keeps the master, so the slave never sees a hang-up,
        // and lets go of the slave, so the child is its only holder.
        ::close(slave);
        ::close(ready[1]);
        ::close(release_[0]);
        release_[0] = -1;
        char status = 0;
        pollfd p{ready[0], POLLIN, 0};
        if (pid_ > 0 && ::poll(&p, 1, kStartTimeoutMs) == 1 && ::read(ready[0], &status, 1) == 1 && status == 'y')
            devicePath_ = path;
        ::close(ready[0]);
    }

    ~PtyHolder()
    {
        if (release_[1] >= 0)
            ::close(release_[1]);
        if (pid_ > 0) {
            const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kStartTimeoutMs);
            while (::waitpid(pid_, nullptr, WNOHANG) == 0) {
                if (std::chrono::steady_clock::now() > deadline) {
                    ::kill(pid_, SIGKILL);
                    ::waitpid(pid_, nullptr, 0);
                    break;
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
        }
        if (master_ >= 0)
            ::close(master_);
    }

    PtyHolder(const PtyHolder&) = delete;
    PtyHolder& operator=(const PtyHolder&) = delete;

    // The child runs and holds the device (locked, if asked).
    bool Holding() const { return !devicePath_.empty(); }
    pid_t Pid() const { return pid_; }
    // The slave's path, empty unless Holding().
    const std::string& DevicePath() const { return devicePath_; }

private:
    static constexpr int kStartTimeoutMs = 5000;

    int master_ = -1;
    int release_[2] = {-1, -1};
    pid_t pid_ = -1;
    std::string devicePath_;
};
