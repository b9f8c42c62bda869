// The time field rules, the bias arithmetic and the date check, as tables.
#include "BiasFields.h"
#include "CustomDate.h"
#include "FieldRules.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <ostream>

void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace {

std::optional<QString> Text(const char* text)
{
    return text ? std::optional<QString>(QString::fromLatin1(text)) : std::nullopt;
}

TEST(FieldRules, KindsSetTheSpinRange)
{
    EXPECT_EQ(RangeOf(FieldKind::Hour), (FieldRange{0, 23}));
    EXPECT_EQ(RangeOf(FieldKind::RuleHour), (FieldRange{0, 24}));
    EXPECT_EQ(RangeOf(FieldKind::RuleMinute), (FieldRange{0, 60}));
    EXPECT_EQ(RangeOf(FieldKind::RuleSecond), (FieldRange{0, 60}));
    EXPECT_EQ(RangeOf(FieldKind::Minute), (FieldRange{0, 59}));
    EXPECT_EQ(RangeOf(FieldKind::Second), (FieldRange{0, 59}));
    EXPECT_EQ(RangeOf(FieldKind::Month), (FieldRange{1, 12}));
    EXPECT_EQ(RangeOf(FieldKind::Day), (FieldRange{1, 31}));
    EXPECT_EQ(RangeOf(FieldKind::Year), (FieldRange{1980, 2099}));
}

TEST(FieldRules, ValueIsTheLeadingDigits)
{
    struct Row {
        const char* text;
        qsizetype maxChars;
        unsigned value;
    };
    const Row rows[] = {
        {"", -1, 0},
        {"x12", -1, 0},
        {"07", -1, 7},
        {"12ab3", -1, 12},
        {"0000000000000000000000000000005", 30, 0},  // the digit past the limit is not read
        {"000000000000000000000000000005", 30, 5},
        {"99999999999999999999", -1, std::numeric_limits<unsigned>::max()},  // saturates, never wraps
    };
    for (const Row& row : rows)
        EXPECT_EQ(FieldValue(QString::fromLatin1(row.text), row.maxChars), row.value) << row.text;
}

TEST(FieldRules, OverRangeReplacement)
{
    struct Row {
        FieldKind kind;
        FieldVariant variant;
        const char* typed;
        const char* replacement;  // null: the text stays
    };
    using K = FieldKind;
    using V = FieldVariant;
    const Row rows[] = {
        {K::Hour, V::Plain, "23", nullptr},
        {K::Hour, V::Plain, "075", "5"},
        {K::Hour, V::Plain, "24", "4"},
        {K::Minute, V::Plain, "59", nullptr},
        {K::Minute, V::Plain, "60", "0"},
        {K::Second, V::Plain, "75", "5"},
        {K::Month, V::Plain, "13", "3"},
        {K::Month, V::Plain, "0", nullptr},  // below the range stays as typed
        {K::Day, V::Plain, "32", "2"},
        {K::Day, V::Plain, "0", nullptr},
        {K::Year, V::Plain, "2100", "2099"},
        {K::Year, V::Plain, "2150", "2099"},
        {K::Year, V::Plain, "1979", nullptr},
        {K::Year, V::Plain, "20", nullptr},
        // A long paste: its real last digit, though its value saturates.
        {K::Hour, V::Plain, "98765432109876543217", "7"},
        // The time zone dialog writes its minute field with two digits.
        {K::Hour, V::TimeZone, "25", "5"},
        {K::Minute, V::TimeZone, "75", "05"},
        {K::Minute, V::TimeZone, "60", "00"},
        {K::Second, V::TimeZone, "75", "5"},
        // The hand position dialog tries the last two digits first.
        {K::Hour, V::HandPosition, "123", "23"},
        {K::Hour, V::HandPosition, "150", "0"},
        {K::Hour, V::HandPosition, "75", "5"},
        {K::Second, V::HandPosition, "60", "0"},
        {K::Minute, V::HandPosition, "159", "59"},
        {K::Minute, V::HandPosition, "0059", nullptr},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(OverRangeReplacement(row.kind, row.variant, QString::fromLatin1(row.typed)), Text(row.replacement))
            << row.typed << " kind " << int(row.kind) << " variant " << int(row.variant);
    }
}

TEST(FieldRules, SpinStepsWriteCurrentThenNewAndStopAtTheEnds)
{
    struct Row {
        FieldKind kind;
        const char* shown;
        int direction;
        const char* current;
        const char* next;  // null: at an end, nothing more written
        unsigned position;
    };
    using K = FieldKind;
    const Row rows[] = {
        {K::Hour, "5", +1, "05", "6", 6},
        {K::Hour, "5", -1, "05", "4", 4},
        {K::Hour, "23", +1, "23", nullptr, 23},  // never wraps to 0
        {K::Hour, "0", -1, "00", nullptr, 0},
        {K::Minute, "0", -1, "00", nullptr, 0},
        {K::Minute, "00", -1, "00", nullptr, 0},
        {K::Minute, "", +1, "00", "1", 1},  // empty counts as 0
        {K::Minute, "58", +1, "58", "59", 59},
        {K::Month, "1", -1, "01", nullptr, 1},
        {K::Month, "12", +1, "12", nullptr, 12},
        {K::Day, "31", +1, "31", nullptr, 31},
        {K::Year, "2006", +1, "2006", "2007", 2007},
        {K::Year, "2099", +1, "2099", nullptr, 2099},
    };
    for (const Row& row : rows) {
        CSpinRule spin;
        spin.SetRange(RangeOf(row.kind));
        const CSpinRule::Step step = spin.StepFrom(QString::fromLatin1(row.shown), row.direction);
        EXPECT_EQ(step.current, QString::fromLatin1(row.current)) << row.shown;
        EXPECT_EQ(step.next, Text(row.next)) << row.shown;
        EXPECT_EQ(spin.Position(), row.position) << row.shown;
    }
}

TEST(FieldRules, SpinKeepsItsPositionWhenTheFieldIsOutsideTheRange)
{
    CSpinRule spin;
    spin.SetRange(RangeOf(FieldKind::Hour));
    spin.StepFrom(u"7", +1);  // at 8
    // A month field showing "0" (below its range): the spin goes on from 8.
    spin.SetRange(RangeOf(FieldKind::Month));
    CSpinRule::Step step = spin.StepFrom(u"0", +1);
    EXPECT_EQ(step.current, QStringLiteral("08"));
    EXPECT_EQ(step.next, QStringLiteral("9"));

    // A new range pulls the position inside it: 9 becomes the year 1980.
    spin.SetRange(RangeOf(FieldKind::Year));
    step = spin.StepFrom(u"1979", -1);
    EXPECT_EQ(step.current, QStringLiteral("1980"));
    EXPECT_EQ(step.next, std::nullopt);
}

TEST(BiasFields, BiasShownAsTwoDigitFields)
{
    struct Row {
        int32_t bias;
        BiasFieldTexts fields;
    };
    const Row rows[] = {
        {-18000, {"05", "00", "00", true}},
        {3600, {"01", "00", "00", false}},
        {0, {"00", "00", "00", false}},
        {19800 + 59, {"05", "30", "59", false}},
        {std::numeric_limits<int32_t>::min(), {"596523", "14", "08", true}},  // no overflow on the magnitude
    };
    for (const Row& row : rows)
        EXPECT_EQ(BiasSecondsToFields(row.bias), row.fields) << row.bias;
}

TEST(BiasFields, ZoneBiasTicksTheBoxWestOfGreenwich)
{
    EXPECT_EQ(ZoneBiasToFields(300), (BiasFieldTexts{"05", "00", "00", true}));
    EXPECT_EQ(ZoneBiasToFields(-330), (BiasFieldTexts{"05", "30", "00", false}));
    EXPECT_EQ(ZoneBiasToFields(-345), (BiasFieldTexts{"05", "45", "00", false}));
    EXPECT_EQ(ZoneBiasToFields(0), (BiasFieldTexts{"00", "00", "00", false}));
    EXPECT_EQ(ZoneBiasToFields(-840), (BiasFieldTexts{"14", "00", "00", false}));
}

TEST(BiasFields, FieldsToBias)
{
    EXPECT_EQ(BiasSecondsFromFields(u"05", u"00", u"00", true), -18000);
    EXPECT_EQ(BiasSecondsFromFields(u"05", u"30", u"00", false), 19800);
    EXPECT_EQ(BiasSecondsFromFields(u"1", u"2", u"3", false), 3723);
    // No negative zero, and empty fields count as 0.
    EXPECT_EQ(BiasSecondsFromFields(u"0", u"", u"", true), 0);
    EXPECT_EQ(BiasSecondsFromFields(u"99999999999", u"0", u"0", false), std::numeric_limits<int32_t>::max());

    // Every bias of a day, shown and read back, is itself.
    for (int32_t bias = -86399; bias <= 86399; bias += 37) {
        const BiasFieldTexts fields = BiasSecondsToFields(bias);
        ASSERT_EQ(BiasSecondsFromFields(fields.hours, fields.minutes, fields.seconds, fields.negative), bias);
    }
}

TEST(CustomDate, RefusesDatesThatDoNotExistOrLieOutside2001To2099)
{
    struct Row {
        unsigned month, day, year;
        std::optional<DateField> field;
        const char* message;
    };
    const Row rows[] = {
        {4, 31, 2027, DateField::Day, "Day: April 2027 has 30 days; enter 1 to 30."},
        {4, 0, 2027, DateField::Day, "Day: April 2027 has 30 days; enter 1 to 30."},
        {2, 29, 2023, DateField::Day, "Day: February 2023 has 28 days; enter 1 to 28."},
        {2, 29, 2024, std::nullopt, nullptr},
        // 2100 is no leap year, but its year is refused first.
        {2, 29, 2100, DateField::Year, "Year: enter a year from 2001 to 2099."},
        {0, 1, 2024, DateField::Month, "Month: enter a month from 1 to 12."},
        {13, 1, 2024, DateField::Month, "Month: enter a month from 1 to 12."},
        {1, 1, 2000, DateField::Year, "Year: enter a year from 2001 to 2099."},
        {6, 15, 1979, DateField::Year, "Year: enter a year from 2001 to 2099."},
        {1, 1, 2001, std::nullopt, nullptr},
        {12, 31, 2099, std::nullopt, nullptr},
        {1, 1, 2006, std::nullopt, nullptr},
    };
    for (const Row& row : rows) {
        const auto problem = CheckCustomDate(row.month, row.day, row.year);
        const std::string date =
            std::to_string(row.year) + "-" + std::to_string(row.month) + "-" + std::to_string(row.day);
        ASSERT_EQ(problem.has_value(), row.field.has_value()) << date;
        if (problem) {
            EXPECT_EQ(problem->field, *row.field) << date;
            EXPECT_EQ(problem->message.English(), row.message) << date;
        }
    }
}

}  // namespace
