// The USB serial port on a real terminal device: a pseudo-terminal pair,
// whose slave the port opens by path while the test plays the far end on
// the master side.
#include "UsbSerialPort.h"

#include "Frame.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <poll.h>
#include <pty.h>
#include <string>
#include <termios.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using Bytes = std::vector<uint8_t>;

// A pseudo-terminal pair. The test keeps a slave descriptor of its own so
// the pair stays whole whatever the port does.
struct Pty {
    int master = -1;
    int slave = -1;
    std::string slavePath;

    Pty()
    {
        char name[256] = {};
        if (::openpty(&master, &slave, name, nullptr, nullptr) == 0)
            slavePath = name;
    }
    ~Pty()
    {
        CloseMaster();
        if (slave >= 0)
            ::close(slave);
    }
    void CloseMaster()
    {
        if (master >= 0)
            ::close(master);
        master = -1;
    }
    void Send(const Bytes& bytes) const
    {
        ASSERT_EQ(::write(master, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    }
    // Reads until count bytes have come or the timeout has passed.
    Bytes Receive(size_t count, std::chrono::milliseconds timeout) const
    {
        Bytes out;
        const auto deadline = Clock::now() + timeout;
        uint8_t chunk[4096];
        while (out.size() < count) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
            if (left.count() <= 0)
                break;
            pollfd p{master, POLLIN, 0};
            if (::poll(&p, 1, static_cast<int>(left.count())) <= 0 || !(p.revents & POLLIN))
                continue;
            const ssize_t got = ::read(master, chunk, std::min(sizeof chunk, count - out.size()));
            if (got > 0)
                out.insert(out.end(), chunk, chunk + got);
        }
        return out;
    }
    bool HasInputWithin(std::chrono::milliseconds timeout) const
    {
        pollfd p{master, POLLIN, 0};
        return ::poll(&p, 1, static_cast<int>(timeout.count())) > 0 && (p.revents & POLLIN);
    }
};

Bytes AllByteValues()
{
    Bytes all(256);
    for (int i = 0; i < 256; ++i)
        all[i] = static_cast<uint8_t>(i);
    return all;
}

// Reads count bytes through the port the way the serial master does.
Bytes ReadThroughPort(CUsbSerialPort& port, size_t count)
{
    Bytes out;
    while (out.size() < count) {
        if (!WaitUntil([&] { return port.BytesAvailable(); }, 2000ms))
            break;
        out.push_back(port.ReadByte());
    }
    return out;
}

class UsbSerialPortPty : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(pty.slavePath.empty()) << "openpty failed";
        port.Open(SettingsFor(pty.slavePath));
        ASSERT_EQ(port.State(), PortState::Open);
        ASSERT_EQ(port.DevicePath(), pty.slavePath);
    }

    Pty pty;
    CUsbSerialPort port;
};

TEST_F(UsbSerialPortPty, EveryByteValueCrossesUnchangedWithoutEcho)
{
    const Bytes all = AllByteValues();

    pty.Send(all);
    EXPECT_EQ(ReadThroughPort(port, all.size()), all);
    // A fresh terminal echoes and translates; the port must have put the
    // line into raw mode, so nothing may come back to the far end.
    EXPECT_FALSE(pty.HasInputWithin(50ms));

    port.Write(all.data(), all.size());
    EXPECT_EQ(pty.Receive(all.size(), 2000ms), all);
    port.WriteByte(0x0A);
    EXPECT_EQ(pty.Receive(2, 200ms), Bytes{0x0A});
}

TEST_F(UsbSerialPortPty, LocalBufferHandsOutSingleBytesAndBursts)
{
    EXPECT_FALSE(port.BytesAvailable());

    pty.Send({0x7F});
    ASSERT_TRUE(WaitUntil([&] { return port.BytesAvailable(); }, 2000ms));
    EXPECT_EQ(port.ReadByte(), 0x7F);
    EXPECT_FALSE(port.BytesAvailable());

    // More than one read's worth: the first 256 come from one read, the
    // rest from the next, all in order.
    Bytes burst(300);
    for (size_t i = 0; i < burst.size(); ++i)
        burst[i] = static_cast<uint8_t>(i * 7 + 3);
    pty.Send(burst);
    ASSERT_TRUE(WaitUntil([&] { return port.BytesAvailable(); }, 2000ms));
    Bytes got;
    for (size_t i = 0; i < burst.size(); ++i) {
        ASSERT_TRUE(port.BytesAvailable()) << "ran dry after " << i << " bytes";
        got.push_back(port.ReadByte());
    }
    EXPECT_EQ(got, burst);
    EXPECT_FALSE(port.BytesAvailable());
}

