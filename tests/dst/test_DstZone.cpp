// The import of real zones from this machine's tz data and the preview of
// the changes the rules make, checked against the zones' own transitions as
// QTimeZone reads them.
#include "DstEditor.h"
#include "DstPreview.h"
#include "DstRules.h"
#include "DstYearStrip.h"
#include "DstZoneImport.h"
#include "TimeZoneCatalogue.h"

#include <QDateTime>
#include <QTimeZone>
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

using namespace std::chrono;
using namespace std::chrono_literals;

namespace {

const sys_seconds kNow = sys_days{2026y / January / 1};

// The zone's changes between standard and daylight time from `from` for ten
// years, straight from QTimeZone.
std::vector<sys_seconds> ZoneTransitions(const char* zoneId, sys_seconds from)
{
    const QTimeZone zone(zoneId);
    const QDateTime start = QDateTime::fromSecsSinceEpoch(from.time_since_epoch().count(), QTimeZone::utc());
    std::vector<sys_seconds> at;
    for (const auto& t : zone.transitions(start, start.addYears(10)))
        at.push_back(sys_seconds{seconds(t.atUtc.toSecsSinceEpoch())});
    return at;
}

QDateTime ToQt(sys_seconds t)
{
    return QDateTime::fromSecsSinceEpoch(t.time_since_epoch().count(), QTimeZone::utc());
}

// The bias the time zone dialog and "set timezone" give the zone.
int32_t StandardOffset(const char* zoneId, sys_seconds at = kNow)
{
    return -60 * BaseBiasMinutes(QTimeZone(zoneId), ToQt(at));
}

// The clock after "set timezone ZONE" and "set dst zone ZONE": the zone's
// bias, and the imported rules as the editor's OK and the write check store
// them.
ClockConfig ClockInZone(const DstZoneImport& imported, const std::string& zoneId, sys_seconds at = kNow)
{
    CDstEditor editor(DstSettings{{}, kDstByWeekday, 0});
    editor.ApplyImport(imported);
    const DstOkResult ok = editor.Ok();
    EXPECT_TRUE(ok.accepted) << zoneId;
    ClockConfig config;
    StoreStandardBias(config, StandardOffset(zoneId.c_str(), at));
    StoreDstSettings(editor.Settings(), config);
    ApplyDstModeStep(config);
    return config;
}

// The changes the imported rules make on the clock, counted as the clock
// counts them.
std::vector<sys_seconds> ClockTransitions(const DstZoneImport& imported, const char* zoneId, sys_seconds from)
{
    std::vector<sys_seconds> at;
    for (const DstChange& change : DstChanges(ClockInZone(imported, zoneId), from, from + years{10}))
        at.push_back(change.at);
    return at;
}

// The first moment of the ten years from `from` where the clock's local time
// is not the zone's as QTimeZone gives it: checked at, and a second before,
// every change of either, where alone the two can part.
std::optional<sys_seconds> FirstMismatch(const ClockConfig& config, const char* zoneId, sys_seconds from)
{
    const QTimeZone zone(zoneId);
    std::vector<sys_seconds> moments{from};
    for (const auto& t : zone.transitions(ToQt(from), ToQt(from + years{10})))
        moments.push_back(sys_seconds{seconds(t.atUtc.toSecsSinceEpoch())});
    for (const DstChange& c : DstChanges(config, from, from + years{10}))
        moments.push_back(c.at);
    const int64_t bias = SignedSeconds(config.biasPositive, config.biasSeconds);
    const int64_t shift = SignedSeconds(config.dstBiasPositive, config.dstBiasSeconds);
    for (sys_seconds m : moments)
        for (sys_seconds at : {m - 1s, m})
            if (at >= from && bias + (DstInForce(config, at) ? shift : 0) != zone.offsetFromUtc(ToQt(at)))
                return at;
    return std::nullopt;
}

}  // namespace

