// The daylight-saving part of the clock's configuration as the rule editor
// edits it, and back.
//
// The configuration keeps one mode for both rules (0 off, 8 weekday rules,
// 16 fixed dates), counts weekdays 1 = Sunday .. 7 = Saturday and keeps the
// daylight bias as a sign flag and a magnitude. The editor's rule set counts
// weekdays 0 = Sunday .. 6 = Saturday, marks each rule's form in `kind` and
// keeps the bias signed.
#pragma once

#include "ClockRecords.h"
#include "DstRuleSet.h"

#include <cstdint>

struct DstSettings {
    DstRuleSet rules;
    uint8_t mode = 0;          // 0 off, 8 weekday rules, 16 fixed dates (a clock may hold others)
    uint8_t utcReference = 0;  // 1: both rules' times are UTC; 0: local time

    friend bool operator==(const DstSettings&, const DstSettings&) = default;
};

// Fills the rule set from the configuration, starting from all zeros (so
// `bias` stays 0: the time zone command fills it, this one never uses it).
// Mode 16 gives fixed dates whose day comes from the day fields; every other
// mode gives weekday rules whose week comes from the week fields.
DstSettings DstSettingsFromConfig(const ClockConfig& config);

// Stores the settings into the configuration: the daylight bias, the mode,
// the reference flags, the start and end fields (the day fields in mode 16,
// the week fields otherwise), and configured = valid = 1. Every other field
// stays as it was. The rules' `kind` is not stored: the mode says it.
void StoreDstSettings(const DstSettings& settings, ClockConfig& config);
