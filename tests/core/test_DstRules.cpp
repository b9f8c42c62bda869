// Which day a daylight-saving rule names: the arithmetic the simulated clock
// and the rule editor share. The simulated clock's own tests cover what the
// local time does with it.
#include "DstRules.h"

#include <gtest/gtest.h>

using namespace std::chrono;

namespace {

ClockConfig WeekdayRule(uint8_t week, uint8_t dayOfWeek, uint8_t month, uint8_t hour)
{
    ClockConfig c;
    c.dstMode = kDstByWeekday;
    c.dstStartWeek = c.dstEndWeek = week;
    c.dstStartDayOfWeek = c.dstEndDayOfWeek = dayOfWeek;
    c.dstStartMonth = c.dstEndMonth = month;
    c.dstStartHour = c.dstEndHour = hour;
    return c;
}

sys_seconds At(int y, unsigned m, unsigned d, int h)
{
    return sys_days{year{y} / month{m} / day{d}} + hours{h};
}

}  // namespace

TEST(DstTransition, WeekdayRulesTable)
{
    struct Row {
        const char* legend;
        uint8_t week, dayOfWeek, month, hour;
        int year;
        sys_seconds expected;
    };
    const Row rows[] = {
        {"last Sunday of March 2027", 5, 1, 3, 1, 2027, At(2027, 3, 28, 1)},
        {"last Sunday of October 2027", 5, 1, 10, 1, 2027, At(2027, 10, 31, 1)},
        {"second Sunday of March 2026", 2, 1, 3, 2, 2026, At(2026, 3, 8, 2)},
        {"first Sunday of November 2026", 1, 1, 11, 2, 2026, At(2026, 11, 1, 2)},
        {"first Sunday when the month starts on one", 1, 1, 2, 0, 2026, At(2026, 2, 1, 0)},
        {"fourth Saturday of February in a leap year", 4, 7, 2, 0, 2024, At(2024, 2, 24, 0)},
        {"last Friday of February in a leap year", 5, 6, 2, 0, 2024, At(2024, 2, 23, 0)},
    };
    for (const Row& row : rows) {
        const ClockConfig c = WeekdayRule(row.week, row.dayOfWeek, row.month, row.hour);
        const auto start = DstTransition(c, year{row.year}, true);
        ASSERT_TRUE(start.has_value()) << row.legend;
        EXPECT_EQ(*start, row.expected) << row.legend;
    }
}

TEST(DstTransition, DateRulesRollPastTheMonthEnd)
{
    ClockConfig c;
    c.dstMode = kDstByDate;
    c.dstStartDay = 29;
    c.dstStartMonth = 2;
    c.dstStartHour = 2;
    EXPECT_EQ(*DstTransition(c, year{2024}, true), At(2024, 2, 29, 2));
    EXPECT_EQ(*DstTransition(c, year{2027}, true), At(2027, 3, 1, 2));  // no 29 February in 2027
}

TEST(DstTransition, FieldsThatNameNoDayGiveNone)
{
    ClockConfig c = WeekdayRule(1, 1, 3, 2);
    c.dstStartWeek = 0;
    EXPECT_FALSE(DstTransition(c, year{2026}, true));
    c = WeekdayRule(1, 8, 3, 2);
    EXPECT_FALSE(DstTransition(c, year{2026}, true));
    c = WeekdayRule(1, 1, 13, 2);
    EXPECT_FALSE(DstTransition(c, year{2026}, true));
    c = WeekdayRule(1, 1, 3, 2);
    c.dstMode = 4;
    EXPECT_FALSE(DstTransition(c, year{2026}, true));
}

TEST(DstInForce, NorthernAndSouthernHemispheres)
{
    // EU: last Sunday of March to last Sunday of October, 01:00 UTC.
    ClockConfig eu = WeekdayRule(5, 1, 3, 1);
    eu.dstEndMonth = 10;
    eu.dstUseUtc = 1;
    EXPECT_FALSE(DstInForce(eu, At(2027, 3, 28, 1) - seconds{1}));
    EXPECT_TRUE(DstInForce(eu, At(2027, 3, 28, 1)));
    EXPECT_TRUE(DstInForce(eu, At(2027, 10, 31, 1) - seconds{1}));
    EXPECT_FALSE(DstInForce(eu, At(2027, 10, 31, 1)));

    // Starts in October, ends in April: in force across the new year.
    ClockConfig south = WeekdayRule(1, 1, 10, 2);
    south.dstEndMonth = 4;
    south.dstUseUtc = 1;
    EXPECT_TRUE(DstInForce(south, At(2027, 1, 15, 0)));
    EXPECT_FALSE(DstInForce(south, At(2027, 6, 15, 0)));
    EXPECT_TRUE(DstInForce(south, At(2027, 12, 15, 0)));

    eu.dstMode = kDstDisabled;
    EXPECT_FALSE(DstInForce(eu, At(2027, 7, 1, 0)));
}