TEST(DstZoneImport, ZonesWithDaylightSaving)
{
    struct Row {
        const char* zone;
        DstRule start, end;
        int32_t shift;
        uint8_t utcReference;
        bool exact;
        const char* messageStart;
    };
    const Row rows[] = {
        {"Europe/Berlin",
         {0, 3, 0, 5, 1, 0, 0},
         {0, 10, 0, 5, 1, 0, 0},
         3600,
         1,
         true,
         "Imported the rules of Europe/Berlin: daylight time starts on the last Sunday of March at 01:00 UTC and "
         "ends on the last Sunday of October at 01:00 UTC."},
        // Irish winter time is the tz data's negative daylight saving: the
        // clock keeps UTC+00:00 and moves forward in summer, as London.
        {"Europe/Dublin",
         {0, 3, 0, 5, 1, 0, 0},
         {0, 10, 0, 5, 1, 0, 0},
         3600,
         1,
         true,
         "Imported the rules of Europe/Dublin: daylight time starts on the last Sunday of March at 01:00 UTC and "
         "ends on the last Sunday of October at 01:00 UTC."},
        // "Sunday on or after the 8th" is exactly the second Sunday.
        {"America/New_York",
         {0, 3, 0, 2, 2, 0, 0},
         {0, 11, 0, 1, 2, 0, 0},
         3600,
         0,
         true,
         "Imported the rules of America/New_York: daylight time starts on the second Sunday of March at 02:00 local "
         "time and ends on the first Sunday of November at 02:00 local time."},
        // Ends at 02:00 standard time, which the clock's face shows as 03:00.
        {"Australia/Sydney",
         {0, 10, 0, 1, 2, 0, 0},
         {0, 4, 0, 1, 3, 0, 0},
         3600,
         0,
         true,
         "Imported the rules of Australia/Sydney: daylight time starts on the first Sunday of October at 02:00 local "
         "time and ends on the first Sunday of April at 03:00 local time."},
        {"Australia/Lord_Howe",
         {0, 10, 0, 1, 2, 0, 0},
         {0, 4, 0, 1, 2, 0, 0},
         1800,
         0,
         true,
         "Imported the rules of Australia/Lord_Howe: daylight time starts on the first Sunday of October at 02:00 "
         "local time and ends on the first Sunday of April at 02:00 local time. Daylight time moves the clock 0:30 "
         "forward."},
        // The Friday before the last Sunday of March: the nearest weekday
        // rule is the fourth Friday, which misses in 2030.
        {"Asia/Jerusalem",
         {0, 3, 5, 4, 2, 0, 0},
         {0, 10, 0, 5, 2, 0, 0},
         3600,
         0,
         false,
         "Imported the rules of Asia/Jerusalem: daylight time starts on the fourth Friday of March at 02:00 local "
         "time and ends on the last Sunday of October at 02:00 local time."},
    };
    for (const Row& row : rows) {
        const DstZoneImport imported = ImportDstZone(row.zone, kNow);
        EXPECT_TRUE(imported.found) << row.zone;
        EXPECT_TRUE(imported.hasDst) << row.zone;
        EXPECT_TRUE(imported.referenceConfirmed) << row.zone;
        EXPECT_EQ(imported.exact, row.exact) << row.zone;
        EXPECT_EQ(imported.rules.startRule, row.start) << row.zone;
        EXPECT_EQ(imported.rules.endRule, row.end) << row.zone;
        EXPECT_EQ(imported.rules.daylightBias, row.shift) << row.zone;
        EXPECT_EQ(imported.utcReference, row.utcReference) << row.zone;
        EXPECT_EQ(imported.message.rfind(row.messageStart, 0), 0u) << imported.message;
        // The clock's changes under the imported rules against the zone's.
        const auto theirs = ZoneTransitions(row.zone, kNow);
        const auto ours = ClockTransitions(imported, row.zone, kNow);
        if (row.exact) {
            EXPECT_EQ(imported.message.find("cannot follow"), std::string::npos) << imported.message;
            EXPECT_EQ(ours, theirs) << row.zone;
            EXPECT_EQ(FirstMismatch(ClockInZone(imported, row.zone), row.zone, kNow), std::nullopt) << row.zone;
        } else {
            EXPECT_NE(ours, theirs) << row.zone;
        }
    }

    // The inexact rule says what the zone does and where the clock differs.
    const DstZoneImport jerusalem = ImportDstZone("Asia/Jerusalem", kNow);
    EXPECT_NE(jerusalem.message.find("The clock cannot follow the start exactly: Asia/Jerusalem starts daylight time "
                                     "on the Friday on or after 23 March, and the fourth Friday of March differs in "
                                     "2030"),
              std::string::npos)
        << jerusalem.message;
    EXPECT_NE(jerusalem.message.find("(Fri 29 Mar 2030 02:00 local time there, Fri 22 Mar 2030 02:00 local time on "
                                     "the clock)"),
              std::string::npos)
        << jerusalem.message;
    // Only the start misses, and only where the 29th is a Friday.
    const auto theirs = ZoneTransitions("Asia/Jerusalem", kNow);
    const auto ours = ClockTransitions(jerusalem, "Asia/Jerusalem", kNow);
    ASSERT_EQ(ours.size(), theirs.size());
    std::vector<sys_seconds> missed;
    for (size_t i = 0; i < ours.size(); ++i)
        if (ours[i] != theirs[i])
            missed.push_back(theirs[i]);
    EXPECT_EQ(missed, (std::vector<sys_seconds>{sys_days{2030y / March / 29} + 0h}));
}

