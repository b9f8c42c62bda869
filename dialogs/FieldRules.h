// The rules of a time field group: short digit fields for hours, minutes,
// seconds, month, day and year that share one up/down spin.
//
// - A field's value is the decimal number its text starts with; empty text,
//   or text that starts with anything else, is 0.
// - While the user types, a value above its kind's maximum is replaced at
//   once (a program write is checked the same way); values below the
//   minimum stay, so "0" in a month field can be typed on the way to "07".
//   The replacement is in range, so it is never replaced again.
// - The spin's range is the kind's range. One step first writes the spin's
//   current position into the field with two digits, then moves by one and
//   writes the new position plainly; at either end it stops and writes
//   nothing more, so "23" up on an hour field stays "23". It never wraps.
//
// Plain values, no widgets: the time field group widget asks these.
#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>

// RuleHour, RuleMinute and RuleSecond are the time of a daylight-saving
// change: hour 0 to 24, minute and second 0 to 60, as the clock's checks
// take them (24:00 is the end of the day); a rule that holds such a value
// must not be changed by merely showing it.
enum class FieldKind : uint8_t { Hour, Minute, Second, Month, Day, Year, RuleHour, RuleMinute, RuleSecond };

// The dialogs differ only in how a field over range is corrected.
enum class FieldVariant : uint8_t {
    // The last digit of the value, "75" in an hour field becomes "5". A year
    // becomes "2099". Daylight-saving and set date/time dialogs.
    Plain,
    // As Plain, but the minute field keeps two digits: "75" becomes "05".
    TimeZone,
    // First the last two digits; only if still over, the last one: "123" in
    // an hour field becomes "23", "150" becomes "0". Hand position dialog.
    HandPosition,
};

struct FieldRange {
    unsigned min = 0;
    unsigned max = 0;

    bool Contains(unsigned value) const { return value >= min && value <= max; }
    friend bool operator==(const FieldRange&, const FieldRange&) = default;
};

// The spin's range for a kind: hour 0..23, minute and second 0..59, month
// 1..12, day 1..31, year 1980..2099; a rule's hour 0..24, its minute and
// second 0..60.
FieldRange RangeOf(FieldKind kind);

// The value of a field's text, reading at most maxChars characters (all
// when negative). Saturates at UINT32_MAX rather than wrapping, so a long
// pasted number never reads as a small one.
unsigned FieldValue(QStringView text, qsizetype maxChars = -1);

// The text that replaces a field's text when its value is over range, or
// nothing when the value is in range (the text then stays as it is,
// leading zeros and all).
std::optional<QString> OverRangeReplacement(FieldKind kind, FieldVariant variant, QStringView text);

// A value written back as "%u": no leading zeros, empty text becomes "0".
QString PlainNumber(unsigned value);
// A value written as "%02u": at least two digits.
QString TwoDigits(unsigned value);

// The position and range of a group's spin and what one step writes into
// the field it is bound to.
class CSpinRule {
public:
    // What one step writes, in this order: the position before the step
    // with two digits, then the new position plainly; next is empty when
    // the spin stood at the end it was pushed against.
    struct Step {
        QString current;
        std::optional<QString> next;
    };

    // A new range keeps the position inside it, as a range-bound control
    // does; a step from a field whose number is outside the range then
    // starts from a position the range allows.
    void SetRange(FieldRange range);
    FieldRange Range() const { return range_; }
    unsigned Position() const { return position_; }

    // One step up (direction > 0) or down (direction < 0) from a field that
    // shows fieldText. The spin starts from the field's number when that
    // lies in the range, else from where it stood.
    Step StepFrom(QStringView fieldText, int direction);

private:
    FieldRange range_;
    unsigned position_ = 0;
};
