#include "PortWatcher.h"

#include "UsbSerialPort.h"

#include <libudev.h>

#include <array>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <poll.h>
#include <string_view>
#include <sys/eventfd.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// What happens to a name that matters: it is made (a node, a link, a link
// renamed over the old one), it goes, or its rights change (udev's rules ran
// on a node that devtmpfs made before them).
constexpr uint32_t kNameEvents = IN_CREATE | IN_DELETE | IN_MOVED_TO | IN_MOVED_FROM | IN_ATTRIB;
constexpr const char* kPseudoTerminalFolder = "/dev/pts";
// The folder itself going (a by-id folder after its last bridge).
constexpr uint32_t kFolderGone = IN_DELETE_SELF | IN_MOVE_SELF | IN_IGNORED;

std::string_view Text(const char* value)
{
    return value ? std::string_view(value) : std::string_view();
}

// A tty of a USB bridge with the vendor ID: from the properties udev keeps
// (also in a remove event, when sysfs is gone), else from the USB parent.
bool IsBridge(udev_device* tty, uint16_t vendorId)
{
    char wanted[8];
    std::snprintf(wanted, sizeof wanted, "%04x", vendorId);
    const std::string_view vendor = Text(udev_device_get_property_value(tty, "ID_VENDOR_ID"));
    if (!vendor.empty())
        return strncasecmp(vendor.data(), wanted, 4) == 0 && vendor.size() == 4;
    // The parent belongs to the child; it is not unreferenced here.
    udev_device* usb = udev_device_get_parent_with_subsystem_devtype(tty, "usb", "usb_device");
    const char* parentVendor = usb ? udev_device_get_sysattr_value(usb, "idVendor") : nullptr;
    if (parentVendor)
        return strcasecmp(parentVendor, wanted) == 0;
    // Removed, and udev kept no vendor: a USB tty may still be ours.
    return Text(udev_device_get_property_value(tty, "ID_BUS")) == "usb";
}

// The device's node or one of its links is this path.
bool Names(udev_device* tty, const std::string& path)
{
    if (Text(udev_device_get_devnode(tty)) == path)
        return true;
    udev_list_entry* entry = nullptr;
    udev_list_entry_foreach(entry, udev_device_get_devlinks_list_entry(tty))
    {
        if (Text(udev_list_entry_get_name(entry)) == path)
            return true;
    }
    return false;
}

}  // namespace

CPortWatcher::CPortWatcher(std::string wantedPath, uint16_t vendorId, PortEventHandler handler)
    : wanted_(std::move(wantedPath)), vendorId_(vendorId), handler_(std::move(handler))
{
    stopFd_ = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (stopFd_ < 0)
        return;  // nothing could end the thread: no watching

    udev_ = udev_new();
    if (udev_)
        monitor_ = udev_monitor_new_from_netlink(udev_, "udev");
    if (monitor_ && udev_monitor_filter_add_match_subsystem_devtype(monitor_, "tty", nullptr) == 0 &&
        udev_monitor_enable_receiving(monitor_) == 0)
        monitorFd_.store(udev_monitor_get_fd(monitor_), std::memory_order_release);

    if (!wanted_.empty()) {
        const size_t slash = wanted_.find_last_of('/');
        folder_ = slash == std::string::npos ? std::string(".")
            : slash == 0                     ? std::string("/")
                                             : wanted_.substr(0, slash);
        name_ = slash == std::string::npos ? wanted_ : wanted_.substr(slash + 1);
        // A pseudo-terminal's number goes to whichever program asks next: a
        // node made in /dev/pts is no clock coming back, and every terminal
        // opened on the system would wake the watcher. Links to one (a
        // simulated clock's --link) are watched where they are.
        if (folder_ != kPseudoTerminalFolder)
            inotifyFd_.store(::inotify_init1(IN_CLOEXEC | IN_NONBLOCK), std::memory_order_release);
        WatchFolder();
        // What is there now is the starting point, not news.
        struct stat st { };
        if (::stat(wanted_.c_str(), &st) == 0) {
            reportedPresent_ = true;
            reportedDevice_ = st.st_rdev;
            reportedInode_ = st.st_ino;
        }
    }
    if (HasUdev() || HasPathWatch())
        thread_ = std::thread(&CPortWatcher::Run, this);
}

CPortWatcher::~CPortWatcher()
{
    if (thread_.joinable()) {
        const uint64_t one = 1;
        [[maybe_unused]] const ssize_t written = ::write(stopFd_, &one, sizeof one);
        thread_.join();
    }
    if (monitor_)
        udev_monitor_unref(monitor_);
    if (udev_)
        udev_unref(udev_);
    if (const int fd = inotifyFd_.load(std::memory_order_acquire); fd >= 0)
        ::close(fd);
    if (stopFd_ >= 0)
        ::close(stopFd_);
}

