// The clock's configuration as a person reads it: the time zone, the
// daylight-saving rules, the illumination, the time code date and the hand
// motion, one line each. `kerovant-cli status` prints these lines and a
// profile's summary holds the first two, so both say the same.
//
// The daylight-saving fields read as the rule editor reads them
// (DstSettingsFromConfig): mode 16 gives fixed dates from the day fields,
// mode 8 weekday rules from the week fields, each rule's time UTC or local
// as the reference flag says.
//
// Plain functions over values; no state, safe from any thread.
#pragma once

#include "ClockRecords.h"

#include <cstdint>
#include <string>
#include <vector>

// "UTC+1:00", "UTC-5:30".
std::string TimeZoneText(const ClockConfig& config);

// "off"; "the last Sunday of March at 01:00 UTC to the last Sunday of
// October at 01:00 UTC, +1:00"; "30 March at 02:00 local time to ...";
// "unknown mode 5" for a mode that is neither off nor one of the two forms.
std::string DaylightSavingText(const ClockConfig& config);

struct ConfigLine {
    std::string label;  // "Time zone:"
    std::string value;  // "UTC+1:00"
    friend bool operator==(const ConfigLine&, const ConfigLine&) = default;
};

// Every setting in words, in the order above. The illumination level needs
// protocol version 2; with version 1 the line says it is not supported.
std::vector<ConfigLine> DescribeConfig(const ClockConfig& config, uint8_t protocolVersion);
