#include "CustomDate.h"

#include <QCalendar>

#include <array>

namespace {

// The program speaks English; the names do not follow the user's locale.
constexpr std::array<const char*, 12> kMonthNames = {"January",   "February", "March",    "April",
                                                     "May",       "June",     "July",     "August",
                                                     "September", "October",  "November", "December"};

}  // namespace

std::optional<DateProblem> CheckCustomDate(unsigned month, unsigned day, unsigned year)
{
    if (month < 1 || month > 12)
        return DateProblem{DateField::Month, QStringLiteral("Month: enter a month from 1 to 12.")};
    if (year < kCustomYearFirst || year > kCustomYearLast)
        return DateProblem{
            DateField::Year,
            QStringLiteral("Year: enter a year from %1 to %2.").arg(kCustomYearFirst).arg(kCustomYearLast)};
    const int length = QCalendar().daysInMonth(static_cast<int>(month), static_cast<int>(year));
    if (day < 1 || day > static_cast<unsigned>(length))
        return DateProblem{DateField::Day,
                           QStringLiteral("Day: %1 %2 has %3 days; enter 1 to %3.")
                               .arg(QLatin1String(kMonthNames[month - 1]))
                               .arg(year)
                               .arg(length)};
    return std::nullopt;
}
