#include "DstZoneImport.h"

#include "DstText.h"
#include "DstZoneData.h"

#include <unicode/basictz.h>
#include <unicode/dtrule.h>
#include <unicode/timezone.h>
#include <unicode/tzrule.h>

#include <algorithm>
#include <map>
#include <memory>
#include <optional>
#include <vector>

using namespace std::chrono;

namespace {

constexpr years kDeriveSpan{28};  // every weekday on every date of a month
constexpr years kCheckSpan{10};

// ---- ICU's raw rules -------------------------------------------------------

ZoneYearlyRule::Day DayKindOf(icu::DateTimeRule::DateRuleType type)
{
    switch (type) {
    case icu::DateTimeRule::DOW: return ZoneYearlyRule::Day::WeekdayOfMonth;
    case icu::DateTimeRule::DOW_GEQ_DOM: return ZoneYearlyRule::Day::WeekdayOnOrAfter;
    case icu::DateTimeRule::DOW_LEQ_DOM: return ZoneYearlyRule::Day::WeekdayOnOrBefore;
    case icu::DateTimeRule::DOM:
    default: return ZoneYearlyRule::Day::OfMonth;
    }
}

ZoneYearlyRule::Scale ScaleOf(icu::DateTimeRule::TimeRuleType type)
{
    switch (type) {
    case icu::DateTimeRule::UTC_TIME: return ZoneYearlyRule::Scale::Utc;
    case icu::DateTimeRule::STANDARD_TIME: return ZoneYearlyRule::Scale::Standard;
    case icu::DateTimeRule::WALL_TIME:
    default: return ZoneYearlyRule::Scale::Wall;
    }
}

// The annual rules that run on for ever: the zone's current rules. None when
// ICU does not know the zone or states its future as single changes only.
std::vector<ZoneYearlyRule> IcuCurrentRules(std::string_view zoneId)
{
    std::unique_ptr<icu::TimeZone> zone(icu::TimeZone::createTimeZone(
        icu::UnicodeString::fromUTF8(icu::StringPiece(zoneId.data(), static_cast<int32_t>(zoneId.size())))));
    auto* basic = dynamic_cast<icu::BasicTimeZone*>(zone.get());
    icu::UnicodeString id;
    if (!basic || zone->getID(id) == icu::UnicodeString(u"Etc/Unknown"))
        return {};
    UErrorCode status = U_ZERO_ERROR;
    int32_t count = basic->countTransitionRules(status);
    if (U_FAILURE(status) || count <= 0)
        return {};
    const icu::InitialTimeZoneRule* initial = nullptr;
    std::vector<const icu::TimeZoneRule*> rules(static_cast<size_t>(count));
    basic->getTimeZoneRules(initial, rules.data(), count, status);
    if (U_FAILURE(status))
        return {};
    std::vector<ZoneYearlyRule> current;
    for (int32_t i = 0; i < count; ++i) {
        const auto* annual = dynamic_cast<const icu::AnnualTimeZoneRule*>(rules[static_cast<size_t>(i)]);
        if (!annual || annual->getEndYear() != icu::AnnualTimeZoneRule::MAX_YEAR)
            continue;
        const icu::DateTimeRule* r = annual->getRule();
        current.push_back({DayKindOf(r->getDateRuleType()), static_cast<unsigned>(r->getRuleMonth() + 1),
                           r->getRuleDayOfMonth(), static_cast<unsigned>(std::max(r->getRuleDayOfWeek() - 1, 0)),
                           r->getRuleWeekInMonth(), milliseconds(r->getRuleMillisInDay()),
                           ScaleOf(r->getTimeRuleType())});
    }
    return current;
}

// The day an ICU rule names in a year.
sys_days IcuRuleDay(const ZoneYearlyRule& r, year y)
{
    const month m{r.month};
    const weekday wd{r.dayOfWeek};
    switch (r.day) {
    case ZoneYearlyRule::Day::WeekdayOfMonth:
        if (r.weekInMonth < 0)
            return sys_days{y / m / wd[last]} - days{7 * (-r.weekInMonth - 1)};
        return sys_days{y / m / wd[static_cast<unsigned>(r.weekInMonth)]};
    case ZoneYearlyRule::Day::WeekdayOnOrAfter: {
        const sys_days from{y / m / day{static_cast<unsigned>(r.dayOfMonth)}};
        return from + (wd - weekday{from});
    }
    case ZoneYearlyRule::Day::WeekdayOnOrBefore: {
        const sys_days until{y / m / day{static_cast<unsigned>(r.dayOfMonth)}};
        return until - (weekday{until} - wd);
    }
    case ZoneYearlyRule::Day::OfMonth:
    default: return sys_days{y / m / day{static_cast<unsigned>(r.dayOfMonth)}};
    }
}

// A change on the scale an ICU rule counts in.
sys_seconds OnIcuScale(const ZoneDstChange& c, ZoneYearlyRule::Scale scale)
{
    switch (scale) {
    case ZoneYearlyRule::Scale::Utc: return c.at;
    case ZoneYearlyRule::Scale::Standard: return c.at + seconds(c.standardBefore);
    case ZoneYearlyRule::Scale::Wall:
    default: return c.at + seconds(c.offsetBefore);
    }
}

year YearOf(sys_seconds t)
{
    return year_month_day{floor<days>(t)}.year();
}

bool IcuRuleMakes(const ZoneYearlyRule& r, const ZoneDstChange& c)
{
    const sys_seconds at = OnIcuScale(c, r.scale);
    return sys_seconds{IcuRuleDay(r, YearOf(at))} + duration_cast<seconds>(r.timeOfDay) == at;
}

// Whether ICU's rules make exactly the system's changes from `now` on for
// ten years: every change made by one rule, and each rule firing once in
// every whole year of the span.
bool IcuReproduces(const std::vector<ZoneYearlyRule>& rules, const std::vector<ZoneDstChange>& changes, sys_seconds now)
{
    if (rules.empty())
        return false;
    const sys_seconds until = now + kCheckSpan;
    std::map<std::pair<size_t, int>, int> fired;  // (rule, year) -> changes made
    for (const ZoneDstChange& c : changes) {
        if (c.at >= until)
            break;
        bool made = false;
        for (size_t i = 0; i < rules.size() && !made; ++i)
            if (IcuRuleMakes(rules[i], c)) {
                made = true;
                ++fired[{i, static_cast<int>(YearOf(OnIcuScale(c, rules[i].scale)))}];
            }
        if (!made)
            return false;
    }
    for (year y = YearOf(now) + years{1}; y < YearOf(until); ++y)
        for (size_t i = 0; i < rules.size(); ++i)
            if (fired[{i, static_cast<int>(y)}] != 1)
                return false;
    return true;
}

// How ICU states a rule's day, one message for each weekday (the words
// around it agree with it in Italian and Portuguese): the day something
// happens on.
constexpr std::array<const char*, 7> kOnOrAfter = {
    //: The day a zone's daylight time starts or ends on ("starts on the
    //: Sunday on or after 8 March"), %1 the day and month without an article
    //: ("8 March"). Write the preposition and case the day takes here ("am
    //: ersten Sonntag ab dem %1"), or none; the sentence around it has none.
    KEROVANT_TRANSLATE_NOOP("Kerovant", "the Sunday on or after %1"),
    KEROVANT_TRANSLATE_NOOP("Kerovant", "the Monday on or after %1"),
    KEROVANT_TRANSLATE_NOOP("Kerovant", "the Tuesday on or after %1"),
    KEROVANT_TRANSLATE_NOOP("Kerovant", "the Wednesday on or after %1"),
    KEROVANT_TRANSLATE_NOOP("Kerovant", "the Thursday on or after %1"),
    KEROVANT_TRANSLATE_NOOP("Kerovant", "the Friday on or after %1"),
    KEROVANT_TRANSLATE_NOOP("Kerovant", "the Saturday on or after %1"),
};
constexpr std::array<const char*, 7> kOnOrBefore = {
    //: The day a zone's daylight time starts or ends on ("ends on the
    //: Sunday on or before 25 October"), %1 the day and month without an
    //: article. Write the preposition and case the day takes here ("am
    //: letzten Sonntag bis zum %1"), or none.
    KEROVANT_TRANSLATE_NOOP("Kerovant", "the Sunday on or before %1"),
    KEROVANT_TRANSLATE_NOOP("Kerovant", "the Monday on or before %1"),
    KEROVANT_TRANSLATE_NOOP("Kerovant", "the Tuesday on or before %1"),
    KEROVANT_TRANSLATE_NOOP("Kerovant", "the Wednesday on or before %1"),
    KEROVANT_TRANSLATE_NOOP("Kerovant", "the Thursday on or before %1"),
    KEROVANT_TRANSLATE_NOOP("Kerovant", "the Friday on or before %1"),
    KEROVANT_TRANSLATE_NOOP("Kerovant", "the Saturday on or before %1"),
};
constexpr std::array<const char*, 7> kOfWeek = {
    //: The day a zone's daylight time starts or ends on: %1 the number of
    //: the week in the month, %2 the month with its "of" ("of March"). Write
    //: the preposition and case the day takes here, or none.
    KEROVANT_TRANSLATE_NOOP("Kerovant", "the Sunday of week %1 %2"),
    KEROVANT_TRANSLATE_NOOP("Kerovant", "the Monday of week %1 %2"),
    KEROVANT_TRANSLATE_NOOP("Kerovant", "the Tuesday of week %1 %2"),
    KEROVANT_TRANSLATE_NOOP("Kerovant", "the Wednesday of week %1 %2"),
    KEROVANT_TRANSLATE_NOOP("Kerovant", "the Thursday of week %1 %2"),
    KEROVANT_TRANSLATE_NOOP("Kerovant", "the Friday of week %1 %2"),
    KEROVANT_TRANSLATE_NOOP("Kerovant", "the Saturday of week %1 %2"),
};

// How ICU states a rule's day: "the Friday on or after 23 March".
Sentence DescribeIcuDay(const ZoneYearlyRule& r)
{
    const unsigned weekday = r.dayOfWeek % 7;
    const unsigned month = (r.month - 1) % 12 + 1;
    const Sentence day = FixedDaySentence(static_cast<unsigned>(r.dayOfMonth), month);
    switch (r.day) {
    case ZoneYearlyRule::Day::WeekdayOnOrAfter: return Sentence(kOnOrAfter[weekday], {day});
    case ZoneYearlyRule::Day::WeekdayOnOrBefore: return Sentence(kOnOrBefore[weekday], {day});
    case ZoneYearlyRule::Day::WeekdayOfMonth:
        return Sentence(kOfWeek[weekday], {Sentence::Verbatim(std::to_string(r.weekInMonth)), MonthOfSentence(month)});
    case ZoneYearlyRule::Day::OfMonth:
    default: return FixedDaySentence(static_cast<unsigned>(r.dayOfMonth), month, DayRole::On);
    }
}

// ---- Rules from the changes ------------------------------------------------

// The day a clock rule names in a year (the clock's own arithmetic: a fixed
// date past the month's end rolls on).
sys_days RuleDay(const DstRule& rule, year y)
{
    const month m{rule.month};
    if (rule.kind != 0)
        return sys_days{y / m / day{rule.weekOrDay}};
    const weekday wd{rule.dayOfWeek};
    if (rule.weekOrDay == 5)
        return sys_days{y / m / wd[last]};
    return sys_days{y / m / wd[rule.weekOrDay]};
}

struct Derived {
    DstRule rule;
    // Years where the rule misses the zone's change, with the change (on the
    // rule's scale) and what the rule makes of it.
    struct Miss {
        year y;
        sys_seconds there;
        sys_seconds here;
    };
    std::vector<Miss> misses;
};

// Which forms of rule DeriveRule may choose.
enum class Forms { Any, Weekday, FixedDate };

// The clock rule that matches the most of the changes (given on the rule's
// scale) among the forms allowed: a weekday rule or a fixed date; the most
// common time of day. On a tie a weekday rule wins, as the usual form.
Derived DeriveRule(const std::vector<sys_seconds>& when, Forms forms)
{
    std::map<seconds, int> timeCounts;
    for (sys_seconds t : when)
        ++timeCounts[t - floor<days>(t)];
    const seconds timeOfDay = std::max_element(timeCounts.begin(), timeCounts.end(), [](auto& a, auto& b) {
                                  return a.second < b.second;
                              })->first;

    std::vector<DstRule> candidates;
    for (sys_seconds t : when) {
        const sys_days d = floor<days>(t);
        const year_month_day date{d};
        const auto monthNumber = static_cast<uint8_t>(static_cast<unsigned>(date.month()));
        const auto weekdayNumber = static_cast<uint8_t>(weekday{d}.c_encoding());
        if (forms != Forms::FixedDate)
            for (uint8_t week = 1; week <= 5; ++week)
                candidates.push_back(DstRule{0, monthNumber, weekdayNumber, week, 0, 0, 0});
        if (forms != Forms::Weekday)
            candidates.push_back(
                DstRule{1, monthNumber, 0, static_cast<uint8_t>(static_cast<unsigned>(date.day())), 0, 0, 0});
    }
    std::stable_partition(candidates.begin(), candidates.end(), [](const DstRule& r) { return r.kind == 0; });

    const DstRule* best = nullptr;
    int bestCount = -1;
    for (const DstRule& candidate : candidates) {
        int count = 0;
        for (sys_seconds t : when)
            count += RuleDay(candidate, YearOf(t)) == floor<days>(t);
        if (count > bestCount) {
            bestCount = count;
            best = &candidate;
        }
    }

    Derived derived;
    derived.rule = *best;
    const hh_mm_ss hms{timeOfDay};
    derived.rule.hour = static_cast<uint8_t>(hms.hours().count());
    derived.rule.minute = static_cast<uint8_t>(hms.minutes().count());
    derived.rule.second = static_cast<uint8_t>(hms.seconds().count());
    for (sys_seconds t : when) {
        const sys_seconds here = sys_seconds{RuleDay(derived.rule, YearOf(t))} + timeOfDay;
        if (here != t)
            derived.misses.push_back({YearOf(t), t, here});
    }
    return derived;
}

// "2027", "2027 and 2028", "2027, 2028 and 2029", "2027, 2028, 2029 and
// later years".
Sentence YearList(const std::vector<Derived::Miss>& misses)
{
    std::vector<Sentence> years;
    for (size_t i = 0; i < std::min<size_t>(misses.size(), 3); ++i)
        years.push_back(Sentence::Verbatim(std::to_string(static_cast<int>(misses[i].y))));
    if (misses.size() > 3)
        return Sentence(KEROVANT_TRANSLATE_NOOP("Kerovant", "%1, %2, %3 and later years"), std::move(years));
    switch (years.size()) {
    case 2: return Sentence(KEROVANT_TRANSLATE_NOOP("Kerovant", "%1 and %2"), std::move(years));
    case 3: return Sentence(KEROVANT_TRANSLATE_NOOP("Kerovant", "%1, %2 and %3"), std::move(years));
    default: return years.empty() ? Sentence() : years.front();
    }
}

Sentence InexactSentence(bool start, const Derived& derived, const std::string& zoneId,
                         const std::optional<ZoneYearlyRule>& icu, bool utc)
{
    const Derived::Miss& first = derived.misses.front();
    const auto onScale = [utc](sys_seconds at) {
        return Sentence(utc ? KEROVANT_TRANSLATE_NOOP("Kerovant", "%1 UTC")
                            : KEROVANT_TRANSLATE_NOOP("Kerovant", "%1 local time"),
                        {Sentence::At(at, FormatDayAndTime(at))});
    };
    const Sentence zone = Sentence::Verbatim(zoneId);
    const Sentence there = onScale(first.there);
    const Sentence here = onScale(first.here);
    if (icu)
        return Sentence(
            //: %1 the zone, %2 the day it changes on with its preposition
            //: ("on the Sunday on or after 8 March"), %3 the clock's day as
            //: the subject ("the last Sunday of March"), %4 the years ("2027
            //: and 2028"), %5 and %6 a day and time there and on the clock.
            start ? KEROVANT_TRANSLATE_NOOP("Kerovant",
                                            "The clock cannot follow the start exactly: %1 starts "
                                            "daylight time on %2, and %3 differs in %4 (%5 "
                                            "there, %6 on the clock).")
                  //: As the message for the start.
                  : KEROVANT_TRANSLATE_NOOP("Kerovant",
                                            "The clock cannot follow the end exactly: %1 ends "
                                            "daylight time on %2, and %3 differs in %4 (%5 "
                                            "there, %6 on the clock)."),
            {zone, DescribeIcuDay(*icu), RuleDaySentence(derived.rule, DayRole::Subject), YearList(derived.misses),
             there, here});
    //: %1 the clock's day as the subject ("the last Sunday of March"), %2
    //: the zone, %3 the years ("2027 and 2028"), %4 and %5 a day and time
    //: there and on the clock.
    return Sentence(start ? KEROVANT_TRANSLATE_NOOP("Kerovant",
                                                    "The clock cannot follow the start exactly: %1 differs "
                                                    "from %2 in %3 (%4 there, %5 on the clock).")
                          : KEROVANT_TRANSLATE_NOOP("Kerovant",
                                                    "The clock cannot follow the end exactly: %1 differs "
                                                    "from %2 in %3 (%4 there, %5 on the clock)."),
                    {RuleDaySentence(derived.rule, DayRole::Subject), zone, YearList(derived.misses), there, here});
}

// The message: its sentences one after the other.
void SetMessage(DstZoneImport& result, std::vector<Sentence> sentences)
{
    result.message.clear();
    for (const Sentence& sentence : sentences)
        result.message += (result.message.empty() ? "" : " ") + sentence.English();
    result.sentences = std::move(sentences);
}

DstZoneImport NoDaylightSaving(DstZoneImport result)
{
    // Both rules all zero: no month, no week, Sunday, 00:00:00, no shift.
    result.rules = DstRuleSet{};
    result.utcReference = 0;
    result.exact = true;
    SetMessage(result,
               {Sentence(KEROVANT_TRANSLATE_NOOP("Kerovant",
                                                 "%1 has no daylight saving time: \"Disable daylight "
                                                 "time\" is ticked, so the clock keeps standard time "
                                                 "all year."),
                         {Sentence::Verbatim(result.zoneId)})});
    return result;
}

// Each change on the rules' scale: UTC, or the wall clock just before.
std::vector<sys_seconds> OnRuleScale(const std::vector<const ZoneDstChange*>& changes, bool utc)
{
    std::vector<sys_seconds> when;
    for (const ZoneDstChange* c : changes)
        when.push_back(utc ? c->at : c->at + seconds(c->offsetBefore));
    return when;
}

// The start and end rules, derived from the changes on the rules' scale.
struct DerivedPair {
    Derived start;
    Derived end;
};

// The clock keeps one form for both rules (one mode, 16 as soon as either
// is a fixed date, which would read the weekday rule's week as a day of
// the month). A fixed date beside a weekday rule: both rules in the form
// that misses fewer changes, weekday rules on a tie.
DerivedPair DeriveRules(const std::vector<sys_seconds>& startTimes, const std::vector<sys_seconds>& endTimes)
{
    Derived start = DeriveRule(startTimes, Forms::Any);
    Derived end = DeriveRule(endTimes, Forms::Any);
    if (start.rule.kind != end.rule.kind) {
        Derived weekdayStart = start.rule.kind == 0 ? start : DeriveRule(startTimes, Forms::Weekday);
        Derived weekdayEnd = end.rule.kind == 0 ? end : DeriveRule(endTimes, Forms::Weekday);
        Derived fixedStart = start.rule.kind != 0 ? start : DeriveRule(startTimes, Forms::FixedDate);
        Derived fixedEnd = end.rule.kind != 0 ? end : DeriveRule(endTimes, Forms::FixedDate);
        const bool fixed =
            fixedStart.misses.size() + fixedEnd.misses.size() < weekdayStart.misses.size() + weekdayEnd.misses.size();
        start = std::move(fixed ? fixedStart : weekdayStart);
        end = std::move(fixed ? fixedEnd : weekdayEnd);
    }
    return {std::move(start), std::move(end)};
}

// The ICU rule that makes the zone's first such change, when ICU's rules
// are confirmed.
std::optional<ZoneYearlyRule> IcuRuleOf(const ZoneDstChange& first, const std::vector<ZoneYearlyRule>& yearlyRules,
                                        bool confirmed)
{
    if (!confirmed)
        return std::nullopt;
    for (const ZoneYearlyRule& r : yearlyRules)
        if (IcuRuleMakes(r, first))
            return r;
    return std::nullopt;
}

// What the import tells: the rules imported, then what the clock does
// otherwise than the zone (icuStart, icuEnd: ICU's rules of the first
// start and end, for an inexact rule's message).
std::vector<Sentence> ImportSentences(const DstZoneImport& result, const DerivedPair& derived, bool shiftVaries,
                                      const ZoneDstData& zone, const std::optional<ZoneYearlyRule>& icuStart,
                                      const std::optional<ZoneYearlyRule>& icuEnd)
{
    const bool utc = result.utcReference != 0;
    std::vector<Sentence> m;
    m.emplace_back(
        //: %1 the zone, %2 and %3 the days and times of the changes with
        //: their prepositions ("on the last Sunday of March at 01:00 UTC"):
        //: write no preposition before them.
        KEROVANT_TRANSLATE_NOOP("Kerovant", "Imported the rules of %1: daylight time starts on %2 and ends on %3."),
        std::vector<Sentence>{Sentence::Verbatim(result.zoneId), RuleSentence(derived.start.rule, utc),
                              RuleSentence(derived.end.rule, utc)});
    if (result.rules.daylightBias != 3600) {
        const int32_t b = result.rules.daylightBias;
        m.emplace_back(b < 0 ? KEROVANT_TRANSLATE_NOOP("Kerovant", "Daylight time moves the clock %1 back.")
                             : KEROVANT_TRANSLATE_NOOP("Kerovant", "Daylight time moves the clock %1 forward."),
                       std::vector<Sentence>{Sentence::Verbatim(FormatShift(b < 0 ? -int64_t{b} : b).substr(1))});
    }
    if (!utc)
        m.emplace_back(
            KEROVANT_TRANSLATE_NOOP("Kerovant", "Local times are those the clock shows just before each change."));
    if (!result.referenceConfirmed)
        m.emplace_back(KEROVANT_TRANSLATE_NOOP("Kerovant",
                                               "The time zone data does not confirm whether the changes "
                                               "follow UTC or local time; local time is used."));
    if (!derived.start.misses.empty())
        m.push_back(InexactSentence(true, derived.start, result.zoneId, icuStart, utc));
    if (!derived.end.misses.empty())
        m.push_back(InexactSentence(false, derived.end, result.zoneId, icuEnd, utc));
    if (shiftVaries)
        m.emplace_back(
            KEROVANT_TRANSLATE_NOOP("Kerovant", "The zone's shift varies over the years; the clock keeps %1."),
            std::vector<Sentence>{Sentence::Verbatim(FormatShift(result.rules.daylightBias))});
    if (!zone.otherChanges.empty()) {
        const sys_seconds other = zone.otherChanges.front();
        m.emplace_back(KEROVANT_TRANSLATE_NOOP("Kerovant",
                                               "The zone also changes its standard time on %1 UTC; the "
                                               "clock's time zone bias does not follow."),
                       std::vector<Sentence>{Sentence::At(other, FormatDayAndTime(other))});
    }
    return m;
}

}  // namespace

