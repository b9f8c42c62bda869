// The configuration record's layout and ranges, checking and normalising
// configurations, the product table and the protocol version rule.
#include "ClockCodec.h"
#include "ClockRecords.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

// One field of the configuration as the clock lays it out: its characters
// on the wire and the values a record read from the clock may hold. An
// empty `allowed` means every value passes; `mended` says whether the
// correction of a record as read puts the field right.
struct ConfigField {
    const char* name;
    size_t offset;
    size_t length;
    std::vector<uint32_t> accepted;
    std::vector<uint32_t> rejected;
    const char* allowed;
    bool mended = true;
};

// Written out from the clock's record layout (protocol version 2).
const std::vector<ConfigField> kConfigRecord = {
    {"valid", 0, 2, {1}, {0}, "1", false},
    {"configured", 2, 2, {0, 1}, {}, ""},
    {"handMotion", 4, 2, {0, 2}, {3, 255}, "0 to 2"},
    {"biasPositive", 6, 2, {0, 1}, {}, ""},
    {"reserved05", 8, 2, {0}, {1}, "0"},
    {"biasSeconds", 10, 8, {0, 86400}, {86401}, "0 to 86400", false},
    {"biasExtra", 18, 4, {0xFFFF}, {}, ""},
    {"dstUseUtc", 22, 2, {0, 1}, {}, ""},
    {"dstUseLocal", 24, 2, {0, 1}, {}, ""},
    {"dstMode", 26, 2, {0, 8, 16}, {5, 17}, "0, 8 or 16"},
    {"dstStartWeek", 28, 2, {0, 5}, {6}, "0 to 5"},
    {"dstEndWeek", 30, 2, {0, 5}, {6}, "0 to 5"},
    {"dstStartValid", 32, 2, {1}, {0}, "1"},
    {"dstStartDayOfWeek", 34, 2, {1, 7}, {0, 8}, "1 to 7"},
    {"dstStartDay", 36, 2, {1, 31}, {0, 32}, "1 to 31"},
    {"dstStartMonth", 38, 2, {1, 12}, {0, 13}, "1 to 12"},
    {"dstStartYear", 40, 4, {0x07DB}, {}, ""},
    {"dstStartHour", 44, 2, {0, 24}, {25}, "0 to 24"},
    {"dstStartMinute", 46, 2, {0, 60}, {61}, "0 to 60"},
    {"dstStartSecond", 48, 2, {0, 60}, {61}, "0 to 60"},
    {"dstStartReserved", 50, 2, {0xAB}, {}, ""},
    {"dstEndValid", 52, 2, {1}, {0}, "1"},
    {"dstEndDayOfWeek", 54, 2, {1, 7}, {0, 8}, "1 to 7"},
    {"dstEndDay", 56, 2, {1, 31}, {0, 32}, "1 to 31"},
    {"dstEndMonth", 58, 2, {1, 12}, {0, 13}, "1 to 12"},
    {"dstEndYear", 60, 4, {0xFFFF}, {}, ""},
    {"dstEndHour", 64, 2, {0, 24}, {25}, "0 to 24"},
    {"dstEndMinute", 66, 2, {0, 60}, {61}, "0 to 60"},
    {"dstEndSecond", 68, 2, {0, 60}, {61}, "0 to 60"},
    {"dstEndReserved", 70, 2, {0xCD}, {}, ""},
    {"dstBiasPositive", 72, 2, {0, 1}, {}, ""},
    {"dstReserved31", 74, 2, {0}, {1}, "0"},
    {"dstBiasSeconds", 76, 8, {0, 86400}, {86401}, "0 to 86400", false},
    {"dstBiasExtra", 84, 4, {0x1234}, {}, ""},
    {"tcFlagA", 88, 2, {0, 1}, {}, ""},
    {"tcFlagB", 90, 2, {0, 1}, {}, ""},
    {"tcOptions[0]", 92, 2, {0x11}, {}, ""},
    {"tcOptions[1]", 94, 2, {0x42}, {}, ""},
    {"tcOptions[2]", 96, 2, {0x33}, {}, ""},
    {"tcOptions[3]", 98, 2, {0x44}, {}, ""},
    {"tcOptions[4]", 100, 2, {0x55}, {}, ""},
    {"useTimeCodeDate", 102, 2, {0, 1}, {2, 7}, "0 or 1"},
    {"tcOptions[6]", 104, 2, {0x66}, {}, ""},
    {"tcOptions[7]", 106, 2, {0x77}, {}, ""},
    {"useTimeCodeDateAlt", 108, 2, {0, 1}, {2}, "0 or 1"},
    {"illumination", 110, 2, {0, 12}, {}, ""},
};

