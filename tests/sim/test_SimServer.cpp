// The simulated clock on its pseudo-terminal, reached through the program's
// own serial port and framing layer.
#include "SimClock.h"

#include "ClockCodec.h"
#include "Frame.h"
#include "SimUsbBridge.h"
#include "SimPort.h"
#include "UsbSerialPort.h"
#include "ZvSerialMaster.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using namespace std::chrono_literals;
using SteadyClock = std::chrono::steady_clock;
using Bytes = std::vector<uint8_t>;

// Sends a command and waits for the ACK.
bool Acknowledged(CZvSerialMaster& master, uint8_t code, std::string_view payload = {})
{
    const uint64_t seen = master.EventCount();
    master.SendCommand(code, payload);
    return master.WaitForEvent(seen, 2s) && master.IsAcknowledged();
}

// Sends a read and takes its reply; false when none came in time.
bool Read(CZvSerialMaster& master, uint8_t command, uint8_t& code, std::string& payload,
          std::chrono::milliseconds timeout = 2000ms)
{
    const auto deadline = SteadyClock::now() + timeout;
    master.SendCommand(command);
    while (SteadyClock::now() < deadline) {
        const uint64_t seen = master.EventCount();
        if (master.TakeReply(code, payload))
            return true;
        master.WaitForEvent(seen, std::chrono::duration_cast<std::chrono::microseconds>(deadline - SteadyClock::now()));
    }
    return master.TakeReply(code, payload);
}

// Reads raw bytes from a port until count have come or the time is up.
Bytes Receive(CUsbSerialPort& port, size_t count, std::chrono::milliseconds timeout)
{
    Bytes out;
    const auto deadline = SteadyClock::now() + timeout;
    while (out.size() < count && SteadyClock::now() < deadline) {
        if (port.BytesAvailable())
            out.push_back(port.ReadByte());
        else
            port.WaitForInput(10ms);
    }
    return out;
}

class SimServerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string error;
        ASSERT_TRUE(server.Start(&error)) << error;
        ASSERT_FALSE(server.DevicePath().empty());
    }

    std::unique_ptr<CZvSerialMaster> Connect()
    {
        auto master = std::make_unique<CZvSerialMaster>(SettingsFor(server.DevicePath()));
        EXPECT_EQ(master->Port()->State(), PortState::Open);
        return master;
    }

    CSimServer server;
};

TEST_F(SimServerTest, AnswersHelloReadsAndWritesOverTheRealPort)
{
    auto master = Connect();
    EXPECT_TRUE(Acknowledged(*master, kCmdHello));

    uint8_t code = 0;
    std::string payload;
    ASSERT_TRUE(Read(*master, kCmdFamilyId, code, payload));
    EXPECT_EQ(code, kCmdFamilyId);
    EXPECT_EQ(payload, "0150");
    ASSERT_TRUE(Read(*master, kCmdReadConfig, code, payload));
    EXPECT_EQ(code, kCmdReadConfig);
    ASSERT_EQ(payload.size(), kLenConfigV2);

    ClockConfig config;
    ASSERT_TRUE(DecodeConfig(payload, 2, config));
    config.biasSeconds = 7200;
    config.illumination = 9;
    EXPECT_TRUE(Acknowledged(*master, kCmdWriteConfig, EncodeConfig(config, 2)));
    EXPECT_EQ(server.Clock().Config(), config);
    EXPECT_FALSE(Acknowledged(*master, kCmdWriteConfig, EncodeConfig(config, 1)));
    EXPECT_EQ(master->AckStateValue(), CZvSerialMaster::kNakReceived);

    const std::vector<uint8_t> expected{kCmdHello, kCmdFamilyId, kCmdReadConfig, kCmdWriteConfig, kCmdWriteConfig};
    EXPECT_EQ(server.Clock().ReceivedCodes(), expected);
}

TEST_F(SimServerTest, BadFramesGetNakAndCorruptRepliesFailTheirChecksum)
{
    CUsbSerialPort port;
    port.Open(SettingsFor(server.DevicePath()));
    ASSERT_EQ(port.State(), PortState::Open);

    const Bytes shortFrame{kStx, '0', '0', kEtx};
    port.Write(shortFrame.data(), shortFrame.size());
    EXPECT_EQ(Receive(port, 1, 2000ms), Bytes{kNak});

    Bytes badSum = BuildFrame(kCmdFamilyId, "");
    badSum[badSum.size() - 2] ^= 1;
    port.Write(badSum.data(), badSum.size());
    EXPECT_EQ(Receive(port, 1, 2000ms), Bytes{kNak});
    EXPECT_EQ(server.Clock().CountReceived(kCmdFamilyId), 0u);

    SimFaults faults;
    faults.badChecksumEvery = 1;
    server.Clock().SetFaults(faults);
    const Bytes request = BuildFrame(kCmdFamilyId, "");
    port.Write(request.data(), request.size());
    const Bytes reply = Receive(port, 10, 2000ms);
    ASSERT_EQ(reply.size(), 10u);
    const Bytes good = BuildFrame(kCmdFamilyId, "0150");
    EXPECT_EQ(Bytes(reply.begin(), reply.end() - 2), Bytes(good.begin(), good.end() - 2));
    EXPECT_NE(reply, good);
    EXPECT_FALSE(VerifyChecksum(reply.data(), reply.size() - 1));
}

