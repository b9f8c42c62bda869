// The daylight-saving dialog's logic on plain values: the conversions to and
// from the clock's configuration, what the controls show after each event,
// what OK collects or refuses, the presets, and that the simulated clock
// switches its local time where the preset says.
#include "DstConvert.h"
#include "DstEditor.h"
#include "ClockCodec.h"
#include "SimClock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <vector>

using namespace std::chrono;
using namespace std::chrono_literals;

namespace {

ClockConfig RecordWith(uint8_t mode)
{
    ClockConfig c;
    c.handMotion = kHandsStep;
    c.biasPositive = 0;
    c.biasSeconds = 18000;
    c.illumination = 7;
    c.dstMode = mode;
    c.dstUseUtc = 1;
    c.dstStartWeek = 2;
    c.dstStartDay = 14;
    c.dstStartDayOfWeek = 1;  // Sunday
    c.dstStartMonth = 3;
    c.dstStartHour = 2;
    c.dstStartMinute = 30;
    c.dstStartSecond = 15;
    c.dstEndWeek = 5;
    c.dstEndDay = 31;
    c.dstEndDayOfWeek = 7;  // Saturday
    c.dstEndMonth = 10;
    c.dstEndHour = 3;
    c.dstBiasPositive = 1;
    c.dstBiasSeconds = 3600;
    return c;
}

DstSettings WeekdaySettings()
{
    DstSettings s;
    s.mode = kDstByWeekday;
    s.rules.startRule = DstRule{0, 3, 0, 2, 2, 0, 0};
    s.rules.endRule = DstRule{0, 11, 0, 1, 2, 0, 0};
    s.rules.daylightBias = 3600;
    return s;
}

DstSettings FixedDateSettings()
{
    DstSettings s;
    s.mode = kDstByDate;
    s.rules.startRule = DstRule{1, 4, 0, 15, 3, 0, 0};
    s.rules.endRule = DstRule{1, 10, 0, 1, 3, 0, 0};
    s.rules.daylightBias = 7200;
    return s;
}

std::vector<DstId> TickedRadios(const DstControls& c)
{
    std::vector<DstId> ticked;
    for (const DstId* group : {kStartRadios, kEndRadios})
        for (int i = 0; i < 6; ++i)
            if (c.Checked(group[i]))
                ticked.push_back(group[i]);
    return ticked;
}

}  // namespace

TEST(DstConvert, FromTheRecordByMode)
{
    struct Row {
        uint8_t mode;
        uint16_t kind;
        uint8_t startWeekOrDay, endWeekOrDay;
    };
    // Mode 16 takes the days, every other mode the weeks as weekday rules.
    for (const Row& row : {Row{0, 0, 2, 5}, Row{8, 0, 2, 5}, Row{16, 1, 14, 31}, Row{4, 0, 2, 5}}) {
        SCOPED_TRACE(int(row.mode));
        const DstSettings s = DstSettingsFromConfig(RecordWith(row.mode));
        EXPECT_EQ(s.mode, row.mode);
        EXPECT_EQ(s.utcReference, 1);
        EXPECT_EQ(s.rules.bias, 0);
        EXPECT_EQ(s.rules.startRule, (DstRule{row.kind, 3, 0, row.startWeekOrDay, 2, 30, 15}));
        EXPECT_EQ(s.rules.endRule, (DstRule{row.kind, 10, 6, row.endWeekOrDay, 3, 0, 0}));
    }
}

