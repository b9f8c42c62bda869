#include "DstText.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace std::chrono;

namespace {

// "the last Sunday" + "of March", one message for each role, week and
// weekday (index: role, week - 1, day of the week).
constexpr RoleText kWeekdayRules[2][5][7] = {
    {
        {
            //: A week's weekday of a month standing as the subject of a sentence
            //: ("the last Sunday of March differs in 2027"), %1 the month with its
            //: "of" ("of March"). The ordinal agrees with the weekday: one message
            //: for each week and weekday.
            KEROVANT_TRANSLATE_NOOP3("Kerovant", "the first Sunday %1", "subject"),
            KEROVANT_TRANSLATE_NOOP3("Kerovant", "the first Monday %1", "subject"),
            KEROVANT_TRANSLATE_NOOP3("Kerovant", "the first Tuesday %1", "subject"),
            KEROVANT_TRANSLATE_NOOP3("Kerovant", "the first Wednesday %1", "subject"),
            KEROVANT_TRANSLATE_NOOP3("Kerovant", "the first Thursday %1", "subject"),
            KEROVANT_TRANSLATE_NOOP3("Kerovant", "the first Friday %1", "subject"),
            KEROVANT_TRANSLATE_NOOP3("Kerovant", "the first Saturday %1", "subject"),
        },
        {
            KEROVANT_TRANSLATE_NOOP3("Kerovant", "the second Sunday %1", "subject"),
            KEROVANT_TRANSLATE_NOOP3("Kerovant", "the second Monday %1", "subject"),
            KEROVANT_TRANSLATE_NOOP3("Kerovant", "the second Tuesday %1", "subject"),
            KEROVANT_TRANSLATE_NOOP3("Kerovant", "the second Wednesday %1", "subject"),
            KEROVANT_TRANSLATE_NOOP3("Kerovant", "the second Thursday %1", "subject"),
            KEROVANT_TRANSLATE_NOOP3("Kerovant", "the second Friday %1", "subject"),
            KEROVANT_TRANSLATE_NOOP3("Kerovant", "the second Saturday %1", "subject"),
        },
        {
            KEROVANT_TRANSLATE_NOOP3("Kerovant", "the third Sunday %1", "subject"),
            KEROVANT_TRANSLATE_NOOP3("Kerovant", "the third Monday %1", "subject"),
            KEROVANT_TRANSLATE_NOOP3("Kerovant", "the third Tuesday %1", "subject"),
            KEROVANT_TRANSLATE_NOOP3("Kerovant", "the third Wednesday %1", "subject"),
            KEROVANT_TRANSLATE_NOOP3("Kerovant", "the third Thursday %1", "subject"),
            KEROVANT_TRANSLATE_NOOP3("Kerovant", "the third Friday %1", "subject"),
            KEROVANT_TRANSLATE_NOOP3("Kerovant", "the third Saturday %1", "subject"),
        },
        {
            KEROVANT_TRANSLATE_NOOP3("Kerovant", "the fourth Sunday %1", "subject"),
            KEROVANT_TRANSLATE_NOOP3("Kerovant", "the fourth Monday %1", "subject"),
            KEROVANT_TRANSLATE_NOOP3("Kerovant", "the fourth Tuesday %1", "subject"),
            KEROVANT_TRANSLATE_NOOP3("Kerovant", "the fourth Wednesday %1", "subject"),
            KEROVANT_TRANSLATE_NOOP3("Kerovant", "the fourth Thursday %1", "subject"),
            KEROVANT_TRANSLATE_NOOP3("Kerovant", "the fourth Friday %1", "subject"),
            KEROVANT_TRANSLATE_NOOP3("Kerovant", "the fourth Saturday %1", "subject"),
        },
        {
            KEROVANT_TRANSLATE_NOOP3("Kerovant", "the last Sunday %1", "subject"),
            KEROVANT_TRANSLATE_NOOP3("Kerovant", "the last Monday %1", "subject"),
            KEROVANT_TRANSLATE_NOOP3("Kerovant", "the last Tuesday %1", "subject"),
            KEROVANT_TRANSLATE_NOOP3("Kerovant", "the last Wednesday %1", "subject"),
            KEROVANT_TRANSLATE_NOOP3("Kerovant", "the last Thursday %1", "subject"),
            KEROVANT_TRANSLATE_NOOP3("Kerovant", "the last Friday %1", "subject"),
            KEROVANT_TRANSLATE_NOOP3("Kerovant", "the last Saturday %1", "subject"),
        },
    },
    {
        {
            //: The day something happens on ("daylight time starts on the last
            //: Sunday of March"), %1 the month with its "of" ("of March"). Write the
            //: preposition and case the day takes here ("am letzten Sonntag",
            //: "no último domingo"), or none; the sentence around it has none.
            KEROVANT_TRANSLATE_NOOP3("Kerovant", "the first Sunday %1", "on a day"),
            KEROVANT_TRANSLATE_NOOP3("Kerovant", "the first Monday %1", "on a day"),
            KEROVANT_TRANSLATE_NOOP3("Kerovant", "the first Tuesday %1", "on a day"),
            KEROVANT_TRANSLATE_NOOP3("Kerovant", "the first Wednesday %1", "on a day"),
            KEROVANT_TRANSLATE_NOOP3("Kerovant", "the first Thursday %1", "on a day"),
            KEROVANT_TRANSLATE_NOOP3("Kerovant", "the first Friday %1", "on a day"),
            KEROVANT_TRANSLATE_NOOP3("Kerovant", "the first Saturday %1", "on a day"),
        },
        {
            KEROVANT_TRANSLATE_NOOP3("Kerovant", "the second Sunday %1", "on a day"),
            KEROVANT_TRANSLATE_NOOP3("Kerovant", "the second Monday %1", "on a day"),
            KEROVANT_TRANSLATE_NOOP3("Kerovant", "the second Tuesday %1", "on a day"),
            KEROVANT_TRANSLATE_NOOP3("Kerovant", "the second Wednesday %1", "on a day"),
            KEROVANT_TRANSLATE_NOOP3("Kerovant", "the second Thursday %1", "on a day"),
            KEROVANT_TRANSLATE_NOOP3("Kerovant", "the second Friday %1", "on a day"),
            KEROVANT_TRANSLATE_NOOP3("Kerovant", "the second Saturday %1", "on a day"),
        },
        {
            KEROVANT_TRANSLATE_NOOP3("Kerovant", "the third Sunday %1", "on a day"),
            KEROVANT_TRANSLATE_NOOP3("Kerovant", "the third Monday %1", "on a day"),
            KEROVANT_TRANSLATE_NOOP3("Kerovant", "the third Tuesday %1", "on a day"),
            KEROVANT_TRANSLATE_NOOP3("Kerovant", "the third Wednesday %1", "on a day"),
            KEROVANT_TRANSLATE_NOOP3("Kerovant", "the third Thursday %1", "on a day"),
            KEROVANT_TRANSLATE_NOOP3("Kerovant", "the third Friday %1", "on a day"),
            KEROVANT_TRANSLATE_NOOP3("Kerovant", "the third Saturday %1", "on a day"),
        },
        {
            KEROVANT_TRANSLATE_NOOP3("Kerovant", "the fourth Sunday %1", "on a day"),
            KEROVANT_TRANSLATE_NOOP3("Kerovant", "the fourth Monday %1", "on a day"),
            KEROVANT_TRANSLATE_NOOP3("Kerovant", "the fourth Tuesday %1", "on a day"),
            KEROVANT_TRANSLATE_NOOP3("Kerovant", "the fourth Wednesday %1", "on a day"),
            KEROVANT_TRANSLATE_NOOP3("Kerovant", "the fourth Thursday %1", "on a day"),
            KEROVANT_TRANSLATE_NOOP3("Kerovant", "the fourth Friday %1", "on a day"),
            KEROVANT_TRANSLATE_NOOP3("Kerovant", "the fourth Saturday %1", "on a day"),
        },
        {
            KEROVANT_TRANSLATE_NOOP3("Kerovant", "the last Sunday %1", "on a day"),
            KEROVANT_TRANSLATE_NOOP3("Kerovant", "the last Monday %1", "on a day"),
            KEROVANT_TRANSLATE_NOOP3("Kerovant", "the last Tuesday %1", "on a day"),
            KEROVANT_TRANSLATE_NOOP3("Kerovant", "the last Wednesday %1", "on a day"),
            KEROVANT_TRANSLATE_NOOP3("Kerovant", "the last Thursday %1", "on a day"),
            KEROVANT_TRANSLATE_NOOP3("Kerovant", "the last Friday %1", "on a day"),
            KEROVANT_TRANSLATE_NOOP3("Kerovant", "the last Saturday %1", "on a day"),
        },
    },
};

// The month after a week's weekday ("the last Sunday" + "of March").
constexpr std::array<const char*, 12> kMonthsOf = {
    //: A month after a week's weekday ("the last Sunday" + "of October"),
    //: with the word that joins them: "d'octobre" where French elides,
    //: "im Oktober" in German.
    KEROVANT_TRANSLATE_NOOP("Kerovant", "of January"),   KEROVANT_TRANSLATE_NOOP("Kerovant", "of February"),
    KEROVANT_TRANSLATE_NOOP("Kerovant", "of March"),     KEROVANT_TRANSLATE_NOOP("Kerovant", "of April"),
    KEROVANT_TRANSLATE_NOOP("Kerovant", "of May"),       KEROVANT_TRANSLATE_NOOP("Kerovant", "of June"),
    KEROVANT_TRANSLATE_NOOP("Kerovant", "of July"),      KEROVANT_TRANSLATE_NOOP("Kerovant", "of August"),
    KEROVANT_TRANSLATE_NOOP("Kerovant", "of September"), KEROVANT_TRANSLATE_NOOP("Kerovant", "of October"),
    KEROVANT_TRANSLATE_NOOP("Kerovant", "of November"),  KEROVANT_TRANSLATE_NOOP("Kerovant", "of December"),
};

Sentence Name(unsigned index, const std::string_view* names, unsigned count)
{
    return index < count ? Sentence(names[index].data()) : Sentence::Verbatim("?");
}

}  // namespace

