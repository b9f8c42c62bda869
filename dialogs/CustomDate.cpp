#include "CustomDate.h"

#include "DstText.h"

#include <QCalendar>

#include <string>

namespace {

// The month names are the program's own (the daylight-saving rules' table),
// not the locale's.
constexpr const char* kBadMonth = KEROVANT_TRANSLATE_NOOP("Kerovant", "Month: enter a month from 1 to 12.");
//: %1 and %2: the first and last year the clock counts right.
constexpr const char* kBadYear = KEROVANT_TRANSLATE_NOOP("Kerovant", "Year: enter a year from %1 to %2.");
//: %1 the month's name ("April"), %2 the year, %3 its number of days.
constexpr const char* kBadDay = KEROVANT_TRANSLATE_NOOP("Kerovant", "Day: %1 %2 has %3 days; enter 1 to %3.");

Sentence Number(unsigned value)
{
    return Sentence::Verbatim(std::to_string(value));
}

}  // namespace

std::optional<DateProblem> CheckCustomDate(unsigned month, unsigned day, unsigned year)
{
    if (month < 1 || month > 12)
        return DateProblem{DateField::Month, Sentence(kBadMonth)};
    if (year < kCustomYearFirst || year > kCustomYearLast)
        return DateProblem{DateField::Year, Sentence(kBadYear, {Number(kCustomYearFirst), Number(kCustomYearLast)})};
    const int length = QCalendar().daysInMonth(static_cast<int>(month), static_cast<int>(year));
    if (day < 1 || day > static_cast<unsigned>(length))
        return DateProblem{DateField::Day,
                           Sentence(kBadDay,
                                    {Sentence(kDstMonthNames[month - 1].data()), Number(year),
                                     Number(static_cast<unsigned>(length))})};
    return std::nullopt;
}
