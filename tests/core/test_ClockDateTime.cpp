#include "ClockDateTime.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <ostream>

using namespace std::chrono;

void PrintTo(const ClockDateTime& r, std::ostream* os)
{
    *os << "valid=" << int(r.valid) << ' ' << r.year << '-' << int(r.month) << '-' << int(r.day) << ' ' << int(r.hour)
        << ':' << int(r.minute) << ':' << int(r.second) << '.' << int(r.hundredths);
}

namespace {

constexpr sys_days kEpoch{1900y / January / 1};
constexpr int kTimes[][3] = {{0, 0, 0}, {12, 34, 56}, {23, 59, 59}};

ClockTime At(int64_t whole, uint8_t set = 1, uint16_t fraction = 0)
{
    ClockTime t;
    t.set = set;
    t.secondsHigh = static_cast<uint8_t>(whole >> 32);
    t.seconds = static_cast<uint32_t>(whole);
    t.fraction = fraction;
    return t;
}

int64_t Whole(const ClockTime& t)
{
    return (int64_t{t.secondsHigh} << 32) | t.seconds;
}

int64_t Gregorian(sys_days d, int h, int m, int s)
{
    return (d - kEpoch).count() * int64_t{86400} + h * 3600 + m * 60 + s;
}

ClockDateTime Record(year_month_day d, int h, int m, int s, uint8_t valid = 1)
{
    ClockDateTime r;
    r.valid = valid;
    r.year = static_cast<int16_t>(int(d.year()));
    r.month = static_cast<uint8_t>(unsigned(d.month()));
    r.day = static_cast<uint8_t>(unsigned(d.day()));
    r.hour = static_cast<uint8_t>(h);
    r.minute = static_cast<uint8_t>(m);
    r.second = static_cast<uint8_t>(s);
    return r;
}

// Days the encoder adds to the Gregorian count (the clock's own encoding).
int EncoderOffsetDays(year_month_day d)
{
    const int y = int(d.year());
    if (y >= 1901 && y <= 2000)
        return 1;
    if (y == 2100)
        return unsigned(d.month()) <= 2 ? 1 : 2;
    return 0;
}

}  // namespace

TEST(TimeValueToCalendar, EveryDay1900To2399IsExactGregorian)
{
    for (sys_days d = kEpoch; d <= sys_days{2399y / December / 31}; d += days{1})
        for (auto [h, m, s] : kTimes)
            ASSERT_EQ(TimeValueToCalendar(At(Gregorian(d, h, m, s))), Record(d, h, m, s));
}

TEST(TimeValueToCalendar, Year2000AndLaterCenturiesAndYearLimit)
{
    EXPECT_EQ(TimeValueToCalendar(At(3160857600)), Record(2000y / March / 1, 0, 0, 0));
    for (sys_days d{2400y / January / 1}; d <= sys_days{32767y / December / 31}; d += days{97})
        ASSERT_EQ(TimeValueToCalendar(At(Gregorian(d, 6, 7, 8))), Record(d, 6, 7, 8));
    for (int y = 2400; y <= 32700; y += 100) {  // every century turn and its February
        const sys_days feb28{year{y} / February / 28};
        for (sys_days d : {feb28 - days{59}, feb28 - days{58}, feb28, feb28 + days{1}, feb28 + days{2}})
            ASSERT_EQ(TimeValueToCalendar(At(Gregorian(d, 23, 59, 59))), Record(d, 23, 59, 59));
    }

    const int64_t last = Gregorian(sys_days{32767y / December / 31}, 23, 59, 59);
    EXPECT_EQ(TimeValueToCalendar(At(last)), Record(32767y / December / 31, 23, 59, 59));
    // Past what the year field holds: no date, not a wrapped one.
    for (int64_t v : {last + 1, (int64_t{1} << 40) - 1}) {
        const ClockDateTime r = TimeValueToCalendar(At(v));
        EXPECT_EQ(r.valid, 0);
        EXPECT_EQ(r.year, 0);
        EXPECT_EQ(r.month, 0);
        EXPECT_EQ(r.day, 0);
    }
}

TEST(CalendarToTimeValue, EveryDay1900To2100MatchesClockEncoding)
{
    for (sys_days d = kEpoch; d <= sys_days{2100y / December / 31}; d += days{1}) {
        const year_month_day ymd{d};
        for (auto [h, m, s] : kTimes) {
            const ClockTime t = CalendarToTimeValue(Record(ymd, h, m, s));
            ASSERT_EQ(Whole(t), Gregorian(d, h, m, s) + EncoderOffsetDays(ymd) * 86400);
            ASSERT_EQ(t.fraction, 0);
            ASSERT_EQ(t.set, 1);
            if (EncoderOffsetDays(ymd) == 0) {
                ASSERT_EQ(TimeValueToCalendar(t), Record(ymd, h, m, s));
            }
        }
    }
}

