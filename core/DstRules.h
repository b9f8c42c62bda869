// Daylight-saving rule arithmetic on the clock's configuration: which day a
// start or end rule names in a given year, when the clock changes, and
// whether daylight time is in force at a moment. The simulated clock keeps
// its local time with it and the rule editor previews the coming changes
// with it, so both count the same way.
//
// A rule by weekday (dstMode 8) names the n-th given weekday of a month, week
// 5 being the last; a rule by date (dstMode 16) names a day of a month, and a
// day past the month's end rolls into the next month, as the clock does.
//
// A rule's time is UTC when dstUseUtc is set. Otherwise it is local time as
// the wall clock shows it just before the change: local standard time for
// the start, local daylight time (standard time plus the daylight bias) for
// the end. "02:00" then means the moment the clock's own face reaches 02:00,
// which is how zones state their rules (the United States change at 02:00
// both ways) and how a person reads the clock.
#pragma once

#include "ClockRecords.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <vector>

// Seconds from 1900-01-01, the clock's epoch, to 1970-01-01.
inline constexpr int64_t kClockEpochToUnix = 2208988800;

// A signed number of seconds from a sign flag (1: not negative) and a
// magnitude, as the configuration keeps its two biases.
inline int64_t SignedSeconds(uint8_t positive, uint32_t magnitude)
{
    return positive ? int64_t{magnitude} : -int64_t{magnitude};
}

// The start (start = true) or end transition in year y, on the scale the
// rule counts in: UTC when dstUseUtc is set, local wall-clock time otherwise
// (see above). None when the rule's fields name no day or the mode is
// neither 8 nor 16.
std::optional<std::chrono::sys_seconds> DstTransition(const ClockConfig& config, std::chrono::year y, bool start);

// The same transition as a UTC moment: a local rule's time less the clock's
// standard bias, and for the end less the daylight bias as well.
std::optional<std::chrono::sys_seconds> DstTransitionUtc(const ClockConfig& config, std::chrono::year y, bool start);

// One change of the clock's local time.
struct DstChange {
    std::chrono::sys_seconds at;  // UTC
    bool start = false;           // true: daylight time begins
    friend bool operator==(const DstChange&, const DstChange&) = default;
};

// The changes at or after `from` and before `to`, in time order. A start and
// an end at the same moment cancel out and are both left out. Empty when the
// rules name no day or daylight saving is off.
std::vector<DstChange> DstChanges(const ClockConfig& config, std::chrono::sys_seconds from,
                                  std::chrono::sys_seconds to);

// Whether daylight time is in force at a UTC moment (seconds since
// 1970-01-01): the latest change at or before it is a start. Daylight time
// spans the turn of the year when the start falls after the end (the
// southern hemisphere).
bool DstInForce(const ClockConfig& config, std::chrono::sys_seconds utc);
