// USB bridges as the kernel and udev show them, mocked by umockdev: the
// descriptions in tests/link/bridges (sysfs attributes, udev properties,
// links, as `udevadm info --export-db` records them) loaded into a test bed,
// each tty node backed by a pseudo-terminal whose other side relays to a
// simulated clock.
//
// The program using it runs under umockdev-wrapper (the preload library
// diverts /sys, /dev and udev's netlink socket into the test bed).
// Shared by the test bed's command-line and window tests and by
// uevent_bench; the helpers report failures as text, for either test
// framework.
#pragma once

#include "SimClock.h"

#include <umockdev.h>

#include <atomic>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <poll.h>
#include <string>
#include <sys/ioctl.h>
#include <sys/syscall.h>
#include <termios.h>
#include <thread>
#include <unistd.h>
#include <vector>

// Why the test bed cannot run here, or empty.
inline std::string BridgeTestbedSkipReason()
{
    // umockdev_in_mock_environment() answers false here even under the
    // wrapper (umockdev 0.17.16); the wrapper's own mark is asked.
    const char* preload = std::getenv("LD_PRELOAD");
    if (!preload || !std::strstr(preload, "libumockdev-preload"))
        return "not under umockdev-wrapper: libumockdev-preload is not loaded";
    return {};
}

// The simulated clock behind a mocked node: bytes copied both ways between
// the node's pseudo-terminal master (umockdev's) and a terminal of the
// simulated clock's own pseudo-terminal.
class BridgeRelay {
public:
    BridgeRelay(int mockMaster, CSimServer& sim) : mock_(mockMaster)
    {
        // The program's terminal settings reach the node's terminal, not
        // this side of it: it is made raw here too.
        termios raw{};
        if (::tcgetattr(mock_, &raw) == 0) {
            ::cfmakeraw(&raw);
            ::tcsetattr(mock_, TCSANOW, &raw);
        }
        clock_ = ::open(sim.DevicePath().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        termios tio{};
        if (clock_ >= 0 && ::tcgetattr(clock_, &tio) == 0) {
            ::cfmakeraw(&tio);
            ::tcsetattr(clock_, TCSANOW, &tio);
        }
        thread_ = std::thread([this] { Run(); });
    }
    ~BridgeRelay()
    {
        stop_ = true;
        thread_.join();
        if (clock_ >= 0)
            ::close(clock_);
    }
    BridgeRelay(const BridgeRelay&) = delete;
    BridgeRelay& operator=(const BridgeRelay&) = delete;

private:
    void Run()
    {
        using namespace std::chrono_literals;
        char buffer[512];
        while (!stop_) {
            pollfd fds[2] = {{mock_, POLLIN, 0}, {clock_, POLLIN, 0}};
            if (::poll(fds, 2, 20) <= 0)
                continue;
            bool idle = true;
            for (int i = 0; i < 2; ++i) {
                if (!(fds[i].revents & POLLIN))
                    continue;
                const ssize_t got = ::read(fds[i].fd, buffer, sizeof buffer);
                if (got > 0) {
                    idle = false;
                    [[maybe_unused]] const ssize_t put = ::write(fds[1 - i].fd, buffer, static_cast<size_t>(got));
                }
            }
            // No program has the node open: its master reports a hang-up
            // until one does.
            if (idle)
                std::this_thread::sleep_for(5ms);
        }
    }

    const int mock_;
    int clock_ = -1;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

// One test bed with its simulated clocks. umockdev_testbed_clear keeps the
// nodes' pseudo-terminals and a node made again trips over them, so a test
// that wants a fresh set of bridges makes a new one.
class BridgeTestbed {
public:
    BridgeTestbed() : testbed_(umockdev_testbed_new()) { }
    ~BridgeTestbed()
    {
        relays_.clear();
        if (testbed_)
            g_object_unref(testbed_);
    }
    BridgeTestbed(const BridgeTestbed&) = delete;
    BridgeTestbed& operator=(const BridgeTestbed&) = delete;

    UMockdevTestbed* Get() const { return testbed_; }

    // Loads tests/link/bridges/<name>.umockdev (udev hears an add event for
    // each device); the error, or empty.
    std::string Load(const std::string& folder, const std::string& name)
    {
        GError* error = nullptr;
        const std::string path = folder + "/" + name + ".umockdev";
        if (umockdev_testbed_add_from_file(testbed_, path.c_str(), &error))
            return {};
        std::string text = path + ": " + (error ? error->message : "?");
        if (error)
            g_error_free(error);
        return text;
    }

    bool HasNode(const std::string& node) const { return umockdev_testbed_get_dev_fd(testbed_, node.c_str()) >= 0; }

    // The simulated clock behind the node, with the given serial number;
    // the error, or empty.
    std::string Attach(const std::string& node, uint32_t serialNumber)
    {
        const int master = umockdev_testbed_get_dev_fd(testbed_, node.c_str());
        if (master < 0)
            return node + " is no pseudo-terminal of the test bed";
        SimIdentity identity;
        identity.serialNumber = serialNumber;
        auto& sim = sims_.emplace_back(std::make_unique<CSimServer>(identity));
        if (!sim->Start())
            return "the simulated clock did not start";
        relays_.push_back(std::make_unique<BridgeRelay>(master, *sim));
        return {};
    }

    // The simulated clocks, in the order attached.
    CSimServer& Sim(size_t i) { return *sims_.at(i); }

    std::string Root() const
    {
        char* root = umockdev_testbed_get_root_dir(testbed_);
        std::string text = root ? root : "";
        g_free(root);
        return text;
    }

    // The pseudo-terminal behind a mocked node.
    std::string Backing(const std::string& node) const
    {
        char target[PATH_MAX] = {};
        const ssize_t n = ::readlink((Root() + node).c_str(), target, sizeof target - 1);
        return n > 0 ? std::string(target, static_cast<size_t>(n)) : std::string();
    }

    // The bridge pulled out. With hangUp, the node's terminal is hung up
    // first, as the kernel's usb-serial driver does on a disconnect before
    // the tty goes (TIOCVHANGUP; false when that is not allowed here: it
    // needs CAP_SYS_ADMIN). Then udev's remove event for the tty, and its
    // devices and its by-id link go (udev removes the link with the device;
    // umockdev leaves it).
    bool Pull(const std::string& node, const std::string& ttySysPath, const std::string& usbSysPath,
              const std::string& byIdLink, bool hangUp)
    {
        bool hungUp = false;
        if (hangUp) {
            const int fd = ::open(Backing(node).c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
            // The system call itself: the preload library hands this
            // process's ioctls on the terminal to the test bed's handler.
            hungUp = fd >= 0 && ::syscall(SYS_ioctl, fd, TIOCVHANGUP, 0) == 0;
            if (fd >= 0)
                ::close(fd);
        }
        umockdev_testbed_uevent(testbed_, ttySysPath.c_str(), "remove");
        umockdev_testbed_remove_device(testbed_, ttySysPath.c_str());
        umockdev_testbed_remove_device(testbed_, usbSysPath.c_str());
        ::unlink((Root() + byIdLink).c_str());
        return hungUp;
    }

private:
    UMockdevTestbed* testbed_ = nullptr;
    std::vector<std::unique_ptr<CSimServer>> sims_;
    std::vector<std::unique_ptr<BridgeRelay>> relays_;
};
