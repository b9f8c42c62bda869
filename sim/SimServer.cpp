#include "SimClock.h"

#include "Frame.h"
#include "LinkTiming.h"
#include "WriteFully.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <string>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace {

using SteadyClock = std::chrono::steady_clock;

// How long the serving thread waits for input before it looks at Stop.
constexpr auto kPollInterval = std::chrono::milliseconds(10);
// A reply that cannot be written within this time is dropped: nobody reads
// the far end.
constexpr auto kWriteTimeout = std::chrono::milliseconds(1000);

std::string SystemError(const char* what)
{
    return std::string(what) + ": " + std::strerror(errno);
}

void SetCloseOnExec(int fd)
{
    const int flags = ::fcntl(fd, F_GETFD);
    if (flags >= 0)
        ::fcntl(fd, F_SETFD, flags | FD_CLOEXEC);
}

}  // namespace

CSimServer::CSimServer(SimIdentity identity) : clock_(identity) { }

CSimServer::~CSimServer()
{
    Stop();
}

CSimClock& CSimServer::Clock()
{
    return clock_;
}

std::string CSimServer::DevicePath() const
{
    std::lock_guard<std::mutex> lock(pathMutex_);
    return devicePath_;
}

void CSimServer::SetLinkPath(const std::string& path)
{
    std::lock_guard<std::mutex> lock(pathMutex_);
    linkPath_ = path;
}

std::string CSimServer::LinkPath() const
{
    std::lock_guard<std::mutex> lock(pathMutex_);
    return linkPath_;
}

uint64_t CSimServer::Plugs() const
{
    return plugs_.load(std::memory_order_acquire);
}