// A read that finds nothing on a healthy line is silence, not a hang-up:
// the line stays usable and the next byte comes through.
TEST_F(UsbSerialPortPty, EmptyReadOnAHealthyLineIsNotAHangUp)
{
    EXPECT_EQ(port.ReadByte(), 0);
    EXPECT_EQ(port.State(), PortState::Open);
    pty.Send({'k'});
    EXPECT_EQ(ReadThroughPort(port, 1), Bytes{'k'});
}

TEST(UsbSerialPortOpen, FailedOpensReadAsSilenceWithTheirReason)
{
    CUsbSerialPort never;
    never.Close();
    EXPECT_EQ(never.State(), PortState::NotOpened);

    CUsbSerialPort missing;
    missing.Open(SettingsFor("/dev/kerovant-no-such-device"));
    EXPECT_EQ(missing.State(), PortState::NoBridge);
    EXPECT_EQ(missing.OpenError(), ENOENT);
    EXPECT_FALSE(missing.BytesAvailable());
    EXPECT_EQ(missing.ReadByte(), 0);
    const uint8_t frame[] = {kStx, 'A', 'F', '8', '7', kEtx};
    missing.Write(frame, sizeof frame);
    missing.WriteByte(kNak);
    // A reader loop on a dead port must not spin.
    const auto start = Clock::now();
    missing.WaitForInput(10ms);
    EXPECT_GE(Clock::now() - start, 8ms);
    missing.Close();

    char path[] = "/tmp/kerovant-not-a-tty-XXXXXX";
    const int fd = ::mkstemp(path);
    ASSERT_GE(fd, 0);
    CUsbSerialPort plainFile;
    plainFile.Open(SettingsFor(path));
    EXPECT_EQ(plainFile.State(), PortState::NotSerial);
    EXPECT_FALSE(plainFile.BytesAvailable());
    ::close(fd);
    ::unlink(path);
}

// A device opened by mistake is left with the line settings it had: set up
// for the clock while open, as found after Close.
TEST(UsbSerialPortOpen, TheLineIsPutBackAsFoundOnClose)
{
    Pty pty;
    ASSERT_FALSE(pty.slavePath.empty()) << "openpty failed";
    termios found{};
    ASSERT_EQ(::tcgetattr(pty.slave, &found), 0);
    found.c_lflag |= ICANON | ECHO;
    found.c_iflag |= ICRNL | IXON;  // a pseudo-terminal keeps no c_cflag of its own
    found.c_cc[VMIN] = 4;
    ::cfsetispeed(&found, B9600);
    ::cfsetospeed(&found, B9600);
    ASSERT_EQ(::tcsetattr(pty.slave, TCSANOW, &found), 0);

    CUsbSerialPort port;
    port.Open(SettingsFor(pty.slavePath));
    ASSERT_EQ(port.State(), PortState::Open);
    termios line{};
    ASSERT_EQ(::tcgetattr(pty.slave, &line), 0);
    EXPECT_EQ(::cfgetospeed(&line), B57600);
    EXPECT_EQ(line.c_iflag & (ICRNL | IXON), 0u);
    EXPECT_EQ(line.c_lflag & (ICANON | ECHO), 0u);
    EXPECT_EQ(line.c_cc[VMIN], 0);

    port.Close();
    ASSERT_EQ(::tcgetattr(pty.slave, &line), 0);
    EXPECT_EQ(::cfgetispeed(&line), B9600);
    EXPECT_EQ(::cfgetospeed(&line), B9600);
    EXPECT_EQ(line.c_iflag & (ICRNL | IXON), static_cast<tcflag_t>(ICRNL | IXON));
    EXPECT_EQ(line.c_lflag & (ICANON | ECHO), static_cast<tcflag_t>(ICANON | ECHO));
    EXPECT_EQ(line.c_cc[VMIN], 4);
}

