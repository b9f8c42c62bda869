// A wake-up for a thread that sleeps until its next deadline: anyone may
// give it (a signal handler, the link's threads through an observer), and
// the one waiting thread takes every wake-up given since its last wait.
// An eventfd underneath; without one (the kernel refused it) the wait looks
// every 25 ms instead, which is slower to notice but misses nothing.
//
// Thread rules: Notify from any thread and from a signal handler; WaitUntil
// from one thread at a time.
#pragma once

#include <chrono>

class CWakeup {
public:
    CWakeup();
    ~CWakeup();
    CWakeup(const CWakeup&) = delete;
    CWakeup& operator=(const CWakeup&) = delete;

    // Async-signal-safe: one write(2).
    void Notify() const noexcept { Notify(fd_); }
    static void Notify(int fd) noexcept;

    // Sleeps until a wake-up has been given or the deadline has passed
    // (time_point::max(): no deadline); true when woken. Wake-ups given
    // while nobody waited end the next wait at once.
    bool WaitUntil(std::chrono::steady_clock::time_point deadline) const;

    // For a signal handler to Notify; -1 without an eventfd.
    int Fd() const { return fd_; }

private:
    int fd_;
};