TEST(DstZoneImport, ZonesWithoutDaylightSavingAndUnknownZones)
{
    // Mexico City gave up daylight saving in late 2022 (ICU's older copy
    // still has rules for it), São Paulo in 2019; Tokyo never had it here.
    for (const char* zone : {"America/Mexico_City", "Asia/Tokyo", "America/Sao_Paulo"}) {
        const DstZoneImport imported = ImportDstZone(zone, kNow);
        EXPECT_TRUE(imported.found) << zone;
        EXPECT_FALSE(imported.hasDst) << zone;
        EXPECT_EQ(imported.rules, DstRuleSet{}) << zone;
        EXPECT_EQ(imported.utcReference, 0) << zone;
        EXPECT_EQ(imported.message,
                  std::string(zone) +
                      " has no daylight saving time: \"Disable daylight time\" is ticked, so the clock keeps "
                      "standard time all year.");

        // Loaded, it turns daylight time off (no dead end of empty rules)
        // and leaves the rules shown for whoever turns it on again.
        CDstEditor editor(DstSettings{{}, kDstByWeekday, 1});
        editor.ApplyPreset(DstPreset::Eu);
        const DstSettings before = editor.Settings();
        editor.ApplyImport(imported);
        EXPECT_TRUE(editor.Controls().Checked(DstId::DisableDst));
        EXPECT_EQ(editor.SourceZone(), zone);
        const DstOkResult ok = editor.Ok();
        EXPECT_TRUE(ok.accepted);
        EXPECT_EQ(ok.mode, kDstDisabled);
        EXPECT_EQ(editor.Settings().rules, before.rules);
    }

    const DstZoneImport unknown = ImportDstZone("Nowhere/Atlantis", kNow);
    EXPECT_FALSE(unknown.found);
    EXPECT_EQ(unknown.message,
              "The time zone \"Nowhere/Atlantis\" is not in this computer's time zone data; nothing was imported.");
    CDstEditor editor(DstSettings{{}, kDstByWeekday, 0});
    editor.ApplyPreset(DstPreset::Eu);
    const DstSettings before = editor.Settings();
    editor.ApplyImport(unknown);
    EXPECT_EQ(editor.Settings(), before);
    EXPECT_TRUE(editor.SourceZone().empty());
}