TEST(CalendarToTimeValue, HandPositionDateIsOneDayAboveGregorian)
{
    for (int t = 0; t < 86400; ++t) {
        const ClockTime v = CalendarToTimeValue(Record(2000y / January / 1, t / 3600, t / 60 % 60, t % 60));
        ASSERT_EQ(v.secondsHigh, 0);
        ASSERT_EQ(v.seconds, 3155760000u + uint32_t(t));
    }
    EXPECT_EQ(CalendarToTimeValue(Record(2000y / January / 1, 1, 2, 3)).seconds, 3155763723u);
}

TEST(Conversions, FixedPoints)
{
    EXPECT_EQ(CalendarToTimeValue(Record(2011y / June / 15, 12, 0, 0)), At(3517128000));
    EXPECT_EQ(TimeValueToCalendar(At(3517128000)), Record(2011y / June / 15, 12, 0, 0));
    EXPECT_EQ(CalendarToTimeValue(Record(2036y / February / 7, 6, 28, 16)), At(int64_t{1} << 32));
    EXPECT_EQ(TimeValueToCalendar(At(int64_t{1} << 32)), Record(2036y / February / 7, 6, 28, 16));
    const int64_t end = (int64_t{1} << 32) + 2016466303;
    EXPECT_EQ(CalendarToTimeValue(Record(2099y / December / 31, 23, 59, 59)), At(end));
    EXPECT_EQ(TimeValueToCalendar(At(end)), Record(2099y / December / 31, 23, 59, 59));
    EXPECT_EQ(TimeValueToCalendar(At(0)), Record(1900y / January / 1, 0, 0, 0));
}

TEST(Conversions, HundredthsFractionAndValidFlag)
{
    ClockDateTime r = Record(2011y / June / 15, 12, 0, 0, 0);
    r.hundredths = 99;
    r.dayOfWeek = 3;
    EXPECT_EQ(CalendarToTimeValue(r), At(3517128000, 0));
    const ClockDateTime back = TimeValueToCalendar(At(3517128000 + 59, 0, 0xFFFF));
    EXPECT_EQ(back, Record(2011y / June / 15, 12, 0, 59, 0));
    EXPECT_EQ(TimeValueToCalendar(At(3517128000, 1, 0xFFFF)).valid, 1);
}

TEST(TimeValueArithmetic, CarryAndBorrowThroughAllFields)
{
    ClockTime t = At(0xFFFFFFFF, 1, 0xFFFF);
    AddTimeValue(t, At(0, 0, 1));
    EXPECT_EQ(t, At(int64_t{1} << 32, 1, 0));
    t = At((int64_t{0xFF} << 32) | 0xFFFFFFFF, 0, 0xFFFF);
    AddTimeValue(t, At(0, 1, 2));  // wraps modulo 2^56
    EXPECT_EQ(t, At(0, 0, 1));

    t = At(int64_t{1} << 32, 1, 0);
    EXPECT_FALSE(SubtractTimeValue(t, At(0, 0, 1)));
    EXPECT_EQ(t, At(0xFFFFFFFF, 1, 0xFFFF));
    EXPECT_FALSE(SubtractTimeValue(t, At(0xFFFFFFFF, 0, 0xFFFF)));
    EXPECT_EQ(t, At(0, 1, 0));
    EXPECT_TRUE(SubtractTimeValue(t, At(0, 0, 1)));
    EXPECT_EQ(t, At((int64_t{0xFF} << 32) | 0xFFFFFFFF, 1, 0xFFFF));
    t = At(5, 0, 0);
    EXPECT_TRUE(SubtractTimeValue(t, At(int64_t{1} << 32, 1, 0)));
    EXPECT_EQ(t, At((int64_t{0xFF} << 32) | 5, 0, 0));
}

TEST(DayOfYear, MonthAndDayBothWaysAndOutOfRange)
{
    ClockDateTime r = Record(2000y / December / 31, 1, 2, 3);
    EXPECT_EQ(DayOfYear(r), 366);
    r.month = 0;
    EXPECT_EQ(DayOfYear(r), 31);
    r.month = 200;  // counts the whole year, reads nothing past December
    EXPECT_EQ(DayOfYear(r), 397);

    SetMonthAndDay(r, 60);
    EXPECT_EQ(r, Record(2000y / February / 29, 1, 2, 3));
    r.year = 2100;
    SetMonthAndDay(r, 60);
    EXPECT_EQ(r, Record(2100y / March / 1, 1, 2, 3));
    for (int bad : {0, 366}) {
        ClockDateTime x = Record(2100y / March / 1, 1, 2, 3);
        SetMonthAndDay(x, bad);
        ClockDateTime expected = Record(2100y / March / 1, 1, 2, 3, 0);
        expected.month = expected.day = 0;
        EXPECT_EQ(x, expected);
    }
}
