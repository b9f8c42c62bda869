#include "DstConvert.h"

#include "DstRules.h"

namespace {

DstRule RuleFrom(uint8_t mode, uint8_t week, uint8_t day, uint8_t dayOfWeek, uint8_t month, uint8_t hour,
                 uint8_t minute, uint8_t second)
{
    DstRule rule;
    rule.kind = mode == kDstByDate ? 1 : 0;
    rule.weekOrDay = mode == kDstByDate ? day : week;
    // The configuration counts 1 = Sunday; 0 there wraps to 255 here, which
    // no list entry shows.
    rule.dayOfWeek = static_cast<uint8_t>(dayOfWeek - 1);
    rule.month = month;
    rule.hour = hour;
    rule.minute = minute;
    rule.second = second;
    return rule;
}

struct RuleFields {
    uint8_t& week;
    uint8_t& day;
    uint8_t& dayOfWeek;
    uint8_t& month;
    uint8_t& hour;
    uint8_t& minute;
    uint8_t& second;
    uint8_t& reserved;
};

void StoreRule(const DstRule& rule, uint8_t mode, RuleFields f)
{
    // The other of week and day is left for the clock's mode step to set.
    (mode == kDstByDate ? f.day : f.week) = rule.weekOrDay;
    f.dayOfWeek = static_cast<uint8_t>(rule.dayOfWeek + 1);
    f.month = rule.month;
    f.hour = rule.hour;
    f.minute = rule.minute;
    f.second = rule.second;
    f.reserved = 0;
}

}  // namespace

DstSettings DstSettingsFromConfig(const ClockConfig& c)
{
    DstSettings s;
    s.mode = c.dstMode;
    s.rules.startRule = RuleFrom(c.dstMode, c.dstStartWeek, c.dstStartDay, c.dstStartDayOfWeek, c.dstStartMonth,
                                 c.dstStartHour, c.dstStartMinute, c.dstStartSecond);
    s.rules.endRule = RuleFrom(c.dstMode, c.dstEndWeek, c.dstEndDay, c.dstEndDayOfWeek, c.dstEndMonth, c.dstEndHour,
                               c.dstEndMinute, c.dstEndSecond);
    s.rules.daylightBias = SignedSeconds(c.dstBiasPositive, c.dstBiasSeconds);
    s.utcReference = c.dstUseUtc;
    return s;
}

void StoreDstSettings(const DstSettings& s, ClockConfig& c)
{
    const int64_t bias = s.rules.daylightBias;
    c.dstBiasPositive = bias < 0 ? 0 : 1;
    c.dstBiasSeconds = static_cast<uint32_t>(bias < 0 ? -bias : bias);
    c.dstReserved31 = 0;
    c.dstBiasExtra = 0;
    c.dstMode = s.mode;
    c.dstUseUtc = s.utcReference;
    c.dstUseLocal = s.utcReference == 0 ? 1 : 0;
    StoreRule(s.rules.startRule, s.mode,
              {c.dstStartWeek, c.dstStartDay, c.dstStartDayOfWeek, c.dstStartMonth, c.dstStartHour, c.dstStartMinute,
               c.dstStartSecond, c.dstStartReserved});
    StoreRule(s.rules.endRule, s.mode,
              {c.dstEndWeek, c.dstEndDay, c.dstEndDayOfWeek, c.dstEndMonth, c.dstEndHour, c.dstEndMinute,
               c.dstEndSecond, c.dstEndReserved});
    c.configured = 1;
    c.valid = 1;
}