TEST(DstConvert, BiasSignsAndDayOfWeekBothWays)
{
    struct Row {
        uint8_t positive;
        uint32_t magnitude;
        int32_t daylightBias;
    };
    for (const Row& row :
         {Row{0, 3600, -3600}, Row{1, 0, 0}, Row{1, 754, 754}, Row{1, 86399, 86399}, Row{0, 86399, -86399}}) {
        ClockConfig c = RecordWith(kDstByWeekday);
        c.dstBiasPositive = row.positive;
        c.dstBiasSeconds = row.magnitude;
        const DstSettings s = DstSettingsFromConfig(c);
        EXPECT_EQ(s.rules.daylightBias, row.daylightBias);
        ClockConfig back;
        StoreDstSettings(s, back);
        EXPECT_EQ(back.dstBiasPositive, row.positive) << row.daylightBias;
        EXPECT_EQ(back.dstBiasSeconds, row.magnitude) << row.daylightBias;
    }

    // 1 = Sunday .. 7 = Saturday in the record, 0 .. 6 in the rule set; a
    // record's 0 wraps to 255 and comes back as 0.
    for (uint8_t recordDay : {0, 1, 4, 7}) {
        ClockConfig c = RecordWith(kDstByWeekday);
        c.dstStartDayOfWeek = recordDay;
        const DstSettings s = DstSettingsFromConfig(c);
        EXPECT_EQ(s.rules.startRule.dayOfWeek, static_cast<uint8_t>(recordDay - 1));
        ClockConfig back;
        StoreDstSettings(s, back);
        EXPECT_EQ(back.dstStartDayOfWeek, recordDay);
    }
}

TEST(DstConvert, BackIntoTheRecordKeepsTheRest)
{
    // Mode 16 stores the days and leaves the weeks; mode 8 the other way.
    ClockConfig record = RecordWith(kDstByDate);
    DstSettings s = FixedDateSettings();
    s.utcReference = 0;
    s.rules.bias = -99;  // not the daylight-saving dialog's field
    StoreDstSettings(s, record);
    EXPECT_EQ(record.dstMode, kDstByDate);
    EXPECT_EQ(record.dstStartDay, 15);
    EXPECT_EQ(record.dstEndDay, 1);
    EXPECT_EQ(record.dstStartWeek, 2);
    EXPECT_EQ(record.dstEndWeek, 5);
    EXPECT_EQ(record.dstStartMonth, 4);
    EXPECT_EQ(record.dstStartDayOfWeek, 1);
    EXPECT_EQ(record.dstStartHour, 3);
    EXPECT_EQ(record.dstUseUtc, 0);
    EXPECT_EQ(record.dstUseLocal, 1);
    EXPECT_EQ(record.dstBiasSeconds, 7200u);
    EXPECT_EQ(record.configured, 1);
    EXPECT_EQ(record.valid, 1);
    EXPECT_EQ(record.biasSeconds, 18000u);
    EXPECT_EQ(record.handMotion, kHandsStep);
    EXPECT_EQ(record.illumination, 7);

    record.dstStartReserved = record.dstEndReserved = record.dstReserved31 = 9;
    record.dstBiasExtra = 9;
    StoreDstSettings(WeekdaySettings(), record);
    EXPECT_EQ(record.dstStartWeek, 2);
    EXPECT_EQ(record.dstEndWeek, 1);
    EXPECT_EQ(record.dstStartDay, 15);  // left for the clock's mode step
    EXPECT_EQ(record.dstUseUtc, 0);
    EXPECT_EQ(record.dstUseLocal, 1);
    EXPECT_EQ(record.dstStartReserved + record.dstEndReserved + record.dstReserved31 + record.dstBiasExtra, 0);

    // Mode 0 from the clock: OK with daylight time off puts the rule fields
    // back as they came.
    const ClockConfig off = RecordWith(kDstDisabled);
    CDstEditor editor(DstSettingsFromConfig(off));
    const DstOkResult ok = editor.Ok();
    ASSERT_TRUE(ok.accepted);
    ClockConfig back = off;
    StoreDstSettings(editor.Settings(), back);
    ClockConfig expected = off;
    expected.dstUseLocal = 0;
    expected.configured = expected.valid = 1;
    EXPECT_EQ(back, expected);
}

