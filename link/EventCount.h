// A counter that one thread bumps and others wait on. A waiter reads the
// count, looks at whatever it waits for, and only then waits for the count
// to move past what it read; a Signal that falls between the look and the
// wait is therefore never lost, which a bare condition variable cannot
// promise.
//
// Thread rules: any thread may call any member. The count is guarded by an
// internal mutex, held only for the increment and for the check; a stop
// condition passed to a wait is evaluated under it, so whoever makes that
// condition true must Signal afterwards.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>

class CEventCount {
public:
    using TimePoint = std::chrono::steady_clock::time_point;

    uint64_t Count() const
    {
        std::lock_guard<std::mutex> lock(mutex_);
        return count_;
    }

    void Signal()
    {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            ++count_;
        }
        cv_.notify_all();
    }

    // Waits until the count differs from seen, stop() holds, or the deadline
    // passes (TimePoint::max(): no deadline). True when the count moved.
    template <class Stop> bool WaitUntil(uint64_t seen, TimePoint deadline, Stop stop) const
    {
        std::unique_lock<std::mutex> lock(mutex_);
        const auto done = [&] { return count_ != seen || stop(); };
        if (deadline == TimePoint::max())
            cv_.wait(lock, done);
        else
            cv_.wait_until(lock, deadline, done);
        return count_ != seen;
    }

    template <class Rep, class Period> bool WaitFor(uint64_t seen, std::chrono::duration<Rep, Period> timeout) const
    {
        return WaitUntil(seen, std::chrono::steady_clock::now() + timeout, [] { return false; });
    }

private:
    mutable std::mutex mutex_;
    mutable std::condition_variable cv_;
    uint64_t count_ = 0;
};
