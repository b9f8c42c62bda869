#include "ClockDateTime.h"

#include <cstdint>
#include <limits>

namespace {

constexpr uint32_t kSecondsPerDay = 86400;
constexpr uint32_t kCenturySeconds = 3155673600u;  // 36,524 days
constexpr int kBaseYear = 1900;

constexpr int kMonthLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

ClockTime WholeSeconds(uint32_t seconds)
{
    ClockTime t;
    t.seconds = seconds;
    return t;
}

int MonthLength(int month, bool leap)
{
    return kMonthLengths[month - 1] + (month == 2 && leap ? 1 : 0);
}

}  // namespace

void AddTimeValue(ClockTime& target, const ClockTime& amount)
{
    const uint32_t fraction = uint32_t{target.fraction} + amount.fraction;
    const uint64_t seconds = uint64_t{target.seconds} + amount.seconds + (fraction >> 16);
    target.fraction = static_cast<uint16_t>(fraction);
    target.seconds = static_cast<uint32_t>(seconds);
    target.secondsHigh =
        static_cast<uint8_t>(uint32_t{target.secondsHigh} + amount.secondsHigh + static_cast<uint32_t>(seconds >> 32));
}

bool SubtractTimeValue(ClockTime& target, const ClockTime& amount)
{
    const uint32_t fractionBorrow = target.fraction < amount.fraction ? 1 : 0;
    const uint64_t secondsOwed = uint64_t{amount.seconds} + fractionBorrow;
    const uint32_t secondsBorrow = target.seconds < secondsOwed ? 1 : 0;
    const uint32_t highOwed = uint32_t{amount.secondsHigh} + secondsBorrow;
    const bool borrowed = target.secondsHigh < highOwed;

    target.fraction = static_cast<uint16_t>(uint32_t{target.fraction} - amount.fraction);
    target.seconds = static_cast<uint32_t>(uint64_t{target.seconds} - secondsOwed);
    target.secondsHigh = static_cast<uint8_t>(uint32_t{target.secondsHigh} - highOwed);
    return borrowed;
}

bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DayOfYear(const ClockDateTime& record)
{
    // A month past December counts the whole year before it rather than
    // reading beyond the table.
    const int monthsBefore = record.month > 12 ? 12 : (record.month > 0 ? record.month - 1 : 0);
    int dayOfYear = record.day;
    for (int m = 0; m < monthsBefore; ++m) {
        dayOfYear += kMonthLengths[m];
    }
    if (record.month > 2 && IsLeapYear(record.year)) {
        ++dayOfYear;
    }
    return dayOfYear;
}

void SetMonthAndDay(ClockDateTime& record, int dayOfYear)
{
    const bool leap = IsLeapYear(record.year);
    if (dayOfYear < 1 || dayOfYear > (leap ? 366 : 365)) {
        record.valid = 0;
        record.month = 0;
        record.day = 0;
        return;
    }
    int month = 1;
    while (dayOfYear > MonthLength(month, leap)) {
        dayOfYear -= MonthLength(month, leap);
        ++month;
    }
    record.month = static_cast<uint8_t>(month);
    record.day = static_cast<uint8_t>(dayOfYear);
}

ClockTime CalendarToTimeValue(const ClockDateTime& record)
{
    // The clock expects exactly this encoding, offsets outside 2001-2099
    // included, so the steps stay as they are. All wrapping is unsigned.
    ClockTime result;
    ClockDateTime reduced = record;
    int16_t year = record.year;
    while (year - kBaseYear > 100) {
        AddTimeValue(result, WholeSeconds(kCenturySeconds));
        year = static_cast<int16_t>(year - 100);
        if (year % 400 == 0) {
            AddTimeValue(result, WholeSeconds(kSecondsPerDay));
        }
    }
    reduced.year = year;

    const auto dayIndex = static_cast<int16_t>(DayOfYear(reduced) - 1);
    const int yearsSinceBase = year - kBaseYear;
    uint32_t s = static_cast<uint32_t>(yearsSinceBase) * 365u + static_cast<uint32_t>(dayIndex);
    s = s * 24u + reduced.hour;
    s = s * 60u + reduced.minute;
    s = s * 60u + reduced.second;

    const auto leapDays = static_cast<uint32_t>(yearsSinceBase / 4);
    s += leapDays * kSecondsPerDay;
    if (record.year % 4 != 0) {
        s += kSecondsPerDay;
    }

    AddTimeValue(result, WholeSeconds(s));
    result.set = record.valid;
    return result;
}

ClockDateTime TimeValueToCalendar(const ClockTime& value)
{
    // A clock that was never set often counts from 2000, so the decode is
    // exact Gregorian throughout, 2000 and every later century included:
    // a century that starts on a multiple of 400 holds the extra leap day.
    ClockDateTime record;
    record.valid = value.set;

    ClockTime rest = value;
    rest.fraction = 0;
    int year = kBaseYear;
    for (;;) {
        const uint32_t centurySeconds = kCenturySeconds + (year % 400 == 0 ? kSecondsPerDay : 0);
        ClockTime next = rest;
        if (SubtractTimeValue(next, WholeSeconds(centurySeconds))) {
            break;
        }
        rest = next;
        year += 100;
    }
    // rest is now below one century, so secondsHigh is 0.
    uint32_t days = rest.seconds / kSecondsPerDay;
    const uint32_t timeOfDay = rest.seconds % kSecondsPerDay;

    for (;;) {
        const uint32_t yearLength = IsLeapYear(year) ? 366 : 365;
        if (days < yearLength) {
            break;
        }
        days -= yearLength;
        ++year;
    }

    record.hour = static_cast<uint8_t>(timeOfDay / 3600);
    record.minute = static_cast<uint8_t>(timeOfDay % 3600 / 60);
    record.second = static_cast<uint8_t>(timeOfDay % 60);
    record.hundredths = 0;

    if (year > std::numeric_limits<int16_t>::max()) {
        // The year field cannot hold it; report no date rather than a
        // wrapped one.
        record.valid = 0;
        record.year = 0;
        record.month = 0;
        record.day = 0;
        return record;
    }
    record.year = static_cast<int16_t>(year);
    SetMonthAndDay(record, static_cast<int>(days) + 1);
    return record;
}
