// Setting the clock on the second: the computer's UTC is read, the next
// whole second far enough ahead is chosen, and its time goes to the clock
// so that the frame's last byte reaches the clock at that second's boundary.
// The clock takes a time to be the time at the moment the set command is
// complete, so the frame starts its line time (about 3.47 ms for the 20
// bytes) and the link's own reaction time earlier.
//
// The time sent is what the calendar steps give for that second
// (CalendarToTimeValue of its date and time, hundredths 0): no fraction, and
// none needed.
//
// SetClockOnTheSecond runs on the caller's thread, which it keeps waiting up
// to about a second for the boundary; the caller says how to pass the time
// (the window keeps painting, a tool sleeps).
#pragma once

#include "ClockDateTime.h"
#include "ClockDevice.h"
#include "LinkTiming.h"

#include <chrono>
#include <functional>

// The link's reaction time: from the instant a timed frame is due to the
// first byte on its way to the clock (the link thread's wake-up and the
// write into the port). bench/settime_bench measures it.
inline constexpr std::chrono::microseconds kLinkReaction{140};
// The second chosen is at least this far ahead, so that a poll already on
// the line when the set is queued has ended before the frame is due.
inline constexpr std::chrono::milliseconds kSecondSetLead{100};
// A frame that would start later than this after its instant waits for the
// next second instead; the last try goes out however late.
inline constexpr std::chrono::milliseconds kSecondSetLateLimit{3};
inline constexpr int kSecondSetTries = 3;

struct SecondSetPlan {
    // The whole second of the computer's UTC the clock is set to.
    std::chrono::sys_seconds second{};
    // Its date and time (valid 1, hundredths 0) and the time value sent.
    ClockDateTime calendar;
    ClockTime time;
    // When the frame's first byte is to leave.
    std::chrono::steady_clock::time_point frameStart{};
};

// The date and time of a whole second of UTC, valid 1, hundredths 0,
// dayOfWeek 0, as the set-date/time dialog fills it.
ClockDateTime CalendarOfUtc(std::chrono::sys_seconds second);

// Plans a set from the computer's UTC and the steady clock read together:
// the first whole second at least `lead` after utcNow.
SecondSetPlan PlanSecondSet(std::chrono::system_clock::time_point utcNow,
                            std::chrono::steady_clock::time_point steadyNow,
                            std::chrono::nanoseconds lead = kSecondSetLead,
                            std::chrono::nanoseconds reaction = kLinkReaction);

struct SecondSetResult {
    enum class Outcome : uint8_t {
        Sent,     // the frame went out at its second and the clock acknowledged it
        NoAck,    // it went out, the clock did not acknowledge it
        Refused,  // the device object took no write
        Lost,     // the link went down, or never said what became of the write
    };
    Outcome outcome = Outcome::Lost;
    SecondSetPlan plan;  // of the last try
    TimedWrite write;    // the link's report of the last try
    int tries = 0;
};

// Waits for the given time, keeping the caller's thread doing what it must.
using SecondSetPause = std::function<void(std::chrono::milliseconds)>;

// Sets the clock on the second: plans, hands the time to the device object
// for its instant, and waits until the frame has gone out and the clock has
// answered. A second the link could not meet in time is not sent; the next
// one is tried, up to kSecondSetTries in all, the last without a limit.
SecondSetResult SetClockOnTheSecond(CClockDevice& device, const SecondSetPause& pause);
