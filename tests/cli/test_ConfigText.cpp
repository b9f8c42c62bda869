// The configuration in words, as `kerovant-cli status` prints it: a table
// of configurations and the lines each gives.
#include "ConfigText.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

void PrintTo(const ConfigLine& line, std::ostream* out)
{
    *out << line.label << " " << line.value;
}

namespace {

// The rules of the European Union, a clock at UTC+1:00 of protocol version 2.
ClockConfig Europe()
{
    ClockConfig c;
    ResetDstDefaults(c);
    c.handMotion = kHandsSweep;
    c.biasPositive = 1;
    c.biasSeconds = 3600;
    c.dstMode = kDstByWeekday;
    c.dstStartWeek = 5;
    c.dstStartMonth = 3;
    c.dstStartHour = 1;
    c.dstEndWeek = 5;
    c.dstEndDayOfWeek = 1;
    c.dstEndMonth = 10;
    c.dstEndHour = 1;
    c.dstBiasPositive = 1;
    c.dstBiasSeconds = 3600;
    c.illumination = 6;
    return c;
}

TEST(ConfigText, EachConfigurationReadsAsAPersonWouldSayIt)
{
    struct Row {
        const char* legend;
        std::function<void(ClockConfig&)> change;
        uint8_t protocol;
        std::vector<std::string> values;  // time zone, daylight saving, illumination, date, motion
    };
    const Row rows[] = {
        {"Europe",
         [](ClockConfig&) {},
         2,
         {"UTC+1:00", "the last Sunday of March at 01:00 UTC to the last Sunday of October at 01:00 UTC, +1:00",
          "level 6 of 12", "not used", "sweep"}},
        {"off, protocol version 1, date from the time code, step",
         [](ClockConfig& c) {
             c.dstMode = kDstDisabled;
             c.useTimeCodeDate() = 1;
             c.useTimeCodeDateAlt() = 1;
             c.handMotion = kHandsStep;
         },
         1,
         {"UTC+1:00", "off", "not supported (protocol version 1)", "taken from the time code", "step"}},
        {"fixed dates in local time, west of UTC, stopped hands",
         [](ClockConfig& c) {
             c.biasPositive = 0;
             c.biasSeconds = 5 * 3600 + 30 * 60;
             c.dstMode = kDstByDate;
             c.dstStartDay = 30;
             c.dstStartHour = 2;
             c.dstEndDay = 26;
             c.dstEndHour = 3;
             c.dstUseUtc = 0;
             c.dstUseLocal = 1;
             c.handMotion = kHandsStopped;
             c.illumination = 0;
         },
         2,
         {"UTC-5:30", "30 March at 02:00 local time to 26 October at 03:00 local time, +1:00", "level 0 of 12",
          "not used", "stopped for setting"}},
        {"second weekday rule, a negative shift with seconds, one date flag",
         [](ClockConfig& c) {
             c.dstStartWeek = 2;
             c.dstStartDayOfWeek = 6;
             c.dstStartSecond = 30;
             c.dstBiasPositive = 0;
             c.dstBiasSeconds = 3620;
             c.useTimeCodeDateAlt() = 1;
         },
         2,
         {"UTC+1:00", "the second Friday of March at 01:00:30 UTC to the last Sunday of October at 01:00 UTC, -1:00:20",
          "level 6 of 12", "taken from the time code", "sweep"}},
        {"a mode the clock holds but the editor has no form for, hand motion out of range",
         [](ClockConfig& c) {
             c.dstMode = 5;
             c.handMotion = 7;
             c.biasSeconds = 0;
         },
         2,
         {"UTC+0:00", "unknown mode 5", "level 6 of 12", "not used", "unknown (7)"}},
        {"a bias and a shift beyond 32 signed bits, shown whole rather than folded onto -1:00",
         [](ClockConfig& c) {
             c.biasPositive = 0;
             c.biasSeconds = 0xFFFFF1F0;
             c.dstBiasPositive = 0;
             c.dstBiasSeconds = 0xFFFFF1F0;
         },
         2,
         {"UTC-1193045:28:16",
          "the last Sunday of March at 01:00 UTC to the last Sunday of October at 01:00 UTC, -1193045:28:16",
          "level 6 of 12", "not used", "sweep"}},
    };
    const std::vector<std::string> labels = {
        "Time zone:", "Daylight saving:", "Illumination:", "Time code date:", "Hand motion:"};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.legend);
        ClockConfig config = Europe();
        row.change(config);
        std::vector<ConfigLine> expected;
        for (size_t i = 0; i < labels.size(); ++i)
            expected.push_back({labels[i], row.values[i]});
        EXPECT_EQ(DescribeConfig(config, row.protocol), expected);
    }
}

}  // namespace
