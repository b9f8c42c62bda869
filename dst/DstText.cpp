#include "DstText.h"

#include <cstdio>
#include <cstdlib>

using namespace std::chrono;

namespace {

// "the last Sunday of March", one sentence for each week: the words around
// the week's number change with it in most languages.
constexpr std::array<const char*, 5> kWeekdayRules = {KEROVANT_TRANSLATE_NOOP("Kerovant", "the first %1 of %2"),
                                                      KEROVANT_TRANSLATE_NOOP("Kerovant", "the second %1 of %2"),
                                                      KEROVANT_TRANSLATE_NOOP("Kerovant", "the third %1 of %2"),
                                                      KEROVANT_TRANSLATE_NOOP("Kerovant", "the fourth %1 of %2"),
                                                      KEROVANT_TRANSLATE_NOOP("Kerovant", "the last %1 of %2")};

Sentence Name(unsigned index, const std::string_view* names, unsigned count)
{
    return index < count ? Sentence(names[index].data()) : Sentence::Verbatim("?");
}

}  // namespace

Sentence FixedDaySentence(unsigned day, unsigned month)
{
    //: A day of a month, "21 March": %1 the month's name, %2 the day.
    return Sentence(KEROVANT_TRANSLATE_NOOP("Kerovant", "%2 %1"),
                    {Name(month - 1, kDstMonthNames.data(), 12), Sentence::Verbatim(std::to_string(day))});
}

Sentence RuleDaySentence(const DstRule& rule)
{
    if (rule.kind != 0)
        return FixedDaySentence(rule.weekOrDay, rule.month);
    const Sentence weekday = Name(rule.dayOfWeek, kDstWeekdayNames.data(), 7);
    const Sentence month = Name(rule.month - 1u, kDstMonthNames.data(), 12);
    if (rule.weekOrDay >= 1 && rule.weekOrDay <= 5)
        return Sentence(kWeekdayRules[rule.weekOrDay - 1], {weekday, month});
    return Sentence("the ? %1 of %2", {weekday, month});
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
    return Sentence(utcReference ? KEROVANT_TRANSLATE_NOOP("Kerovant", "%1 at %2 UTC")
                                 : KEROVANT_TRANSLATE_NOOP("Kerovant", "%1 at %2 local time"),
                    {RuleDaySentence(rule), time});
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
