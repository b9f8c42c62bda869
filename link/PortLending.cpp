#include "PortLending.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <grp.h>
#include <poll.h>
#include <pwd.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

constexpr const char* kNamePrefix = "kerovant-lend:";
constexpr const char* kAsk = "borrow";
constexpr const char* kReleased = "released\n";
constexpr const char* kRefused = "refused\n";
// A request is one short line: a peer that sends more is not one of ours.
constexpr size_t kLineLimit = 64;

std::atomic<bool> g_borrowing{true};

// The device itself, however it is named (a /dev/serial/by-id link, the
// node): its device number. Not the resolved path: a wrapped C library (the
// test bed's umockdev) may not resolve links in /dev as the kernel does.
std::string CanonicalPath(const std::string& device)
{
    struct stat st { };
    if (::stat(device.c_str(), &st) != 0 || !S_ISCHR(st.st_mode))
        return device;
    return "char:" + std::to_string(major(st.st_rdev)) + ":" + std::to_string(minor(st.st_rdev));
}

// The abstract address of a name; its length in `length`.
sockaddr_un Address(const std::string& name, socklen_t& length)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    // sun_path[0] stays NUL: the abstract namespace, no file to clean up.
    std::memcpy(address.sun_path + 1, name.data(), name.size());
    length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + name.size());
    return address;
}

void SendLine(int fd, const char* line)
{
    [[maybe_unused]] const ssize_t sent = ::send(fd, line, std::strlen(line), MSG_NOSIGNAL | MSG_DONTWAIT);
}

std::string ProgramOf(pid_t pid)
{
    std::ifstream comm("/proc/" + std::to_string(pid) + "/comm");
    std::string name;
    std::getline(comm, name);
    return name;
}

std::string UserNameOf(uid_t uid)
{
    std::vector<char> buffer(4096);
    passwd entry{};
    passwd* found = nullptr;
    return ::getpwuid_r(uid, &entry, buffer.data(), buffer.size(), &found) == 0 && found ? std::string(found->pw_name)
                                                                                         : std::string();
}

}  // namespace

std::string LendingSocketName(const std::string& device)
{
    const std::string name = kNamePrefix + CanonicalPath(device);
    return device.empty() || name.size() + 1 > sizeof(sockaddr_un::sun_path) ? std::string() : name;
}

bool MayUseNode(uid_t uid, gid_t gid, const std::vector<gid_t>& groups, const NodeAccess& node)
{
    if (uid == 0)
        return true;
    const mode_t mode = node.mode;
    if (uid == node.owner)
        return (mode & (S_IRUSR | S_IWUSR)) == (S_IRUSR | S_IWUSR);
    if (gid == node.group || std::find(groups.begin(), groups.end(), node.group) != groups.end())
        return (mode & (S_IRGRP | S_IWGRP)) == (S_IRGRP | S_IWGRP);
    return (mode & (S_IROTH | S_IWOTH)) == (S_IROTH | S_IWOTH);
}

std::vector<gid_t> GroupsOf(uid_t uid, gid_t gid)
{
    const std::string name = UserNameOf(uid);
    if (name.empty())
        return {gid};
    std::vector<gid_t> groups(32);
    for (;;) {
        int count = static_cast<int>(groups.size());
        if (::getgrouplist(name.c_str(), gid, groups.data(), &count) >= 0) {
            groups.resize(static_cast<size_t>(count));
            return groups;
        }
        if (count <= static_cast<int>(groups.size()) || count > 65536)
            return {gid};
        groups.resize(static_cast<size_t>(count));
    }
}

int BorrowPort(const std::string& device, std::chrono::milliseconds wait)
{
    const std::string name = LendingSocketName(device);
    if (name.empty())
        return -1;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    socklen_t length = 0;
    const sockaddr_un address = Address(name, length);
    // No listener (nobody lends the device): refused at once.
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), length) != 0) {
        ::close(fd);
        return -1;
    }
    const std::string ask = std::string(kAsk) + "\n";
    if (::send(fd, ask.data(), ask.size(), MSG_NOSIGNAL) != static_cast<ssize_t>(ask.size())) {
        ::close(fd);
        return -1;
    }
    const auto deadline = std::chrono::steady_clock::now() + wait;
    std::string answer;
    for (;;) {
        const auto left =
            std::chrono::ceil<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now()).count();
        pollfd p{fd, POLLIN, 0};
        const int ready = left > 0 ? ::poll(&p, 1, static_cast<int>(left)) : 0;
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            break;
        char buffer[32];
        const ssize_t got = ::recv(fd, buffer, sizeof buffer, 0);
        if (got <= 0)
            break;
        answer.append(buffer, static_cast<size_t>(got));
        if (answer.find('\n') != std::string::npos || answer.size() > kLineLimit)
            break;
    }
    if (answer == kReleased)
        return fd;
    ::close(fd);
    return -1;
}

void SetPortBorrowing(bool on)
{
    g_borrowing.store(on, std::memory_order_relaxed);
}

bool PortBorrowing()
{
    return g_borrowing.load(std::memory_order_relaxed);
}

std::string BorrowerText(const Borrower& borrower)
{
    std::string text = borrower.program.empty() ? std::string("a program") : borrower.program;
    text += " (process " + std::to_string(borrower.pid) + ", user ";
    text += borrower.user.empty() ? "ID " + std::to_string(borrower.uid) : borrower.user;
    return text + ")";
}

CPortLender::CPortLender(std::function<void()> wake)
    : wake_(std::move(wake)), eventFd_(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK))
{
    if (eventFd_ >= 0)
        thread_ = std::thread(&CPortLender::Run, this);
}