TEST(DstEditorLoad, WhatTheControlsShow)
{
    // Daylight time off: everything but the switch (and OK, Cancel) greyed.
    {
        CDstEditor e(DstSettingsFromConfig(RecordWith(kDstDisabled)));
        const DstControls& c = e.Controls();
        EXPECT_TRUE(c.Checked(DstId::DisableDst));
        EXPECT_EQ(c.mode, kDstDisabled);
        for (const auto& [id, on] : c.enabled)
            EXPECT_EQ(on, id == DstId::DisableDst) << static_cast<int>(id);
        EXPECT_TRUE(c.Enabled(DstId::Ok));
        EXPECT_TRUE(c.Enabled(DstId::Cancel));
        EXPECT_TRUE(c.Checked(DstId::UseUtc));
        EXPECT_EQ(TickedRadios(c), (std::vector<DstId>{DstId::StartWeek2, DstId::EndWeekLast}));
    }
    // Fixed dates: both Absolute, days shown, weekday lists greyed.
    {
        CDstEditor e(DstSettingsFromConfig(RecordWith(kDstByDate)));
        const DstControls& c = e.Controls();
        EXPECT_FALSE(c.Checked(DstId::DisableDst));
        EXPECT_EQ(TickedRadios(c), (std::vector<DstId>{DstId::StartAbsolute, DstId::EndAbsolute}));
        EXPECT_EQ(c.Text(DstId::StartDay), "14");
        EXPECT_EQ(c.Text(DstId::EndDay), "31");
        EXPECT_FALSE(c.Enabled(DstId::StartDayOfWeek));
        EXPECT_FALSE(c.Enabled(DstId::EndDayOfWeek));
        EXPECT_TRUE(c.Enabled(DstId::StartDay));
        EXPECT_EQ(c.Selection(DstId::EndDayOfWeek), 6);
        EXPECT_EQ(c.Selection(DstId::StartMonth), 2);
        EXPECT_EQ(c.Text(DstId::StartHour), "02");
        EXPECT_EQ(c.Text(DstId::StartMinute), "30");
        EXPECT_EQ(c.Text(DstId::StartSecond), "15");
    }
    // Mode 4: daylight time on with weekday rules; OK makes it 8.
    {
        CDstEditor e(DstSettingsFromConfig(RecordWith(4)));
        EXPECT_FALSE(e.Controls().Checked(DstId::DisableDst));
        EXPECT_TRUE(e.Controls().Enabled(DstId::StartDayOfWeek));
        EXPECT_FALSE(e.Controls().Enabled(DstId::StartDay));
        EXPECT_EQ(e.Controls().Text(DstId::StartDay), "");  // not written for weekday rules
        EXPECT_EQ(e.Ok().mode, kDstByWeekday);
    }
    // The bias fields and their sign.
    struct BiasRow {
        int32_t bias;
        const char *hours, *minutes, *seconds;
        bool negative;
    };
    for (const BiasRow& row : {BiasRow{-3600, "01", "00", "00", true}, BiasRow{0, "00", "00", "00", false},
                               BiasRow{754, "00", "12", "34", false}, BiasRow{86399, "23", "59", "59", false}}) {
        DstSettings s = WeekdaySettings();
        s.rules.daylightBias = row.bias;
        CDstEditor e(s);
        const DstControls& c = e.Controls();
        EXPECT_EQ(c.Text(DstId::BiasHours), row.hours) << row.bias;
        EXPECT_EQ(c.Text(DstId::BiasMinutes), row.minutes) << row.bias;
        EXPECT_EQ(c.Text(DstId::BiasSeconds), row.seconds) << row.bias;
        EXPECT_EQ(c.Checked(DstId::BiasNegative), row.negative) << row.bias;
        ASSERT_TRUE(e.Ok().accepted);
        EXPECT_EQ(e.Settings().rules.daylightBias, row.bias);
    }
    // Values outside the lists and weeks select nothing.
    DstSettings odd = WeekdaySettings();
    odd.rules.startRule.weekOrDay = 0;
    odd.rules.endRule.weekOrDay = 6;
    odd.rules.startRule.month = 13;
    odd.rules.endRule.dayOfWeek = 255;
    CDstEditor e(odd);
    EXPECT_TRUE(TickedRadios(e.Controls()).empty());
    EXPECT_EQ(e.Controls().Selection(DstId::StartMonth), -1);
    EXPECT_EQ(e.Controls().Selection(DstId::EndDayOfWeek), -1);
}

