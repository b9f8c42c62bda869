// The link at rest and at its end: a reader that waits without a timeout is
// still stopped at once, an idle link does not wake by itself, and device
// objects destroyed at any moment of their life go promptly and leave
// nothing behind.
#include "ShutdownUnderFire.h"

#include "TestSupport.h"
#include "UsbSerialPort.h"
#include "ZvSerialMaster.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <future>
#include <map>
#include <set>

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

size_t CountEntries(const char* directory)
{
    size_t count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(directory))
        ++count;
    return count;
}

size_t OpenFds()
{
    return CountEntries("/proc/self/fd");
}

// The threads of this process. A thread is started and joined first, so a
// helper thread that a sanitizer starts with the first thread is counted in
// every baseline already.
size_t Threads()
{
    std::thread([] {}).join();
    return CountEntries("/proc/self/task");
}

// The switches, since `before` was read, of the threads that did not exist
// then: those of the link under test, without this thread's own waits or a
// sanitizer's helper thread.
long NewThreadSwitches(const std::map<int, long>& before)
{
    long sum = 0;
    for (const auto& [tid, count] : ThreadSwitches()) {
        if (!before.count(tid))
            sum += count;
    }
    return sum;
}

// Runs a wait for input on another thread with no deadline, interrupts it,
// and tells whether it ended promptly; a later wait must end at once too.
void ExpectInterruptEndsEndlessWaits(ISerialPort& port)
{
    ASSERT_TRUE(port.Interruptible());
    auto waiting = std::async(std::launch::async, [&] { port.WaitForInput(ISerialPort::kWaitForever); });
    // Still waiting a while later: nothing but the interrupt may end it.
    EXPECT_EQ(waiting.wait_for(50ms), std::future_status::timeout);
    port.Interrupt();
    ASSERT_EQ(waiting.wait_for(2s), std::future_status::ready);
    const auto start = Clock::now();
    port.WaitForInput(ISerialPort::kWaitForever);
    port.WaitForInput(1000ms);
    EXPECT_LT(Clock::now() - start, 500ms);
}

TEST(QuietLink, InterruptEndsAnEndlessWaitOnEveryKindOfPort)
{
    {
        SCOPED_TRACE("in-process port, line up");
        CSimPort port(std::make_shared<CSimLine>());
        ExpectInterruptEndsEndlessWaits(port);
    }
    {
        SCOPED_TRACE("in-process port, line unplugged");
        auto line = std::make_shared<CSimLine>();
        line->Unplug();
        CSimPort port(line);
        ExpectInterruptEndsEndlessWaits(port);
    }
    {
        SCOPED_TRACE("in-process port: only the interrupted port's reader stops");
        auto line = std::make_shared<CSimLine>();
        CSimPort stopped(line);
        CSimPort other(line);
        stopped.Interrupt();
        const auto start = Clock::now();
        other.WaitForInput(100ms);
        EXPECT_GE(Clock::now() - start, 90ms);
    }
    CSimServer sim;
    std::string error;
    ASSERT_TRUE(sim.Start(&error)) << error;
    {
        SCOPED_TRACE("USB port on a quiet pty");
        CUsbSerialPort port;
        port.Open(SettingsFor(sim.DevicePath()));
        ASSERT_EQ(port.State(), PortState::Open);
        ExpectInterruptEndsEndlessWaits(port);
    }
    {
        SCOPED_TRACE("USB port whose device went away");
        CUsbSerialPort port;
        port.Open(SettingsFor(sim.DevicePath()));
        ASSERT_EQ(port.State(), PortState::Open);
        sim.Unplug();
        port.WaitForInput(1000ms);
        ASSERT_EQ(port.State(), PortState::Gone);
        ExpectInterruptEndsEndlessWaits(port);
    }
    {
        SCOPED_TRACE("USB port that never opened");
        CUsbSerialPort port;
        port.Open(SettingsFor("/dev/kerovant-no-such-device"));
        ASSERT_EQ(port.State(), PortState::NoBridge);
        ExpectInterruptEndsEndlessWaits(port);
    }
}

// A receive thread on a silent line sleeps until something arrives or it
// is stopped; it used to look every 10 ms.
TEST(QuietLink, SilentLineCostsTheReceiveThreadNoWakeUps)
{
    auto line = std::make_shared<CSimLine>();
    for (const bool unplugged : {false, true}) {
        SCOPED_TRACE(unplugged ? "unplugged" : "silent");
        if (unplugged)
            line->Unplug();
        const auto threads = ThreadSwitches();
        auto master = std::make_unique<CZvSerialMaster>(std::make_unique<CSimPort>(line));
        std::this_thread::sleep_for(50ms);  // the thread has started and waits
        const long started = NewThreadSwitches(threads);
        std::this_thread::sleep_for(500ms);
        // At 10 ms a look this would be about 50.
        EXPECT_LE(NewThreadSwitches(threads) - started, 2);
        const auto start = Clock::now();
        master.reset();
        EXPECT_LT(Clock::now() - start, 200ms);
    }
}

