// What the command line's setters make of their arguments and of the
// clock's configuration, with the dialogs' rules and words.
#include "CliSettings.h"

#include <gtest/gtest.h>

#include <chrono>

namespace {

using namespace std::chrono;

// A winter day, so that a zone's standard offset and its current one differ
// in summer only.
const sys_seconds kJanuary2027 = sys_days{2027y / January / 10};
const sys_seconds kJuly2027 = sys_days{2027y / July / 10};

// A clock as it leaves the factory: daylight saving off, the defaults in the
// rule fields.
ClockConfig FactoryConfig()
{
    ClockConfig c;
    c.valid = 1;
    c.configured = 1;
    c.biasPositive = 1;
    ResetDstDefaults(c);
    c.dstMode = kDstDisabled;
    ApplyFixedOptions(c);
    c.illumination = 6;
    return c;
}

template <class T> T Value(const Checked<T>& checked)
{
    EXPECT_EQ(RefusalOf(checked), nullptr) << (RefusalOf(checked) ? RefusalOf(checked)->message : "");
    return std::get<T>(checked);
}

template <class T> std::string Refused(const Checked<T>& checked)
{
    const Refusal* refusal = RefusalOf(checked);
    EXPECT_NE(refusal, nullptr);
    return refusal ? refusal->message : std::string();
}

TEST(CliSettings, TimeZoneFromAZoneOrAnOffset)
{
    struct Row {
        const char* text;
        int32_t bias;
    };
    const Row rows[] = {
        {"Europe/Berlin", 3600}, {"America/New_York", -18000}, {"Asia/Kolkata", 19800}, {"Europe/Dublin", 0},
        {"+05:45", 20700},       {"-05:30", -19800},           {"5:00", 18000},         {"+00:00:30", 30},
        {"-23:59:59", -86399},   {"UTC+1:00", 3600},           {"US/Eastern", -18000},
    };
    for (const Row& row : rows) {
        // In summer as in winter: the zone's standard offset, as the dialog
        // takes it.
        for (sys_seconds now : {kJanuary2027, kJuly2027})
            EXPECT_EQ(Value(ParseTimeZoneArgument(row.text, now)).bias, row.bias) << row.text;
    }
    EXPECT_EQ(Value(ParseTimeZoneArgument("Europe/Berlin", kJuly2027)).zoneId, "Europe/Berlin");
    EXPECT_TRUE(Value(ParseTimeZoneArgument("+01:00", kJuly2027)).zoneId.empty());

    EXPECT_NE(Refused(ParseTimeZoneArgument("Mars/Olympus", kJuly2027)).find("unknown time zone 'Mars/Olympus'"),
              std::string::npos);
    // Qt would read it as a POSIX TZ string, UTC+00:00.
    EXPECT_NE(Refused(ParseTimeZoneArgument("Berlin", kJuly2027)).find("unknown time zone 'Berlin'"),
              std::string::npos);
    EXPECT_NE(Refused(ParseTimeZoneArgument("+24:00", kJuly2027)).find("hours run from 0 to 23"), std::string::npos);
    EXPECT_NE(Refused(ParseTimeZoneArgument("+1:75", kJuly2027)).find("minutes run from 00 to 59"), std::string::npos);
    EXPECT_NE(Refused(ParseTimeZoneArgument("-5", kJuly2027)).find("expected [+|-]H:MM"), std::string::npos);
    EXPECT_FALSE(Refused(ParseTimeZoneArgument("", kJuly2027)).empty());
}

TEST(CliSettings, TimeZoneChangesTheBiasAlone)
{
    ClockConfig config = FactoryConfig();
    config.reserved05 = 3;
    config.biasExtra = 7;
    config.configured = 0;
    ClockConfig expected = config;
    ApplyTimeZone(config, -18000);
    expected.biasPositive = 0;
    expected.biasSeconds = 18000;
    expected.reserved05 = 0;
    expected.biasExtra = 0;
    expected.configured = 1;
    EXPECT_EQ(config, expected);
    ApplyTimeZone(config, 0);
    EXPECT_EQ(config.biasPositive, 1);
    EXPECT_EQ(config.biasSeconds, 0u);
}

DstRequest Rules(const char* start, const char* end, std::optional<std::string_view> shift = std::nullopt,
                 bool utc = false, bool local = false)
{
    return Value(ParseDstRules(start, end, shift, utc, local));
}

TEST(CliSettings, DaylightSavingPresetsAndOffAsTheDialogStoresThem)
{
    // A preset from a clock with daylight saving off: the dialog's switch is
    // turned on first, else the preset button would do nothing.
    const DstOutcome eu = Value(ApplyDst(FactoryConfig(), Value(ParseDstWords({"eu"})), kJanuary2027));
    const ClockConfig& c = eu.config;
    EXPECT_EQ(c.dstMode, kDstByWeekday);
    EXPECT_EQ(std::tie(c.dstStartWeek, c.dstStartDayOfWeek, c.dstStartMonth, c.dstStartHour),
              std::make_tuple(uint8_t{5}, uint8_t{1}, uint8_t{3}, uint8_t{1}));
    EXPECT_EQ(std::tie(c.dstEndWeek, c.dstEndDayOfWeek, c.dstEndMonth, c.dstEndHour),
              std::make_tuple(uint8_t{5}, uint8_t{1}, uint8_t{10}, uint8_t{1}));
    EXPECT_EQ(std::tie(c.dstUseUtc, c.dstUseLocal, c.dstBiasPositive),
              std::make_tuple(uint8_t{1}, uint8_t{0}, uint8_t{1}));
    EXPECT_EQ(c.dstBiasSeconds, 3600u);
    EXPECT_EQ(eu.preview, "Next: Sun 28 Mar 2027 01:00 UTC (+1:00), Sun 31 Oct 2027 01:00 UTC (-1:00)");
    EXPECT_TRUE(eu.importNote.empty());

    const DstOutcome us = Value(ApplyDst(eu.config, Value(ParseDstWords({"us"})), kJanuary2027));
    EXPECT_EQ(std::tie(us.config.dstStartWeek, us.config.dstEndMonth, us.config.dstUseUtc, us.config.dstUseLocal),
              std::make_tuple(uint8_t{2}, uint8_t{11}, uint8_t{0}, uint8_t{1}));
    const DstOutcome pre2007 = Value(ApplyDst(eu.config, Value(ParseDstWords({"us-pre2007"})), kJanuary2027));
    EXPECT_EQ(std::tie(pre2007.config.dstStartWeek, pre2007.config.dstStartMonth),
              std::make_tuple(uint8_t{1}, uint8_t{4}));

    // Off: mode 0, the rules go back as they came out.
    const DstOutcome off = Value(ApplyDst(eu.config, Value(ParseDstWords({"off"})), kJanuary2027));
    ClockConfig expected = eu.config;
    expected.dstMode = kDstDisabled;
    EXPECT_EQ(off.config, expected);
    EXPECT_EQ(off.preview, "Daylight time off");

    for (const std::vector<std::string>& words :
         std::vector<std::vector<std::string>>{{}, {"summer"}, {"eu", "us"}, {"zone"}, {"zone", "a", "b"}})
        EXPECT_FALSE(Refused(ParseDstWords(words)).empty());
}

TEST(CliSettings, DaylightSavingRulesByHand)
{
    ClockConfig clock = FactoryConfig();
    clock.dstBiasPositive = 1;
    clock.dstBiasSeconds = 1800;
    clock.dstUseUtc = 0;
    clock.dstUseLocal = 1;
    // Without --shift and --utc/--local the clock's own stay.
    const DstOutcome kept = Value(ApplyDst(clock, Rules("last Sun Mar 01:00", "last Sun Oct 01:00"), kJanuary2027));
    EXPECT_EQ(kept.config.dstBiasSeconds, 1800u);
    EXPECT_EQ(kept.config.dstUseUtc, 0);
    EXPECT_EQ(kept.config.dstMode, kDstByWeekday);

    const DstOutcome given =
        Value(ApplyDst(clock, Rules("Mar 29 02:00", "Oct 25 03:00:30", "-0:30", true), kJanuary2027));
    const ClockConfig& c = given.config;
    EXPECT_EQ(c.dstMode, kDstByDate);
    EXPECT_EQ(std::tie(c.dstStartDay, c.dstStartMonth, c.dstStartHour),
              std::make_tuple(uint8_t{29}, uint8_t{3}, uint8_t{2}));
    EXPECT_EQ(std::tie(c.dstEndDay, c.dstEndMonth, c.dstEndHour, c.dstEndSecond),
              std::make_tuple(uint8_t{25}, uint8_t{10}, uint8_t{3}, uint8_t{30}));
    EXPECT_EQ(std::tie(c.dstBiasPositive, c.dstUseUtc, c.dstUseLocal),
              std::make_tuple(uint8_t{0}, uint8_t{1}, uint8_t{0}));
    EXPECT_EQ(c.dstBiasSeconds, 1800u);
    EXPECT_EQ(given.preview.rfind("Next: Mon 29 Mar 2027 02:00 UTC (-0:30)", 0), 0u) << given.preview;

    EXPECT_FALSE(Refused(ParseDstRules("last Sun Mar 01:00", "last Sun Oct 01:00", std::nullopt, true, true)).empty());
    EXPECT_NE(Refused(ParseDstRules("last Sun Mar 01:00", "Oct 01:00", std::nullopt, false, false)).find("--end: rule"),
              std::string::npos);
    EXPECT_NE(Refused(ParseDstRules("last Sun Mar 01:00", "last Sun Oct 01:00", "1:00:0", false, false))
                  .find("--shift '1:00:0'"),
              std::string::npos);
}

// The dialog's refusals, with the option named instead of the dialog's group.
TEST(CliSettings, RulesTheDialogRefusesAreRefusedNamingTheOption)
{
    struct Row {
        const char* start;
        const char* end;
        const char* message;
    };
    const Row rows[] = {
        {"Feb 30 02:00", "Oct 25 03:00", "--start: February has 29 days."},
        {"Mar 29 02:00", "Apr 31 03:00", "--end: April has 30 days."},
        {"Mar 0 02:00", "Oct 25 03:00", "--start: the day of the month runs from 1 to 31."},
        {"last Sun Mar 25:00", "last Sun Oct 01:00", "--start: the hour runs from 0 to 24."},
        {"last Sun Mar 01:61", "last Sun Oct 01:00", "--start: the minute runs from 0 to 60."},
        {"last Sun Mar 01:00", "Oct 25 03:00",
         "--start and --end: both rules are dates (such as 'Oct 25 03:00') or both weekday rules (such as 'last "
         "Sun Oct 01:00')."},
    };
    for (const Row& row : rows)
        EXPECT_EQ(Refused(ApplyDst(FactoryConfig(), Rules(row.start, row.end), kJanuary2027)), row.message)
            << row.start << " / " << row.end;
    // 24:00 is the end of a day, which the clock keeps.
    EXPECT_EQ(Value(ApplyDst(FactoryConfig(), Rules("last Sun Mar 24:00", "last Sun Oct 01:00:60"), kJanuary2027))
                  .config.dstStartHour,
              24);
}

TEST(CliSettings, DaylightSavingFromAZone)
{
    const DstOutcome berlin =
        Value(ApplyDst(FactoryConfig(), Value(ParseDstWords({"zone", "Europe/Berlin"})), kJanuary2027));
    EXPECT_EQ(berlin.config.dstMode, kDstByWeekday);
    EXPECT_EQ(std::tie(berlin.config.dstStartWeek, berlin.config.dstStartMonth, berlin.config.dstEndMonth),
              std::make_tuple(uint8_t{5}, uint8_t{3}, uint8_t{10}));
    EXPECT_EQ(berlin.config.dstBiasSeconds, 3600u);
    EXPECT_NE(berlin.importNote.find("Imported the rules of Europe/Berlin"), std::string::npos) << berlin.importNote;
    EXPECT_FALSE(berlin.zoneCheck.empty());

    // "set timezone Europe/Dublin", then "set dst zone Europe/Dublin":
    // UTC+00:00 and an hour forward in summer, which the check confirms.
    ClockConfig irish = FactoryConfig();
    ApplyTimeZone(irish, Value(ParseTimeZoneArgument("Europe/Dublin", kJanuary2027)).bias);
    const DstOutcome dublin = Value(ApplyDst(irish, Value(ParseDstWords({"zone", "Europe/Dublin"})), kJanuary2027));
    EXPECT_EQ(std::tie(dublin.config.dstStartMonth, dublin.config.dstEndMonth, dublin.config.dstBiasPositive,
                       dublin.config.dstBiasSeconds),
              std::make_tuple(uint8_t{3}, uint8_t{10}, uint8_t{1}, 3600u));
    EXPECT_EQ(dublin.zoneCheck, "Agrees with Europe/Dublin in the time zone data over the next ten years.");

    // A zone without daylight saving turns it off.
    const DstOutcome kolkata =
        Value(ApplyDst(berlin.config, Value(ParseDstWords({"zone", "Asia/Kolkata"})), kJanuary2027));
    EXPECT_EQ(kolkata.config.dstMode, kDstDisabled);
    EXPECT_EQ(kolkata.importNote, "Asia/Kolkata has no daylight saving time: daylight saving turned off.");
    EXPECT_EQ(kolkata.preview, "Daylight time off");
    // A bias whose 32-bit magnitude folds onto +1:00 as a signed 32-bit
    // number is no zone's bias.
    ClockConfig folded = FactoryConfig();
    folded.biasPositive = 0;
    folded.biasSeconds = 0xFFFFF1F0;
    const DstOutcome far = Value(ApplyDst(folded, Value(ParseDstWords({"zone", "Europe/Berlin"})), kJanuary2027));
    EXPECT_EQ(far.zoneCheck.rfind("Differs from Europe/Berlin in the time zone data: the clock's time zone bias is "
                                  "UTC-1193045:28, the zone's standard time UTC+01:00",
                                  0),
              0u)
        << far.zoneCheck;
    EXPECT_NE(Refused(ApplyDst(FactoryConfig(), Value(ParseDstWords({"zone", "Nowhere/Land"})), kJanuary2027))
                  .find("not in this computer's time zone data"),
              std::string::npos);
}

TEST(CliSettings, DatesAndTimes)
{
    const ClockDateTime when = Value(ParseClockDateTime("2011-06-15 12:00:00"));
    EXPECT_EQ(CalendarToTimeValue(when).seconds, 3517128000u);
    EXPECT_EQ(Value(ParseClockDateTime("2028-02-29T23:59:59")).day, 29);

    struct Row {
        const char* text;
        const char* message;  // start of the refusal
    };
    const Row rows[] = {
        {"2027-02-29 10:00:00", "set time: February 2027 has 28 days; the day runs from 1 to 28."},
        {"2000-06-15 12:00:00", "set time: the year runs from 2001 to 2099."},
        {"2027-13-01 12:00:00", "set time: the month runs from 1 to 12."},
        {"2027-06-00 12:00:00", "set time: June 2027 has 30 days; the day runs from 1 to 30."},
        {"2027-06-15 24:00:00", "set time: the hour runs from 0 to 23."},
        {"2027-06-15 12:60:00", "set time: the minute runs from 0 to 59."},
        {"2027-06-15 12:00:60", "set time: the second runs from 0 to 59."},
        {"2027-06-15", "set time: '2027-06-15' is not a time"},
        {"2027-6-15 12:00:00", "set time:"},
        {"2027-06-15 12:00:0x", "set time:"},
        {"now please", "set time:"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(Refused(ParseClockDateTime(row.text)).rfind(row.message, 0), 0u) << row.text;
}

TEST(CliSettings, FaceTimesAndNudges)
{
    // On 2000-01-01, where the hand position dialog keeps its face time.
    EXPECT_EQ(CalendarToTimeValue(Value(ParseFaceTime("01:02:03"))).seconds, 3155763723u);
    EXPECT_EQ(CalendarToTimeValue(Value(ParseFaceTime("0:00"))).seconds, 3155760000u);
    EXPECT_EQ(Value(ParseFaceTime("23:59:59")).hour, 23);
    for (const char* bad : {"24:00:00", "12:60:00", "-1:00:00", "+1:00:00", "noon", ""})
        EXPECT_NE(Refused(ParseFaceTime(bad)).find("face time"), std::string::npos) << bad;
    EXPECT_EQ(Value(ParseNudgeCount("1")), 1u);
    EXPECT_EQ(Value(ParseNudgeCount("300")), 300u);
    for (const char* bad : {"0", "301", "-1", "", "1000", "2x"})
        EXPECT_NE(Refused(ParseNudgeCount(bad)).find("from 1 to 300"), std::string::npos) << bad;
}

TEST(CliSettings, LevelsAndSwitches)
{
    EXPECT_EQ(Value(ParseIllumination("0")), 0);
    EXPECT_EQ(Value(ParseIllumination("12")), 12);
    for (const char* bad : {"13", "-1", "", "1.5", "012", "x"})
        EXPECT_NE(Refused(ParseIllumination(bad)).find("give a level from 0 to 12"), std::string::npos) << bad;
    EXPECT_TRUE(Value(ParseOnOff("on", "timecode-date")));
    EXPECT_FALSE(Value(ParseOnOff("off", "timecode-date")));
    EXPECT_FALSE(Refused(ParseOnOff("yes", "timecode-date")).empty());
    EXPECT_EQ(Value(ParseMotion("step")), kHandsStep);
    EXPECT_EQ(Value(ParseMotion("sweep")), kHandsSweep);
    EXPECT_FALSE(Refused(ParseMotion("stopped")).empty());

    ClockConfig config = FactoryConfig();
    config.useTimeCodeDateAlt() = 1;
    ApplyTimeCodeDate(config, false);
    EXPECT_EQ(config.useTimeCodeDate() | config.useTimeCodeDateAlt(), 0);
    ApplyTimeCodeDate(config, true);
    EXPECT_EQ(config.useTimeCodeDate() & config.useTimeCodeDateAlt(), 1);
}

}  // namespace