// A field of a configuration as the codec's field list walks it.
struct Slot {
    std::string name;
    size_t offset;
    size_t length;
    uint32_t value;
};

// Walks a configuration in wire order, noting each field, and sets the one
// named `target` (the time code options by position, but for the two date
// flags among them).
class Walker {
public:
    explicit Walker(std::string target = {}, uint32_t value = 0) : target_(std::move(target)), value_(value) { }
    void Flag(uint8_t& field, const char* name) { Visit(field, name, 2); }
    void U8(uint8_t& field, const char* name) { Visit(field, name, 2); }
    void U16(uint16_t& field, const char* name) { Visit(field, name, 4); }
    void U32(uint32_t& field, const char* name) { Visit(field, name, 8); }
    template <size_t N> void U8s(std::array<uint8_t, N>& fields, const char* name)
    {
        for (size_t i = 0; i < N; ++i) {
            const std::string option = std::string(name) + "[" + std::to_string(i) + "]";
            Visit(fields[i], i == 5 ? "useTimeCodeDate" : i == 8 ? "useTimeCodeDateAlt" : option, 2);
        }
    }
    std::vector<Slot> slots;

private:
    template <class T> void Visit(T& field, const std::string& name, size_t length)
    {
        if (name == target_)
            field = static_cast<T>(value_);
        slots.push_back({name, offset_, length, field});
        offset_ += length;
    }
    std::string target_;
    uint32_t value_;
    size_t offset_ = 0;
};

std::vector<Slot> Walk(ClockConfig config, uint8_t protocolVersion = 2)
{
    Walker walker;
    VisitConfig(walker, config, protocolVersion);
    return walker.slots;
}

ClockConfig WithField(ClockConfig config, const std::string& name, uint32_t value)
{
    Walker walker(name, value);
    VisitConfig(walker, config, 2);
    return config;
}

// A configuration a dialog might hand over: daylight saving by weekday, US
// style, everything in range.
ClockConfig UsConfig()
{
    ClockConfig c;
    c.configured = 1;
    c.biasPositive = 0;
    c.biasSeconds = 5 * 3600;
    ResetDstDefaults(c);
    c.dstMode = kDstByWeekday;
    c.dstUseUtc = 0;
    c.dstUseLocal = 1;
    c.dstStartWeek = 2;
    c.dstStartDayOfWeek = 1;
    c.dstStartMonth = 3;
    c.dstStartYear = 2011;
    c.dstStartHour = 2;
    c.dstEndWeek = 1;
    c.dstEndDayOfWeek = 1;
    c.dstEndMonth = 11;
    c.dstEndHour = 2;
    c.dstBiasPositive = 1;
    c.dstBiasSeconds = 3600;
    c.illumination = 7;
    return c;
}

ClockConfig Defaults(uint8_t mode)
{
    ClockConfig c;
    ResetDstDefaults(c);
    c.dstMode = mode;
    return c;
}

// Sunday 7 March 1999 to Tuesday 29 July 2003, at 00:00:00 UTC, no shift.
const std::map<std::string, uint32_t> kDstDefaults = {
    {"dstUseUtc", 1},        {"dstUseLocal", 0},       {"dstStartWeek", 1},    {"dstEndWeek", 1},
    {"dstStartValid", 1},    {"dstStartDayOfWeek", 1}, {"dstStartDay", 7},     {"dstStartMonth", 3},
    {"dstStartYear", 1999},  {"dstStartHour", 0},      {"dstStartMinute", 0},  {"dstStartSecond", 0},
    {"dstStartReserved", 0}, {"dstEndValid", 1},       {"dstEndDayOfWeek", 3}, {"dstEndDay", 29},
    {"dstEndMonth", 7},      {"dstEndYear", 2003},     {"dstEndHour", 0},      {"dstEndMinute", 0},
    {"dstEndSecond", 0},     {"dstEndReserved", 0},    {"dstBiasPositive", 0}, {"dstReserved31", 0},
    {"dstBiasSeconds", 0},   {"dstBiasExtra", 0},
};

