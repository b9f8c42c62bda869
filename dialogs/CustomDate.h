// The check of a date the user types for the clock.
//
// The clock's conversion counts 2001-01-01 to 2099-12-31 right; before 2001
// it comes out a day late, and a date that does not exist (31 April, month
// 0) would set the clock to some other day without a word. So a typed date
// is taken only when it exists and lies in those years; otherwise the user
// is told which field to correct and what it accepts. The window and the
// command-line tool refuse the same dates with the same words.
#pragma once

#include "Translatable.h"

#include <cstdint>
#include <optional>

inline constexpr unsigned kCustomYearFirst = 2001;
inline constexpr unsigned kCustomYearLast = 2099;

enum class DateField : uint8_t { Month, Day, Year };

struct DateProblem {
    DateField field;
    // Names the field and what it accepts: the window shows it in the
    // user's language (Tr), the command-line tool message.English().
    Sentence message;
};

// Nothing for a date the clock can be set to. The month is checked first,
// then the year, then the day (whose length depends on both): 29 February
// 2100 is refused for its year.
std::optional<DateProblem> CheckCustomDate(unsigned month, unsigned day, unsigned year);