TEST_F(SimServerTest, SlowAnswerComesLateAndStopDoesNotWaitForIt)
{
    SimFaults faults;
    faults.slowCode = kCmdFamilyId;
    faults.slowDelay = 200ms;
    server.Clock().SetFaults(faults);
    auto master = Connect();

    uint8_t code = 0;
    std::string payload;
    const auto sent = SteadyClock::now();
    ASSERT_TRUE(Read(*master, kCmdFamilyId, code, payload));
    EXPECT_GE(SteadyClock::now() - sent, 200ms);

    faults.slowDelay = 60s;
    server.Clock().SetFaults(faults);
    master->SendCommand(kCmdFamilyId);
    ASSERT_TRUE(WaitUntil([&] { return server.Clock().CountReceived(kCmdFamilyId) == 2; }, 2000ms));
    const auto stopping = SteadyClock::now();
    server.Stop();
    EXPECT_LT(SteadyClock::now() - stopping, 2s);
    EXPECT_FALSE(server.IsRunning());
    server.Stop();  // twice is harmless
}

TEST_F(SimServerTest, UnplugHangsUpTheProgramsPort)
{
    CUsbSerialPort port;
    port.Open(SettingsFor(server.DevicePath()));
    ASSERT_EQ(port.State(), PortState::Open);
    const Bytes hello = BuildFrame(kCmdHello, "");
    port.Write(hello.data(), hello.size());
    EXPECT_EQ(Receive(port, 1, 2000ms), Bytes{kAck});

    server.Unplug();
    EXPECT_FALSE(server.IsRunning());
    EXPECT_TRUE(WaitUntil(
        [&] {
            port.WaitForInput(10ms);
            if (port.BytesAvailable())
                port.ReadByte();
            return port.State() == PortState::Gone;
        },
        2000ms));
    EXPECT_FALSE(port.BytesAvailable());
}

TEST_F(SimServerTest, ConnectionsOneAfterTheOtherAllWork)
{
    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE(round);
        auto master = Connect();
        EXPECT_TRUE(Acknowledged(*master, kCmdHello));
        uint8_t code = 0;
        std::string payload;
        ASSERT_TRUE(Read(*master, kCmdSerialNumber, code, payload));
        EXPECT_EQ(code, kCmdSerialNumber);
        EXPECT_EQ(payload, "000028E8");
    }
    EXPECT_EQ(server.Clock().CountReceived(kCmdHello), 3u);
}

TEST(CSimServer, StartsAgainAfterUnplugWithANewDevice)
{
    CSimServer server;
    ASSERT_TRUE(server.Start());
    server.Unplug();
    ASSERT_TRUE(server.Start());
    EXPECT_TRUE(server.IsRunning());
    CZvSerialMaster master(SettingsFor(server.DevicePath()));
    EXPECT_TRUE(Acknowledged(master, kCmdHello));
}

// A cable pulled and put back: the link path goes with the device and comes
// back pointing at the new one; the clock keeps its state.
TEST(CSimServer, ReplugServesANewDeviceAtTheLinkPath)
{
    char folder[] = "/tmp/kv-sim-link-XXXXXX";
    ASSERT_NE(::mkdtemp(folder), nullptr);
    const std::string link = std::string(folder) + "/clock";
    const auto target = [&link] {
        char buffer[512];
        const ssize_t n = ::readlink(link.c_str(), buffer, sizeof buffer);
        return n < 0 ? std::string() : std::string(buffer, static_cast<size_t>(n));
    };

    CSimServer server;
    server.SetLinkPath(link);
    ASSERT_TRUE(server.Start());
    const std::string first = server.DevicePath();
    EXPECT_EQ(target(), first);
    EXPECT_EQ(server.Plugs(), 1u);
    {
        CZvSerialMaster master(SettingsFor(link));
        ASSERT_TRUE(Acknowledged(master, kCmdHello));
        ClockConfig config = server.Clock().Config();
        config.illumination = 3;
        EXPECT_TRUE(Acknowledged(master, kCmdWriteConfig, EncodeConfig(config, 2)));

        server.Unplug();
        EXPECT_TRUE(target().empty());
        EXPECT_TRUE(WaitUntil([&] { return master.Port()->State() == PortState::Gone; }, 2000ms));
    }

    ASSERT_TRUE(server.Start());
    EXPECT_EQ(server.Plugs(), 2u);
    EXPECT_EQ(target(), server.DevicePath());
    CZvSerialMaster again(SettingsFor(link));
    EXPECT_TRUE(Acknowledged(again, kCmdHello));
    EXPECT_EQ(server.Clock().Config().illumination, 3);

    // A link that another program has taken over by now is left alone.
    server.Unplug();
    ASSERT_TRUE(server.Start());
    ASSERT_EQ(::unlink(link.c_str()), 0);
    ASSERT_EQ(::symlink("/dev/null", link.c_str()), 0);
    server.Stop();
    EXPECT_EQ(target(), "/dev/null");
    ::unlink(link.c_str());

    // A file that is no link is not replaced: Start fails and says why.
    {
        FILE* file = std::fopen(link.c_str(), "w");
        ASSERT_NE(file, nullptr);
        std::fclose(file);
    }
    std::string error;
    EXPECT_FALSE(server.Start(&error));
    EXPECT_NE(error.find("not a symbolic link"), std::string::npos) << error;
    EXPECT_FALSE(server.IsRunning());
    ::unlink(link.c_str());
    ::rmdir(folder);
}

