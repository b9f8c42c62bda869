// Configurations the harnesses and the seed generator start from.
#pragma once

#include "ClockRecords.h"

// A configuration as a clock set up for Central Europe holds it: bias +1:00,
// daylight saving from the last Sunday of March to the last Sunday of
// October at 01:00 UTC, shifted by an hour.
inline ClockConfig EuRulesConfig()
{
    ClockConfig c;
    c.valid = 1;
    c.configured = 1;
    c.biasPositive = 1;
    c.biasSeconds = 3600;
    ResetDstDefaults(c);
    c.dstMode = kDstByWeekday;
    c.dstStartWeek = 5;
    c.dstEndWeek = 5;
    c.dstStartMonth = 3;
    c.dstEndMonth = 10;
    c.dstStartDayOfWeek = 1;
    c.dstEndDayOfWeek = 1;
    c.dstStartHour = 1;
    c.dstEndHour = 1;
    c.dstBiasPositive = 1;
    c.dstBiasSeconds = 3600;
    NormaliseConfig(c);
    return c;
}