// A device that never opened fails when its 24 hellos of 100 ms would have
// run out, without waking for each, and then sleeps until it is destroyed.
TEST(QuietLink, DeviceOnAMissingPortFailsOnTimeWithoutWakingUp)
{
    auto trigger = std::make_shared<fire::Trigger>();
    const auto threads = ThreadSwitches();
    const auto start = Clock::now();
    auto device =
        std::make_unique<CClockDevice>(SettingsFor("/dev/kerovant-no-such-device"), LinkMessageHandler{}, trigger);
    ASSERT_TRUE(trigger->WaitState(LinkStateCode(LinkState::Failed), start + 8s));
    const auto failedAfter = Clock::now() - start;
    const long failed = NewThreadSwitches(threads);
    EXPECT_GE(failedAfter, 2300ms);
    EXPECT_LT(failedAfter, 3500ms);
    // A wake-up for each hello would be 24, besides starting the threads.
    EXPECT_LE(failed, 8);
    EXPECT_EQ(device->GetPortState(), PortState::NoBridge);
    EXPECT_FALSE(device->IsOnline());
    EXPECT_EQ(trigger->SentCount(), 0u) << "nothing is written to a port that is not open";

    std::this_thread::sleep_for(500ms);
    EXPECT_LE(NewThreadSwitches(threads) - failed, 2);
    const auto destroying = Clock::now();
    device.reset();
    EXPECT_LT(Clock::now() - destroying, 200ms);
}

// A thousand objects destroyed at random moments of their life: each goes
// within 200 ms, a message waiting for the user is cancelled, and threads
// and descriptors are back where they were.
TEST(ShutdownUnderFire, ObjectsDestroyedAtRandomMomentsGoPromptlyAndLeaveNothing)
{
    const size_t fds = OpenFds();
    const size_t threads = Threads();
    constexpr uint32_t kSeed = 14;
    // Four side by side: the run stays short, and the objects' threads
    // compete with each other as well.
    const std::vector<fire::Shot> shots = fire::Fire(1000, kSeed, 4);

    std::map<fire::Phase, int> reached;
    std::set<uint8_t> states;
    int messagesShown = 0;
    for (size_t i = 0; i < shots.size(); ++i) {
        const fire::Shot& shot = shots[i];
        SCOPED_TRACE(testing::Message() << "object " << i << " (seed " << kSeed << "), " << fire::PhaseName(shot.phase)
                                        << ", waited for " << shot.trigger);
        EXPECT_TRUE(shot.reached);
        EXPECT_LT(shot.destruction, 200ms);
        if (shot.messageShown) {
            ++messagesShown;
            EXPECT_TRUE(shot.messageCancelled);
        }
        if (shot.reached)
            ++reached[shot.phase];
        states.insert(shot.state);
    }
    for (const fire::Phase phase : fire::kPhases)
        EXPECT_EQ(reached[phase], 200) << fire::PhaseName(phase);
    EXPECT_EQ(messagesShown, 200);
    // The moments fell in every busy state of the link.
    for (const LinkState named :
         {LinkState::Hello, LinkState::Identify, LinkState::Poll, LinkState::Write, LinkState::Idle})
        EXPECT_TRUE(states.count(LinkStateCode(named))) << "no object destroyed in state " << int(LinkStateCode(named));

    EXPECT_EQ(Threads(), threads);
    EXPECT_EQ(OpenFds(), fds);
}

// The same over a pty and the real USB port, whose wake-up descriptor and
// device must be closed with the object.
TEST(ShutdownUnderFire, ObjectsOnAPtyCloseEveryDescriptor)
{
    CSimServer sim;
    std::string error;
    ASSERT_TRUE(sim.Start(&error)) << error;
    const size_t fds = OpenFds();
    const size_t threads = Threads();
    std::mt19937 random(14);
    for (int i = 0; i < 10; ++i) {
        auto device = std::make_unique<CClockDevice>(SettingsFor(sim.DevicePath()));
        std::this_thread::sleep_for(std::chrono::milliseconds(std::uniform_int_distribution<int>(0, 60)(random)));
        const auto start = Clock::now();
        device.reset();
        EXPECT_LT(Clock::now() - start, 200ms) << "object " << i;
    }
    EXPECT_EQ(Threads(), threads);
    EXPECT_EQ(OpenFds(), fds);
}

}  // namespace

namespace {

// A read that shutdown cuts short is no communication error: without a
// message handler such messages go to standard error, and none may.
TEST(ShutdownUnderFire, ReadCutShortByShutdownReportsNothing)
{
    auto line = std::make_shared<CSimLine>();
    SimFaults faults;
    faults.slowDelay = std::chrono::milliseconds(500);
    line->Clock().SetFaults(faults);
    auto trigger = std::make_shared<fire::Trigger>();
    testing::internal::CaptureStderr();
    auto device = std::make_unique<CClockDevice>(std::make_unique<CSimPort>(line), LinkMessageHandler{}, trigger);
    // The hello's ACK comes late too; the family ID read is the first read.
    const bool reached = trigger->WaitSent(kCmdFamilyId, 0, Clock::now() + 5s) > 0;
    device.reset();
    const std::string said = testing::internal::GetCapturedStderr();
    ASSERT_TRUE(reached);
    EXPECT_EQ(said, "");
}

}  // namespace
