// The words the rule editor, its import and its preview use for rules,
// times and shifts, and the names in its lists. One copy, so the dialog's
// lists, its messages and the command-line tool say the same.
#pragma once

#include "DstRuleSet.h"

#include "Translatable.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>

// The entries of the day-of-week lists (index = DstRule::dayOfWeek) and of
// the month lists (index = month - 1). Marked for translation: the dialog's
// lists show them in the user's language; the rules' texts and the
// command-line tool use them as they are.
inline constexpr std::array<std::string_view, 7> kDstWeekdayNames = {
    KEROVANT_TRANSLATE_NOOP("Kerovant", "Sunday"),   KEROVANT_TRANSLATE_NOOP("Kerovant", "Monday"),
    KEROVANT_TRANSLATE_NOOP("Kerovant", "Tuesday"),  KEROVANT_TRANSLATE_NOOP("Kerovant", "Wednesday"),
    KEROVANT_TRANSLATE_NOOP("Kerovant", "Thursday"), KEROVANT_TRANSLATE_NOOP("Kerovant", "Friday"),
    KEROVANT_TRANSLATE_NOOP("Kerovant", "Saturday")};
inline constexpr std::array<std::string_view, 12> kDstMonthNames = {
    KEROVANT_TRANSLATE_NOOP("Kerovant", "January"),   KEROVANT_TRANSLATE_NOOP("Kerovant", "February"),
    KEROVANT_TRANSLATE_NOOP("Kerovant", "March"),     KEROVANT_TRANSLATE_NOOP("Kerovant", "April"),
    KEROVANT_TRANSLATE_NOOP("Kerovant", "May"),       KEROVANT_TRANSLATE_NOOP("Kerovant", "June"),
    KEROVANT_TRANSLATE_NOOP("Kerovant", "July"),      KEROVANT_TRANSLATE_NOOP("Kerovant", "August"),
    KEROVANT_TRANSLATE_NOOP("Kerovant", "September"), KEROVANT_TRANSLATE_NOOP("Kerovant", "October"),
    KEROVANT_TRANSLATE_NOOP("Kerovant", "November"),  KEROVANT_TRANSLATE_NOOP("Kerovant", "December")};

// The months' short names, under the months of the year strip and in its
// changes' days ("28 Mar").
inline constexpr std::array<std::string_view, 12> kDstMonthShortNames = {
    KEROVANT_TRANSLATE_NOOP("Kerovant", "Jan"), KEROVANT_TRANSLATE_NOOP("Kerovant", "Feb"),
    KEROVANT_TRANSLATE_NOOP("Kerovant", "Mar"), KEROVANT_TRANSLATE_NOOP("Kerovant", "Apr"),
    KEROVANT_TRANSLATE_NOOP("Kerovant", "May"), KEROVANT_TRANSLATE_NOOP("Kerovant", "Jun"),
    KEROVANT_TRANSLATE_NOOP("Kerovant", "Jul"), KEROVANT_TRANSLATE_NOOP("Kerovant", "Aug"),
    KEROVANT_TRANSLATE_NOOP("Kerovant", "Sep"), KEROVANT_TRANSLATE_NOOP("Kerovant", "Oct"),
    KEROVANT_TRANSLATE_NOOP("Kerovant", "Nov"), KEROVANT_TRANSLATE_NOOP("Kerovant", "Dec")};

// "the last Sunday of March" for a weekday rule, "21 March" for a fixed
// date; "?" stands for a field out of range.
std::string DescribeRuleDay(const DstRule& rule);
Sentence RuleDaySentence(const DstRule& rule);
// "21 March" (any month number out of range reads "?").
Sentence FixedDaySentence(unsigned day, unsigned month);

// "01:00", with ":30" when the seconds are not zero.
std::string FormatTimeOfDay(unsigned hour, unsigned minute, unsigned second);

// "the last Sunday of March at 01:00 UTC" or "... at 02:00 local time".
std::string DescribeRule(const DstRule& rule, bool utcReference);
Sentence RuleSentence(const DstRule& rule, bool utcReference);

// A shift as the clock applies it: "+1:00", "-0:30", "+0:00:20".
std::string FormatShift(int64_t seconds);

// A moment shown on the given scale: "Sun 28 Mar 2027 01:00" (":SS" added
// when the seconds are not zero).
std::string FormatDayAndTime(std::chrono::sys_seconds at);
