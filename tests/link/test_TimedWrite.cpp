// A time write at a given instant: its report, and when the idle link may
// still poll before it.
#include "TimedWrite.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace std::chrono_literals;
using TimePoint = std::chrono::steady_clock::time_point;
using Outcome = TimedWrite::Outcome;

// Instants in milliseconds from an arbitrary origin.
TimePoint At(int ms)
{
    return TimePoint{} + 1h + std::chrono::milliseconds(ms);
}

ClockTime SetTime()
{
    ClockTime time;
    time.set = 1;
    return time;
}

struct ReportCase {
    const char* name;
    int goAtMs;    // -1: the instant has not come; the write is queued at 1000 ms, limit 5 ms
    int leftAtMs;  // -1: the port did not say the frame left
    bool ackWaitOver;
    bool acknowledged;
    uint32_t queueGeneration;  // queued as generation 4
    bool linkFailed;
    Outcome expected;
    int expectedWrittenMs;  // -1: none
    int expectedLeftMs;     // -1: none
};

TEST(TimedWrite, ReportOfTheLatestWrite)
{
    const ReportCase cases[] = {
        {"waiting", -1, -1, false, false, 4, false, Outcome::Queued, -1, -1},
        {"a later time request took its place", -1, -1, false, false, 5, false, Outcome::Replaced, -1, -1},
        {"the link failed before it went", -1, -1, false, false, 4, true, Outcome::Failed, -1, -1},
        {"replaced, then the link failed", -1, -1, false, false, 5, true, Outcome::Replaced, -1, -1},
        {"on time, ACK awaited", 1003, 1007, false, false, 5, false, Outcome::Sending, 1003, 1007},
        {"on time, the link failed in the ACK wait", 1003, 1007, false, false, 4, true, Outcome::Failed, 1003, 1007},
        {"at its limit, acknowledged", 1005, 1009, true, true, 4, false, Outcome::Sent, 1005, 1009},
        {"sent, port did not confirm, unanswered", 1000, -1, true, false, 4, true, Outcome::Sent, 1000, -1},
        {"past its limit", 1006, -1, false, false, 4, false, Outcome::Missed, -1, -1},
    };
    for (const ReportCase& c : cases) {
        CTimedWrite write;
        const uint32_t ticket = write.Queue(SetTime(), At(1000), 5ms, 4);
        EXPECT_EQ(ticket, 1u) << c.name;
        if (c.goAtMs >= 0 && write.Go(At(c.goAtMs))) {
            write.Left(c.leftAtMs >= 0, c.leftAtMs >= 0 ? At(c.leftAtMs) : At(0));
            if (c.ackWaitOver)
                write.Sent(c.acknowledged);
        }
        TimedWrite report;
        ASSERT_TRUE(write.Report(ticket, c.queueGeneration, c.linkFailed, report)) << c.name;
        EXPECT_EQ(report.outcome, c.expected) << c.name;
        EXPECT_EQ(report.acknowledged, c.acknowledged) << c.name;
        EXPECT_EQ(report.frameStart, At(1000)) << c.name;
        EXPECT_EQ(report.written, c.expectedWrittenMs >= 0 ? At(c.expectedWrittenMs) : TimePoint{}) << c.name;
        EXPECT_EQ(report.left, c.expectedLeftMs >= 0 ? At(c.expectedLeftMs) : TimePoint{}) << c.name;
    }
}

TEST(TimedWrite, OnlyTheLatestIsReportedAndOnlyItHoldsTheQueue)
{
    CTimedWrite write;
    EXPECT_EQ(write.StartOf(true, 0), TimePoint::max()) << "nothing timed yet";
    EXPECT_EQ(write.Queue(SetTime(), At(1000), 5ms, 1), 1u);
    EXPECT_EQ(write.Queue(SetTime(), At(2000), 5ms, 2), 2u);
    TimedWrite report;
    EXPECT_FALSE(write.Report(1, 2, false, report));
    EXPECT_FALSE(write.Report(0, 2, false, report));
    EXPECT_TRUE(write.Report(2, 2, false, report));
    EXPECT_EQ(write.StartOf(true, 2), At(2000));
    EXPECT_EQ(write.StartOf(false, 2), TimePoint::max()) << "no longer queued";
    EXPECT_EQ(write.StartOf(true, 3), TimePoint::max()) << "an untimed write replaced it";
    EXPECT_TRUE(write.Go(At(2001)));
    EXPECT_EQ(write.StartOf(true, 2), TimePoint::max()) << "on its way";
}

struct IdleCase {
    const char* name;
    std::vector<int> pollsMs;  // how long the latest polls took
    int nowMs;
    int pollDueMs;
    CTimedWriteScheduler::IdlePlan::Step expected;
    int untilMs;  // for Wait
};

TEST(TimedWriteScheduler, IdleLinkBeforeAWriteAt1000Ms)
{
    using Step = CTimedWriteScheduler::IdlePlan::Step;
    // Hand-over at 995 ms; a poll is held off 110 ms before it until one has
    // been timed, then the longest of the latest 8 and 10 ms.
    const IdleCase cases[] = {
        {"poll due, ends in time", {}, 0, 0, Step::Poll, 0},
        {"poll due, last start that fits", {}, 884, 800, Step::Poll, 0},
        {"poll due, would end too late", {}, 885, 800, Step::Wait, 995},
        {"poll not due yet", {}, 500, 600, Step::Wait, 600},
        {"next poll after the hand-over", {}, 500, 1200, Step::Wait, 995},
        {"hand-over reached", {}, 995, 800, Step::WritePass, 0},
        {"late for the hand-over", {}, 1002, 800, Step::WritePass, 0},
        {"short polls timed: fits", {30, 80, 50}, 904, 900, Step::Poll, 0},
        {"short polls timed: does not fit", {30, 80, 50}, 905, 900, Step::Wait, 995},
        {"a long poll forgotten after 8 more", {300, 20, 20, 20, 20, 20, 20, 20, 20}, 964, 900, Step::Poll, 0},
        {"a long poll kept among the latest 8", {300, 20, 20, 20, 20, 20, 20, 20}, 685, 500, Step::Wait, 995},
    };
    for (const IdleCase& c : cases) {
        CTimedWriteScheduler scheduler;
        for (const int ms : c.pollsMs)
            scheduler.NotePoll(std::chrono::milliseconds(ms));
        const auto plan = scheduler.PlanIdle(At(c.nowMs), At(1000), At(c.pollDueMs));
        EXPECT_EQ(plan.step, c.expected) << c.name;
        if (c.expected == Step::Wait) {
            EXPECT_EQ(plan.until, At(c.untilMs)) << c.name;
        }
    }
}

}  // namespace