Sentence MonthOfSentence(unsigned month)
{
    return month >= 1 && month <= 12 ? Sentence(kMonthsOf[month - 1]) : Sentence::Verbatim("of ?");
}

Sentence FixedDaySentence(unsigned day, unsigned month, DayRole role)
{
    const std::vector<Sentence> parts = {Name(month - 1, kDstMonthNames.data(), 12),
                                         Sentence::Verbatim(std::to_string(day))};
    const int count = static_cast<int>(std::min(day, 100u));
    switch (role) {
    case DayRole::Subject:
        //: A fixed day standing as the subject of a sentence ("21 March
        //: differs in 2027"): %1 the month's name, %2 the day of the month,
        //: with the article the language needs. The form for one lets the
        //: language write the first of the month ("le 1er mars").
        return Sentence(KEROVANT_TRANSLATE_N_NOOP3("Kerovant", "%2 %1", "subject"), parts).Counting(count);
    case DayRole::On:
        //: The fixed day something happens on ("daylight time starts on 21
        //: March"): %1 the month's name, %2 the day of the month. Write the
        //: preposition and case the day takes here ("am 21. März"), or none;
        //: the sentence around it has none. The form for one lets the
        //: language write the first of the month ("le 1er mars").
        return Sentence(KEROVANT_TRANSLATE_N_NOOP3("Kerovant", "%2 %1", "on a day"), parts).Counting(count);
    case DayRole::Bare: break;
    }
    //: A day of a month, "21 March", inside a longer phrase ("the Sunday on
    //: or after 21 March"): %1 the month's name, %2 the day, no article.
    //: The form for one lets the language write the first of the month
    //: ("1er mars", "1. März").
    return Sentence(KEROVANT_TRANSLATE_N_NOOP("Kerovant", "%2 %1"), parts).Counting(count);
}

