// USB bridges as the kernel and udev show them, mocked by umockdev: the
// descriptions in link/bridges (sysfs attributes, udev properties, links,
// as `udevadm info --export-db` records them) loaded into a test bed, each
// tty node backed by a pseudo-terminal whose other side relays to the
// simulated clock. kerovant-cli runs in the test bed without --port, the
// bridge list and the port watcher run in this process.
//
// The program runs under umockdev-wrapper (the preload library diverts /sys,
// /dev and udev's netlink socket into the test bed); without it, or where
// the test bed cannot be made, every test skips with the reason.
#include "BridgeList.h"
#include "PortWatcher.h"
#include "SimClock.h"
#include "UsbSerialPort.h"

#include "TestSupport.h"

#include <gtest/gtest.h>
#include <umockdev.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <poll.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <termios.h>
#include <thread>
#include <unistd.h>
#include <vector>

using namespace std::chrono_literals;

namespace {

const std::string kBridges = KEROVANT_BRIDGES;
constexpr const char* kFt232rById = "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A10K1234-if00-port0";
constexpr const char* kFt230xById = "/dev/serial/by-id/usb-FTDI_FT230X_Basic_UART_DK0ABCDE-if00-port0";
constexpr const char* kCh340ById = "/dev/serial/by-id/usb-1a86_USB_Serial-if00-port0";
// The FT232R's USB device and tty (on root port 2).
constexpr const char* kFt232rUsb = "/sys/devices/pci0000:00/0000:00:14.0/usb1/1-2";
constexpr const char* kFt232rTty = "/sys/devices/pci0000:00/0000:00:14.0/usb1/1-2/1-2:1.0/ttyUSB0/tty/ttyUSB0";

struct CliRun {
    int status = -1;
    std::string output;
};

CliRun RunShell(const std::string& command)
{
    CliRun run;
    FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
    if (!pipe)
        return run;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe))
        run.output += buffer;
    const int raw = ::pclose(pipe);
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return run;
}

bool Contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