TEST(DstEditorEvents, RuleFormsMoveTogetherAndTheSwitchRestoresThem)
{
    CDstEditor e(WeekdaySettings());
    e.ClickRadio(DstId::EndAbsolute);
    EXPECT_EQ(TickedRadios(e.Controls()), (std::vector<DstId>{DstId::StartAbsolute, DstId::EndAbsolute}));
    EXPECT_FALSE(e.Controls().Enabled(DstId::StartDayOfWeek));
    EXPECT_FALSE(e.Controls().Enabled(DstId::EndDayOfWeek));
    EXPECT_TRUE(e.Controls().Enabled(DstId::StartDay));
    EXPECT_TRUE(e.Controls().Enabled(DstId::EndDay));
    // The day fields were never written for weekday rules: they are empty.
    EXPECT_EQ(e.Controls().Text(DstId::StartDay), "");

    // Off and on again: the fixed-date form's enabled state comes back.
    e.ClickDisableDst(true);
    EXPECT_EQ(e.Controls().mode, kDstDisabled);
    EXPECT_FALSE(e.Controls().Enabled(DstId::StartDay));
    EXPECT_FALSE(e.Controls().Enabled(DstId::PresetUsCanadaPre2007));
    EXPECT_FALSE(e.Controls().Enabled(DstId::ImportZone));
    e.ClickRadio(DstId::StartWeek3);  // disabled: ignored, as the toolkit would
    EXPECT_TRUE(e.Controls().Checked(DstId::StartAbsolute));
    e.ClickDisableDst(false);
    EXPECT_NE(e.Controls().mode, kDstDisabled);
    EXPECT_FALSE(e.Controls().Enabled(DstId::StartDayOfWeek));
    EXPECT_TRUE(e.Controls().Enabled(DstId::StartDay));
    EXPECT_TRUE(e.Controls().Enabled(DstId::PresetUsCanadaPre2007));

    // A week in one group returns the other to "First".
    e.ClickRadio(DstId::StartWeek2);
    EXPECT_EQ(TickedRadios(e.Controls()), (std::vector<DstId>{DstId::StartWeek2, DstId::EndWeek1}));
    EXPECT_TRUE(e.Controls().Enabled(DstId::EndDayOfWeek));
    EXPECT_FALSE(e.Controls().Enabled(DstId::EndDay));
    e.ClickRadio(DstId::EndWeekLast);
    EXPECT_EQ(TickedRadios(e.Controls()), (std::vector<DstId>{DstId::StartWeek2, DstId::EndWeekLast}));
    e.ClickDisableDst(true);
    e.ClickDisableDst(false);
    EXPECT_TRUE(e.Controls().Enabled(DstId::StartDayOfWeek));
    EXPECT_FALSE(e.Controls().Enabled(DstId::StartDay));

    const DstOkResult ok = e.Ok();
    ASSERT_TRUE(ok.accepted);
    EXPECT_EQ(ok.mode, kDstByWeekday);
    EXPECT_EQ(e.Settings().rules.startRule, (DstRule{0, 3, 0, 2, 2, 0, 0}));
    EXPECT_EQ(e.Settings().rules.endRule, (DstRule{0, 11, 0, 5, 2, 0, 0}));

    // "Use UTC" sets the reference at once; a tick on a zero bias stays 0.
    CDstEditor f(WeekdaySettings());
    f.ClickUseUtc(true);
    EXPECT_EQ(f.Settings().utcReference, 1);
    f.SetText(DstId::BiasHours, "00");
    f.ClickBiasNegative(true);
    ASSERT_TRUE(f.Ok().accepted);
    EXPECT_EQ(f.Settings().rules.daylightBias, 0);
    ClockConfig record;
    StoreDstSettings(f.Settings(), record);
    EXPECT_EQ(record.dstBiasPositive, 1);
    EXPECT_EQ(record.dstUseUtc, 1);
}

