#include "WriteFully.h"

#include <algorithm>
#include <cerrno>
#include <poll.h>
#include <unistd.h>

WriteOutcome WriteFully(int fd, const uint8_t* data, size_t length, std::chrono::steady_clock::time_point deadline,
                        const std::function<bool()>& keepGoing, std::chrono::milliseconds slice)
{
    size_t done = 0;
    while (done < length) {
        if (!keepGoing())
            return WriteOutcome::Stopped;
        const ssize_t put = ::write(fd, data + done, length - done);
        if (put > 0) {
            done += static_cast<size_t>(put);
            continue;
        }
        if (put < 0 && errno == EINTR)
            continue;
        if (put < 0 && errno == EAGAIN) {
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
            if (left.count() <= 0)
                return WriteOutcome::TimedOut;
            pollfd p{fd, POLLOUT, 0};
            ::poll(&p, 1, static_cast<int>(std::min(left, slice).count()));
            continue;
        }
        return WriteOutcome::Failed;
    }
    return WriteOutcome::Done;
}