Sentence RuleDaySentence(const DstRule& rule, DayRole role)
{
    if (rule.kind != 0)
        return FixedDaySentence(rule.weekOrDay, rule.month, role == DayRole::Bare ? DayRole::Subject : role);
    const Sentence month = MonthOfSentence(rule.month);
    const bool on = role == DayRole::On;
    if (rule.weekOrDay >= 1 && rule.weekOrDay <= 5 && rule.dayOfWeek < 7)
        return Sentence(kWeekdayRules[on ? 1 : 0][rule.weekOrDay - 1][rule.dayOfWeek], {month});
    // A field out of range: English only, as the clock's record holds it.
    static constexpr std::array<const char*, 5> kWeeks = {"first", "second", "third", "fourth", "last"};
    const std::string week = rule.weekOrDay >= 1 && rule.weekOrDay <= 5 ? kWeeks[rule.weekOrDay - 1] : "?";
    return Sentence(("the " + week + " %1 %2").c_str(), {Name(rule.dayOfWeek, kDstWeekdayNames.data(), 7), month});
}

std::string DescribeRuleDay(const DstRule& rule)
{
    return RuleDaySentence(rule).English();
}

std::string FormatTimeOfDay(unsigned hour, unsigned minute, unsigned second)
{
    char text[16];
    if (second != 0)
        std::snprintf(text, sizeof text, "%02u:%02u:%02u", hour % 100, minute % 100, second % 100);
    else
        std::snprintf(text, sizeof text, "%02u:%02u", hour % 100, minute % 100);
    return text;
}

