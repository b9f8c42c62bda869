#include "SecondSet.h"

#include "ClockCodec.h"

namespace {

using namespace std::chrono;

// How often the waiting caller looks at the write's report.
constexpr milliseconds kLook{5};
// After its instant a write has gone out and been answered within the
// link's ACK wait (100 ms); past this it is given up as lost.
constexpr milliseconds kReportWait{2000};

}  // namespace

ClockDateTime CalendarOfUtc(sys_seconds second)
{
    const sys_days day = floor<days>(second);
    const year_month_day date{day};
    const hh_mm_ss<seconds> time{second - day};
    ClockDateTime record;
    record.valid = 1;
    record.year = static_cast<int16_t>(static_cast<int>(date.year()));
    record.month = static_cast<uint8_t>(static_cast<unsigned>(date.month()));
    record.day = static_cast<uint8_t>(static_cast<unsigned>(date.day()));
    record.hour = static_cast<uint8_t>(time.hours().count());
    record.minute = static_cast<uint8_t>(time.minutes().count());
    record.second = static_cast<uint8_t>(time.seconds().count());
    record.hundredths = 0;
    record.dayOfWeek = 0;
    return record;
}

SecondSetPlan PlanSecondSet(system_clock::time_point utcNow, steady_clock::time_point steadyNow, nanoseconds lead,
                            nanoseconds reaction)
{
    SecondSetPlan plan;
    plan.second = ceil<seconds>(utcNow + lead);
    plan.calendar = CalendarOfUtc(plan.second);
    plan.time = CalendarToTimeValue(plan.calendar);
    // The payload is shorter once the seconds have wrapped into the high
    // byte (2036), and so is the frame's time on the line.
    const nanoseconds frameTime = FrameLineTime(EncodeSetTime(plan.time).size());
    const nanoseconds untilBoundary = duration_cast<nanoseconds>(plan.second - utcNow);
    plan.frameStart = steadyNow + duration_cast<steady_clock::duration>(untilBoundary - frameTime - reaction);
    return plan;
}

SecondSetResult SetClockOnTheSecond(CClockDevice& device, const SecondSetPause& pause)
{
    SecondSetResult result;
    for (int tryNumber = 1; tryNumber <= kSecondSetTries; ++tryNumber) {
        result.tries = tryNumber;
        // Read together: the plan turns one into the other.
        const steady_clock::time_point steadyNow = steady_clock::now();
        const system_clock::time_point utcNow = system_clock::now();
        result.plan = PlanSecondSet(utcNow, steadyNow);
        const nanoseconds lateLimit =
            tryNumber < kSecondSetTries ? nanoseconds(kSecondSetLateLimit) : nanoseconds::max();
        const uint32_t ticket = device.SetClockTimeAt(result.plan.time, result.plan.frameStart, lateLimit);
        if (ticket == 0) {
            result.outcome = SecondSetResult::Outcome::Refused;
            return result;
        }
        const steady_clock::time_point giveUp = result.plan.frameStart + kReportWait;
        bool reported = false;
        for (;;) {
            reported = device.GetTimedWrite(ticket, result.write);
            if (!reported || result.write.Done() || !device.IsOnline() || steady_clock::now() > giveUp)
                break;
            pause(kLook);
        }
        if (!reported || !result.write.Done()) {
            result.outcome = SecondSetResult::Outcome::Lost;
            return result;
        }
        switch (result.write.outcome) {
        case TimedWrite::Outcome::Sent:
            result.outcome =
                result.write.acknowledged ? SecondSetResult::Outcome::Sent : SecondSetResult::Outcome::NoAck;
            return result;
        case TimedWrite::Outcome::Missed: continue;  // nothing went out: the next second
        default: result.outcome = SecondSetResult::Outcome::Lost; return result;
        }
    }
    result.outcome = SecondSetResult::Outcome::Lost;
    return result;
}
