#include "ConfigText.h"

#include "CliSettings.h"
#include "DstConvert.h"
#include "DstRules.h"
#include "DstText.h"

std::string TimeZoneText(const ClockConfig& config)
{
    return "UTC" + FormatShift(SignedSeconds(config.biasPositive, config.biasSeconds));
}

std::string DaylightSavingText(const ClockConfig& config)
{
    const DstSettings dst = DstSettingsFromConfig(config);
    if (dst.mode == kDstDisabled)
        return "off";
    if (dst.mode != kDstByWeekday && dst.mode != kDstByDate)
        return "unknown mode " + std::to_string(dst.mode);
    const bool utc = dst.utcReference == 1;
    return DescribeRule(dst.rules.startRule, utc) + " to " + DescribeRule(dst.rules.endRule, utc) + ", " +
        FormatShift(dst.rules.daylightBias);
}

namespace {

std::string IlluminationText(const ClockConfig& config, uint8_t protocolVersion)
{
    // Protocol version 1 exchanges the configuration without the level.
    if (protocolVersion != 2)
        return "not supported (protocol version " + std::to_string(protocolVersion) + ")";
    return "level " + std::to_string(config.illumination) + " of " + std::to_string(kIlluminationMax);
}

std::string TimeCodeDateText(const ClockConfig& config)
{
    // The time code settings command reads either flag as set and writes
    // both alike.
    return config.useTimeCodeDate() != 0 || config.useTimeCodeDateAlt() != 0 ? "taken from the time code" : "not used";
}

std::string HandMotionText(uint8_t motion)
{
    switch (motion) {
    case kHandsSweep: return "sweep";
    case kHandsStep: return "step";
    case kHandsStopped: return "stopped for setting";
    default: return "unknown (" + std::to_string(motion) + ")";
    }
}

}  // namespace

std::vector<ConfigLine> DescribeConfig(const ClockConfig& config, uint8_t protocolVersion)
{
    return {
        {"Time zone:", TimeZoneText(config)},
        {"Daylight saving:", DaylightSavingText(config)},
        {"Illumination:", IlluminationText(config, protocolVersion)},
        {"Time code date:", TimeCodeDateText(config)},
        {"Hand motion:", HandMotionText(config.handMotion)},
    };
}
