// The words the rule editor, its import and its preview use for rules,
// times and shifts, and the names in its lists. One copy, so the dialog's
// lists, its messages and the command-line tool say the same.
#pragma once

#include "DstRuleSet.h"

#include "CalendarNames.h"
#include "Translatable.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>

// The entries of the day-of-week lists (index = DstRule::dayOfWeek) and of
// the month lists (index = month - 1), and the months' short names under the
// year strip and in its changes' days ("28 Mar"): the program's one copy of
// the names (CalendarNames.h).
inline constexpr const auto& kDstWeekdayNames = kWeekdayNames;
inline constexpr const auto& kDstMonthNames = kMonthNames;
inline constexpr const auto& kDstMonthShortNames = kMonthShortNames;

// The place a day takes in a sentence. The English is the same in each;
// other languages write each role its own way: German "der letzte Sonntag
// im März" as the subject, "am letzten Sonntag im März" for the day
// something happens on, "8. März" inside a longer phrase ("ab dem 8. März").
enum class DayRole { Subject, On, Bare };

// "the last Sunday of March" for a weekday rule, "21 March" for a fixed
// date; "?" stands for a field out of range. A fixed date asked for Bare
// is given as Subject: a rule's day always stands in a sentence of its own.
std::string DescribeRuleDay(const DstRule& rule);
Sentence RuleDaySentence(const DstRule& rule, DayRole role = DayRole::Subject);
// "21 March" (any month number out of range reads "?").
Sentence FixedDaySentence(unsigned day, unsigned month, DayRole role = DayRole::Bare);
// "of March", after a week's weekday ("the last Sunday" + "of March").
Sentence MonthOfSentence(unsigned month);

// "01:00", with ":30" when the seconds are not zero.
std::string FormatTimeOfDay(unsigned hour, unsigned minute, unsigned second);

// "the last Sunday of March at 01:00 UTC" or "... at 02:00 local time": the
// day something happens on (DayRole::On).
std::string DescribeRule(const DstRule& rule, bool utcReference);
Sentence RuleSentence(const DstRule& rule, bool utcReference);

// A shift as the clock applies it: "+1:00", "-0:30", "+0:00:20".
std::string FormatShift(int64_t seconds);

// A moment shown on the given scale: "Sun 28 Mar 2027 01:00" (":SS" added
// when the seconds are not zero).
std::string FormatDayAndTime(std::chrono::sys_seconds at);
