#include "ClockRecords.h"

const ProductInfo g_products[kProductCount] = {
    {"TORVEX12", 0x0150, 0x0090, kBrandMaker, "Zelvora, Inc"},
    {"QVR-K58E20", 0x0350, 0x0100, kBrandPartner, "Quorvane"},
};

std::atomic<uint8_t> g_productIndex{kNoProduct};
std::atomic<uint8_t> g_protocolVersion{1};

bool SetDeviceName(LinkSettings& settings, std::string_view path)
{
    if (path.size() >= sizeof settings.deviceName)
        return false;
    path.copy(settings.deviceName, path.size());
    settings.deviceName[path.size()] = '\0';
    return true;
}

int FindProduct(uint16_t familyId)
{
    for (int row = 0; row < kProductCount; ++row) {
        if (g_products[row].familyId == familyId)
            return row;
    }
    return -1;
}

uint8_t ProtocolVersionFor(const FirmwareVersion& version)
{
    if (version.major == 0)
        return 1;
    if (version.major == 1)
        return version.minor <= 2 ? 1 : 2;
    return 2;
}

void ResetDstDefaults(ClockConfig& c)
{
    // Sunday 7 March 1999 to Tuesday 29 July 2003, both at 00:00:00 UTC.
    c.dstUseUtc = 1;
    c.dstUseLocal = 0;
    c.dstStartWeek = 1;
    c.dstEndWeek = 1;
    c.dstStartValid = 1;
    c.dstStartDayOfWeek = 1;
    c.dstStartDay = 7;
    c.dstStartMonth = 3;
    c.dstStartYear = 1999;
    c.dstStartHour = 0;
    c.dstStartMinute = 0;
    c.dstStartSecond = 0;
    c.dstStartReserved = 0;
    c.dstEndValid = 1;
    c.dstEndDayOfWeek = 3;
    c.dstEndDay = 29;
    c.dstEndMonth = 7;
    c.dstEndYear = 2003;
    c.dstEndHour = 0;
    c.dstEndMinute = 0;
    c.dstEndSecond = 0;
    c.dstEndReserved = 0;
    c.dstBiasPositive = 0;
    c.dstReserved31 = 0;
    c.dstBiasSeconds = 0;
    c.dstBiasExtra = 0;
}

namespace {

bool TimeOutOfRange(uint8_t hour, uint8_t minute, uint8_t second)
{
    return hour > 24 || minute > 60 || second > 60;
}

bool DateOutOfRange(uint8_t dayOfWeek, uint8_t day, uint8_t month)
{
    return dayOfWeek == 0 || dayOfWeek > 7 || day == 0 || day > 31 || month == 0 || month > 12;
}

bool IsKnownDstMode(uint8_t mode)
{
    return mode == kDstDisabled || mode == kDstByWeekday || mode == kDstByDate;
}

bool ClampFlag(uint8_t& value)
{
    if (value <= 1)
        return false;
    value = 1;
    return true;
}

}  // namespace

bool IsDstInvalid(const ClockConfig& c, bool checkMode)
{
    return c.dstReserved31 != 0 || c.dstStartValid == 0 || c.dstEndValid == 0 ||
        TimeOutOfRange(c.dstStartHour, c.dstStartMinute, c.dstStartSecond) ||
        DateOutOfRange(c.dstStartDayOfWeek, c.dstStartDay, c.dstStartMonth) ||
        TimeOutOfRange(c.dstEndHour, c.dstEndMinute, c.dstEndSecond) ||
        DateOutOfRange(c.dstEndDayOfWeek, c.dstEndDay, c.dstEndMonth) || c.dstStartWeek > 5 || c.dstEndWeek > 5 ||
        (checkMode && !IsKnownDstMode(c.dstMode));
}

bool ApplyDstModeStep(ClockConfig& c)
{
    switch (c.dstMode) {
    case kDstDisabled: ResetDstDefaults(c); return true;
    case kDstByWeekday:
        c.dstStartDay = 1;
        c.dstEndDay = 1;
        c.dstEndYear = 2000;
        return true;
    case kDstByDate:
        c.dstStartYear = 2000;
        c.dstEndYear = 2000;
        c.dstStartWeek = 1;
        c.dstEndWeek = 1;
        return true;
    default: return false;
    }
}

void ApplyFixedOptions(ClockConfig& c)
{
    c.tcFlagA = 1;
    c.tcFlagB = 1;
    c.tcOptions[0] = 0;
    c.tcOptions[2] = 1;
    c.tcOptions[3] = 0;
    c.tcOptions[4] = 0;
    c.tcOptions[6] = 0;
    c.tcOptions[7] = 0;
}

void NormaliseConfig(ClockConfig& c)
{
    c.valid = 1;
    ApplyDstModeStep(c);
    ApplyFixedOptions(c);
}

