// Conversions between the clock's time scale (ClockTime: whole seconds since
// 1900-01-01 00:00:00 plus a 16-bit fraction) and calendar dates. Pure
// functions on caller-owned values; safe from any thread.
#pragma once

#include <cstdint>

#include "ClockRecords.h"

// A calendar date and time of day, as the dialogs and the status display
// use it.
struct ClockDateTime {
    uint8_t valid = 0;  // from/to ClockTime::set; 0 also marks a bad date
    uint8_t reserved = 0;
    uint8_t dayOfWeek = 0;   // not read by anything; need not be filled
    uint8_t day = 0;         // 1..31
    uint8_t month = 0;       // 1..12
    int16_t year = 0;        // four-digit year
    uint8_t hour = 0;        // 0..23
    uint8_t minute = 0;      // 0..59
    uint8_t second = 0;      // 0..59
    uint8_t hundredths = 0;  // never reaches a time value

    friend bool operator==(const ClockDateTime&, const ClockDateTime&) = default;
};

// target += amount over secondsHigh:seconds:fraction (56 bits, wrapping).
// target.set is left alone.
void AddTimeValue(ClockTime& target, const ClockTime& amount);

// target -= amount over secondsHigh:seconds:fraction. Returns true when the
// true result is below zero (the fields then hold it modulo 2^56).
// target.set is left alone.
bool SubtractTimeValue(ClockTime& target, const ClockTime& amount);

// Gregorian rule.
bool IsLeapYear(int year);

// day plus the lengths of the months before month (1-based day of the year).
int DayOfYear(const ClockDateTime& record);

// Sets month and day from a 1-based day of the year. A day outside the year
// sets valid, month and day to 0 and leaves the rest.
void SetMonthAndDay(ClockDateTime& record, int dayOfYear);

// Calendar record to time value, the way the clock firmware expects it:
// exact for 2001-01-01 to 2099-12-31 and for 1900; dates in 1901-2000 come
// out one day high, 2100 one day high in January/February and two from
// March on. The hand position dialog relies on 2000-01-01 mapping to
// 3,155,760,000 s. hundredths and dayOfWeek are ignored; fraction is 0.
ClockTime CalendarToTimeValue(const ClockDateTime& record);

// Time value to calendar record: exact Gregorian date and time of day for
// every value. hundredths is 0; fraction is ignored; valid copies set. A
// value past the last day year can hold (32767-12-31) gives valid, day,
// month and year 0.
ClockDateTime TimeValueToCalendar(const ClockTime& value);