Sentence RuleSentence(const DstRule& rule, bool utcReference)
{
    const Sentence time = Sentence::Verbatim(FormatTimeOfDay(rule.hour, rule.minute, rule.second));
    //: The day and time of a change ("the last Sunday of March at 01:00
    //: UTC"): %1 the day with its preposition, %2 the time. The form for
    //: one is for the hour 1 (Spanish "a la 01:00", "a las 02:00").
    return Sentence(utcReference ? KEROVANT_TRANSLATE_N_NOOP("Kerovant", "%1 at %2 UTC")
                                 : KEROVANT_TRANSLATE_N_NOOP("Kerovant", "%1 at %2 local time"),
                    {RuleDaySentence(rule, DayRole::On), time})
        .Counting(static_cast<int>(rule.hour));
}

std::string DescribeRule(const DstRule& rule, bool utcReference)
{
    return RuleSentence(rule, utcReference).English();
}

std::string FormatShift(int64_t seconds)
{
    const int64_t magnitude = std::llabs(seconds);
    char text[32];
    if (magnitude % 60 != 0)
        std::snprintf(text, sizeof text, "%c%lld:%02lld:%02lld", seconds < 0 ? '-' : '+',
                      static_cast<long long>(magnitude / 3600), static_cast<long long>(magnitude / 60 % 60),
                      static_cast<long long>(magnitude % 60));
    else
        std::snprintf(text, sizeof text, "%c%lld:%02lld", seconds < 0 ? '-' : '+',
                      static_cast<long long>(magnitude / 3600), static_cast<long long>(magnitude / 60 % 60));
    return text;
}

std::string FormatDayAndTime(sys_seconds at)
{
    static constexpr std::array<std::string_view, 7> kShortDays = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    const sys_days day = floor<days>(at);
    const year_month_day date{day};
    const hh_mm_ss time{at - day};
    char text[48];
    std::snprintf(text, sizeof text, "%.3s %u %.3s %d %s", kShortDays[weekday{day}.c_encoding()].data(),
                  static_cast<unsigned>(date.day()), kDstMonthNames[static_cast<unsigned>(date.month()) - 1].data(),
                  static_cast<int>(date.year()),
                  FormatTimeOfDay(static_cast<unsigned>(time.hours().count()),
                                  static_cast<unsigned>(time.minutes().count()),
                                  static_cast<unsigned>(time.seconds().count()))
                      .c_str());
    return text;
}
