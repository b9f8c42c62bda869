// The rule set that the main window exchanges with the time zone and
// daylight-saving dialogs. The order follows the usual time zone record of
// desktop systems (bias, standard date, daylight date, daylight bias): the
// end rule (back to standard time) comes before the start rule.
#pragma once

#include <cstdint>

// One transition rule.
struct DstRule {
    // 0: weekday rule (the n-th given weekday of a month); anything else: a
    // fixed date. The rule editor writes 1 for a fixed date; an import may
    // carry a year here.
    uint16_t kind = 0;
    uint8_t month = 0;      // 1 January .. 12 December
    uint8_t dayOfWeek = 0;  // 0 Sunday .. 6 Saturday; weekday rules only
    uint8_t weekOrDay = 0;  // weekday rule: 1..4, 5 the last; fixed date: day of the month
    uint8_t hour = 0;       // time of day of the transition
    uint8_t minute = 0;
    uint8_t second = 0;

    friend bool operator==(const DstRule&, const DstRule&) = default;
};

struct DstRuleSet {
    // The time zone bias in seconds, positive east of Greenwich. Only the time
    // zone dialog edits it; the daylight-saving dialog leaves it alone.
    int32_t bias = 0;
    DstRule endRule;    // when daylight time ends
    DstRule startRule;  // when daylight time begins
    // The shift during daylight time in seconds; positive moves the clock
    // forward. 64 bits: the clock's record keeps a sign and a 32-bit
    // magnitude, which a 32-bit value would fold onto a small shift.
    int64_t daylightBias = 0;

    friend bool operator==(const DstRuleSet&, const DstRuleSet&) = default;
};
