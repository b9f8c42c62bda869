#include "Wakeup.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <poll.h>
#include <sys/eventfd.h>
#include <thread>
#include <unistd.h>

CWakeup::CWakeup() : fd_(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) { }

CWakeup::~CWakeup()
{
    if (fd_ >= 0)
        ::close(fd_);
}

void CWakeup::Notify(int fd) noexcept
{
    if (fd < 0)
        return;
    const uint64_t one = 1;
    // A full counter (2^64 - 2 wake-ups untaken) already wakes the waiter.
    if (::write(fd, &one, sizeof one) < 0) { }
}

bool CWakeup::WaitUntil(std::chrono::steady_clock::time_point deadline) const
{
    using namespace std::chrono;
    const auto now = steady_clock::now();
    if (fd_ < 0) {
        if (deadline > now)
            std::this_thread::sleep_for(std::min<steady_clock::duration>(deadline - now, milliseconds(25)));
        return false;
    }
    int timeout = -1;
    if (deadline != steady_clock::time_point::max()) {
        // Rounded up: poll would otherwise wake a little early and the
        // caller go round once more for nothing.
        const auto left = deadline > now ? ceil<milliseconds>(deadline - now).count() : 0;
        timeout = static_cast<int>(std::min<int64_t>(left, INT_MAX));
    }
    pollfd p = {fd_, POLLIN, 0};
    const int ready = ::poll(&p, 1, timeout);
    if (ready <= 0)
        return false;  // the deadline, or a signal (whose handler notifies)
    uint64_t count = 0;
    return ::read(fd_, &count, sizeof count) == static_cast<ssize_t>(sizeof count);
}