void ExpectDstDefaults(const ClockConfig& c)
{
    size_t seen = 0;
    for (const Slot& slot : Walk(c)) {
        if (const auto expected = kDstDefaults.find(slot.name); expected != kDstDefaults.end()) {
            EXPECT_EQ(slot.value, expected->second) << slot.name;
            ++seen;
        }
    }
    EXPECT_EQ(seen, kDstDefaults.size());
}

TEST(ConfigRecord, FieldsInWireOrder)
{
    std::vector<std::string> expected;
    for (const ConfigField& field : kConfigRecord)
        expected.push_back(std::string(field.name) + " " + std::to_string(field.offset) + "+" +
                           std::to_string(field.length));
    std::vector<std::string> walked;
    for (const Slot& slot : Walk(ClockConfig{}))
        walked.push_back(slot.name + " " + std::to_string(slot.offset) + "+" + std::to_string(slot.length));
    EXPECT_EQ(walked, expected);
    // Protocol version 1 ends before the illumination.
    expected.pop_back();
    walked.clear();
    for (const Slot& slot : Walk(ClockConfig{}, 1))
        walked.push_back(slot.name + " " + std::to_string(slot.offset) + "+" + std::to_string(slot.length));
    EXPECT_EQ(walked, expected);
}

// Each value lands in its field's characters; values in range pass the
// checks, values out of range are named with what is allowed.
TEST(ConfigRecord, EachFieldOnTheWireAndItsRange)
{
    ClockConfig inRange = UsConfig();
    PrepareConfigForWrite(inRange);
    for (const ConfigField& field : kConfigRecord) {
        SCOPED_TRACE(field.name);
        for (const uint32_t value : field.accepted) {
            const ClockConfig config = WithField(inRange, field.name, value);
            char digits[9];
            std::snprintf(digits, sizeof digits, "%0*X", static_cast<int>(field.length), value);
            EXPECT_EQ(EncodeConfig(config, 2).substr(field.offset, field.length), digits);
            EXPECT_EQ(FindConfigProblems(config), std::vector<ConfigProblem>{}) << value;
        }
        for (const uint32_t value : field.rejected) {
            ClockConfig config = WithField(inRange, field.name, value);
            EXPECT_EQ(FindConfigProblems(config),
                      (std::vector<ConfigProblem>{{field.name, value, field.allowed, field.mended}}));
            EXPECT_EQ(ValidateConfigShadow(config), field.mended) << value;
        }
    }
}

TEST(PrepareConfigForWrite, ModeStepByDstMode)
{
    // Mode 0: the defaults, whatever the caller put there.
    ClockConfig off = UsConfig();
    off.dstMode = kDstDisabled;
    PrepareConfigForWrite(off);
    EXPECT_EQ(off.dstMode, kDstDisabled);
    ExpectDstDefaults(off);

    // Mode 8: days 1, end year 2000, the start year kept.
    ClockConfig week = UsConfig();
    PrepareConfigForWrite(week);
    EXPECT_EQ(week.dstStartDay, 1);
    EXPECT_EQ(week.dstEndDay, 1);
    EXPECT_EQ(week.dstEndYear, 2000);
    EXPECT_EQ(week.dstStartYear, 2011);
    EXPECT_EQ(week.dstStartWeek, 2);
    EXPECT_EQ(week.dstStartHour, 2);

    // Mode 16: years 2000 and weeks 1; days and months kept.
    ClockConfig date = UsConfig();
    date.dstMode = kDstByDate;
    date.dstStartDay = 27;
    date.dstEndDay = 30;
    date.dstEndMonth = 10;
    PrepareConfigForWrite(date);
    EXPECT_EQ(date.dstStartYear, 2000);
    EXPECT_EQ(date.dstEndYear, 2000);
    EXPECT_EQ(date.dstStartWeek, 1);
    EXPECT_EQ(date.dstEndWeek, 1);
    EXPECT_EQ(date.dstStartDay, 27);
    EXPECT_EQ(date.dstEndDay, 30);
    EXPECT_EQ(date.dstEndMonth, 10);

    // An unknown mode: the defaults, and the mode as given.
    ClockConfig odd = UsConfig();
    odd.dstMode = 5;
    PrepareConfigForWrite(odd);
    EXPECT_EQ(odd.dstMode, 5);
    ExpectDstDefaults(odd);
}