TEST(DstEditorOk, CollectsFixedDatesAndEditedValues)
{
    struct Row {
        const char* legend;
        DstId month;
        int monthIndex;
        const char* day;
        uint8_t storedDay;
    };
    for (const Row& row : {Row{"31 March", DstId::StartMonth, 2, "31", 31},
                           Row{"29 February is allowed", DstId::StartMonth, 1, "29", 29},
                           Row{"blanks around the day", DstId::EndMonth, 0, " 7 ", 7}}) {
        CDstEditor e(FixedDateSettings());
        e.SelectEntry(row.month, row.monthIndex);
        e.SetText(row.month == DstId::StartMonth ? DstId::StartDay : DstId::EndDay, row.day);
        e.SetText(DstId::EndHour, "4");
        e.SetText(DstId::EndMinute, "");
        const DstOkResult ok = e.Ok();
        ASSERT_TRUE(ok.accepted) << row.legend;
        EXPECT_EQ(ok.mode, kDstByDate) << row.legend;
        const DstRule& rule =
            row.month == DstId::StartMonth ? e.Settings().rules.startRule : e.Settings().rules.endRule;
        EXPECT_EQ(rule.kind, 1) << row.legend;
        EXPECT_EQ(rule.weekOrDay, row.storedDay) << row.legend;
        EXPECT_EQ(rule.month, row.monthIndex + 1) << row.legend;
        EXPECT_EQ(e.Settings().rules.endRule.hour, 4) << row.legend;
        EXPECT_EQ(e.Settings().rules.endRule.minute, 0) << row.legend;
    }
}

// Values the clock would refuse, or take as something nobody chose, keep the
// dialog open with a message and the focus on the field; nothing is
// collected.
TEST(DstEditorOk, RefusesWhatTheClockWouldReplaceByItsDefaults)
{
    struct Row {
        const char* legend;
        DstSettings settings;
        void (*edit)(CDstEditor&);
        const char* message;
        DstId focus;
    };
    const Row rows[] = {
        {"day 300 (would be stored as 44)", FixedDateSettings(),
         [](CDstEditor& e) { e.SetText(DstId::StartDay, "300"); },
         "Daylight savings time start: type a day of the month from 1 to 31.", DstId::StartDay},
        {"empty day", FixedDateSettings(), [](CDstEditor& e) { e.SetText(DstId::EndDay, ""); },
         "Daylight savings time end: type a day of the month from 1 to 31.", DstId::EndDay},
        {"day 0", FixedDateSettings(), [](CDstEditor& e) { e.SetText(DstId::StartDay, "0"); },
         "Daylight savings time start: type a day of the month from 1 to 31.", DstId::StartDay},
        {"a letter in the day", FixedDateSettings(), [](CDstEditor& e) { e.SetText(DstId::StartDay, "3O"); },
         "Daylight savings time start: type a day of the month from 1 to 31.", DstId::StartDay},
        {"31 April", FixedDateSettings(), [](CDstEditor& e) { e.SetText(DstId::StartDay, "31"); },
         "Daylight savings time start: April has 30 days.", DstId::StartDay},
        {"30 February", FixedDateSettings(),
         [](CDstEditor& e) {
             e.SelectEntry(DstId::EndMonth, 1);
             e.SetText(DstId::EndDay, "30");
         },
         "Daylight savings time end: February has 29 days.", DstId::EndDay},
        {"Absolute chosen on weekday rules, no day typed", WeekdaySettings(),
         [](CDstEditor& e) { e.ClickRadio(DstId::StartAbsolute); },
         "Daylight savings time start: type a day of the month from 1 to 31.", DstId::StartDay},
        {"no month", WeekdaySettings(), [](CDstEditor& e) { e.SelectEntry(DstId::EndMonth, -1); },
         "Daylight savings time end: choose a month.", DstId::EndMonth},
        {"no day of week", WeekdaySettings(), [](CDstEditor& e) { e.SelectEntry(DstId::StartDayOfWeek, -1); },
         "Daylight savings time start: choose a day of the week.", DstId::StartDayOfWeek},
        {"no week radio", WeekdaySettings(),
         [](CDstEditor& e) {
             DstSettings s = e.Settings();
             s.rules.endRule.weekOrDay = 0;
             e = CDstEditor(s);
         },
         "Daylight savings time end: choose a week (First to Last) or Absolute.", DstId::EndWeek1},
        {"hour 25", WeekdaySettings(), [](CDstEditor& e) { e.SetText(DstId::StartHour, "25"); },
         "Daylight savings time start: type an hour from 0 to 24.", DstId::StartHour},
        {"minute 61", WeekdaySettings(), [](CDstEditor& e) { e.SetText(DstId::EndMinute, "61"); },
         "Daylight savings time end: type a minute from 0 to 60.", DstId::EndMinute},
        {"second 61", WeekdaySettings(), [](CDstEditor& e) { e.SetText(DstId::EndSecond, "61"); },
         "Daylight savings time end: type a second from 0 to 60.", DstId::EndSecond},
        {"a fixed date beside a weekday rule", WeekdaySettings(),
         [](CDstEditor& e) {
             DstSettings s = e.Settings();
             s.rules.startRule = DstRule{1, 4, 0, 15, 3, 0, 0};
             e = CDstEditor(s);
         },
         "Daylight savings time start: choose Absolute in both groups or a week in both.", DstId::StartAbsolute},
    };
    for (const Row& row : rows) {
        CDstEditor e(row.settings);
        row.edit(e);
        const DstSettings before = e.Settings();
        const DstOkResult ok = e.Ok();
        EXPECT_FALSE(ok.accepted) << row.legend;
        ASSERT_TRUE(ok.refusal) << row.legend;
        EXPECT_EQ(ok.refusal->message, row.message) << row.legend;
        EXPECT_EQ(ok.refusal->focus, row.focus) << row.legend;
        EXPECT_EQ(e.Settings(), before) << row.legend;

        // With daylight time off, OK takes mode 0 and nothing else.
        e.ClickDisableDst(true);
        const DstOkResult off = e.Ok();
        EXPECT_TRUE(off.accepted) << row.legend;
        EXPECT_EQ(off.mode, kDstDisabled) << row.legend;
        EXPECT_EQ(e.Settings().rules, before.rules) << row.legend;
    }
}

