#include "FieldRules.h"

#include <algorithm>
#include <limits>

namespace {

constexpr unsigned kYearMax = 2099;

// The leading digits of a text: their value (saturated) and the value of
// their last one and last two digits, which the corrections use. A long
// pasted number keeps its true last digits even where its value saturates.
struct LeadingDigits {
    unsigned value = 0;
    unsigned lastDigit = 0;
    unsigned lastTwoDigits = 0;
};

LeadingDigits ReadLeadingDigits(QStringView text, qsizetype maxChars)
{
    constexpr uint64_t kSaturated = std::numeric_limits<unsigned>::max();
    const qsizetype end = maxChars < 0 ? text.size() : std::min(text.size(), maxChars);
    LeadingDigits digits;
    uint64_t value = 0;
    for (qsizetype i = 0; i < end; ++i) {
        const QChar c = text[i];
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            break;
        const unsigned digit = static_cast<unsigned>(c.unicode() - u'0');
        value = std::min(value * 10 + digit, kSaturated);
        digits.lastTwoDigits = (digits.lastTwoDigits % 10) * 10 + digit;
        digits.lastDigit = digit;
    }
    digits.value = static_cast<unsigned>(value);
    return digits;
}

}  // namespace

FieldRange RangeOf(FieldKind kind)
{
    switch (kind) {
    case FieldKind::Hour: return {0, 23};
    case FieldKind::RuleHour: return {0, 24};
    case FieldKind::RuleMinute:
    case FieldKind::RuleSecond: return {0, 60};
    case FieldKind::Minute:
    case FieldKind::Second: return {0, 59};
    case FieldKind::Month: return {1, 12};
    case FieldKind::Day: return {1, 31};
    case FieldKind::Year: return {1980, kYearMax};
    }
    return {};
}

unsigned FieldValue(QStringView text, qsizetype maxChars)
{
    return ReadLeadingDigits(text, maxChars).value;
}

QString PlainNumber(unsigned value)
{
    return QString::number(value);
}

QString TwoDigits(unsigned value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

std::optional<QString> OverRangeReplacement(FieldKind kind, FieldVariant variant, QStringView text)
{
    const FieldRange range = RangeOf(kind);
    const LeadingDigits digits = ReadLeadingDigits(text, -1);
    if (digits.value <= range.max)
        return std::nullopt;
    if (kind == FieldKind::Year)
        return PlainNumber(kYearMax);
    switch (variant) {
    case FieldVariant::Plain: return PlainNumber(digits.lastDigit);
    case FieldVariant::TimeZone:
        return kind == FieldKind::Minute ? TwoDigits(digits.lastDigit) : PlainNumber(digits.lastDigit);
    case FieldVariant::HandPosition:
        return PlainNumber(digits.lastTwoDigits <= range.max ? digits.lastTwoDigits : digits.lastDigit);
    }
    return std::nullopt;
}

void CSpinRule::SetRange(FieldRange range)
{
    range_ = range;
    position_ = std::clamp(position_, range.min, range.max);
}

CSpinRule::Step CSpinRule::StepFrom(QStringView fieldText, int direction)
{
    const unsigned shown = FieldValue(fieldText);
    if (range_.Contains(shown))
        position_ = shown;
    Step step{TwoDigits(position_), std::nullopt};
    if (direction > 0 && position_ < range_.max)
        ++position_;
    else if (direction < 0 && position_ > range_.min)
        --position_;
    else
        return step;
    step.next = PlainNumber(position_);
    return step;
}