TEST(PrepareConfigForWrite, ClampsAndFixedOptions)
{
    ClockConfig c = UsConfig();
    c.handMotion = 3;
    c.reserved05 = 9;
    c.useTimeCodeDate() = 7;
    c.useTimeCodeDateAlt() = 2;
    c.tcOptions[0] = 5;
    c.tcOptions[kTcOptionPassThrough] = 0x42;
    c.tcOptions[2] = 0;
    c.tcOptions[3] = c.tcOptions[4] = c.tcOptions[6] = c.tcOptions[7] = 9;
    PrepareConfigForWrite(c);
    EXPECT_EQ(c.valid, 1);
    EXPECT_EQ(c.handMotion, kHandsSweep);
    EXPECT_EQ(c.reserved05, 0);
    EXPECT_EQ(c.useTimeCodeDate(), 1);
    EXPECT_EQ(c.useTimeCodeDateAlt(), 1);
    EXPECT_EQ(c.tcFlagA, 1);
    EXPECT_EQ(c.tcFlagB, 1);
    const std::array<uint8_t, kTcOptionCount> expected{0, 0x42, 1, 0, 0, 1, 0, 0, 1};
    EXPECT_EQ(c.tcOptions, expected);
    EXPECT_EQ(c.illumination, 7);
    EXPECT_EQ(c.biasSeconds, 5u * 3600);

    ClockConfig stopped = UsConfig();
    stopped.handMotion = kHandsStopped;
    PrepareConfigForWrite(stopped);
    EXPECT_EQ(stopped.handMotion, kHandsStopped);
}

TEST(PrepareConfigForWrite, TimeBoundaries)
{
    ClockConfig edge = UsConfig();
    edge.dstStartHour = 24;
    edge.dstStartMinute = 60;
    edge.dstEndSecond = 60;
    PrepareConfigForWrite(edge);
    EXPECT_EQ(edge.dstStartHour, 24) << "24:60:60 passes the checks";
    EXPECT_EQ(edge.dstStartMonth, 3);

    for (int field = 0; field < 3; ++field) {
        ClockConfig bad = UsConfig();
        if (field == 0)
            bad.dstStartHour = 25;
        else if (field == 1)
            bad.dstEndMinute = 61;
        else
            bad.dstStartSecond = 61;
        PrepareConfigForWrite(bad);
        SCOPED_TRACE(field);
        EXPECT_EQ(bad.dstMode, kDstByWeekday);
        EXPECT_EQ(bad.dstStartMonth, 3);
        EXPECT_EQ(bad.dstEndMonth, 7) << "reset to the defaults, then the mode step";
        EXPECT_EQ(bad.dstStartHour, 0);
    }
}

TEST(DstValidity, EachTest)
{
    EXPECT_FALSE(IsDstInvalid(Defaults(kDstDisabled), true));
    auto invalid = [](auto change) {
        ClockConfig c = Defaults(kDstByWeekday);
        change(c);
        return IsDstInvalid(c, true);
    };
    EXPECT_TRUE(invalid([](ClockConfig& c) { c.dstReserved31 = 1; }));
    EXPECT_TRUE(invalid([](ClockConfig& c) { c.dstStartValid = 0; }));
    EXPECT_TRUE(invalid([](ClockConfig& c) { c.dstEndValid = 0; }));
    EXPECT_TRUE(invalid([](ClockConfig& c) { c.dstStartDayOfWeek = 0; }));
    EXPECT_TRUE(invalid([](ClockConfig& c) { c.dstEndDayOfWeek = 8; }));
    EXPECT_TRUE(invalid([](ClockConfig& c) { c.dstStartDay = 0; }));
    EXPECT_TRUE(invalid([](ClockConfig& c) { c.dstEndDay = 32; }));
    EXPECT_TRUE(invalid([](ClockConfig& c) { c.dstStartMonth = 13; }));
    EXPECT_TRUE(invalid([](ClockConfig& c) { c.dstEndMonth = 0; }));
    EXPECT_TRUE(invalid([](ClockConfig& c) { c.dstStartWeek = 6; }));
    EXPECT_TRUE(invalid([](ClockConfig& c) { c.dstMode = 5; }));
    EXPECT_FALSE(invalid([](ClockConfig& c) { c.dstStartWeek = 5; }));
    EXPECT_FALSE(invalid([](ClockConfig& c) { c.dstStartDay = 31; }));

    ClockConfig odd = Defaults(5);
    EXPECT_FALSE(IsDstInvalid(odd, false)) << "the mode is only tested on a read";
}