bool CSimServer::CreateLinkLocked(std::string* error)
{
    std::string path;
    std::string target;
    {
        std::lock_guard<std::mutex> lock(pathMutex_);
        path = linkPath_;
        target = devicePath_;
    }
    if (path.empty())
        return true;
    struct stat st { };
    if (::lstat(path.c_str(), &st) == 0 && !S_ISLNK(st.st_mode)) {
        if (error)
            *error = path + " exists and is not a symbolic link; not replacing it";
        return false;
    }
    // Made under a temporary name and renamed over an old link, so the path
    // never points to a device of another run.
    const std::string temporary = path + ".tmp" + std::to_string(::getpid());
    ::unlink(temporary.c_str());
    if (::symlink(target.c_str(), temporary.c_str()) != 0 || ::rename(temporary.c_str(), path.c_str()) != 0) {
        if (error)
            *error = "cannot create the link " + path + ": " + std::strerror(errno);
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}

void CSimServer::RemoveLinkLocked()
{
    std::string path;
    std::string target;
    {
        std::lock_guard<std::mutex> lock(pathMutex_);
        path = linkPath_;
        target = devicePath_;
    }
    if (path.empty() || target.empty())
        return;
    // Only while it still names our device: another program may have taken
    // the name meanwhile.
    char buffer[4096];
    const ssize_t n = ::readlink(path.c_str(), buffer, sizeof buffer);
    if (n >= 0 && std::string(buffer, static_cast<size_t>(n)) == target)
        ::unlink(path.c_str());
}

bool CSimServer::IsRunning() const
{
    return running_.load(std::memory_order_acquire);
}

bool CSimServer::Start(std::string* error)
{
    std::lock_guard<std::mutex> life(lifeMutex_);
    if (running_.load(std::memory_order_acquire))
        return true;
    const auto fail = [&](const char* what) {
        if (error)
            *error = SystemError(what);
        CloseFds();
        return false;
    };

    masterFd_ = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (masterFd_ < 0)
        return fail("posix_openpt");
    SetCloseOnExec(masterFd_);
    if (::grantpt(masterFd_) != 0)
        return fail("grantpt");
    if (::unlockpt(masterFd_) != 0)
        return fail("unlockpt");
    char name[256] = {};
    if (::ptsname_r(masterFd_, name, sizeof name) != 0)
        return fail("ptsname_r");
    // The master is written without blocking, so Stop is never held up by a
    // full terminal buffer.
    const int flags = ::fcntl(masterFd_, F_GETFL);
    if (flags < 0 || ::fcntl(masterFd_, F_SETFL, flags | O_NONBLOCK) != 0)
        return fail("fcntl");

    // While any slave descriptor is open the master sees no hang-up, so the
    // program may close and reopen the device as often as it likes. This
    // descriptor is never read.
    heldSlaveFd_ = ::open(name, O_RDWR | O_NOCTTY);
    if (heldSlaveFd_ < 0)
        return fail(name);
    SetCloseOnExec(heldSlaveFd_);
    termios tio{};
    if (::tcgetattr(heldSlaveFd_, &tio) != 0)
        return fail("tcgetattr");
    ::cfmakeraw(&tio);
    if (::tcsetattr(heldSlaveFd_, TCSANOW, &tio) != 0)
        return fail("tcsetattr");

    {
        std::lock_guard<std::mutex> lock(pathMutex_);
        devicePath_ = name;
    }
    if (!CreateLinkLocked(error)) {
        CloseFds();
        return false;
    }
    stopping_.store(false, std::memory_order_release);
    bridge_.Clear();
    try {
        thread_ = std::thread(&CSimServer::Serve, this);
    } catch (const std::system_error& e) {
        if (error)
            *error = std::string("thread: ") + e.what();
        RemoveLinkLocked();
        CloseFds();
        return false;
    }
    plugs_.fetch_add(1, std::memory_order_acq_rel);
    running_.store(true, std::memory_order_release);
    return true;
}

void CSimServer::Stop()
{
    std::lock_guard<std::mutex> life(lifeMutex_);
    {
        std::lock_guard<std::mutex> lock(stopMutex_);
        stopping_.store(true, std::memory_order_release);
    }
    stopCv_.notify_all();
    if (thread_.joinable())
        thread_.join();
    // The name goes first, as a pulled bridge's by-id name does.
    if (running_.load(std::memory_order_acquire))
        RemoveLinkLocked();
    CloseFds();
    running_.store(false, std::memory_order_release);
}

void CSimServer::Unplug()
{
    // Closing the master and every slave descriptor of ours leaves the
    // program's descriptor hung up: reads give EIO, poll gives POLLHUP.
    Stop();
}

void CSimServer::CloseFds()
{
    if (masterFd_ >= 0)
        ::close(masterFd_);
    if (heldSlaveFd_ >= 0)
        ::close(heldSlaveFd_);
    masterFd_ = -1;
    heldSlaveFd_ = -1;
}

bool CSimServer::WaitFor(std::chrono::nanoseconds duration)
{
    std::unique_lock<std::mutex> lock(stopMutex_);
    return !stopCv_.wait_for(lock, duration, [this] { return stopping_.load(std::memory_order_acquire); });
}

void CSimServer::Serve()
{
    CFrameReceiver receiver;
    uint8_t buffer[256];
    while (!stopping_.load(std::memory_order_acquire)) {
        FlushBridge();
        // Input, or the moment the bridge sends on what it holds.
        const auto wait = UntilBridgeRelease(kPollInterval);
        const auto turnEnd = SteadyClock::now() + wait;
        pollfd p{masterFd_, POLLIN, 0};
        const timespec timeout{static_cast<time_t>(wait.count() / 1000000000),
                               static_cast<long>(wait.count() % 1000000000)};
        const int ready = ::ppoll(&p, 1, &timeout, nullptr);
        if (ready == 0 || (ready < 0 && errno == EINTR))
            continue;
        bool idle = ready < 0 || !(p.revents & POLLIN);
        if (!idle) {
            const ssize_t got = ::read(masterFd_, buffer, sizeof buffer);
            if (got > 0) {
                for (ssize_t i = 0; i < got && !stopping_.load(std::memory_order_acquire); ++i) {
                    switch (receiver.Feed(buffer[i])) {
                    case CFrameReceiver::Event::Verified: {
                        const uint8_t code = receiver.Code();
                        const std::string payload(receiver.Payload());
                        receiver.Reset();
                        SendAnswer(clock_.Handle(code, payload));
                        break;
                    }
                    case CFrameReceiver::Event::Reject:
                        if (!clock_.Faults().silent)
                            SendThroughBridge({kNak}, {});
                        break;
                    default:
                        // The program's ACK and NAK bytes mean nothing to
                        // the clock.
                        break;
                    }
                }
                continue;
            }
            idle = !(got < 0 && (errno == EAGAIN || errno == EINTR));
        }
        // EIO, end of file or a hang-up: no slave is open. Wait out the turn
        // instead of spinning on a descriptor that is always ready.
        if (idle)
            WaitFor(std::chrono::duration_cast<std::chrono::milliseconds>(turnEnd - SteadyClock::now()));
    }
}

void CSimServer::SendAnswer(const CSimClock::Answer& answer)
{
    if (answer.kind == CSimClock::Answer::Kind::None)
        return;
    SendThroughBridge(CSimClock::AnswerBytes(answer), answer.delay);
}

void CSimServer::SendThroughBridge(const std::vector<uint8_t>& bytes, std::chrono::nanoseconds delay)
{
    const SimTiming timing = clock_.Timing();
    bridge_.SetLatency(timing.usbLatency);
    const auto last = SteadyClock::now() + delay;
    bridge_.Arrive(bytes, last, LineTime(1, timing.lineBaud));
    // The clock answers one request at a time, so a late answer holds up
    // the next request like a busy clock would; meanwhile the bridge sends
    // on what falls due.
    for (;;) {
        FlushBridge();
        const auto now = SteadyClock::now();
        if (now >= last)
            return;
        const auto next = bridge_.NextRelease();
        if (!WaitFor(std::min(last, next ? *next : last) - now))
            return;
    }
}

void CSimServer::FlushBridge()
{
    for (const CSimUsbBridge::Packet& packet : bridge_.Release(SteadyClock::now()))
        WriteAll(packet.bytes.data(), packet.bytes.size());
}

std::chrono::nanoseconds CSimServer::UntilBridgeRelease(std::chrono::nanoseconds most) const
{
    const auto next = bridge_.NextRelease();
    if (!next)
        return most;
    return std::clamp<std::chrono::nanoseconds>(*next - SteadyClock::now(), std::chrono::nanoseconds::zero(), most);
}

void CSimServer::WriteAll(const uint8_t* data, size_t length)
{
    // Nobody draining the far end (timeout) or no slave open (EIO): the
    // bytes have nowhere to go and are dropped.
    WriteFully(
        masterFd_, data, length, SteadyClock::now() + kWriteTimeout,
        [this] { return !stopping_.load(std::memory_order_acquire); }, kPollInterval);
}