CPortLender::~CPortLender()
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    Signal();
    if (thread_.joinable())
        thread_.join();
    if (listenFd_ >= 0)
        ::close(listenFd_);
    for (const int fd : retired_)
        ::close(fd);
    for (const Connection& connection : connections_)
        ::close(connection.fd);
    if (eventFd_ >= 0)
        ::close(eventFd_);
}

void CPortLender::Signal() const
{
    const uint64_t one = 1;
    [[maybe_unused]] const ssize_t written = ::write(eventFd_, &one, sizeof one);
}

bool CPortLender::Listen(const std::string& device)
{
    if (eventFd_ < 0)
        return false;
    const std::string name = LendingSocketName(device);
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (name == listenName_ && (listenFd_ >= 0 || name.empty()))
            return listenFd_ >= 0;
    }
    int fd = -1;
    if (!name.empty()) {
        fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
        socklen_t length = 0;
        const sockaddr_un address = Address(name, length);
        if (fd >= 0 && (::bind(fd, reinterpret_cast<const sockaddr*>(&address), length) != 0 || ::listen(fd, 8) != 0)) {
            ::close(fd);
            fd = -1;
        }
    }
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (listenFd_ >= 0)
            retired_.push_back(listenFd_);
        listenFd_ = fd;
        listenName_ = fd >= 0 ? name : std::string();
        device_ = name.empty() ? std::string() : device;
    }
    Signal();
    return fd >= 0;
}

bool CPortLender::Wanted() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return std::any_of(connections_.begin(), connections_.end(), [](const Connection& c) { return c.asked; });
}

void CPortLender::Released()
{
    std::lock_guard<std::mutex> lock(mutex_);
    released_ = true;
    AnswerWaitingLocked();
}

void CPortLender::Reclaiming()
{
    std::lock_guard<std::mutex> lock(mutex_);
    released_ = false;
}

std::optional<Borrower> CPortLender::CurrentBorrower() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    for (const Connection& connection : connections_) {
        if (connection.asked)
            return connection.who;
    }
    return std::nullopt;
}

void CPortLender::AnswerWaitingLocked()
{
    if (!released_)
        return;
    for (Connection& connection : connections_) {
        if (connection.asked && !connection.answered) {
            SendLine(connection.fd, kReleased);
            connection.answered = true;
        }
    }
}

void CPortLender::Accept(int listenFd)
{
    const int fd = ::accept4(listenFd, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
    if (fd < 0)
        return;
    ucred credentials{};
    socklen_t length = sizeof credentials;
    std::string device;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        device = device_;
    }
    const std::optional<NodeAccess> node = ReadNodeAccess(device);
    const bool known = ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &credentials, &length) == 0;
    if (!known || !node ||
        !MayUseNode(credentials.uid, credentials.gid, GroupsOf(credentials.uid, credentials.gid), *node)) {
        SendLine(fd, kRefused);
        ::close(fd);
        return;
    }
    Connection connection;
    connection.fd = fd;
    connection.who = {credentials.pid, credentials.uid, ProgramOf(credentials.pid), UserNameOf(credentials.uid)};
    std::lock_guard<std::mutex> lock(mutex_);
    connections_.push_back(std::move(connection));
}

bool CPortLender::Receive(Connection& connection)
{
    char buffer[64];
    const ssize_t got = ::recv(connection.fd, buffer, sizeof buffer, 0);
    if (got < 0 && (errno == EAGAIN || errno == EINTR))
        return true;
    if (got <= 0)
        return false;
    if (connection.asked)
        return true;  // nothing more is expected; the connection's end is what counts
    connection.received.append(buffer, static_cast<size_t>(got));
    const size_t end = connection.received.find('\n');
    if (end == std::string::npos)
        return connection.received.size() <= kLineLimit;
    if (connection.received.compare(0, end, kAsk) != 0)
        return false;
    connection.asked = true;
    return true;
}

void CPortLender::Run()
{
    for (;;) {
        std::vector<pollfd> fds;
        int listenFd = -1;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (stopping_)
                return;
            for (const int fd : retired_)
                ::close(fd);
            retired_.clear();
            listenFd = listenFd_;
            fds.push_back({eventFd_, POLLIN, 0});
            fds.push_back({listenFd, POLLIN, 0});
            for (const Connection& connection : connections_)
                fds.push_back({connection.fd, POLLIN, 0});
        }
        if (::poll(fds.data(), fds.size(), -1) < 0 && errno != EINTR)
            return;
        if (fds[0].revents & POLLIN) {
            uint64_t count = 0;
            [[maybe_unused]] const ssize_t got = ::read(eventFd_, &count, sizeof count);
        }
        if (listenFd >= 0 && (fds[1].revents & POLLIN))
            Accept(listenFd);
        bool changed = false;
        {
            // Only this thread adds or removes connections, so those polled
            // are the first ones of the list, in order.
            std::lock_guard<std::mutex> lock(mutex_);
            for (size_t i = 2, at = 0; i < fds.size(); ++i) {
                Connection& connection = connections_[at];
                if (fds[i].revents == 0) {
                    ++at;
                    continue;
                }
                const bool wasAsked = connection.asked;
                if (Receive(connection)) {
                    changed |= connection.asked != wasAsked;
                    ++at;
                    continue;
                }
                changed |= wasAsked;
                ::close(connection.fd);
                connections_.erase(connections_.begin() + static_cast<std::ptrdiff_t>(at));
            }
            AnswerWaitingLocked();
        }
        if (changed && wake_)
            wake_();
    }
}