void CPortWatcher::Run()
{
    for (;;) {
        // A negative descriptor is skipped by poll.
        std::array<pollfd, 3> fds{
            {{stopFd_, POLLIN, 0}, {monitorFd_.load(), POLLIN, 0}, {inotifyFd_.load(), POLLIN, 0}}};
        if (::poll(fds.data(), fds.size(), -1) < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        if (fds[0].revents)
            return;
        if (fds[1].revents & POLLIN)
            ReadUdev();
        if (fds[2].revents & POLLIN)
            ReadInotify();
        // A source that failed for good would make poll return at once for
        // ever: it is left out from now on, and its descriptor released.
        if (fds[1].revents & (POLLERR | POLLNVAL)) {
            monitorFd_.store(-1, std::memory_order_release);
            udev_monitor_unref(monitor_);  // closes its descriptor
            monitor_ = nullptr;
        }
        if (fds[2].revents & (POLLERR | POLLNVAL)) {
            const int fd = inotifyFd_.exchange(-1, std::memory_order_acq_rel);
            if (fd >= 0)
                ::close(fd);
            folderWatch_ = -1;
        }
        if (!HasUdev() && !HasPathWatch())
            return;
    }
}

void CPortWatcher::ReadUdev()
{
    // Every device udev has announced since the last look.
    while (udev_device* tty = udev_monitor_receive_device(monitor_)) {
        const std::string_view action = Text(udev_device_get_action(tty));
        const bool added = action == "add";
        const bool removed = action == "remove";
        if (wanted_.empty()) {
            if ((added || removed) && IsBridge(tty, vendorId_)) {
                const std::string node(Text(udev_device_get_devnode(tty)));
                Report(added ? PortEvent::Kind::Appeared : PortEvent::Kind::Vanished, node);
            }
        } else {
            // The folder may have been made with this device.
            WatchFolder();
            // A device added under the name is news even if it looks like
            // the last one.
            if (added && Names(tty, wanted_))
                reportedPresent_ = false;
            CheckPath();
        }
        udev_device_unref(tty);
    }
}

void CPortWatcher::ReadInotify()
{
    alignas(inotify_event) char buffer[4096];
    bool look = false;
    bool made = false;
    for (;;) {
        const ssize_t n = ::read(inotifyFd_.load(), buffer, sizeof buffer);
        if (n <= 0)
            break;
        for (ssize_t at = 0; at < n;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
            if (event->mask & kFolderGone) {
                folderWatch_ = -1;
                look = true;
                continue;
            }
            if (event->len == 0 || name_ != event->name)
                continue;
            look = true;
            // A name made anew is a new device behind it, even one that
            // looks like the last (a pseudo-terminal's number is reused).
            made |= (event->mask & (IN_CREATE | IN_MOVED_TO)) != 0;
        }
    }
    if (made)
        reportedPresent_ = false;
    if (look) {
        WatchFolder();
        CheckPath();
    }
}

void CPortWatcher::WatchFolder()
{
    const int fd = inotifyFd_.load();
    if (fd < 0 || folderWatch_ >= 0 || folder_.empty())
        return;
    folderWatch_ = ::inotify_add_watch(fd, folder_.c_str(), kNameEvents | IN_DELETE_SELF | IN_MOVE_SELF);
}

void CPortWatcher::CheckPath()
{
    struct stat st { };
    if (::stat(wanted_.c_str(), &st) != 0) {
        if (reportedPresent_)
            Report(PortEvent::Kind::Vanished, wanted_);
        return;
    }
    if (reportedPresent_ && st.st_rdev == reportedDevice_ && st.st_ino == reportedInode_)
        return;
    reportedDevice_ = st.st_rdev;
    reportedInode_ = st.st_ino;
    Report(PortEvent::Kind::Appeared, wanted_);
}

void CPortWatcher::Report(PortEvent::Kind kind, const std::string& path)
{
    if (!wanted_.empty()) {
        reportedPresent_ = kind == PortEvent::Kind::Appeared;
        if (reportedPresent_) {
            struct stat st { };
            if (::stat(wanted_.c_str(), &st) == 0) {
                reportedDevice_ = st.st_rdev;
                reportedInode_ = st.st_ino;
            }
        }
    }
    if (handler_)
        handler_(PortEvent{kind, path});
}

std::unique_ptr<IPortWatcher> MakePortWatcher(const std::string& wantedPath, PortEventHandler handler)
{
    return std::make_unique<CPortWatcher>(wantedPath, kBridgeVendorId, std::move(handler));
}