TEST_F(UsbSerialPortPty, FarEndClosedReadsAsSilenceWithoutSpinning)
{
    pty.CloseMaster();
    // A read is the first to notice here.
    EXPECT_EQ(port.ReadByte(), 0);
    EXPECT_EQ(port.State(), PortState::Gone);

    int turns = 0;
    const auto end = Clock::now() + 200ms;
    while (Clock::now() < end) {
        ++turns;
        if (!port.BytesAvailable())
            port.WaitForInput(10ms);
    }
    EXPECT_LE(turns, 25) << "the reader loop spins on a hung-up device";
    EXPECT_EQ(port.State(), PortState::Gone);
    EXPECT_FALSE(port.BytesAvailable());
    EXPECT_EQ(port.ReadByte(), 0);

    const Bytes frame = BuildFrame(0xAF, "");
    port.Write(frame.data(), frame.size());
    port.WriteByte(kNak);
    port.Close();
    EXPECT_EQ(port.State(), PortState::Gone);
}

TEST_F(UsbSerialPortPty, SecondOpenOfTheSameDeviceIsBusyUntilClosed)
{
    CUsbSerialPort second;
    second.Open(SettingsFor(pty.slavePath));
    EXPECT_EQ(second.State(), PortState::Busy);
    EXPECT_FALSE(second.BytesAvailable());

    port.Close();
    CUsbSerialPort third;
    third.Open(SettingsFor(pty.slavePath));
    EXPECT_EQ(third.State(), PortState::Open);

    // The device is free again once the first port has let it go.
    pty.Send({'x'});
    EXPECT_EQ(ReadThroughPort(third, 1), Bytes{'x'});
}

TEST_F(UsbSerialPortPty, SingleBytesNeverLandInsideAFrameFromAnotherThread)
{
    constexpr int kFrames = 200;
    constexpr int kNaks = 200;
    constexpr size_t kFrameBytes = 102;
    Bytes frame(kFrameBytes, 'A');
    frame.front() = kStx;
    frame.back() = kEtx;

    std::atomic<bool> go{false};
    std::thread frames([&] {
        while (!go.load())
            std::this_thread::yield();
        for (int i = 0; i < kFrames; ++i)
            port.Write(frame.data(), frame.size());
    });
    std::thread naks([&] {
        while (!go.load())
            std::this_thread::yield();
        for (int i = 0; i < kNaks; ++i)
            port.WriteByte(kNak);
    });
    go = true;
    const Bytes got = pty.Receive(kFrames * kFrameBytes + kNaks, 10000ms);
    frames.join();
    naks.join();

    int wholeFrames = 0;
    int singleNaks = 0;
    bool inside = false;
    size_t run = 0;
    for (size_t i = 0; i < got.size(); ++i) {
        const uint8_t b = got[i];
        if (b == kStx) {
            ASSERT_FALSE(inside) << "frame restarted at " << i;
            inside = true;
            run = 0;
        } else if (b == kEtx) {
            ASSERT_TRUE(inside) << "stray ETX at " << i;
            EXPECT_EQ(run, kFrameBytes - 2) << "frame ending at " << i;
            inside = false;
            ++wholeFrames;
        } else if (b == 'A') {
            ASSERT_TRUE(inside) << "stray 'A' at " << i;
            ++run;
        } else {
            ASSERT_EQ(b, kNak) << "unexpected byte at " << i;
            ASSERT_FALSE(inside) << "NAK inside a frame at " << i;
            ++singleNaks;
        }
    }
    EXPECT_EQ(wholeFrames, kFrames);
    EXPECT_EQ(singleNaks, kNaks);
}

