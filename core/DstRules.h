// Daylight-saving rule arithmetic on the clock's configuration: which day a
// start or end rule names in a given year, and whether daylight time is in
// force at a moment. The simulated clock keeps its local time with it and
// the rule editor previews the coming changes with it, so both count the
// same way.
//
// A rule by weekday (dstMode 8) names the n-th given weekday of a month, week
// 5 being the last; a rule by date (dstMode 16) names a day of a month, and a
// day past the month's end rolls into the next month, as the clock does.
#pragma once

#include "ClockRecords.h"

#include <chrono>
#include <cstdint>
#include <optional>

// Seconds from 1900-01-01, the clock's epoch, to 1970-01-01.
inline constexpr int64_t kClockEpochToUnix = 2208988800;

// A signed number of seconds from a sign flag (1: not negative) and a
// magnitude, as the configuration keeps its two biases.
inline int64_t SignedSeconds(uint8_t positive, uint32_t magnitude)
{
    return positive ? int64_t{magnitude} : -int64_t{magnitude};
}

// The start (start = true) or end transition in year y, on the scale the
// rule counts in: UTC when dstUseUtc is set, local standard time otherwise.
// None when the rule's fields name no day or the mode is neither 8 nor 16.
std::optional<std::chrono::sys_seconds> DstTransition(const ClockConfig& config, std::chrono::year y, bool start);

// Whether daylight time is in force at a UTC moment (seconds since
// 1970-01-01). Daylight time spans the turn of the year when the start falls
// after the end (the southern hemisphere).
bool DstInForce(const ClockConfig& config, std::chrono::sys_seconds utc);
