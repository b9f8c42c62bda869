// Tells the clock's owner at once when the port it wants appears or goes,
// so that a clock plugged in is greeted without waiting for the next turn of
// the replacement cycle, and one pulled out shows as offline at once.
//
// Two sources, both read on the watcher's own thread, which sleeps in poll()
// on them and on an eventfd that ends it:
// - udev's monitor of the tty subsystem: a USB bridge added or removed (a
//   tty whose USB device carries the bridge maker's vendor ID). It serves
//   "the first USB bridge found" (no path wanted) and the names udev gives a
//   bridge (/dev/ttyUSB0, /dev/serial/by-id/...): by the time udev announces
//   a device its rules have run, so its links and access rights are in place.
// - inotify on the folder of a wanted path, for that name: created, deleted,
//   moved in or out, attributes changed. Any path counts, also one that udev
//   knows nothing of, such as a simulated clock's link, which a replug
//   replaces with a link to a new pseudo-terminal (a rename over the old
//   one). A folder that does not exist yet (/dev/serial/by-id before the
//   first bridge) is watched from the next udev event on. /dev/pts is not
//   watched: a pseudo-terminal's number goes to whichever program asks next.
//
// What it reports is the wanted port, not the events: Appeared when the path
// leads to a device node it did not lead to at the last report (a new node,
// or the same name on another device), Vanished when it leads nowhere any
// more. Two events for one plug (the link and its attributes, udev and
// inotify) thus give one Appeared.
//
// Thread rules: the handler runs on the watcher's thread, one call at a
// time; it must not block for long and must not destroy the watcher. The
// destructor (any thread but the handler's) stops the thread and returns
// once the handler has returned.
#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <sys/types.h>
#include <thread>

struct PortEvent {
    enum class Kind { Appeared, Vanished };
    Kind kind = Kind::Appeared;
    // The device the event is about: the wanted path, or with none wanted
    // the bridge's device node (/dev/ttyUSB0).
    std::string path;
};

using PortEventHandler = std::function<void(const PortEvent&)>;

// A source of port events; alive means watching. Tests use a fake that calls
// the handler itself.
class IPortWatcher {
public:
    virtual ~IPortWatcher() = default;
};

// Makes the watcher for a wanted path (empty: the first USB bridge found).
using PortWatcherMaker = std::function<std::unique_ptr<IPortWatcher>(const std::string&, PortEventHandler)>;

class CPortWatcher final : public IPortWatcher {
public:
    // Watches the port at wantedPath (empty: any bridge with this vendor
    // ID). A source that cannot be had (no udev, no inotify) is left out;
    // the owner's replacement cycle still finds the clock then.
    CPortWatcher(std::string wantedPath, uint16_t vendorId, PortEventHandler handler);
    ~CPortWatcher() override;
    CPortWatcher(const CPortWatcher&) = delete;
    CPortWatcher& operator=(const CPortWatcher&) = delete;

    // Whether udev's monitor and the path watch are in use: set up, and not
    // given up after failing for good.
    bool HasUdev() const { return monitorFd_.load(std::memory_order_acquire) >= 0; }
    bool HasPathWatch() const { return inotifyFd_.load(std::memory_order_acquire) >= 0; }

private:
    void Run();
    void ReadUdev();
    void ReadInotify();
    // Watches the wanted path's folder when it is not watched yet.
    void WatchFolder();
    // Reports the wanted path's state if it differs from the last report.
    void CheckPath();
    void Report(PortEvent::Kind kind, const std::string& path);

    const std::string wanted_;
    std::string folder_;
    std::string name_;
    const uint16_t vendorId_;
    const PortEventHandler handler_;

    struct udev* udev_ = nullptr;
    struct udev_monitor* monitor_ = nullptr;
    // Written by the watcher's thread when a source fails for good, read by
    // HasUdev and HasPathWatch on any thread.
    std::atomic<int> monitorFd_{-1};
    std::atomic<int> inotifyFd_{-1};
    int folderWatch_ = -1;
    int stopFd_ = -1;
    // The device the wanted path led to at the last report; 0: none.
    dev_t reportedDevice_ = 0;
    ino_t reportedInode_ = 0;
    bool reportedPresent_ = false;
    std::thread thread_;
};

// The program's watcher: CPortWatcher for the bridge maker's vendor ID.
std::unique_ptr<IPortWatcher> MakePortWatcher(const std::string& wantedPath, PortEventHandler handler);