// The USB bridge's model on given moments: bytes go on when 62 have
// gathered, the rest when the latency timer has run since the first held
// byte, never before; a latency of 0 hands each batch on whole.
TEST(CSimUsbBridge, ReleasesAtSixtyTwoBytesOrWhenTheTimerRunsOut)
{
    using us = std::chrono::microseconds;
    struct Batch {
        size_t bytes;
        us last;
        us spacing;
    };
    struct Packet {
        us at;
        size_t bytes;
    };
    struct Row {
        const char* legend;
        std::chrono::milliseconds latency;
        std::vector<Batch> batches;
        std::vector<Packet> packets;
    } rows[] = {
        {"a short answer waits out the timer", 16ms, {{10, 1000us, 100us}}, {{16100us, 10}}},
        {"62 bytes go at once, the rest on the timer", 16ms, {{100, 10000us, 100us}}, {{6200us, 62}, {22300us, 38}}},
        {"a second answer joins the held bytes", 16ms, {{5, 1000us, 0us}, {5, 5000us, 0us}}, {{17000us, 10}}},
        {"the timer ran out between two answers",
         1ms,
         {{5, 500us, 100us}, {3, 3000us, 0us}},
         {{1100us, 5}, {4000us, 3}}},
        {"no bridge", 0ms, {{10, 1000us, 100us}, {3, 3000us, 0us}}, {{1000us, 10}, {3000us, 3}}},
    };
    const SteadyClock::time_point t0{};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.legend);
        CSimUsbBridge bridge(row.latency);
        Bytes sent;
        for (const Batch& batch : row.batches) {
            Bytes bytes(batch.bytes);
            for (uint8_t& b : bytes)
                b = static_cast<uint8_t>(sent.size() + (&b - bytes.data()));
            sent.insert(sent.end(), bytes.begin(), bytes.end());
            bridge.Arrive(bytes, t0 + batch.last, batch.spacing);
        }
        Bytes got;
        for (const Packet& packet : row.packets) {
            ASSERT_EQ(bridge.NextRelease(), t0 + packet.at);
            EXPECT_TRUE(bridge.Release(t0 + packet.at - 1ns).empty()) << "not before " << packet.at.count() << " us";
            const auto released = bridge.Release(t0 + packet.at);
            ASSERT_EQ(released.size(), 1u);
            EXPECT_EQ(released[0].bytes.size(), packet.bytes);
            got.insert(got.end(), released[0].bytes.begin(), released[0].bytes.end());
        }
        EXPECT_FALSE(bridge.NextRelease().has_value());
        EXPECT_EQ(got, sent) << "every byte, in order";
    }
}

// Both carriers put the model between the clock and the program: over the
// pseudo-terminal a full packet comes at once and the rest is held by the
// timer; a short answer comes only once the timer has run, in process too.
TEST(CSimServer, UsbLatencyDeliversAnswersAsABridgeDoes)
{
    SimTiming timing;
    timing.usbLatency = 10s;
    CSimServer held;
    held.Clock().SetTiming(timing);
    ASSERT_TRUE(held.Start());
    CUsbSerialPort port;
    port.Open(SettingsFor(held.DevicePath()));
    const Bytes readConfig = BuildFrame(kCmdReadConfig, "");
    port.Write(readConfig.data(), readConfig.size());
    EXPECT_EQ(Receive(port, CSimUsbBridge::kPacketBytes, 2000ms).size(), CSimUsbBridge::kPacketBytes);
    EXPECT_FALSE(port.BytesAvailable()) << "the rest waits for the timer";

    timing.usbLatency = 200ms;
    CSimServer timed;
    timed.Clock().SetTiming(timing);
    ASSERT_TRUE(timed.Start());
    CUsbSerialPort timedPort;
    timedPort.Open(SettingsFor(timed.DevicePath()));
    const Bytes hello = BuildFrame(kCmdHello, "");
    auto sent = SteadyClock::now();
    timedPort.Write(hello.data(), hello.size());
    EXPECT_EQ(Receive(timedPort, 1, 2000ms), Bytes{kAck});
    EXPECT_GE(SteadyClock::now() - sent, 200ms);

    CSimLine line;
    line.Clock().SetTiming(timing);
    sent = SteadyClock::now();
    line.Write(hello.data(), hello.size());
    ASSERT_TRUE(WaitUntil([&] { return line.BytesAvailable(); }, 2000ms));
    EXPECT_GE(SteadyClock::now() - sent, 200ms);
    EXPECT_EQ(line.ReadByte(), kAck);
}

}  // namespace
