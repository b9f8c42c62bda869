// Setting the clock on the second and reading how far it is from the
// computer, against the simulated clock on a pseudo-terminal that takes the
// time of a 57600-baud cable. Bounds are generous; bench/settime_bench has
// the figures.
#include "ClockCodec.h"
#include "ClockDevice.h"
#include "ClockOffset.h"
#include "SecondSet.h"
#include "SimClock.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace {

using namespace std::chrono;
using namespace std::chrono_literals;

class SetOnTheSecond : public ::testing::Test {
protected:
    void Start(bool wholeSeconds, nanoseconds offset = {}, std::shared_ptr<ILinkObserver> observer = {})
    {
        sim.Clock().SetTiming(SimTiming{wholeSeconds, kLineBaudRate});
        sim.Clock().SetUtcOffset(offset);
        std::string error;
        ASSERT_TRUE(sim.Start(&error)) << error;
        device = std::make_unique<CClockDevice>(SettingsFor(sim.DevicePath()), LinkMessageHandler{}, observer);
        ASSERT_TRUE(WaitUntil([&] { return device->IsReady(); }, 5s));
    }
    // The offset once the link has read the clock for a while: a dozen
    // polls with fractions, two seconds' worth of steps without.
    ClockOffset SettledOffset(bool wholeSeconds)
    {
        const uint32_t polls = device->GetPollCount();
        EXPECT_TRUE(WaitUntil([&] { return device->GetPollCount() >= polls + (wholeSeconds ? 25 : 12); }, 5s));
        ClockTimeHistory history;
        device->GetTimeHistory(history);
        return EstimateClockOffset(history);
    }
    static void Sleep(milliseconds time) { std::this_thread::sleep_for(time); }

    CSimServer sim;
    std::unique_ptr<CClockDevice> device;
};

TEST_F(SetOnTheSecond, TheWholeSecondReachesTheClockAtItsBoundary)
{
    Start(false, -700ms);
    const SecondSetResult result = SetClockOnTheSecond(*device, Sleep);
    ASSERT_EQ(result.outcome, SecondSetResult::Outcome::Sent);
    EXPECT_EQ(result.write.outcome, TimedWrite::Outcome::Sent);

    // Exactly what the calendar steps give for that whole second.
    EXPECT_EQ(result.plan.calendar, CalendarOfUtc(result.plan.second));
    EXPECT_EQ(result.plan.calendar.hundredths, 0);
    EXPECT_EQ(result.plan.time, CalendarToTimeValue(result.plan.calendar));
    EXPECT_EQ(result.plan.time.fraction, 0);
    ASSERT_EQ(sim.Clock().Sets().size(), 1u);
    const SimSet set = sim.Clock().Sets().front();
    EXPECT_EQ(set.time, result.plan.time);
    EXPECT_LT(abs(set.error), 50ms) << duration<double, std::milli>(set.error).count() << " ms";

    // The link's measure of the clock agrees: about nothing off.
    const ClockOffset offset = SettledOffset(false);
    ASSERT_TRUE(offset.known);
    EXPECT_FALSE(offset.approximate);
    EXPECT_LT(abs(offset.value), 50ms) << FormatClockOffset(offset);
    EXPECT_LT(abs(offset.value - set.error), 10ms) << FormatClockOffset(offset);
}

// Holds the link thread the first time it hands a timed write to the write
// pass, until that write's instant is well past its late limit: that try
// cannot go out in time.
class LateFirstHandOver final : public ILinkObserver {
public:
    void OnLinkEvent(const LinkEvent& event) override
    {
        if (event.kind != LinkEvent::Kind::StateChanged || event.code != LinkStateCode(LinkState::Write) ||
            held_.exchange(true))
            return;
        TimedWrite first;
        const CClockDevice* d = device.load();
        if (d && d->GetTimedWrite(1, first))
            std::this_thread::sleep_until(first.frameStart + 10 * kSecondSetLateLimit);
    }
    std::atomic<const CClockDevice*> device{nullptr};

private:
    std::atomic<bool> held_{false};
};

TEST_F(SetOnTheSecond, AMissedSecondLandsOnTheNext)
{
    auto late = std::make_shared<LateFirstHandOver>();
    Start(false, {}, late);
    late->device = device.get();
    const SecondSetResult result = SetClockOnTheSecond(*device, Sleep);
    EXPECT_EQ(result.outcome, SecondSetResult::Outcome::Sent);
    EXPECT_EQ(result.tries, 2);
    ASSERT_EQ(sim.Clock().Sets().size(), 1u) << "the missed second sends nothing";
    EXPECT_EQ(sim.Clock().Sets().front().time, result.plan.time);
}

TEST_F(SetOnTheSecond, AClockStartedTwelveSecondsOffReadsSo)
{
    Start(false, 12s);
    const ClockOffset offset = SettledOffset(false);
    ASSERT_TRUE(offset.known);
    EXPECT_LT(abs(offset.value - 12s), 50ms) << FormatClockOffset(offset);
    EXPECT_TRUE(ClockOffsetWarns(offset));
    EXPECT_EQ(FormatClockOffset(offset), "+12.0 s");
}

TEST_F(SetOnTheSecond, AWholeSecondsClockIsReadFromItsSteps)
{
    Start(true, 12s);
    ClockOffset offset = SettledOffset(true);
    ASSERT_TRUE(offset.known);
    EXPECT_TRUE(offset.approximate);
    EXPECT_LT(abs(offset.value - 12s), 60ms) << FormatClockOffset(offset);
    EXPECT_EQ(FormatClockOffset(offset), "about +12.0 s");

    ASSERT_EQ(SetClockOnTheSecond(*device, Sleep).outcome, SecondSetResult::Outcome::Sent);
    offset = SettledOffset(true);
    ASSERT_TRUE(offset.known);
    EXPECT_TRUE(offset.approximate);
    EXPECT_LT(abs(offset.value), 60ms) << FormatClockOffset(offset);
}

TEST_F(SetOnTheSecond, ASetTheClockRefusesIsNotReportedAsDone)
{
    Start(false);
    SimFaults faults;
    faults.nakCode = kCmdSetTime;
    sim.Clock().SetFaults(faults);
    const SecondSetResult result = SetClockOnTheSecond(*device, Sleep);
    EXPECT_EQ(result.outcome, SecondSetResult::Outcome::NoAck);
    EXPECT_EQ(result.tries, 1);
    // A write without its ACK takes the link down, as every write does.
    EXPECT_TRUE(WaitUntil([&] { return !device->IsOnline(); }, 2s));
}

}  // namespace