// Local rules count on the wall clock just before each change: the start in
// standard time, the end in daylight time.
TEST(DstInForce, LocalRulesCountOnTheWallClockBeforeTheChange)
{
    // US rules at 02:00 local time in UTC-5 with a one-hour shift: starts at
    // 07:00 UTC, ends at 06:00 UTC.
    ClockConfig us = WeekdayRule(2, 1, 3, 2);
    us.dstEndWeek = 1;
    us.dstEndMonth = 11;
    us.dstUseUtc = 0;
    us.biasPositive = 0;
    us.biasSeconds = 18000;
    us.dstBiasPositive = 1;
    us.dstBiasSeconds = 3600;
    EXPECT_FALSE(DstInForce(us, At(2026, 3, 8, 7) - seconds{1}));
    EXPECT_TRUE(DstInForce(us, At(2026, 3, 8, 7)));
    EXPECT_TRUE(DstInForce(us, At(2026, 11, 1, 6) - seconds{1}));
    EXPECT_FALSE(DstInForce(us, At(2026, 11, 1, 6)));
    EXPECT_EQ(*DstTransitionUtc(us, year{2026}, false), At(2026, 11, 1, 6));

    // A negative shift: the wall clock before the end runs behind standard
    // time, so the end comes later in UTC.
    us.dstBiasPositive = 0;
    EXPECT_EQ(*DstTransitionUtc(us, year{2026}, false), At(2026, 11, 1, 8));
}

TEST(DstChanges, InOrderAcrossTheYearsAndRangeEdges)
{
    // Starts in October, ends in April, 02:00 local time at UTC+10: the
    // start falls on the day before in UTC.
    ClockConfig south = WeekdayRule(1, 1, 10, 2);
    south.dstEndMonth = 4;
    south.biasPositive = 1;
    south.biasSeconds = 36000;
    south.dstBiasPositive = 1;
    south.dstBiasSeconds = 3600;
    const auto changes = DstChanges(south, At(2026, 1, 1, 0), At(2027, 12, 31, 0));
    const std::vector<DstChange> expected = {
        {At(2026, 4, 4, 15), false},
        {At(2026, 10, 3, 16), true},
        {At(2027, 4, 3, 15), false},
        {At(2027, 10, 2, 16), true},
    };
    EXPECT_EQ(changes, expected);

    // The range includes its start and excludes its end.
    EXPECT_EQ(DstChanges(south, At(2026, 4, 4, 15), At(2026, 10, 3, 16)),
              (std::vector<DstChange>{{At(2026, 4, 4, 15), false}}));

    // A start and end on the same moment never change the clock.
    ClockConfig same = WeekdayRule(2, 1, 3, 2);
    same.dstUseUtc = 1;
    EXPECT_TRUE(DstChanges(same, At(2026, 1, 1, 0), At(2028, 1, 1, 0)).empty());
    EXPECT_FALSE(DstInForce(same, At(2026, 3, 8, 2)));

    south.dstMode = kDstDisabled;
    EXPECT_TRUE(DstChanges(south, At(2026, 1, 1, 0), At(2028, 1, 1, 0)).empty());
}

// The clock's scale runs to the year 36,741, past the last year the
// calendar types name (32767). Around that year the rules must still answer
// at once; past it the state the changes of 32767 leave holds.
TEST(DstInForce, AnswersAtTheFarEndOfTheClocksScale)
{
    ClockConfig eu = WeekdayRule(5, 1, 3, 1);
    eu.dstEndMonth = 10;
    eu.dstUseUtc = 1;
    ClockConfig south = WeekdayRule(1, 1, 10, 2);
    south.dstEndMonth = 4;
    south.dstUseUtc = 1;
    // The end of the clock's 40-bit scale, in seconds from 1970.
    const sys_seconds lastClockSecond{seconds{(int64_t{1} << 40) - 1 - kClockEpochToUnix}};

    const struct {
        const char* legend;
        const ClockConfig& config;
        sys_seconds at;
        bool inForce;
    } rows[] = {
        {"summer of 32766", eu, At(32766, 6, 1, 0), true},
        {"winter of 32766", eu, At(32766, 12, 1, 0), false},
        {"summer of 32767", eu, At(32767, 6, 1, 0), true},
        {"after the last change of 32767, north", eu, At(32767, 12, 31, 23), false},
        {"past 32767, north", eu, lastClockSecond, false},
        {"after the last change of 32767, south", south, At(32767, 12, 31, 23), true},
        {"past 32767, south", south, lastClockSecond, true},
    };
    for (const auto& row : rows)
        EXPECT_EQ(DstInForce(row.config, row.at), row.inForce) << row.legend;

    const auto changes = DstChanges(eu, At(32766, 1, 1, 0), lastClockSecond);
    ASSERT_EQ(changes.size(), 4u);
    EXPECT_EQ(changes.back().at, *DstTransition(eu, year{32767}, false));
    EXPECT_FALSE(DstTransition(eu, year{-32768}, true).has_value());
}