// The conversion on made-up zones, without the tz data: what it makes of
// changes no real zone may have today.
TEST(DstZoneImport, ConversionOfMadeUpZones)
{
    // Changes on 22 March and 22 September at 00:00 local time, UTC+03:30,
    // for five years: fixed dates in both rules.
    const int32_t standard = 12600;
    ZoneDstData fixed{"Test/Fixed", true, standard, {}, {}, 0, {}};
    for (int y = 2026; y < 2031; ++y) {
        const sys_seconds start = sys_days{year{y} / March / 22} - seconds(standard);
        const sys_seconds end = sys_days{year{y} / September / 22} - seconds(standard + 3600);
        fixed.changes.push_back({start, true, standard, standard, 3600});
        fixed.changes.push_back({end, false, standard + 3600, standard, 3600});
    }
    DstZoneImport imported = ImportDstChanges(fixed, {}, kNow);
    EXPECT_TRUE(imported.hasDst);
    EXPECT_TRUE(imported.exact);
    EXPECT_FALSE(imported.referenceConfirmed);
    EXPECT_EQ(imported.rules.startRule, (DstRule{1, 3, 0, 22, 0, 0, 0}));
    EXPECT_EQ(imported.rules.endRule, (DstRule{1, 9, 0, 22, 0, 0, 0}));

    // The same zone with ICU's rules in UTC that make its changes: the
    // reference is confirmed, and the rules count in UTC.
    ZoneYearlyRule startUtc{ZoneYearlyRule::Day::OfMonth, 3, 21, 0, 1, hours(20) + minutes(30),
                            ZoneYearlyRule::Scale::Utc};
    ZoneYearlyRule endUtc{ZoneYearlyRule::Day::OfMonth, 9, 21, 0, 1, hours(19) + minutes(30),
                          ZoneYearlyRule::Scale::Utc};
    fixed.changes.clear();
    for (int y = 2026; y < 2040; ++y) {
        fixed.changes.push_back(
            {sys_days{year{y} / March / 21} + hours(20) + minutes(30), true, standard, standard, 3600});
        fixed.changes.push_back(
            {sys_days{year{y} / September / 21} + hours(19) + minutes(30), false, standard + 3600, standard, 3600});
    }
    imported = ImportDstChanges(fixed, {startUtc, endUtc}, kNow);
    EXPECT_TRUE(imported.referenceConfirmed);
    EXPECT_EQ(imported.utcReference, 1);
    EXPECT_TRUE(imported.exact);
    EXPECT_EQ(imported.rules.startRule, (DstRule{1, 3, 0, 21, 20, 30, 0}));
    // ICU's rules that miss a change confirm nothing.
    startUtc.dayOfMonth = 20;
    imported = ImportDstChanges(fixed, {startUtc, endUtc}, kNow);
    EXPECT_FALSE(imported.referenceConfirmed);
    EXPECT_EQ(imported.utcReference, 0);

    // A shift that varies: the one used most, and the message says so.
    ZoneDstData varying{"Test/Varying", true, 0, {}, {}, 0, {}};
    for (int y = 2026; y < 2029; ++y) {
        const int32_t shift = y == 2028 ? 1800 : 3600;
        varying.changes.push_back({sys_days{year{y} / April / 1}, true, 0, 0, shift});
        varying.changes.push_back({sys_days{year{y} / October / 1}, false, shift, 0, shift});
    }
    imported = ImportDstChanges(varying, {}, kNow);
    EXPECT_EQ(imported.rules.daylightBias, 3600);
    EXPECT_FALSE(imported.exact);
    EXPECT_NE(imported.message.find("The zone's shift varies over the years; the clock keeps +1:00."),
              std::string::npos)
        << imported.message;

    // Starts without ends is no daylight saving the clock can keep; a zone
    // the data does not know imports nothing.
    ZoneDstData onlyStarts{"Test/Starts", true, 0, {{kNow, true, 0, 0, 3600}}, {}, 0, {}};
    EXPECT_FALSE(ImportDstChanges(onlyStarts, {}, kNow).hasDst);
    ZoneDstData unknown{"Test/Unknown", false, 0, {}, {}, 0, {}};
    const DstZoneImport none = ImportDstChanges(unknown, {}, kNow);
    EXPECT_FALSE(none.found);
    EXPECT_EQ(none.message,
              "The time zone \"Test/Unknown\" is not in this computer's time zone data; nothing was "
              "imported.");
}

TEST(DstZoneImport, TheComputersOwnZone)
{
    // Qt reads the computer's zone from TZ first.
    ASSERT_EQ(setenv("TZ", "America/New_York", 1), 0);
    const DstZoneImport imported = ImportSystemDstZone(kNow);
    EXPECT_EQ(imported.zoneId, "America/New_York");
    EXPECT_EQ(imported.rules.startRule, (DstRule{0, 3, 0, 2, 2, 0, 0}));
}

TEST(DstPreview, NextChangesInTheUsersTerms)
{
    const sys_seconds november2026 = sys_days{2026y / November / 1};
    CDstEditor eu(DstSettings{{}, kDstByWeekday, 0});
    eu.ApplyPreset(DstPreset::Eu);
    EXPECT_EQ(PreviewDst(eu.Shown(), {3600, november2026, ""}).next,
              "Next: Sun 28 Mar 2027 01:00 UTC (+1:00), Sun 31 Oct 2027 01:00 UTC (-1:00)");

    // Local rules show the wall clock before each change; a shift of 0:30
    // and seconds show as such.
    CDstEditor us(DstSettings{{}, kDstByWeekday, 0});
    us.ApplyPreset(DstPreset::UsCanada);
    us.SetText(DstId::BiasHours, "0");
    us.SetText(DstId::BiasMinutes, "30");
    us.SetText(DstId::EndSecond, "15");
    EXPECT_EQ(PreviewDst(us.Shown(), {-18000, kNow, ""}).next,
              "Next: Sun 8 Mar 2026 02:00 local (+0:30), Sun 1 Nov 2026 02:00:15 local (-0:30)");

    // Southern hemisphere: the end comes first in the year.
    const DstZoneImport sydney = ImportDstZone("Australia/Sydney", kNow);
    CDstEditor south(DstSettings{{}, kDstByWeekday, 0});
    south.ApplyImport(sydney);
    const DstPreview preview = PreviewDst(south.Shown(), {36000, kNow, "Australia/Sydney"});
    EXPECT_EQ(preview.next, "Next: Sun 5 Apr 2026 03:00 local (-1:00), Sun 4 Oct 2026 02:00 local (+1:00)");
    EXPECT_TRUE(preview.agrees) << preview.zoneCheck;

    // Off, and incomplete values.
    us.ClickDisableDst(true);
    EXPECT_EQ(PreviewDst(us.Shown(), {0, kNow, ""}).next, "Daylight time off");
    us.ClickDisableDst(false);
    us.SelectEntry(DstId::EndMonth, -1);
    const DstPreview incomplete = PreviewDst(us.Shown(), {0, kNow, ""});
    EXPECT_FALSE(incomplete.complete);
    EXPECT_EQ(incomplete.next, "Daylight savings time end: choose a month.");
}

