#include "CustomDate.h"

#include "DstText.h"

#include <QCalendar>
#include <QCoreApplication>

namespace {

// The messages are in the program's language: the window translates them,
// the command-line tool loads no translation and prints them as they are.
// The month names are the program's own (the daylight-saving rules' table),
// not the locale's.
constexpr const char* kBadMonth = QT_TRANSLATE_NOOP("Kerovant", "Month: enter a month from 1 to 12.");
// %1 and %2: the first and last year.
constexpr const char* kBadYear = QT_TRANSLATE_NOOP("Kerovant", "Year: enter a year from %1 to %2.");
// %1 the month's name, %2 the year, %3 its number of days.
constexpr const char* kBadDay = QT_TRANSLATE_NOOP("Kerovant", "Day: %1 %2 has %3 days; enter 1 to %3.");

QString Tr(const char* text)
{
    return QCoreApplication::translate("Kerovant", text);
}

}  // namespace

std::optional<DateProblem> CheckCustomDate(unsigned month, unsigned day, unsigned year)
{
    if (month < 1 || month > 12)
        return DateProblem{DateField::Month, Tr(kBadMonth)};
    if (year < kCustomYearFirst || year > kCustomYearLast)
        return DateProblem{DateField::Year, Tr(kBadYear).arg(kCustomYearFirst).arg(kCustomYearLast)};
    const int length = QCalendar().daysInMonth(static_cast<int>(month), static_cast<int>(year));
    if (day < 1 || day > static_cast<unsigned>(length))
        return DateProblem{DateField::Day, Tr(kBadDay).arg(Tr(kDstMonthNames[month - 1].data())).arg(year).arg(length)};
    return std::nullopt;
}
