// The names of the days and months, the one copy the window and the
// libraries use: the rule editor's lists and sentences, the year strip and
// the days and times of the changes all say the same. Marked for
// translation; the command-line tool uses them as they are.
#pragma once

#include "Translatable.h"

#include <array>
#include <string_view>

// The context of the short names: a short name is its own message, so that
// "May" can be "mayo" in full and "may" short.
inline constexpr const char* kShortNameContext = "KerovantShort";

// Index = day of the week, Sunday first.
inline constexpr std::array<std::string_view, 7> kWeekdayNames = {
    KEROVANT_TRANSLATE_NOOP("Kerovant", "Sunday"),   KEROVANT_TRANSLATE_NOOP("Kerovant", "Monday"),
    KEROVANT_TRANSLATE_NOOP("Kerovant", "Tuesday"),  KEROVANT_TRANSLATE_NOOP("Kerovant", "Wednesday"),
    KEROVANT_TRANSLATE_NOOP("Kerovant", "Thursday"), KEROVANT_TRANSLATE_NOOP("Kerovant", "Friday"),
    KEROVANT_TRANSLATE_NOOP("Kerovant", "Saturday")};
// Index = month - 1.
inline constexpr std::array<std::string_view, 12> kMonthNames = {
    KEROVANT_TRANSLATE_NOOP("Kerovant", "January"),   KEROVANT_TRANSLATE_NOOP("Kerovant", "February"),
    KEROVANT_TRANSLATE_NOOP("Kerovant", "March"),     KEROVANT_TRANSLATE_NOOP("Kerovant", "April"),
    KEROVANT_TRANSLATE_NOOP("Kerovant", "May"),       KEROVANT_TRANSLATE_NOOP("Kerovant", "June"),
    KEROVANT_TRANSLATE_NOOP("Kerovant", "July"),      KEROVANT_TRANSLATE_NOOP("Kerovant", "August"),
    KEROVANT_TRANSLATE_NOOP("Kerovant", "September"), KEROVANT_TRANSLATE_NOOP("Kerovant", "October"),
    KEROVANT_TRANSLATE_NOOP("Kerovant", "November"),  KEROVANT_TRANSLATE_NOOP("Kerovant", "December")};

// The short names, in kShortNameContext: the months under the year strip
// and in its days ("28 Mar"), the weekdays and months in the days and times
// of the changes ("Sun 28 Mar 2027 01:00").
inline constexpr std::array<std::string_view, 7> kWeekdayShortNames = {
    //: A weekday's short name, in a change's day ("Sun 28 Mar 2027"): the
    //: language's usual abbreviation, dot included where it takes one.
    KEROVANT_TRANSLATE_NOOP("KerovantShort", "Sun"), KEROVANT_TRANSLATE_NOOP("KerovantShort", "Mon"),
    KEROVANT_TRANSLATE_NOOP("KerovantShort", "Tue"), KEROVANT_TRANSLATE_NOOP("KerovantShort", "Wed"),
    KEROVANT_TRANSLATE_NOOP("KerovantShort", "Thu"), KEROVANT_TRANSLATE_NOOP("KerovantShort", "Fri"),
    KEROVANT_TRANSLATE_NOOP("KerovantShort", "Sat")};
inline constexpr std::array<std::string_view, 12> kMonthShortNames = {
    //: A month's short name, under its month in the year strip: at most
    //: five characters, or the strip's names run into each other.
    KEROVANT_TRANSLATE_NOOP("KerovantShort", "Jan"), KEROVANT_TRANSLATE_NOOP("KerovantShort", "Feb"),
    KEROVANT_TRANSLATE_NOOP("KerovantShort", "Mar"), KEROVANT_TRANSLATE_NOOP("KerovantShort", "Apr"),
    //: The short name of May, under its month in the year strip: at most
    //: five characters.
    KEROVANT_TRANSLATE_NOOP("KerovantShort", "May"), KEROVANT_TRANSLATE_NOOP("KerovantShort", "Jun"),
    KEROVANT_TRANSLATE_NOOP("KerovantShort", "Jul"), KEROVANT_TRANSLATE_NOOP("KerovantShort", "Aug"),
    KEROVANT_TRANSLATE_NOOP("KerovantShort", "Sep"), KEROVANT_TRANSLATE_NOOP("KerovantShort", "Oct"),
    KEROVANT_TRANSLATE_NOOP("KerovantShort", "Nov"), KEROVANT_TRANSLATE_NOOP("KerovantShort", "Dec")};
