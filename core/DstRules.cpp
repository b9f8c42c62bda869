#include "DstRules.h"

#include <algorithm>

using namespace std::chrono;

std::optional<sys_seconds> DstTransition(const ClockConfig& c, year y, bool start)
{
    if (!y.ok())
        return std::nullopt;
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

std::optional<sys_seconds> DstTransitionUtc(const ClockConfig& c, year y, bool start)
{
    auto at = DstTransition(c, y, start);
    if (!at || c.dstUseUtc)
        return at;
    // The wall clock before the start shows standard time; before the end it
    // shows daylight time.
    int64_t offset = SignedSeconds(c.biasPositive, c.biasSeconds);
    if (!start)
        offset += SignedSeconds(c.dstBiasPositive, c.dstBiasSeconds);
    return *at - seconds(offset);
}

namespace {

// The years the calendar can name. The clock's 40-bit scale runs on to the
// year 36,741; past 32767 no rule is reckoned, and a moment there keeps the
// state that the changes of 32767 leave.
constexpr int kFirstYear = static_cast<int>(year::min());
constexpr int kLastYear = static_cast<int>(year::max());

// The changes of the years around a moment, in time order; a start and an
// end at the same moment are dropped, as the clock's local time does not
// change there. The years are plain numbers: std::chrono::year wraps from
// 32767 to -32768, and a loop up to 32767 over it would never end.
std::vector<DstChange> ChangesOfYears(const ClockConfig& c, int first, int last)
{
    std::vector<DstChange> changes;
    for (int number = std::max(first, kFirstYear); number <= std::min(last, kLastYear); ++number) {
        const year y{number};
        const auto start = DstTransitionUtc(c, y, true);
        const auto end = DstTransitionUtc(c, y, false);
        // A rule set whose start or end names no day never changes.
        if (!start || !end)
            return {};
        if (*start == *end)
            continue;
        changes.push_back({*start, true});
        changes.push_back({*end, false});
    }
    std::sort(changes.begin(), changes.end(), [](const DstChange& a, const DstChange& b) { return a.at < b.at; });
    return changes;
}

// The year of a moment; a moment outside the years the calendar can name
// gives the year just beyond them.
int YearOf(sys_seconds t)
{
    const sys_days day = floor<days>(t);
    if (day > sys_days{year::max() / December / 31})
        return kLastYear + 1;
    if (day < sys_days{year::min() / January / 1})
        return kFirstYear - 1;
    return static_cast<int>(year_month_day{day}.year());
}

}  // namespace

std::vector<DstChange> DstChanges(const ClockConfig& c, sys_seconds from, sys_seconds to)
{
    if ((c.dstMode != kDstByWeekday && c.dstMode != kDstByDate) || to <= from)
        return {};
    // A transition's UTC moment lies within a day or two of its rule's date,
    // so the neighbouring years cover the edges of the range.
    std::vector<DstChange> changes = ChangesOfYears(c, YearOf(from) - 1, YearOf(to) + 1);
    std::erase_if(changes, [&](const DstChange& change) { return change.at < from || change.at >= to; });
    return changes;
}

bool DstInForce(const ClockConfig& c, sys_seconds utc)
{
    if (c.dstMode != kDstByWeekday && c.dstMode != kDstByDate)
        return false;
    const int y = YearOf(utc);
    const std::vector<DstChange> changes = ChangesOfYears(c, y - 1, y + 1);
    const auto after = std::upper_bound(changes.begin(), changes.end(), utc,
                                        [](sys_seconds t, const DstChange& change) { return t < change.at; });
    if (after == changes.begin())
        return false;
    return std::prev(after)->start;
}
