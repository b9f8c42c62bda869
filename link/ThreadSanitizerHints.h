// What ThreadSanitizer cannot see for itself, told to it in its builds only;
// elsewhere these are the plain operations and cost nothing.
//
// - A timed lock: std::timed_mutex waits in pthread_mutex_clocklock, which
//   the thread checker's runtime does not intercept. It would see the
//   unlock without the lock, and no order between the lock's holders.
// - An order kept by a library it does not watch (Qt's event queue, for
//   instance): ReleaseTo on one side, AcquireFrom on the other, both on the
//   same address, state that what the first thread did before the release
//   happens before what the second does after the acquire.
#pragma once

#include <chrono>
#include <mutex>

#if defined(__SANITIZE_THREAD__)
#define KEROVANT_THREAD_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define KEROVANT_THREAD_SANITIZER 1
#endif
#endif

#ifdef KEROVANT_THREAD_SANITIZER
#include <sanitizer/tsan_interface.h>
#endif

namespace tsan_hints {

inline void ReleaseTo([[maybe_unused]] void* address)
{
#ifdef KEROVANT_THREAD_SANITIZER
    __tsan_release(address);
#endif
}

inline void AcquireFrom([[maybe_unused]] void* address)
{
#ifdef KEROVANT_THREAD_SANITIZER
    __tsan_acquire(address);
#endif
}

// lock.try_lock_for(wait), with the lock shown to the thread checker.
template <class Rep, class Period>
bool TryLockFor(std::unique_lock<std::timed_mutex>& lock, const std::chrono::duration<Rep, Period>& wait)
{
#ifdef KEROVANT_THREAD_SANITIZER
    // The address its runtime knows the mutex by, from the unlock.
    void* mutex = lock.mutex()->native_handle();
    __tsan_mutex_pre_lock(mutex, __tsan_mutex_try_lock);
    const bool locked = lock.try_lock_for(wait);
    __tsan_mutex_post_lock(mutex, __tsan_mutex_try_lock | (locked ? 0 : __tsan_mutex_try_lock_failed), 0);
    return locked;
#else
    return lock.try_lock_for(wait);
#endif
}

}  // namespace tsan_hints