TEST(DstYearStrip, ShadedPeriodAndChangesOnTheClocksFace)
{
    // Positions are read back as UTC moments, so each row states when the
    // shading starts and stops; its edges stand for the strip's own.
    const sys_seconds from = sys_days{2027y / January / 1};
    const sys_seconds edge{};
    struct Row {
        const char* what;
        DstRule start;
        DstRule end;
        uint8_t utc;
        int32_t bias;
        std::vector<std::pair<sys_seconds, sys_seconds>> daylight;
        std::vector<std::tuple<sys_seconds, bool, std::string>> changes;
    };
    const Row rows[] = {
        {"north, EU rules in UTC",
         {0, 3, 0, 5, 1, 0, 0},
         {0, 10, 0, 5, 1, 0, 0},
         1,
         3600,
         {{sys_days{2027y / March / 28} + 1h, sys_days{2027y / October / 31} + 1h}},
         {{sys_days{2027y / March / 28} + 1h, true, "28 Mar"}, {sys_days{2027y / October / 31} + 1h, false, "31 Oct"}}},
        // The period wraps the new year: shaded from today and up to a year
        // on; the face is ten hours ahead of UTC, a day ahead at 16:00.
        {"south, local rules",
         {0, 10, 0, 1, 2, 0, 0},
         {0, 4, 0, 1, 3, 0, 0},
         0,
         36000,
         {{edge, sys_days{2027y / April / 3} + 16h}, {sys_days{2027y / October / 2} + 16h, edge}},
         {{sys_days{2027y / April / 3} + 16h, false, "4 Apr"}, {sys_days{2027y / October / 2} + 16h, true, "3 Oct"}}},
        // 03:00 UTC is the evening before on a face five hours behind.
        {"UTC reference",
         {0, 3, 0, 2, 3, 0, 0},
         {0, 11, 0, 1, 3, 0, 0},
         1,
         -18000,
         {{sys_days{2027y / March / 14} + 3h, sys_days{2027y / November / 7} + 3h}},
         {{sys_days{2027y / March / 14} + 3h, true, "13 Mar"}, {sys_days{2027y / November / 7} + 3h, false, "6 Nov"}}},
        {"local reference",
         {0, 3, 0, 2, 3, 0, 0},
         {0, 11, 0, 1, 3, 0, 0},
         0,
         -18000,
         {{sys_days{2027y / March / 14} + 8h, sys_days{2027y / November / 7} + 7h}},
         {{sys_days{2027y / March / 14} + 8h, true, "14 Mar"}, {sys_days{2027y / November / 7} + 7h, false, "7 Nov"}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        DstRuleSet rules;
        rules.startRule = row.start;
        rules.endRule = row.end;
        rules.daylightBias = 3600;
        const DstYearStrip strip = YearStrip(CDstEditor({rules, kDstByWeekday, row.utc}).Shown(), {row.bias, from, ""});
        const auto moment = [&](double share) {
            if (share == 0 || share == 1)
                return edge;
            return strip.from + seconds(std::llround(share * static_cast<double>((strip.to - strip.from).count())));
        };
        EXPECT_TRUE(strip.complete && !strip.off);
        ASSERT_EQ(strip.daylight.size(), row.daylight.size());
        for (size_t i = 0; i < row.daylight.size(); ++i) {
            EXPECT_EQ(moment(strip.daylight[i].from), row.daylight[i].first) << i;
            EXPECT_EQ(moment(strip.daylight[i].to), row.daylight[i].second) << i;
        }
        ASSERT_EQ(strip.changes.size(), row.changes.size());
        for (size_t i = 0; i < row.changes.size(); ++i) {
            const auto& [at, start, day] = row.changes[i];
            EXPECT_EQ(moment(strip.changes[i].at), at) << i;
            EXPECT_EQ(strip.changes[i].start, start) << i;
            EXPECT_EQ(strip.changes[i].day, day) << i;
        }
        // Twelve months of the clock's calendar, the next January a sliver
        // where the face is ahead of UTC.
        ASSERT_GE(strip.months.size(), 12u);
        EXPECT_EQ(strip.months.front().name, row.bias < 0 ? "Dec" : "Jan");
        EXPECT_EQ(strip.months.front().from, 0.0);
        EXPECT_EQ(strip.months.back().to, 1.0);
    }

    // Off, and values that name no day: nothing shaded, nothing marked.
    CDstEditor off(DstSettings{{}, kDstDisabled, 0});
    const DstYearStrip offStrip = YearStrip(off.Shown(), {3600, from, ""});
    EXPECT_TRUE(offStrip.off);
    EXPECT_TRUE(offStrip.daylight.empty() && offStrip.changes.empty());
    EXPECT_FALSE(offStrip.months.empty());
    CDstEditor incomplete(DstSettings{{}, kDstByWeekday, 0});
    incomplete.ApplyPreset(DstPreset::Eu);
    incomplete.SelectEntry(DstId::EndMonth, -1);
    const DstYearStrip none = YearStrip(incomplete.Shown(), {3600, from, ""});
    EXPECT_FALSE(none.complete);
    EXPECT_TRUE(none.daylight.empty() && none.changes.empty());
}

TEST(DstPreview, AgreementWithTheZoneOverTenYears)
{
    struct Row {
        const char* zone;
        bool agrees;
        const char* check;
    };
    const Row rows[] = {
        {"Europe/Berlin", true, "Agrees with Europe/Berlin in the time zone data over the next ten years."},
        {"America/New_York", true, "Agrees with America/New_York in the time zone data over the next ten years."},
        {"Australia/Lord_Howe", true, "Agrees with Australia/Lord_Howe in the time zone data over the next ten years."},
        {"Asia/Jerusalem", false,
         "Differs from Asia/Jerusalem in the time zone data: there daylight time starts on Fri 29 Mar 2030 02:00 "
         "local (+1:00), with these rules daylight time starts on Fri 22 Mar 2030 02:00 local (+1:00)."},
    };
    for (const Row& row : rows) {
        const DstZoneImport imported = ImportDstZone(row.zone, kNow);
        CDstEditor editor(DstSettings{{}, kDstByWeekday, 0});
        editor.ApplyImport(imported);
        EXPECT_EQ(editor.SourceZone(), row.zone);
        const DstPreview preview = PreviewDst(editor.Shown(), {StandardOffset(row.zone), kNow, editor.SourceZone()});
        EXPECT_EQ(preview.agrees, row.agrees) << row.zone;
        EXPECT_EQ(preview.zoneCheck, row.check);
    }

    // Berlin's rules edited by hand: the first change that differs.
    CDstEditor edited(DstSettings{{}, kDstByWeekday, 0});
    const DstZoneImport berlin = ImportDstZone("Europe/Berlin", kNow);
    edited.ApplyImport(berlin);
    edited.SetText(DstId::EndHour, "02");
    EXPECT_EQ(PreviewDst(edited.Shown(), {3600, kNow, "Europe/Berlin"}).zoneCheck,
              "Differs from Europe/Berlin in the time zone data: there daylight time ends on Sun 25 Oct 2026 01:00 "
              "UTC (-1:00), with these rules daylight time ends on Sun 25 Oct 2026 02:00 UTC (-1:00).");

    // Local rules under a bias other than the zone's standard time.
    const DstZoneImport newYork = ImportDstZone("America/New_York", kNow);
    edited.ApplyImport(newYork);
    EXPECT_EQ(PreviewDst(edited.Shown(), {-21600, kNow, "America/New_York"}).zoneCheck,
              "Differs from America/New_York in the time zone data: the clock's time zone bias is UTC-06:00, the "
              "zone's standard time UTC-05:00; there daylight time starts on Sun 8 Mar 2026 07:00 UTC (+1:00), with "
              "these rules daylight time starts on Sun 8 Mar 2026 08:00 UTC (+1:00).");

    // A zone without daylight saving: off agrees, rules on do not.
    const DstZoneImport tokyo = ImportDstZone("Asia/Tokyo", kNow);
    CDstEditor none(DstSettings{{}, kDstByWeekday, 0});
    none.ApplyImport(tokyo);
    const DstPreview off = PreviewDst(none.Shown(), {32400, kNow, none.SourceZone()});
    EXPECT_EQ(off.next, "Daylight time off");
    EXPECT_TRUE(off.agrees);
    EXPECT_EQ(off.zoneCheck, "Agrees with Asia/Tokyo, which has no daylight saving time.");
    none.ClickDisableDst(false);
    none.ApplyPreset(DstPreset::Eu);
    EXPECT_TRUE(none.SourceZone().empty());
    const DstPreview differs = PreviewDst(none.Shown(), {32400, kNow, "Asia/Tokyo"});
    EXPECT_FALSE(differs.agrees);
    EXPECT_EQ(differs.zoneCheck,
              "Differs from Asia/Tokyo in the time zone data: there nothing changes, with these rules daylight time "
              "starts on Sun 29 Mar 2026 01:00 UTC (+1:00).");
}

// The preview's agreement line is about the clock as it stands: its bias,
// the rules shown and their shift, checked against the zone's local time
// at every moment (FirstMismatch) whatever it says.
TEST(DstPreview, AgreementIsTheClocksLocalTime)
{
    struct Row {
        const char* zone;   // imported
        int32_t bias;       // the clock's time zone bias
        const char* shift;  // typed over the imported shift's minutes, or null
        bool off;           // daylight time switched off after the import
        const char* check;  // the line, or how it starts
    };
    const Row rows[] = {
        {"Europe/Dublin", 0, nullptr, false,
         "Agrees with Europe/Dublin in the time zone data over the next ten years."},
        // The tz data's own standard time for Dublin, an hour ahead all year.
        {"Europe/Dublin", 3600, nullptr, false,
         "Differs from Europe/Dublin in the time zone data: the clock's time zone bias is UTC+01:00, the zone's "
         "standard time UTC+00:00."},
        // UTC rules change at the zone's moments on any bias: the bias
        // still counts.
        {"Europe/Berlin", 0, nullptr, false,
         "Differs from Europe/Berlin in the time zone data: the clock's time zone bias is UTC+00:00, the zone's "
         "standard time UTC+01:00."},
        {"Europe/Berlin", 3600, "30", false,
         "Differs from Europe/Berlin in the time zone data: there daylight time starts on Sun 29 Mar 2026 01:00 UTC "
         "(+1:00), with these rules daylight time starts on Sun 29 Mar 2026 01:00 UTC (+1:30)."},
        {"Australia/Lord_Howe", 37800, nullptr, false,
         "Agrees with Australia/Lord_Howe in the time zone data over the next ten years."},
        {"Asia/Kolkata", 19800, nullptr, false, "Agrees with Asia/Kolkata, which has no daylight saving time."},
        {"Asia/Kolkata", 0, nullptr, false,
         "Differs from Asia/Kolkata in the time zone data: the clock's time zone bias is UTC+00:00, the zone's "
         "standard time UTC+05:30."},
        {"America/New_York", -18000, nullptr, true,
         "Differs from America/New_York in the time zone data: there daylight time starts on Sun 8 Mar 2026 07:00 "
         "UTC (+1:00)."},
    };
    for (const Row& row : rows) {
        CDstEditor editor(DstSettings{{}, kDstByWeekday, 0});
        editor.ApplyImport(ImportDstZone(row.zone, kNow));
        if (row.shift)
            editor.SetText(DstId::BiasMinutes, row.shift);
        if (row.off)
            editor.ClickDisableDst(true);
        const DstPreview preview = PreviewDst(editor.Shown(), {row.bias, kNow, row.zone});
        EXPECT_EQ(preview.zoneCheck, row.check) << row.zone << " " << row.bias;
        ClockConfig config;
        StoreStandardBias(config, row.bias);
        DstSettings settings = *editor.Shown().settings;
        StoreDstSettings(settings, config);
        ApplyDstModeStep(config);
        EXPECT_EQ(preview.agrees, !FirstMismatch(config, row.zone, kNow)) << row.zone << " " << row.bias;
    }

    // Dublin's rules read as Berlin's, an hour earlier on the clock's face.
    CDstEditor dublin(DstSettings{{}, kDstByWeekday, 0});
    dublin.ApplyImport(ImportDstZone("Europe/Dublin", kNow));
    EXPECT_EQ(PreviewDst(dublin.Shown(), {0, sys_days{2026y / November / 1}, ""}).next,
              "Next: Sun 28 Mar 2027 01:00 UTC (+1:00), Sun 31 Oct 2027 01:00 UTC (-1:00)");
}

// A fixed-date start beside a weekday-rule end: the clock keeps one form
// for both (mode 16 reads a week as a day of the month), so the import
// gives both in one form, OK takes them, and the import does not claim
// the clock follows the zone.
TEST(DstZoneImport, AFixedDateBesideAWeekdayRuleImportsInOneForm)
{
    const int32_t standard = 7200;
    ZoneDstData mixed{"Test/Mixed", true, standard, {}, {}, 0, {}};
    for (int y = 2026; y < 2054; ++y) {
        const sys_seconds start = sys_days{year{y} / March / 22} - seconds(standard);
        const sys_seconds end = sys_days{year{y} / October / Sunday[last]} + 1h - seconds(standard + 3600);
        mixed.changes.push_back({start, true, standard, standard, 3600});
        mixed.changes.push_back({end, false, standard + 3600, standard, 3600});
    }
    const DstZoneImport imported = ImportDstChanges(mixed, {}, kNow);
    EXPECT_EQ(imported.rules.startRule.kind, imported.rules.endRule.kind);
    EXPECT_FALSE(imported.exact);
    EXPECT_NE(imported.message.find("The clock cannot follow"), std::string::npos) << imported.message;

    CDstEditor editor(DstSettings{{}, kDstByWeekday, 0});
    editor.ApplyImport(imported);
    const DstOkResult ok = editor.Ok();
    ASSERT_TRUE(ok.accepted) << (ok.refusal ? ok.refusal->message : "");
    EXPECT_EQ(ok.mode, imported.rules.startRule.kind != 0 ? kDstByDate : kDstByWeekday);
    ClockConfig config;
    StoreStandardBias(config, standard);
    StoreDstSettings(editor.Settings(), config);
    ApplyDstModeStep(config);
    std::vector<sys_seconds> theirs;
    for (const ZoneDstChange& c : mixed.changes)
        theirs.push_back(c.at);
    std::vector<sys_seconds> ours;
    for (const DstChange& c : DstChanges(config, kNow, sys_days{2054y / January / 1}))
        ours.push_back(c.at);
    EXPECT_NE(ours, theirs);
}

// A fixed date that weekday rules miss as often as fixed dates miss the
// weekday rule beside it: weekday rules, the usual form. 22 March is a
// Sunday in 2026 and a Monday in 2027; October's last Sunday is the 25th
// and the 31st.
TEST(DstZoneImport, ATieBetweenTheFormsImportsWeekdayRules)
{
    const int32_t standard = 7200;
    ZoneDstData tie{"Test/Tie", true, standard, {}, {}, 0, {}};
    for (int y = 2026; y < 2028; ++y) {
        const sys_seconds start = sys_days{year{y} / March / 22} - seconds(standard);
        const sys_seconds end = sys_days{year{y} / October / Sunday[last]} + 1h - seconds(standard + 3600);
        tie.changes.push_back({start, true, standard, standard, 3600});
        tie.changes.push_back({end, false, standard + 3600, standard, 3600});
    }
    const DstZoneImport imported = ImportDstChanges(tie, {}, kNow);
    EXPECT_EQ(imported.rules.startRule, (DstRule{0, 3, 0, 4, 0, 0, 0}));
    EXPECT_EQ(imported.rules.endRule, (DstRule{0, 10, 0, 5, 1, 0, 0}));
    EXPECT_FALSE(imported.exact);
}

// Every zone of the tz data through "set timezone ZONE" and "set dst zone
// ZONE": wherever the preview says the clock agrees, the clock's local time
// is the zone's at every moment of the ten years, and where it does not, it
// says how it differs. An import that calls itself exact agrees.
TEST(DstZoneImport, EveryZoneOfTheTzData)
{
    int agrees = 0;
    int differs = 0;
    int withoutDst = 0;
    for (const QByteArray& id : QTimeZone::availableTimeZoneIds()) {
        const std::string zone = id.toStdString();
        const DstZoneImport imported = ImportDstZone(zone, kNow);
        ASSERT_TRUE(imported.found) << zone;
        CDstEditor editor(DstSettings{{}, kDstByWeekday, 0});
        editor.ApplyImport(imported);
        ASSERT_EQ(editor.Controls().Checked(DstId::DisableDst), !imported.hasDst) << zone;
        const ClockConfig config = ClockInZone(imported, zone);
        const int32_t bias = StandardOffset(zone.c_str());
        const DstPreview preview = PreviewDst(editor.Shown(), {bias, kNow, zone});
        const std::optional<sys_seconds> mismatch = FirstMismatch(config, zone.c_str(), kNow);
        EXPECT_EQ(preview.agrees, !mismatch) << zone << ": " << preview.zoneCheck;
        if (imported.hasDst && imported.exact) {
            EXPECT_TRUE(preview.agrees) << zone << ": " << preview.zoneCheck;
        }
        if (!preview.agrees) {
            EXPECT_EQ(preview.zoneCheck.rfind("Differs from " + zone, 0), 0u) << preview.zoneCheck;
        }
        if (!imported.hasDst)
            ++withoutDst;
        else if (preview.agrees)
            ++agrees;
        else
            ++differs;
    }
    std::printf("%zu zones: %d agree, %d differ as announced, %d without daylight saving\n",
                static_cast<size_t>(QTimeZone::availableTimeZoneIds().size()), agrees, differs, withoutDst);
}
