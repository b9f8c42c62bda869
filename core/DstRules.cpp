#include "DstRules.h"

using namespace std::chrono;

std::optional<sys_seconds> DstTransition(const ClockConfig& c, year y, bool start)
{
    const unsigned week = start ? c.dstStartWeek : c.dstEndWeek;
    const unsigned dayOfWeek = start ? c.dstStartDayOfWeek : c.dstEndDayOfWeek;
    const unsigned dayOfMonth = start ? c.dstStartDay : c.dstEndDay;
    const unsigned monthNumber = start ? c.dstStartMonth : c.dstEndMonth;
    const auto timeOfDay = hours(start ? c.dstStartHour : c.dstEndHour) +
        minutes(start ? c.dstStartMinute : c.dstEndMinute) + seconds(start ? c.dstStartSecond : c.dstEndSecond);
    const month m{monthNumber};
    if (!m.ok())
        return std::nullopt;

    sys_days dayPoint;
    if (c.dstMode == kDstByWeekday) {
        if (dayOfWeek < 1 || dayOfWeek > 7 || week < 1 || week > 5)
            return std::nullopt;
        const weekday wd{dayOfWeek - 1};  // 1 is Sunday
        if (week == 5)
            dayPoint = sys_days{year_month_weekday_last{y, m, weekday_last{wd}}};
        else
            dayPoint = sys_days{year_month_weekday{y, m, wd[week]}};
    } else if (c.dstMode == kDstByDate) {
        if (dayOfMonth < 1 || dayOfMonth > 31)
            return std::nullopt;
        // A day past the month's end (30 February) rolls into the next month.
        dayPoint = sys_days{year_month_day{y, m, day{dayOfMonth}}};
    } else {
        return std::nullopt;
    }
    return sys_seconds{dayPoint} + timeOfDay;
}

bool DstInForce(const ClockConfig& c, sys_seconds utc)
{
    if (c.dstMode != kDstByWeekday && c.dstMode != kDstByDate)
        return false;
    const sys_seconds at = utc + seconds(c.dstUseUtc ? 0 : SignedSeconds(c.biasPositive, c.biasSeconds));
    const year y = year_month_day{floor<days>(at)}.year();
    const auto start = DstTransition(c, y, true);
    const auto end = DstTransition(c, y, false);
    if (!start || !end || *start == *end)
        return false;
    if (*start < *end)
        return at >= *start && at < *end;
    // Southern hemisphere: daylight time spans the turn of the year.
    return at >= *start || at < *end;
}