void NormaliseForWrite(ClockConfig& c)
{
    if (c.handMotion > kHandsStopped)
        c.handMotion = kHandsSweep;
    c.reserved05 = 0;
    ApplyDstModeStep(c);
    ApplyFixedOptions(c);
    ClampFlag(c.useTimeCodeDate());
    ClampFlag(c.useTimeCodeDateAlt());
    NormaliseConfig(c);
}

void PrepareConfigForWrite(ClockConfig& c)
{
    if (c.handMotion > kHandsStopped)
        c.handMotion = kHandsSweep;
    c.reserved05 = 0;
    const bool knownMode = ApplyDstModeStep(c);
    if (!knownMode || IsDstInvalid(c, false))
        ResetDstDefaults(c);
    NormaliseForWrite(c);
}

void StoreStandardBias(ClockConfig& c, int32_t bias)
{
    c.reserved05 = 0;
    c.biasExtra = 0;
    if (bias < 0) {
        c.biasPositive = 0;
        c.biasSeconds = static_cast<uint32_t>(-static_cast<int64_t>(bias));
    } else {
        c.biasPositive = 1;
        c.biasSeconds = static_cast<uint32_t>(bias);
    }
}

bool ValidateConfigShadow(ClockConfig& c)
{
    bool rewrite = false;
    if (c.handMotion > kHandsStopped) {
        c.handMotion = kHandsSweep;
        rewrite = true;
    }
    if (c.reserved05 != 0) {
        c.reserved05 = 0;
        rewrite = true;
    }
    if (IsDstInvalid(c, true)) {
        ResetDstDefaults(c);
        rewrite = true;
    }
    rewrite |= ClampFlag(c.useTimeCodeDate());
    rewrite |= ClampFlag(c.useTimeCodeDateAlt());
    return rewrite;
}

std::vector<ConfigProblem> FindConfigProblems(const ClockConfig& c)
{
    std::vector<ConfigProblem> found;
    const auto check = [&](bool bad, const char* field, uint32_t value, const char* allowed, bool mended = true) {
        if (bad)
            found.push_back(ConfigProblem{field, value, allowed, mended});
    };
    check(c.valid == 0, "valid", c.valid, "1", false);
    check(c.handMotion > kHandsStopped, "handMotion", c.handMotion, "0 to 2");
    check(c.reserved05 != 0, "reserved05", c.reserved05, "0");
    check(c.biasSeconds > kMaxBiasSeconds, "biasSeconds", c.biasSeconds, "0 to 86400", false);
    check(!IsKnownDstMode(c.dstMode), "dstMode", c.dstMode, "0, 8 or 16");
    check(c.dstStartWeek > 5, "dstStartWeek", c.dstStartWeek, "0 to 5");
    check(c.dstEndWeek > 5, "dstEndWeek", c.dstEndWeek, "0 to 5");
    const auto date = [&](const char* side, uint8_t valid, uint8_t dayOfWeek, uint8_t day, uint8_t month, uint8_t hour,
                          uint8_t minute, uint8_t second) {
        const bool start = side[0] == 's';
        check(valid == 0, start ? "dstStartValid" : "dstEndValid", valid, "1");
        check(dayOfWeek == 0 || dayOfWeek > 7, start ? "dstStartDayOfWeek" : "dstEndDayOfWeek", dayOfWeek, "1 to 7");
        check(day == 0 || day > 31, start ? "dstStartDay" : "dstEndDay", day, "1 to 31");
        check(month == 0 || month > 12, start ? "dstStartMonth" : "dstEndMonth", month, "1 to 12");
        check(hour > 24, start ? "dstStartHour" : "dstEndHour", hour, "0 to 24");
        check(minute > 60, start ? "dstStartMinute" : "dstEndMinute", minute, "0 to 60");
        check(second > 60, start ? "dstStartSecond" : "dstEndSecond", second, "0 to 60");
    };
    date("start", c.dstStartValid, c.dstStartDayOfWeek, c.dstStartDay, c.dstStartMonth, c.dstStartHour,
         c.dstStartMinute, c.dstStartSecond);
    date("end", c.dstEndValid, c.dstEndDayOfWeek, c.dstEndDay, c.dstEndMonth, c.dstEndHour, c.dstEndMinute,
         c.dstEndSecond);
    check(c.dstReserved31 != 0, "dstReserved31", c.dstReserved31, "0");
    check(c.dstBiasSeconds > kMaxBiasSeconds, "dstBiasSeconds", c.dstBiasSeconds, "0 to 86400", false);
    check(c.useTimeCodeDate() > 1, "useTimeCodeDate", c.useTimeCodeDate(), "0 or 1");
    check(c.useTimeCodeDateAlt() > 1, "useTimeCodeDateAlt", c.useTimeCodeDateAlt(), "0 or 1");
    return found;
}

std::string DescribeConfigProblems(const std::vector<ConfigProblem>& problems)
{
    std::string text;
    for (const ConfigProblem& problem : problems) {
        if (!text.empty())
            text += "; ";
        text += std::string(problem.field) + " is " + std::to_string(problem.value) +
            " (allowed: " + std::string(problem.allowed) + ")";
    }
    return text;
}
