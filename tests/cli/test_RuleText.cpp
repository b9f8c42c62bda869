// The rule text of the command line: what it reads, what it refuses and
// what it leaves to the rule editor's check.
#include "RuleText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct RuleRow {
    const char* legend;
    const char* text;
    DstRule expected;  // kind, month, dayOfWeek, weekOrDay, hour, minute, second
};

const RuleRow kRules[] = {
    {"EU start", "last Sun Mar 01:00", {0, 3, 0, 5, 1, 0, 0}},
    {"US start with seconds", "2nd Sun Mar 02:00:00", {0, 3, 0, 2, 2, 0, 0}},
    {"ordinal words, full names, of and at", "first Saturday of October at 23:59:30", {0, 10, 6, 1, 23, 59, 30}},
    {"any case, one-digit hour", "LAST sun NOV 2:00", {0, 11, 0, 5, 2, 0, 0}},
    {"4th Wednesday", "4th Wed Feb 00:00", {0, 2, 3, 4, 0, 0, 0}},
    {"fixed date, month first", "Mar 29 02:00", {1, 3, 0, 29, 2, 0, 0}},
    {"fixed date, day first", "29 March 02:00", {1, 3, 0, 29, 2, 0, 0}},
    {"fixed date with at", "Dec 1 at 00:00:05", {1, 12, 0, 1, 0, 0, 5}},
    {"blanks around and between", "  last\tSun  Mar   01:00 ", {0, 3, 0, 5, 1, 0, 0}},
    // Values the clock may refuse are read as they stand: the editor's check
    // refuses them in the dialog's words.
    {"24:00 is the end of the day", "last Sun Oct 24:00", {0, 10, 0, 5, 24, 0, 0}},
    {"hour beyond a day", "last Sun Oct 25:00", {0, 10, 0, 5, 25, 0, 0}},
    {"a day the month lacks", "Apr 31 02:00", {1, 4, 0, 31, 2, 0, 0}},
    {"day 0", "Apr 0 02:00", {1, 4, 0, 0, 2, 0, 0}},
};

TEST(RuleText, ReadsEachForm)
{
    for (const RuleRow& row : kRules) {
        const RuleTextResult result = ParseDstRuleText(row.text);
        ASSERT_TRUE(result.rule.has_value()) << row.legend << ": " << result.error;
        EXPECT_EQ(*result.rule, row.expected) << row.legend;
        EXPECT_TRUE(result.error.empty()) << row.legend;
    }
}

struct RefusedRow {
    const char* legend;
    const char* text;
    const char* words;  // part of the message
};

const RefusedRow kRefused[] = {
    {"empty", "", "empty"},
    {"blanks only", "   ", "empty"},
    {"no time", "last Sun Mar", "expected a time"},
    {"time without minutes", "last Sun Mar 2", "expected a time"},
    {"one-digit minutes", "last Sun Mar 2:0", "expected a time"},
    {"three-digit hour", "last Sun Mar 100:00", "expected a time"},
    {"trailing colon", "last Sun Mar 02:00:", "expected a time"},
    {"only a time", "02:00", "no day"},
    {"only at and a time", "at 02:00", "no day"},
    {"a month alone", "Mar 02:00", "a fixed date is MONTH DAY TIME"},
    {"a number alone", "29 02:00", "expected a week"},
    {"unknown weekday", "last Sux Mar 01:00", "expected a weekday"},
    {"unknown month after weekday", "last Sun Mak 01:00", "expected a month (Jan to Dec), found 'Mak'"},
    {"week without weekday", "last Mar 01:00", "a weekday rule is WEEK WEEKDAY MONTH TIME"},
    {"5th is not a week", "5th Sun Mar 01:00", "expected a week"},
    {"unknown first word", "next Sun Mar 01:00", "expected a week"},
    {"two months", "Mar Apr 01:00", "expected a day of the month"},
    {"three-digit day", "Mar 300 01:00", "expected a day of the month"},
    {"negative day", "Mar -1 01:00", "expected a day of the month"},
    {"words after the rule", "last Sun Mar 01:00 UTC", "expected a time"},
    {"two days", "Mar 29 30 01:00", "a fixed date is MONTH DAY TIME"},
    {"day, month and more", "29 Mar Sun 01:00", "a fixed date is MONTH DAY TIME"},
};

TEST(RuleText, RefusesWhatIsNoRuleAndSaysWhy)
{
    for (const RefusedRow& row : kRefused) {
        const RuleTextResult result = ParseDstRuleText(row.text);
        EXPECT_FALSE(result.rule.has_value()) << row.legend;
        EXPECT_NE(result.error.find(row.words), std::string::npos) << row.legend << ": " << result.error;
        EXPECT_EQ(result.error.rfind(std::string("rule '") + row.text + "'", 0), 0u)
            << row.legend << ": the message names the text: " << result.error;
    }
}

TEST(RuleText, NeverReadsPastTheText)
{
    // Every prefix of valid rules, and bytes a terminal may hand over: a
    // result or an error, never both, never neither.
    const std::string samples[] = {
        "last Sun Mar 01:00:00",   "29 Mar at 02:00", std::string("Mar\0 29 02:00", 13), "\xff\xfe 01:00", "::::",
        "last Sun of of Mar 01:00"};
    for (const std::string& sample : samples) {
        for (size_t n = 0; n <= sample.size(); ++n) {
            const RuleTextResult result = ParseDstRuleText(std::string_view(sample).substr(0, n));
            EXPECT_NE(result.rule.has_value(), !result.error.empty()) << sample.substr(0, n);
        }
    }
}

struct SpanRow {
    const char* text;
    unsigned maxHours;
    std::optional<int32_t> seconds;
    const char* words;  // part of the message when refused
};

const SpanRow kSpans[] = {
    {"1:00", 23, 3600, ""},
    {"+1:00", 23, 3600, ""},
    {"-0:30", 23, -1800, ""},
    {"-05:30", 23, -19800, ""},
    {"+05:45:30", 23, 20730, ""},
    {"23:59:59", 23, 86399, ""},
    {"-0:00", 23, 0, ""},
    {"24:00", 23, std::nullopt, "hours run from 0 to 23"},
    {"1:60", 23, std::nullopt, "minutes run from 00 to 59"},
    {"1:00:60", 23, std::nullopt, "seconds run from 00 to 59"},
    {"1", 23, std::nullopt, "expected [+|-]H:MM"},
    {"1:0", 23, std::nullopt, "expected [+|-]H:MM"},
    {"+-1:00", 23, std::nullopt, "expected [+|-]H:MM"},
    {"", 23, std::nullopt, "expected [+|-]H:MM"},
    {"1h", 23, std::nullopt, "expected [+|-]H:MM"},
};

TEST(RuleText, Spans)
{
    for (const SpanRow& row : kSpans) {
        const SpanTextResult result = ParseSpanText(row.text, row.maxHours);
        EXPECT_EQ(result.seconds, row.seconds) << row.text;
        if (!row.seconds) {
            EXPECT_NE(result.error.find(row.words), std::string::npos) << row.text << ": " << result.error;
        }
    }
}

}  // namespace
