#include "DstText.h"

#include <cstdio>
#include <cstdlib>

using namespace std::chrono;

namespace {

constexpr std::array<std::string_view, 5> kWeekWords = {"first", "second", "third", "fourth", "last"};

std::string MonthName(unsigned month)
{
    return month >= 1 && month <= 12 ? std::string(kDstMonthNames[month - 1]) : "?";
}

}  // namespace

std::string DescribeRuleDay(const DstRule& rule)
{
    if (rule.kind != 0)
        return std::to_string(rule.weekOrDay) + " " + MonthName(rule.month);
    const std::string week =
        rule.weekOrDay >= 1 && rule.weekOrDay <= 5 ? std::string(kWeekWords[rule.weekOrDay - 1]) : "?";
    const std::string weekday = rule.dayOfWeek < 7 ? std::string(kDstWeekdayNames[rule.dayOfWeek]) : "?";
    return "the " + week + " " + weekday + " of " + MonthName(rule.month);
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

std::string DescribeRule(const DstRule& rule, bool utcReference)
{
    return DescribeRuleDay(rule) + " at " + FormatTimeOfDay(rule.hour, rule.minute, rule.second) +
        (utcReference ? " UTC" : " local time");
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