TEST(ValidateConfigShadow, MendsAndAsksForRewrite)
{
    ClockConfig inRange = UsConfig();
    PrepareConfigForWrite(inRange);
    inRange.tcFlagA = 0;  // fixed options are not tested on a read
    const ClockConfig before = inRange;
    EXPECT_FALSE(ValidateConfigShadow(inRange));
    EXPECT_EQ(inRange, before);

    ClockConfig week6 = before;
    week6.dstStartWeek = 6;
    EXPECT_TRUE(ValidateConfigShadow(week6));
    EXPECT_EQ(week6.dstStartWeek, 1);
    EXPECT_EQ(week6.dstMode, kDstByWeekday);
    ExpectDstDefaults(week6);

    ClockConfig motion = before;
    motion.handMotion = 3;
    EXPECT_TRUE(ValidateConfigShadow(motion));
    EXPECT_EQ(motion.handMotion, 0);

    ClockConfig reserved = before;
    reserved.reserved05 = 1;
    EXPECT_TRUE(ValidateConfigShadow(reserved));

    ClockConfig flag = before;
    flag.useTimeCodeDateAlt() = 2;
    EXPECT_TRUE(ValidateConfigShadow(flag));
    EXPECT_EQ(flag.useTimeCodeDateAlt(), 1);

    ClockConfig mode = before;
    mode.dstMode = 9;
    EXPECT_TRUE(ValidateConfigShadow(mode));
    EXPECT_EQ(mode.dstMode, 9);
}

TEST(ConfigProblems, NamedInWords)
{
    ClockConfig config = UsConfig();
    PrepareConfigForWrite(config);
    EXPECT_EQ(DescribeConfigProblems(FindConfigProblems(config)), "");
    config.dstStartWeek = 6;
    config.dstBiasSeconds = 86401;
    EXPECT_EQ(DescribeConfigProblems(FindConfigProblems(config)),
              "dstStartWeek is 6 (allowed: 0 to 5); dstBiasSeconds is 86401 (allowed: 0 to 86400)");
    config.dstStartWeek = 5;
    config.dstBiasSeconds = 86400;  // a day is the limit, not beyond it
    EXPECT_EQ(DescribeConfigProblems(FindConfigProblems(config)), "");
}

TEST(Products, LookupAndProtocolVersion)
{
    EXPECT_EQ(FindProduct(0x0150), 0);
    EXPECT_EQ(FindProduct(0x0350), 1);
    EXPECT_EQ(FindProduct(0x0250), -1);
    struct Row {
        std::string model;
        uint16_t familyId;
        uint16_t code2;
        uint32_t brand;
        std::string company;
        bool operator==(const Row&) const = default;
    };
    const std::vector<Row> expected = {
        {"TORVEX12", 0x0150, 0x0090, 1, "Zelvora, Inc"},
        {"QVR-K58E20", 0x0350, 0x0100, 3, "Quorvane"},
    };
    std::vector<Row> table;
    for (const ProductInfo& row : g_products)
        table.push_back({row.model, row.familyId, row.code2, row.brand, row.company});
    EXPECT_EQ(table, expected);

    EXPECT_EQ(ProtocolVersionFor({0, 9, 5}), 1);
    EXPECT_EQ(ProtocolVersionFor({1, 0, 0}), 1);
    EXPECT_EQ(ProtocolVersionFor({1, 2, 9}), 1);
    EXPECT_EQ(ProtocolVersionFor({1, 3, 0}), 2);
    EXPECT_EQ(ProtocolVersionFor({1, 200, 0}), 2);
    EXPECT_EQ(ProtocolVersionFor({2, 0, 0}), 2);
}

}  // namespace
