// The bridges of BridgeTestbed.h in umockdev's test bed: kerovant-cli runs
// in it without --port, the bridge list and the port watcher run in this
// process. Without umockdev-wrapper, or where the test bed cannot be made,
// every test skips with the reason.
#include "BridgeList.h"
#include "BridgeTestbed.h"
#include "PortWatcher.h"
#include "SimClock.h"
#include "UsbSerialPort.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <mutex>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
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

class BridgeTestbedTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (const std::string reason = BridgeTestbedSkipReason(); !reason.empty())
            GTEST_SKIP() << reason;
        Fresh();
    }

    // A test bed of its own for each set of bridges.
    void Fresh()
    {
        bed_.reset();
        bed_ = std::make_unique<BridgeTestbed>();
        if (!bed_->Get())
            GTEST_SKIP() << "umockdev could not make its test bed";
    }
    void Load(const std::string& name)
    {
        const std::string error = bed_->Load(kBridges, name);
        ASSERT_TRUE(error.empty()) << error;
    }
    void Attach(const std::string& node, uint32_t serialNumber)
    {
        const std::string error = bed_->Attach(node, serialNumber);
        ASSERT_TRUE(error.empty()) << error;
    }

    std::unique_ptr<BridgeTestbed> bed_;
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
TEST_F(BridgeTestbedTest, FirstBridgeFoundAndTheBridgeList)
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
        ASSERT_NO_FATAL_FAILURE(Fresh());
        for (const std::string& file : c.files)
            ASSERT_NO_FATAL_FAILURE(Load(file));
        // Each node's clock has a serial number of its own.
        std::vector<std::string> nodes;
        for (const auto& [node, serialNumber] : {std::pair{"/dev/ttyUSB0", 10472u}, {"/dev/ttyUSB1", 20931u}}) {
            if (bed_->HasNode(node)) {
                ASSERT_NO_FATAL_FAILURE(Attach(node, serialNumber));
                nodes.push_back(node);
            }
        }

        EXPECT_EQ(ListBridges(kBridgeVendorId), c.listed);
        const CliRun run = RunShell(std::string(KEROVANT_CLI) + " status");
        EXPECT_EQ(run.status, c.opened ? 0 : 1) << run.output;
        EXPECT_TRUE(Contains(run.output, c.shown)) << run.output;
        for (size_t i = 0; i < nodes.size(); ++i) {
            const bool spoken = !bed_->Sim(i).Clock().ReceivedCodes().empty();
            EXPECT_EQ(spoken, c.opened && nodes[i] == c.opened) << nodes[i];
        }
    }
    // Another maker's bridge is described too, for whoever picks it by name.
    EXPECT_EQ(DescribeBridge("/dev/ttyUSB0"), (BridgeInfo{"/dev/ttyUSB0", kCh340ById, "USB Serial"}));
}

TEST_F(BridgeTestbedTest, NodeTheUserMayNotOpen)
{
    ASSERT_NO_FATAL_FAILURE(Load("ft232r-root"));
    const std::string pty = bed_->Backing("/dev/ttyUSB0");
    ASSERT_FALSE(pty.empty());
    // Root may open any node: the command runs as nobody then, who may not
    // open root's terminal (0600), and another user may not open one that
    // grants nothing.
    std::string command = std::string(KEROVANT_CLI) + " status";
    if (::geteuid() == 0) {
        // The test bed's folders and the preload's ioctl socket for all.
        ASSERT_EQ(RunShell("chmod -R a+rwX " + bed_->Root()).status, 0);
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
TEST_F(BridgeTestbedTest, PlugPullAndReplugThroughUevents)
{
    Heard heard;
    CPortWatcher watcher("", kBridgeVendorId, heard.Handler());
    if (!watcher.HasUdev())
        GTEST_SKIP() << "no udev monitor in the test bed";

    ASSERT_NO_FATAL_FAILURE(Load("ft232r-root"));
    ASSERT_TRUE(WaitUntil([&] { return heard.Events().size() >= 1; }, 2s));
    EXPECT_EQ(heard.Events(), (std::vector<std::string>{"+/dev/ttyUSB0"}));

    bed_->Pull("/dev/ttyUSB0", kFt232rTty, kFt232rUsb, kFt232rById, false);
    ASSERT_TRUE(WaitUntil([&] { return heard.Events().size() >= 2; }, 2s));
    EXPECT_EQ(heard.Events().back(), "-/dev/ttyUSB0");

    // Back on root port 4 as ttyUSB2 (a program still held ttyUSB0 when
    // it went); the by-id name stays.
    ASSERT_NO_FATAL_FAILURE(Load("ft232r-replugged"));
    ASSERT_TRUE(WaitUntil([&] { return heard.Events().size() >= 3; }, 2s));
    EXPECT_EQ(heard.Events().back(), "+/dev/ttyUSB2");
    EXPECT_EQ(DescribeBridge("/dev/ttyUSB2"), (BridgeInfo{"/dev/ttyUSB2", kFt232rById, "FT232R USB UART"}));
}