namespace {

DstZoneImport ImportZoneRules(std::string_view zoneId, sys_seconds now)
{
    return ImportDstChanges(ReadZoneDst(zoneId, now, now + kDeriveSpan), IcuCurrentRules(zoneId), now);
}

}  // namespace

DstZoneImport ImportDstZone(std::string_view zoneId, sys_seconds now)
{
    // A name the tz data does not know is no zone, though Qt would read it
    // as a POSIX TZ string ("Berlin": UTC+00:00 without daylight saving).
    if (!IsKnownZoneId(zoneId)) {
        ZoneDstData unknown;
        unknown.id = std::string(zoneId);
        return ImportDstChanges(unknown, {}, now);
    }
    return ImportZoneRules(zoneId, now);
}

DstZoneImport ImportDstChanges(const ZoneDstData& zone, const std::vector<ZoneYearlyRule>& yearlyRules, sys_seconds now)
{
    DstZoneImport result;
    result.zoneId = zone.id;
    if (!zone.found) {
        SetMessage(result,
                   {Sentence(KEROVANT_TRANSLATE_NOOP("Kerovant",
                                                     "The time zone \"%1\" is not in this "
                                                     "computer's time zone data; nothing was "
                                                     "imported."),
                             {Sentence::Verbatim(result.zoneId)})});
        return result;
    }
    result.found = true;

    std::vector<const ZoneDstChange*> starts;
    std::vector<const ZoneDstChange*> ends;
    for (const ZoneDstChange& c : zone.changes)
        (c.start ? starts : ends).push_back(&c);
    if (starts.empty() || ends.empty())
        return NoDaylightSaving(result);
    result.hasDst = true;

    // The time reference, from ICU when its rule makes the system's changes.
    result.referenceConfirmed = IcuReproduces(yearlyRules, zone.changes, now);
    const bool utc = result.referenceConfirmed &&
        std::all_of(yearlyRules.begin(), yearlyRules.end(),
                    [](const ZoneYearlyRule& r) { return r.scale == ZoneYearlyRule::Scale::Utc; });
    result.utcReference = utc ? 1 : 0;

    const DerivedPair derived = DeriveRules(OnRuleScale(starts, utc), OnRuleScale(ends, utc));
    result.rules.startRule = derived.start.rule;
    result.rules.endRule = derived.end.rule;

    // The shift: the daylight offset the zone uses most.
    std::map<int32_t, int> shifts;
    for (const ZoneDstChange* c : starts)
        ++shifts[c->shift];
    const auto shift =
        std::max_element(shifts.begin(), shifts.end(), [](auto& a, auto& b) { return a.second < b.second; });
    result.rules.daylightBias = shift->first;
    result.exact =
        derived.start.misses.empty() && derived.end.misses.empty() && shifts.size() == 1 && zone.otherChanges.empty();

    SetMessage(result,
               ImportSentences(result, derived, shifts.size() > 1, zone,
                               IcuRuleOf(*starts.front(), yearlyRules, result.referenceConfirmed),
                               IcuRuleOf(*ends.front(), yearlyRules, result.referenceConfirmed)));
    return result;
}

DstZoneImport ImportSystemDstZone(sys_seconds now)
{
    const std::string zoneId = SystemZoneId();
    if (zoneId.empty()) {
        DstZoneImport result;
        SetMessage(
            result,
            {Sentence(KEROVANT_TRANSLATE_NOOP("Kerovant", "This computer names no time zone; nothing was imported."))});
        return result;
    }
    // The computer's own zone as the system names it, which may be a POSIX
    // TZ string from $TZ.
    return ImportZoneRules(zoneId, now);
}
