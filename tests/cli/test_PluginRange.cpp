// check's thresholds: the state they give an offset, how the performance
// data writes them, and what is refused.
#include "PluginRange.h"

#include <gtest/gtest.h>

namespace {

TEST(PluginRange, StateOfAnOffset)
{
    struct Row {
        const char* warning;
        const char* critical;
        double offset;
        PluginState state;
    };
    const Row rows[] = {
        {"0.5", "2", 0.003, kOk},          {"0.5", "2", 0.5, kOk},        // the ends are fine
        {"0.5", "2", 0.8, kWarning},       {"0.5", "2", -0.8, kWarning},  // behind as much as ahead
        {"0.5", "2", -2, kWarning},        {"0.5", "2", 12, kCritical},
        {"0.5", "2", -12, kCritical},      {"0", "0", 0, kOk},
        {"-1:3", "-5:10", -1.5, kWarning}, {"-1:3", "-5:10", 2.999, kOk},
        {"10:", "5:", 7, kWarning},                                        // below START alerts
        {"10:", "5:", 4, kCritical},       {"~:1", "~:2", -30, kOk},       // only above END alerts
        {"~:1", "~:2", 1.5, kWarning},     {"@1:2", "@5:6", 1, kWarning},  // inside alerts, the ends included
        {"@1:2", "@5:6", 2.5, kOk},        {"@1:2", "@5:6", 6, kCritical},
    };
    for (const Row& row : rows) {
        std::string error;
        const auto warning = ParsePluginRange(row.warning, error);
        const auto critical = ParsePluginRange(row.critical, error);
        ASSERT_TRUE(warning && critical) << error;
        EXPECT_EQ(RangeState(row.offset, *warning, *critical), row.state)
            << row.warning << " " << row.critical << " " << row.offset;
    }
}

// The performance data's form: a monitor applying the plugins' rules to the
// offset comes to the same state.
TEST(PluginRange, WrittenInThePluginsSyntax)
{
    struct Row {
        const char* given;
        const char* text;
        const char* described;
    };
    const Row rows[] = {
        {"0.5", "-0.5:0.5", "beyond 0.5 s"},
        {"2", "-2:2", "beyond 2 s"},
        {"0", "0:0", "beyond 0 s"},
        {"+1e-3", "-0.001:0.001", "beyond 0.001 s"},
        {"10:", "10:", "outside 10: s"},
        {"~:10", "~:10", "outside ~:10 s"},
        {"-1:2.5", "-1:2.5", "outside -1:2.5 s"},
        {"@1:2", "@1:2", "inside @1:2 s"},
        {"@3", "@-3:3", "inside @-3:3 s"},
    };
    for (const Row& row : rows) {
        std::string error;
        const auto range = ParsePluginRange(row.given, error);
        ASSERT_TRUE(range) << row.given << ": " << error;
        EXPECT_EQ(range->Text(), row.text) << row.given;
        EXPECT_EQ(range->Describe(), row.described) << row.given;
    }
}

TEST(PluginRange, RefusesWhatIsNoRange)
{
    struct Row {
        const char* given;
        const char* error;
    };
    const Row rows[] = {
        {"soon", "takes seconds as N, START:END, START:, ~:END or @START:END, not 'soon'"},
        {"", "not ''"},
        {"-1", "not '-1' (a plain N is the offset's size either way, 0 or more)"},
        {"2:1", "not '2:1' (its start is above its end)"},
        {"inf", "not 'inf'"},
        {"nan:1", "not 'nan:1'"},
        {":5", "not ':5'"},
        {"1:2:3", "not '1:2:3'"},
        {"@", "not '@'"},
        {"0,5", "not '0,5'"},
    };
    for (const Row& row : rows) {
        std::string error;
        EXPECT_FALSE(ParsePluginRange(row.given, error)) << row.given;
        EXPECT_NE(error.find(row.error), std::string::npos) << row.given << ": " << error;
    }
}

}  // namespace
