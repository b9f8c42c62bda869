// A mutex whose waits can be bounded, built from std::mutex and a condition
// variable. It does what std::timed_mutex does; that one is implemented
// with a locking call ThreadSanitizer cannot follow, which would hide real
// races behind false reports.
#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>

class CTimedMutex {
public:
    void lock()
    {
        std::unique_lock<std::mutex> guard(mutex_);
        free_.wait(guard, [this] { return !held_; });
        held_ = true;
    }

    bool try_lock()
    {
        std::lock_guard<std::mutex> guard(mutex_);
        if (held_)
            return false;
        held_ = true;
        return true;
    }

    template <class Rep, class Period> bool try_lock_for(const std::chrono::duration<Rep, Period>& timeout)
    {
        std::unique_lock<std::mutex> guard(mutex_);
        if (!free_.wait_for(guard, timeout, [this] { return !held_; }))
            return false;
        held_ = true;
        return true;
    }

    void unlock()
    {
        {
            std::lock_guard<std::mutex> guard(mutex_);
            held_ = false;
        }
        free_.notify_one();
    }

private:
    std::mutex mutex_;
    std::condition_variable free_;
    bool held_ = false;
};
