// Checking and normalising configurations, the product table and the
// protocol version rule.
#include "ClockRecords.h"

#include <gtest/gtest.h>

namespace {

// A configuration a dialog might hand over: daylight saving by weekday, US
// style, everything in range.
ClockConfig UsConfig()
{
    ClockConfig c;
    c.configured = 1;
    c.biasPositive = 0;
    c.biasSeconds = 5 * 3600;
    ResetDstDefaults(c);
    c.dstMode = kDstByWeekday;
    c.dstUseUtc = 0;
    c.dstUseLocal = 1;
    c.dstStartWeek = 2;
    c.dstStartDayOfWeek = 1;
    c.dstStartMonth = 3;
    c.dstStartYear = 2011;
    c.dstStartHour = 2;
    c.dstEndWeek = 1;
    c.dstEndDayOfWeek = 1;
    c.dstEndMonth = 11;
    c.dstEndHour = 2;
    c.dstBiasPositive = 1;
    c.dstBiasSeconds = 3600;
    c.illumination = 7;
    return c;
}

ClockConfig Defaults(uint8_t mode)
{
    ClockConfig c;
    ResetDstDefaults(c);
    c.dstMode = mode;
    return c;
}

void ExpectDstDefaults(const ClockConfig& c)
{
    ClockConfig expected = c;
    ResetDstDefaults(expected);
    EXPECT_EQ(c, expected);
    EXPECT_EQ(c.dstStartYear, 1999);
    EXPECT_EQ(c.dstEndDay, 29);
    EXPECT_EQ(c.dstEndDayOfWeek, 3);
}

TEST(PrepareConfigForWrite, ModeStepByDstMode)
{
    // Mode 0: the defaults, whatever the caller put there.
    ClockConfig off = UsConfig();
    off.dstMode = kDstDisabled;
    PrepareConfigForWrite(off);
    EXPECT_EQ(off.dstMode, kDstDisabled);
    ExpectDstDefaults(off);

    // Mode 8: days 1, end year 2000, the start year kept.
    ClockConfig week = UsConfig();
    PrepareConfigForWrite(week);
    EXPECT_EQ(week.dstStartDay, 1);
    EXPECT_EQ(week.dstEndDay, 1);
    EXPECT_EQ(week.dstEndYear, 2000);
    EXPECT_EQ(week.dstStartYear, 2011);
    EXPECT_EQ(week.dstStartWeek, 2);
    EXPECT_EQ(week.dstStartHour, 2);

    // Mode 16: years 2000 and weeks 1; days and months kept.
    ClockConfig date = UsConfig();
    date.dstMode = kDstByDate;
    date.dstStartDay = 27;
    date.dstEndDay = 30;
    date.dstEndMonth = 10;
    PrepareConfigForWrite(date);
    EXPECT_EQ(date.dstStartYear, 2000);
    EXPECT_EQ(date.dstEndYear, 2000);
    EXPECT_EQ(date.dstStartWeek, 1);
    EXPECT_EQ(date.dstEndWeek, 1);
    EXPECT_EQ(date.dstStartDay, 27);
    EXPECT_EQ(date.dstEndDay, 30);
    EXPECT_EQ(date.dstEndMonth, 10);

    // An unknown mode: the defaults, and the mode as given.
    ClockConfig odd = UsConfig();
    odd.dstMode = 5;
    PrepareConfigForWrite(odd);
    EXPECT_EQ(odd.dstMode, 5);
    ExpectDstDefaults(odd);
}

TEST(PrepareConfigForWrite, ClampsAndFixedOptions)
{
    ClockConfig c = UsConfig();
    c.handMotion = 3;
    c.reserved05 = 9;
    c.useTimeCodeDate() = 7;
    c.useTimeCodeDateAlt() = 2;
    c.tcOptions[0] = 5;
    c.tcOptions[kTcOptionPassThrough] = 0x42;
    c.tcOptions[2] = 0;
    c.tcOptions[3] = c.tcOptions[4] = c.tcOptions[6] = c.tcOptions[7] = 9;
    PrepareConfigForWrite(c);
    EXPECT_EQ(c.valid, 1);
    EXPECT_EQ(c.handMotion, kHandsSweep);
    EXPECT_EQ(c.reserved05, 0);
    EXPECT_EQ(c.useTimeCodeDate(), 1);
    EXPECT_EQ(c.useTimeCodeDateAlt(), 1);
    EXPECT_EQ(c.tcFlagA, 1);
    EXPECT_EQ(c.tcFlagB, 1);
    const std::array<uint8_t, kTcOptionCount> expected{0, 0x42, 1, 0, 0, 1, 0, 0, 1};
    EXPECT_EQ(c.tcOptions, expected);
    EXPECT_EQ(c.illumination, 7);
    EXPECT_EQ(c.biasSeconds, 5u * 3600);

    ClockConfig stopped = UsConfig();
    stopped.handMotion = kHandsStopped;
    PrepareConfigForWrite(stopped);
    EXPECT_EQ(stopped.handMotion, kHandsStopped);
}

TEST(PrepareConfigForWrite, TimeBoundaries)
{
    ClockConfig edge = UsConfig();
    edge.dstStartHour = 24;
    edge.dstStartMinute = 60;
    edge.dstEndSecond = 60;
    PrepareConfigForWrite(edge);
    EXPECT_EQ(edge.dstStartHour, 24) << "24:60:60 passes the checks";
    EXPECT_EQ(edge.dstStartMonth, 3);

    for (int field = 0; field < 3; ++field) {
        ClockConfig bad = UsConfig();
        if (field == 0)
            bad.dstStartHour = 25;
        else if (field == 1)
            bad.dstEndMinute = 61;
        else
            bad.dstStartSecond = 61;
        PrepareConfigForWrite(bad);
        SCOPED_TRACE(field);
        EXPECT_EQ(bad.dstMode, kDstByWeekday);
        EXPECT_EQ(bad.dstStartMonth, 3);
        EXPECT_EQ(bad.dstEndMonth, 7) << "reset to the defaults, then the mode step";
        EXPECT_EQ(bad.dstStartHour, 0);
    }
}

TEST(DstValidity, EachTest)
{
    EXPECT_FALSE(IsDstInvalid(Defaults(kDstDisabled), true));
    auto invalid = [](auto change) {
        ClockConfig c = Defaults(kDstByWeekday);
        change(c);
        return IsDstInvalid(c, true);
    };
    EXPECT_TRUE(invalid([](ClockConfig& c) { c.dstReserved31 = 1; }));
    EXPECT_TRUE(invalid([](ClockConfig& c) { c.dstStartValid = 0; }));
    EXPECT_TRUE(invalid([](ClockConfig& c) { c.dstEndValid = 0; }));
    EXPECT_TRUE(invalid([](ClockConfig& c) { c.dstStartDayOfWeek = 0; }));
    EXPECT_TRUE(invalid([](ClockConfig& c) { c.dstEndDayOfWeek = 8; }));
    EXPECT_TRUE(invalid([](ClockConfig& c) { c.dstStartDay = 0; }));
    EXPECT_TRUE(invalid([](ClockConfig& c) { c.dstEndDay = 32; }));
    EXPECT_TRUE(invalid([](ClockConfig& c) { c.dstStartMonth = 13; }));
    EXPECT_TRUE(invalid([](ClockConfig& c) { c.dstEndMonth = 0; }));
    EXPECT_TRUE(invalid([](ClockConfig& c) { c.dstStartWeek = 6; }));
    EXPECT_TRUE(invalid([](ClockConfig& c) { c.dstMode = 5; }));
    EXPECT_FALSE(invalid([](ClockConfig& c) { c.dstStartWeek = 5; }));
    EXPECT_FALSE(invalid([](ClockConfig& c) { c.dstStartDay = 31; }));

    ClockConfig odd = Defaults(5);
    EXPECT_FALSE(IsDstInvalid(odd, false)) << "the mode is only tested on a read";
}

TEST(ValidateConfigShadow, MendsAndAsksForRewrite)
{
    ClockConfig inRange = UsConfig();
    PrepareConfigForWrite(inRange);
    inRange.tcFlagA = 0;  // fixed options are not tested on a read
    const ClockConfig before = inRange;
    EXPECT_FALSE(ValidateConfigShadow(inRange));
    EXPECT_EQ(inRange, before);

    ClockConfig week6 = before;
    week6.dstStartWeek = 6;
    EXPECT_TRUE(ValidateConfigShadow(week6));
    EXPECT_EQ(week6.dstStartWeek, 1);
    EXPECT_EQ(week6.dstMode, kDstByWeekday);
    ExpectDstDefaults(week6);

    ClockConfig motion = before;
    motion.handMotion = 3;
    EXPECT_TRUE(ValidateConfigShadow(motion));
    EXPECT_EQ(motion.handMotion, 0);

    ClockConfig reserved = before;
    reserved.reserved05 = 1;
    EXPECT_TRUE(ValidateConfigShadow(reserved));

    ClockConfig flag = before;
    flag.useTimeCodeDateAlt() = 2;
    EXPECT_TRUE(ValidateConfigShadow(flag));
    EXPECT_EQ(flag.useTimeCodeDateAlt(), 1);

    ClockConfig mode = before;
    mode.dstMode = 9;
    EXPECT_TRUE(ValidateConfigShadow(mode));
    EXPECT_EQ(mode.dstMode, 9);
}

TEST(ConfigProblems, NamedInWords)
{
    ClockConfig config = UsConfig();
    PrepareConfigForWrite(config);
    EXPECT_EQ(DescribeConfigProblems(FindConfigProblems(config)), "");
    config.dstStartWeek = 6;
    config.dstBiasSeconds = 86401;
    EXPECT_EQ(DescribeConfigProblems(FindConfigProblems(config)),
              "dstStartWeek is 6 (allowed: 0 to 5); dstBiasSeconds is 86401 (allowed: 0 to 86400)");
    config.dstStartWeek = 5;
    config.dstBiasSeconds = 86400;  // a day is the limit, not beyond it
    EXPECT_EQ(DescribeConfigProblems(FindConfigProblems(config)), "");
}

TEST(Products, LookupAndProtocolVersion)
{
    EXPECT_EQ(FindProduct(0x0150), 0);
    EXPECT_EQ(FindProduct(0x0350), 1);
    EXPECT_EQ(FindProduct(0x0250), -1);
    EXPECT_EQ(g_products[0].brand, kBrandMaker);
    EXPECT_EQ(g_products[1].brand, kBrandPartner);

    EXPECT_EQ(ProtocolVersionFor({0, 9, 5}), 1);
    EXPECT_EQ(ProtocolVersionFor({1, 0, 0}), 1);
    EXPECT_EQ(ProtocolVersionFor({1, 2, 9}), 1);
    EXPECT_EQ(ProtocolVersionFor({1, 3, 0}), 2);
    EXPECT_EQ(ProtocolVersionFor({1, 200, 0}), 2);
    EXPECT_EQ(ProtocolVersionFor({2, 0, 0}), 2);
}

}  // namespace