// The simulated clock behind a mocked node: bytes copied both ways between
// the node's pseudo-terminal master (umockdev's) and a terminal of the
// simulated clock's own pseudo-terminal.
class Relay {
public:
    Relay(int mockMaster, SimServer& sim) : mock_(mockMaster)
    {
        // The program's terminal settings reach umockdev's ioctl handler,
        // not this terminal: it is made raw here, as the program asks.
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
    ~Relay()
    {
        stop_ = true;
        thread_.join();
        if (clock_ >= 0)
            ::close(clock_);
    }

private:
    void Run()
    {
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

class BridgeTestbed : public ::testing::Test {
protected:
    void SetUp() override
    {
        // umockdev_in_mock_environment() answers false here even under the
        // wrapper (umockdev 0.17.16); the wrapper's own mark is asked.
        const char* preload = std::getenv("LD_PRELOAD");
        if (!preload || !std::strstr(preload, "libumockdev-preload"))
            GTEST_SKIP() << "not under umockdev-wrapper: libumockdev-preload is not loaded";
        testbed_ = umockdev_testbed_new();
        if (!testbed_)
            GTEST_SKIP() << "umockdev could not make its test bed";
    }
    void TearDown() override
    {
        relays_.clear();
        if (testbed_)
            g_object_unref(testbed_);
    }

    void Load(const std::string& name)
    {
        GError* error = nullptr;
        const std::string path = kBridges + "/" + name + ".umockdev";
        ASSERT_TRUE(umockdev_testbed_add_from_file(testbed_, path.c_str(), &error))
            << path << ": " << (error ? error->message : "?");
    }

    // The simulated clock behind the node, with the given serial number.
    void Attach(const std::string& node, uint32_t serialNumber)
    {
        const int master = umockdev_testbed_get_dev_fd(testbed_, node.c_str());
        ASSERT_GE(master, 0) << node << " is no pseudo-terminal of the test bed";
        SimIdentity identity;
        identity.serialNumber = serialNumber;
        auto& sim = sims_.emplace_back(std::make_unique<SimServer>(identity));
        ASSERT_TRUE(sim->Start());
        relays_.push_back(std::make_unique<Relay>(master, *sim));
    }

    // The pseudo-terminal behind a mocked node.
    std::string Backing(const std::string& node) const
    {
        char* root = umockdev_testbed_get_root_dir(testbed_);
        char target[PATH_MAX] = {};
        const ssize_t n = ::readlink((std::string(root) + node).c_str(), target, sizeof target - 1);
        g_free(root);
        return n > 0 ? std::string(target, static_cast<size_t>(n)) : std::string();
    }

    UMockdevTestbed* testbed_ = nullptr;
    std::vector<std::unique_ptr<SimServer>> sims_;
    std::vector<std::unique_ptr<Relay>> relays_;
};

struct Heard {
    std::mutex mutex;
    std::vector<std::string> events;  // "+path" appeared, "-path" vanished

    PortEventHandler Handler()
    {
        return [this](const PortEvent& event) {
            std::lock_guard<std::mutex> lock(mutex);
            events.push_back((event.kind == PortEvent::Kind::Appeared ? "+" : "-") + event.path);
        };
    }
    std::vector<std::string> Events()
    {
        std::lock_guard<std::mutex> lock(mutex);
        return events;
    }
};

}  // namespace

// Each set of bridges as a user plugs them: what the Connection menu lists,
// and which clock kerovant-cli status reads without --port (the simulated
// clock behind that node, and only that one, hears from it).
TEST_F(BridgeTestbed, FirstBridgeFoundAndTheBridgeList)
{
    struct Case {
        const char* legend;
        std::vector<std::string> files;
        std::vector<BridgeInfo> listed;  // FTDI bridges only, in name order
        const char* opened;              // the node status talks to; none: no bridge
        const char* shown;               // what status prints of that clock
    };
    const Case cases[] = {
        {"an FT232R on a root port",
         {"ft232r-root"},
         {{"/dev/ttyUSB0", kFt232rById, "FT232R USB UART"}},
         "/dev/ttyUSB0",
         "Serial Number:     00010472"},
        {"an FT230X behind a hub",
         {"ft230x-hub"},
         {{"/dev/ttyUSB1", kFt230xById, "FT230X Basic UART"}},
         "/dev/ttyUSB1",
         "Serial Number:     00020931"},
        {"two FTDI bridges: the first by name",
         {"ft232r-root", "ft230x-hub"},
         {{"/dev/ttyUSB0", kFt232rById, "FT232R USB UART"}, {"/dev/ttyUSB1", kFt230xById, "FT230X Basic UART"}},
         "/dev/ttyUSB0",
         "Serial Number:     00010472"},
        {"a CH340 first is passed over",
         {"ch340", "ft230x-hub"},
         {{"/dev/ttyUSB1", kFt230xById, "FT230X Basic UART"}},
         "/dev/ttyUSB1",
         "Serial Number:     00020931"},
        {"a CH340 alone", {"ch340"}, {}, nullptr, "No USB bridge found"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.legend);
        // A test bed of its own: umockdev_testbed_clear keeps the nodes'
        // pseudo-terminals, and a node made again trips over them.
        relays_.clear();
        sims_.clear();
        g_object_unref(testbed_);
        testbed_ = umockdev_testbed_new();
        for (const std::string& file : c.files)
            ASSERT_NO_FATAL_FAILURE(Load(file));
        // Each node's clock has a serial number of its own.
        std::vector<std::string> nodes;
        for (const auto& [node, serialNumber] : {std::pair{"/dev/ttyUSB0", 10472u}, {"/dev/ttyUSB1", 20931u}}) {
            if (umockdev_testbed_get_dev_fd(testbed_, node) >= 0) {
                ASSERT_NO_FATAL_FAILURE(Attach(node, serialNumber));
                nodes.push_back(node);
            }
        }

        EXPECT_EQ(ListBridges(kBridgeVendorId), c.listed);
        const CliRun run = RunShell(std::string(KEROVANT_CLI) + " status");
        EXPECT_EQ(run.status, c.opened ? 0 : 1) << run.output;
        EXPECT_TRUE(Contains(run.output, c.shown)) << run.output;
        for (size_t i = 0; i < nodes.size(); ++i) {
            const bool spoken = !sims_[i]->Clock().ReceivedCodes().empty();
            EXPECT_EQ(spoken, c.opened && nodes[i] == c.opened) << nodes[i];
        }
    }
    // Another maker's bridge is described too, for whoever picks it by name.
    EXPECT_EQ(DescribeBridge("/dev/ttyUSB0"), (BridgeInfo{"/dev/ttyUSB0", kCh340ById, "USB Serial"}));
}

TEST_F(BridgeTestbed, NodeTheUserMayNotOpen)
{
    ASSERT_NO_FATAL_FAILURE(Load("ft232r-root"));
    const std::string pty = Backing("/dev/ttyUSB0");
    ASSERT_FALSE(pty.empty());
    // Root may open any node: the command runs as nobody then, who may not
    // open root's terminal (0600), and another user may not open one that
    // grants nothing.
    std::string command = std::string(KEROVANT_CLI) + " status";
    if (::geteuid() == 0) {
        // The test bed's folders and the preload's ioctl socket for all.
        char* root = umockdev_testbed_get_root_dir(testbed_);
        ASSERT_EQ(RunShell(std::string("chmod -R a+rwX ") + root).status, 0);
        g_free(root);
        ASSERT_EQ(::chmod(pty.c_str(), 0600), 0);
        if (RunShell("command -v setpriv").status != 0)
            GTEST_SKIP() << "running as root without setpriv to become another user";
        command = "setpriv --reuid=65534 --regid=65534 --clear-groups " + command;
    } else {
        ASSERT_EQ(::chmod(pty.c_str(), 0), 0);
    }
    const CliRun run = RunShell(command);
    EXPECT_EQ(run.status, 1) << run.output;
    EXPECT_TRUE(
        Contains(run.output, "kerovant-cli: Permission denied on /dev/ttyUSB0: only root may read and write it."))
        << run.output;
    EXPECT_TRUE(Contains(run.output, "70-kerovant.rules")) << run.output;
}

// Plugged in, pulled out and plugged back on another port, as udev
// announces it: the watcher of "the first USB bridge found" reports each at
// once, and the bridge back on another port keeps its by-id name.
TEST_F(BridgeTestbed, PlugPullAndReplugThroughUevents)
{
    Heard heard;
    CPortWatcher watcher("", kBridgeVendorId, heard.Handler());
    if (!watcher.HasUdev())
        GTEST_SKIP() << "no udev monitor in the test bed";

    ASSERT_NO_FATAL_FAILURE(Load("ft232r-root"));
    ASSERT_TRUE(WaitUntil([&] { return heard.Events().size() >= 1; }, 2s));
    EXPECT_EQ(heard.Events(), (std::vector<std::string>{"+/dev/ttyUSB0"}));

    umockdev_testbed_uevent(testbed_, kFt232rTty, "remove");
    umockdev_testbed_remove_device(testbed_, kFt232rTty);
    umockdev_testbed_remove_device(testbed_, kFt232rUsb);
    // udev removes the device's links with it; umockdev leaves them.
    char* root = umockdev_testbed_get_root_dir(testbed_);
    ::unlink((std::string(root) + kFt232rById).c_str());
    g_free(root);
    ASSERT_TRUE(WaitUntil([&] { return heard.Events().size() >= 2; }, 2s));
    EXPECT_EQ(heard.Events().back(), "-/dev/ttyUSB0");

    // Back on root port 4 as ttyUSB2 (a program still held ttyUSB0 when
    // it went); the by-id name stays.
    ASSERT_NO_FATAL_FAILURE(Load("ft232r-replugged"));
    ASSERT_TRUE(WaitUntil([&] { return heard.Events().size() >= 3; }, 2s));
    EXPECT_EQ(heard.Events().back(), "+/dev/ttyUSB2");
    EXPECT_EQ(DescribeBridge("/dev/ttyUSB2"), (BridgeInfo{"/dev/ttyUSB2", kFt232rById, "FT232R USB UART"}));
}