TEST(DstPresets, TheTableAndWhatTheyChange)
{
    struct Row {
        DstId button;
        DstRule start, end;
        uint8_t utcReference;
    };
    const Row rows[] = {
        {DstId::PresetUsCanada, {0, 3, 0, 2, 2, 0, 0}, {0, 11, 0, 1, 2, 0, 0}, 0},
        {DstId::PresetUsCanadaPre2007, {0, 4, 0, 1, 2, 0, 0}, {0, 10, 0, 5, 2, 0, 0}, 0},
        {DstId::PresetEu, {0, 3, 0, 5, 1, 0, 0}, {0, 10, 0, 5, 1, 0, 0}, 1},
    };
    for (const Row& row : rows) {
        // Applied over fixed dates with a negative bias and the other
        // reference: every field is replaced and the week radios return.
        DstSettings s = FixedDateSettings();
        s.rules.daylightBias = -1800;
        s.rules.bias = 3600;
        s.utcReference = row.utcReference ? 0 : 1;
        CDstEditor e(s);
        const auto preset = DstPresetOfButton(row.button);
        ASSERT_TRUE(preset);
        e.ApplyPreset(*preset);
        const DstControls& c = e.Controls();
        EXPECT_FALSE(c.Checked(DstId::DisableDst));
        EXPECT_EQ(c.Checked(DstId::UseUtc), row.utcReference == 1);
        EXPECT_EQ(c.Text(DstId::BiasHours), "01");
        EXPECT_FALSE(c.Checked(DstId::BiasNegative));
        EXPECT_TRUE(c.Enabled(DstId::StartDayOfWeek));
        EXPECT_FALSE(c.Enabled(DstId::EndDay));
        const DstOkResult ok = e.Ok();
        ASSERT_TRUE(ok.accepted);
        EXPECT_EQ(ok.mode, kDstByWeekday);
        EXPECT_EQ(e.Settings().rules.startRule, row.start);
        EXPECT_EQ(e.Settings().rules.endRule, row.end);
        EXPECT_EQ(e.Settings().rules.daylightBias, 3600);
        EXPECT_EQ(e.Settings().rules.bias, 3600);
        EXPECT_EQ(e.Settings().utcReference, row.utcReference);
    }

    // US/Canada and OK into the record: Sunday becomes 1, the sign flag 1.
    CDstEditor us(FixedDateSettings());
    us.ApplyPreset(DstPreset::UsCanada);
    ASSERT_TRUE(us.Ok().accepted);
    ClockConfig record;
    StoreDstSettings(us.Settings(), record);
    EXPECT_EQ(record.dstMode, kDstByWeekday);
    EXPECT_EQ(record.dstStartWeek, 2);
    EXPECT_EQ(record.dstStartDayOfWeek, 1);
    EXPECT_EQ(record.dstStartMonth, 3);
    EXPECT_EQ(record.dstEndWeek, 1);
    EXPECT_EQ(record.dstEndMonth, 11);
    EXPECT_EQ(record.dstBiasPositive, 1);
    EXPECT_EQ(record.dstBiasSeconds, 3600u);
    EXPECT_EQ(record.dstUseUtc, 0);

    // While daylight time is off the buttons are disabled: nothing changes.
    CDstEditor off(DstSettingsFromConfig(RecordWith(kDstDisabled)));
    const DstSettings before = off.Settings();
    off.ApplyPreset(DstPreset::Eu);
    DstZoneImport tokyo;
    tokyo.zoneId = "Asia/Tokyo";
    tokyo.found = true;
    off.ApplyImport(tokyo);
    EXPECT_EQ(off.Settings(), before);
    EXPECT_TRUE(off.SourceZone().empty());
}

