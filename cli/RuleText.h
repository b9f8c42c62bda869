// The words a user types for a daylight-saving rule on the command line,
// and for a shift or an offset.
//
// A rule is one of:
//   weekday rule   WEEK WEEKDAY [of] MONTH [at] TIME    "last Sun Mar 01:00", "2nd Sun Mar 02:00:00"
//   fixed date     MONTH DAY [at] TIME                   "Mar 29 02:00"
//                  DAY MONTH [at] TIME                   "29 Mar 02:00"
// WEEK is 1st, 2nd, 3rd, 4th, first, second, third, fourth or last;
// WEEKDAY and MONTH are English names or their first three letters, in any
// case; TIME is H:MM or H:MM:SS. Words are separated by blanks.
//
// The parser reads the form only: numbers of one or two digits where the
// form wants them. Whether the values make a rule the clock can keep (an
// hour up to 24, a 30th of February) is the rule editor's check, so the
// command line refuses exactly what the daylight-saving dialog refuses,
// naming --start or --end.
//
// Plain functions over text; no state, safe from any thread.
#pragma once

#include "DstRuleSet.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct RuleTextResult {
    std::optional<DstRule> rule;  // kind 0 weekday rule, 1 fixed date
    std::string error;            // why the text is no rule; empty when it is
};

RuleTextResult ParseDstRuleText(std::string_view text);

// A signed span "[+|-]H:MM[:SS]" (hours of one or two digits, minutes and
// seconds of two, each below 60), as seconds.
struct SpanTextResult {
    std::optional<int32_t> seconds;
    std::string error;
};

// maxHours: the largest number of hours taken.
SpanTextResult ParseSpanText(std::string_view text, unsigned maxHours);