// The driver's low latency: asked for on opening through the driver seam,
// put back on closing when this port set it, and never a reason to fail.
TEST(UsbSerialPortLowLatency, AskedOnOpenPutBackOnCloseNeverFatal)
{
    constexpr int kOther = 0x0040;  // a flag that must survive both calls
    constexpr int kLow = ASYNC_LOW_LATENCY;
    struct Driver {
        int flags = 0;
        int getError = 0;
        int setError = 0;
        int sets = 0;
    };
    struct Row {
        const char* legend;
        Driver driver;
        bool kernel;  // the pseudo-terminal's own driver instead of the fake
        LowLatencyReport expected;
        int flagsOpen;
        int flagsClosed;
        int sets;
    } rows[] = {
        {"off: set, then cleared", {kOther, 0, 0, 0}, false, {LowLatency::On, true, 0}, kOther | kLow, kOther, 2},
        {"on already: left alone",
         {kOther | kLow, 0, 0, 0},
         false,
         {LowLatency::On, false, 0},
         kOther | kLow,
         kOther | kLow,
         0},
        {"refused", {kOther, 0, EPERM, 0}, false, {LowLatency::Off, false, EPERM}, kOther, kOther, 1},
        {"no such setting",
         {kOther, ENOTTY, 0, 0},
         false,
         {LowLatency::NotSupported, false, ENOTTY},
         kOther,
         kOther,
         0},
        {"setting not valid",
         {kOther, EINVAL, 0, 0},
         false,
         {LowLatency::NotSupported, false, EINVAL},
         kOther,
         kOther,
         0},
        {"real pseudo-terminal", {}, true, {LowLatency::NotSupported, false, ENOTTY}, 0, 0, 0},
    };
    for (Row& row : rows) {
        SCOPED_TRACE(row.legend);
        Pty pty;
        ASSERT_FALSE(pty.slavePath.empty());
        Driver& d = row.driver;
        SerialDriverAccess fake{[&d](int, serial_struct& info) {
                                    info.flags = d.flags;
                                    return d.getError;
                                },
                                [&d](int, const serial_struct& info) {
                                    ++d.sets;
                                    if (d.setError == 0)
                                        d.flags = info.flags;
                                    return d.setError;
                                }};
        CUsbSerialPort port(row.kernel ? KernelSerialDriverAccess() : fake);
        port.Open(SettingsFor(pty.slavePath));
        EXPECT_EQ(port.State(), PortState::Open);
        const LowLatencyReport got = port.LowLatencyResult();
        EXPECT_EQ(got.state, row.expected.state);
        EXPECT_EQ(got.changed, row.expected.changed);
        EXPECT_EQ(got.error, row.expected.error);
        EXPECT_EQ(d.flags, row.flagsOpen);
        pty.Send({'k'});
        EXPECT_EQ(ReadThroughPort(port, 1), Bytes{'k'});
        port.Close();
        EXPECT_EQ(d.flags, row.flagsClosed);
        EXPECT_EQ(d.sets, row.sets);
    }
}

TEST(UsbSerialPortNames, DeviceNamesSortNaturally)
{
    EXPECT_TRUE(DeviceNameLess("/dev/ttyUSB2", "/dev/ttyUSB10"));
    EXPECT_FALSE(DeviceNameLess("/dev/ttyUSB10", "/dev/ttyUSB2"));
    EXPECT_TRUE(DeviceNameLess("/dev/ttyUSB0", "/dev/ttyUSB1"));
    EXPECT_FALSE(DeviceNameLess("/dev/ttyUSB1", "/dev/ttyUSB1"));
    EXPECT_TRUE(DeviceNameLess("/dev/ttyACM9", "/dev/ttyUSB0"));

    std::vector<std::string> names{"/dev/ttyUSB10", "/dev/ttyUSB2", "/dev/ttyUSB0", "/dev/ttyUSB1"};
    std::sort(names.begin(), names.end(), DeviceNameLess);
    EXPECT_EQ(names, (std::vector<std::string>{"/dev/ttyUSB0", "/dev/ttyUSB1", "/dev/ttyUSB2", "/dev/ttyUSB10"}));
}

TEST(UsbSerialPortNames, StateDescriptionsTellTheUserWhatToDo)
{
    const std::string denied = DescribePortState(PortState::PermissionDenied, "/dev/kerovant-no-such-device");
    EXPECT_NE(denied.find("/dev/kerovant-no-such-device"), std::string::npos) << denied;
    // A device that cannot be examined names no group to join.
    EXPECT_EQ(denied.find("join"), std::string::npos) << denied;
    EXPECT_NE(denied.find("udev rule"), std::string::npos) << denied;

    EXPECT_NE(DescribePortState(PortState::NoBridge, "").find("No USB bridge found"), std::string::npos);
    EXPECT_NE(DescribePortState(PortState::NoBridge, "/dev/ttyUSB3").find("/dev/ttyUSB3"), std::string::npos);
}

}  // namespace