// The record a preset leads to, written to the simulated clock as the
// clock device writes it: its local time switches at the preset's moments.
TEST(DstPresets, SimulatedClockSwitchesWhereThePresetSays)
{
    struct Switch {
        sys_seconds at;  // UTC
        int64_t offsetAfter;
    };
    struct Row {
        DstPreset preset;
        int32_t standardBias;
        std::vector<Switch> switches;
    };
    const Row rows[] = {
        // Last Sundays of March and October 2027, 01:00 UTC.
        {DstPreset::Eu, 3600, {{sys_days{2027y / March / 28} + 1h, 7200}, {sys_days{2027y / October / 31} + 1h, 3600}}},
        // 02:00 standard time on 14 March (07:00 UTC), 02:00 daylight time
        // on 7 November (06:00 UTC), five hours behind UTC.
        {DstPreset::UsCanada,
         -18000,
         {{sys_days{2027y / March / 14} + 7h, -14400}, {sys_days{2027y / November / 7} + 6h, -18000}}},
    };
    for (const Row& row : rows) {
        CDstEditor e(WeekdaySettings());
        e.ApplyPreset(row.preset);
        ASSERT_TRUE(e.Ok().accepted);
        ClockConfig record = CSimClock().Config();
        record.biasPositive = row.standardBias < 0 ? 0 : 1;
        record.biasSeconds = static_cast<uint32_t>(std::abs(row.standardBias));
        StoreDstSettings(e.Settings(), record);
        PrepareConfigForWrite(record);
        CSimClock clock;
        clock.SetConfig(record);
        for (const Switch& s : row.switches) {
            for (const auto& [at, offset] :
                 {std::pair{s.at - 1s,
                            s.offsetAfter == row.standardBias ? row.standardBias + 3600 : int64_t{row.standardBias}},
                  std::pair{s.at, s.offsetAfter}}) {
                const int64_t clockSeconds = at.time_since_epoch().count() + 2208988800;
                clock.SetUtc(
                    ClockTime{1, static_cast<uint8_t>(clockSeconds >> 32), static_cast<uint32_t>(clockSeconds), 0});
                // Both times from one reply, as the program reads them.
                ClockTime utc;
                ClockTime local;
                ASSERT_TRUE(DecodeCurrentTime(clock.Handle(kCmdCurrentTime, "").payload, utc, local));
                const int64_t shown = ((int64_t{local.secondsHigh} << 32) | local.seconds) -
                    ((int64_t{utc.secondsHigh} << 32) | utc.seconds);
                EXPECT_EQ(shown, offset) << static_cast<int>(row.preset) << " at " << clockSeconds;
            }
        }
    }
}
