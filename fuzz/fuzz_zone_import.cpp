// The conversion of a zone's daylight-saving changes into the clock's
// rules (ImportDstChanges), fed made-up zones, and what the rule editor
// and the clock make of the result. Two kinds of input:
// - a zone whose changes follow rules the clock can express (weekday
//   rules or fixed dates, local or UTC times, any standard offset and
//   shift) for two to thirty years: the import must say it is exact, and
//   the clock, given the imported rules through the editor and the write
//   check, must change at every one of the zone's moments;
// - any list of changes and yearly rules: the import must give rules
//   whose fields are in range, of one form, with a shift the zone uses,
//   or say the zone has no daylight saving.
// Either way the editor takes the import and OK accepts it unchanged, and
// the write check keeps the rules.
//
// Input: one byte choosing the kind (bit 0: 0 rules, 1 any list), then the
// values read below in order.
#include "FuzzSupport.h"

#include "ClockRecords.h"
#include "DstConvert.h"
#include "DstEditor.h"
#include "DstRules.h"
#include "DstZoneImport.h"

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

namespace {

using namespace std::chrono;

std::string RuleText(const DstRule& r)
{
    return "{kind " + std::to_string(r.kind) + " month " + std::to_string(r.month) + " weekday " +
        std::to_string(r.dayOfWeek) + " week/day " + std::to_string(r.weekOrDay) + " " + std::to_string(r.hour) + ":" +
        std::to_string(r.minute) + ":" + std::to_string(r.second) + "}";
}

std::string ImportText(const DstZoneImport& imported)
{
    return "start " + RuleText(imported.rules.startRule) + " end " + RuleText(imported.rules.endRule) + " shift " +
        std::to_string(imported.rules.daylightBias) + " utc " + std::to_string(imported.utcReference) + " exact " +
        std::to_string(imported.exact) + "\n  " + imported.message;
}

// A rule the clock can express, read from the input.
DstRule ReadRule(FuzzReader& in, bool fixedDate)
{
    DstRule rule;
    rule.kind = fixedDate ? 1 : 0;
    rule.month = static_cast<uint8_t>(in.Range(1, 12));
    // Fixed dates up to the 28th, which every month has: a later day would
    // roll into the next month in short months, which no zone does.
    rule.weekOrDay = static_cast<uint8_t>(fixedDate ? in.Range(1, 28) : in.Range(1, 5));
    rule.dayOfWeek = static_cast<uint8_t>(fixedDate ? 0 : in.Range(0, 6));
    rule.hour = static_cast<uint8_t>(in.Range(0, 23));
    rule.minute = static_cast<uint8_t>(in.Range(0, 59));
    rule.second = static_cast<uint8_t>(in.Range(0, 3) == 0 ? in.Range(0, 59) : 0);
    return rule;
}

sys_days DayOfRule(const DstRule& rule, year y)
{
    const month m{rule.month};
    if (rule.kind != 0)
        return sys_days{y / m / day{rule.weekOrDay}};
    const weekday wd{rule.dayOfWeek};
    return rule.weekOrDay == 5 ? sys_days{y / m / wd[last]} : sys_days{y / m / wd[rule.weekOrDay]};
}

seconds TimeOfRule(const DstRule& rule)
{
    return hours(rule.hour) + minutes(rule.minute) + seconds(rule.second);
}

// ICU's statement of a clock rule, in UTC.
ZoneYearlyRule YearlyRuleOf(const DstRule& rule)
{
    ZoneYearlyRule r;
    r.month = rule.month;
    if (rule.kind != 0) {
        r.day = ZoneYearlyRule::Day::OfMonth;
        r.dayOfMonth = rule.weekOrDay;
    } else {
        r.day = ZoneYearlyRule::Day::WeekdayOfMonth;
        r.dayOfWeek = rule.dayOfWeek;
        r.weekInMonth = rule.weekOrDay == 5 ? -1 : rule.weekOrDay;
    }
    r.timeOfDay = TimeOfRule(rule);
    r.scale = ZoneYearlyRule::Scale::Utc;
    return r;
}

// The clock's configuration after the editor has taken the import and the
// user pressed OK, as the write check leaves it.
ClockConfig ThroughEditor(const DstZoneImport& imported, int32_t standardOffset)
{
    CDstEditor editor(DstSettings{{}, kDstByWeekday, 0});
    editor.ApplyImport(imported);
    const DstOkResult ok = editor.Ok();
    FUZZ_CHECK(ok.accepted,
               "OK refuses the import: " + (ok.refusal ? ok.refusal->message : std::string()) + "\n  " +
                   ImportText(imported));
    const DstSettings settings = editor.Settings();
    FUZZ_CHECK(settings.rules.startRule == imported.rules.startRule &&
                   settings.rules.endRule == imported.rules.endRule &&
                   settings.rules.daylightBias == imported.rules.daylightBias &&
                   settings.utcReference == imported.utcReference,
               "OK collects other rules than imported: " + ImportText(imported));
    FUZZ_CHECK(settings.mode == (imported.rules.startRule.kind != 0 ? kDstByDate : kDstByWeekday),
               "mode " + std::to_string(settings.mode));

    // A configuration as a clock holds it, with its time zone bias.
    ClockConfig config;
    ResetDstDefaults(config);
    NormaliseConfig(config);
    config.biasPositive = standardOffset < 0 ? 0 : 1;
    config.biasSeconds = static_cast<uint32_t>(standardOffset < 0 ? -int64_t{standardOffset} : standardOffset);
    StoreDstSettings(settings, config);
    ClockConfig written = config;
    PrepareConfigForWrite(written);
    // The write check keeps the rules: a reset would bring back the
    // defaults' weekday and day fields.
    FUZZ_CHECK(DstSettingsFromConfig(written).rules == DstSettingsFromConfig(config).rules,
               "the write check changes the imported rules: " + ImportText(imported));
    return written;
}

void CheckRuleFields(const DstZoneImport& imported)
{
    const DstRule& s = imported.rules.startRule;
    const DstRule& e = imported.rules.endRule;
    FUZZ_CHECK((s.kind == 0) == (e.kind == 0), "rules of two forms: " + ImportText(imported));
    for (const DstRule& r : {s, e}) {
        const bool inRange = r.month >= 1 && r.month <= 12 && r.hour <= 23 && r.minute <= 59 && r.second <= 59 &&
            (r.kind != 0 ? r.weekOrDay >= 1 && r.weekOrDay <= 31
                         : r.weekOrDay >= 1 && r.weekOrDay <= 5 && r.dayOfWeek <= 6);
        FUZZ_CHECK(inRange, "rule out of range: " + ImportText(imported));
    }
}

// A zone that follows clock rules.
void RuleZone(FuzzReader& in)
{
    const int firstYear = 1970 + in.U8();
    const bool utc = in.Bool();
    // UTC rules are believed only when ICU's rules make ten years of
    // changes. The import's cost grows with the square of the years, so a
    // few more than that keep the runs fast; the real import's 28 years
    // add nothing a shorter run does not reach.
    const int yearCount = utc ? 12 + in.Range(0, 3) : 2 + in.Range(0, 13);
    const int32_t standardOffset = in.Range(-48, 56) * 900;
    int32_t shift = in.Range(-8, 8) * 900;
    if (shift == 0)
        shift = 3600;
    const bool fixedDate = in.Bool();
    const DstRule startRule = ReadRule(in, fixedDate);
    const DstRule endRule = ReadRule(in, fixedDate);

    ZoneDstData zone;
    zone.id = "Test/Rules";
    zone.found = true;
    zone.standardOffset = standardOffset;
    struct Expected {
        year y;
        sys_seconds start, end;
    };
    std::vector<Expected> expected;
    for (int i = 0; i < yearCount; ++i) {
        const year y{firstYear + i};
        // On the wall clock just before each change: standard time before
        // the start, daylight time before the end.
        sys_seconds start = sys_seconds{DayOfRule(startRule, y)} + TimeOfRule(startRule);
        sys_seconds end = sys_seconds{DayOfRule(endRule, y)} + TimeOfRule(endRule);
        if (!utc) {
            start -= seconds(standardOffset);
            end -= seconds(standardOffset + shift);
        }
        if (start == end)
            return;  // no change at all that year: not a zone
        expected.push_back({y, start, end});
        zone.changes.push_back({start, true, standardOffset, standardOffset, shift});
        zone.changes.push_back({end, false, standardOffset + shift, standardOffset, shift});
    }
    std::sort(zone.changes.begin(), zone.changes.end(),
              [](const ZoneDstChange& a, const ZoneDstChange& b) { return a.at < b.at; });

    std::vector<ZoneYearlyRule> yearly;
    if (utc)
        yearly = {YearlyRuleOf(startRule), YearlyRuleOf(endRule)};
    const sys_seconds now = sys_days{year{firstYear} / January / 1} - days{1};
    const DstZoneImport imported = ImportDstChanges(zone, yearly, now);

    FUZZ_CHECK(imported.found && imported.hasDst, ImportText(imported));
    FUZZ_CHECK(imported.referenceConfirmed == utc && imported.utcReference == (utc ? 1 : 0),
               "time reference: " + ImportText(imported));
    FUZZ_CHECK(imported.exact,
               "rules the clock can follow come out inexact: " + ImportText(imported) + "\n  made from start " +
                   RuleText(startRule) + " end " + RuleText(endRule));
    FUZZ_CHECK(imported.rules.daylightBias == shift, "shift: " + ImportText(imported));
    CheckRuleFields(imported);

    const ClockConfig config = ThroughEditor(imported, standardOffset);
    for (const Expected& e : expected) {
        const auto start = DstTransitionUtc(config, e.y, true);
        const auto end = DstTransitionUtc(config, e.y, false);
        FUZZ_CHECK(start && *start == e.start && end && *end == e.end,
                   "the clock changes elsewhere in " + std::to_string(static_cast<int>(e.y)) + ": " +
                       ImportText(imported));
    }
}

// Any list of changes, as sorted as the tz data gives them.
void AnyZone(FuzzReader& in)
{
    ZoneDstData zone;
    zone.id = "Test/Any";
    zone.found = in.Range(0, 15) != 0;
    zone.standardOffset = in.Range(-14 * 3600, 14 * 3600);
    const sys_seconds now = sys_seconds{sys_days{year{1900} / January / 1}} + seconds(in.U32() % (400 * 31556952u));
    sys_seconds at = now;
    const int count = in.Range(0, 31);
    for (int i = 0; i < count; ++i) {
        at += seconds(in.U32() % (2 * 31556952u));
        ZoneDstChange c;
        c.at = at;
        c.start = in.Bool();
        c.offsetBefore = in.Range(-20 * 3600, 20 * 3600);
        c.standardBefore = in.Range(-20 * 3600, 20 * 3600);
        c.shift = in.Range(-4 * 3600, 4 * 3600);
        zone.changes.push_back(c);
    }
    const int otherCount = in.Range(0, 2);
    for (int i = 0; i < otherCount; ++i)
        zone.otherChanges.push_back(now + seconds(in.U32() % (28 * 31556952u)));

    // Yearly rules within the ranges ICU gives.
    std::vector<ZoneYearlyRule> yearly(static_cast<size_t>(in.Range(0, 3)));
    for (ZoneYearlyRule& r : yearly) {
        r.day = static_cast<ZoneYearlyRule::Day>(in.Range(0, 3));
        r.month = static_cast<unsigned>(in.Range(1, 12));
        r.dayOfMonth = in.Range(1, 31);
        r.dayOfWeek = static_cast<unsigned>(in.Range(0, 6));
        r.weekInMonth = in.Range(1, 5) * (in.Bool() ? -1 : 1);
        r.timeOfDay = milliseconds(in.Range(0, 86400000));
        r.scale = static_cast<ZoneYearlyRule::Scale>(in.Range(0, 2));
    }

    const DstZoneImport imported = ImportDstChanges(zone, yearly, now);
    FUZZ_CHECK(imported.zoneId == zone.id && !imported.message.empty(), ImportText(imported));
    FUZZ_CHECK(imported.found == zone.found, ImportText(imported));
    if (!zone.found)
        return;
    const bool starts = std::any_of(zone.changes.begin(), zone.changes.end(), [](auto& c) { return c.start; });
    const bool ends = std::any_of(zone.changes.begin(), zone.changes.end(), [](auto& c) { return !c.start; });
    FUZZ_CHECK(imported.hasDst == (starts && ends), ImportText(imported));
    if (!imported.hasDst) {
        FUZZ_CHECK(imported.rules == DstRuleSet{} && imported.exact, ImportText(imported));
        return;
    }
    FUZZ_CHECK(imported.message.rfind("Imported the rules of " + zone.id + ": ", 0) == 0, imported.message);
    CheckRuleFields(imported);
    FUZZ_CHECK(std::any_of(zone.changes.begin(), zone.changes.end(),
                           [&](auto& c) { return c.start && c.shift == imported.rules.daylightBias; }),
               "a shift no start uses: " + ImportText(imported));
    ThroughEditor(imported, zone.standardOffset);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzReader in(data, size);
    if (in.U8() & 1)
        AnyZone(in);
    else
        RuleZone(in);
    return 0;
}
