// The clock's offset from the computer, worked out from time readings, and
// the plan of a set on the second.
#include "ClockCodec.h"
#include "ClockOffset.h"
#include "SecondSet.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <string>
#include <vector>

using namespace std::chrono;

namespace {

constexpr sys_days kClockEpoch{1900y / January / 1};
// The reply to the time read: 32 characters of payload, 38 bytes.
const nanoseconds kReplyLine = FrameLineTime(kLenCurrentTime);

// A moment of the computer's UTC.
system_clock::time_point Utc(year_month_day date, hours h, minutes m, seconds s, nanoseconds rest = {})
{
    return time_point_cast<system_clock::duration>(sys_days(date) + h + m + s + rest);
}

// A clock time: whole seconds since 1900 as the clock counts them (40 bits)
// and a fraction in 1/65536 s.
ClockTime ClockAt(int64_t whole, uint16_t fraction = 0, uint8_t set = 1)
{
    return {set, static_cast<uint8_t>(whole >> 32), static_cast<uint32_t>(whole), fraction};
}

// The clock's whole seconds at a moment of UTC.
int64_t ClockSeconds(system_clock::time_point utc)
{
    return duration_cast<seconds>(floor<seconds>(utc) - kClockEpoch).count();
}

// Readings of a clock that is `offset` ahead of the computer, one every
// `period` from `first` on, as the link records them: the clock reads its
// time as it starts to answer, the reply's last byte comes its line time
// later. wholeSeconds drops the fractions.
ClockTimeHistory Readings(system_clock::time_point first, nanoseconds offset, int count, bool wholeSeconds,
                          nanoseconds period = milliseconds(100))
{
    ClockTimeHistory history;
    for (int i = 0; i < count; ++i) {
        const system_clock::time_point taken = first + i * period;
        const system_clock::time_point clock = taken + offset;
        const auto rest = clock - floor<seconds>(clock);
        const auto fraction = static_cast<uint16_t>(duration_cast<nanoseconds>(rest).count() * 65536 / 1000000000);
        ClockTimeSample sample;
        sample.utc = ClockAt(ClockSeconds(clock), wholeSeconds ? 0 : fraction);
        sample.arrival = taken + kReplyLine;
        sample.transmission = kReplyLine;
        sample.read = static_cast<uint32_t>(i + 1);
        history.samples.push_back(sample);
        history.fractionSeen = history.fractionSeen || sample.utc.fraction != 0;
    }
    return history;
}

}  // namespace

TEST(ClockOffset, ReadingAgainstArrivalTable)
{
    const year_month_day june{2011y / June / 15};
    const year_month_day wrap{2036y / February / 7};
    struct Row {
        const char* legend;
        ClockTime clock;
        system_clock::time_point arrival;
        nanoseconds transmission;
        nanoseconds offset;
    };
    // 2011-06-15 12:00:00 is 3,517,128,000 s; 2036-02-07 06:28:16 is where
    // seconds wraps into secondsHigh.
    const Row rows[] = {
        {"half a second of fraction, 4 ms ahead",
         ClockAt(3517128000, 0x8000),
         Utc(june, 12h, 0min, 0s, 496ms),
         {},
         4ms},
        {"whole second, 4 ms behind", ClockAt(3517128000), Utc(june, 12h, 0min, 0s, 4ms), {}, -4ms},
        {"one fraction step rounds to 15259 ns", ClockAt(3517128000, 1), Utc(june, 12h, 0min, 0s), {}, 15259ns},
        {"the reply's line time is taken off the arrival", ClockAt(3517128000), Utc(june, 12h, 0min, 0s, kReplyLine),
         kReplyLine, 0ns},
        {"twelve seconds ahead", ClockAt(3517128012, 0x4CCD), Utc(june, 12h, 0min, 0s), {}, 12300003052ns},
        {"just before the 2036 wrap", ClockAt(0xFFFFFFFF, 0xC000), Utc(wrap, 6h, 28min, 16s, 1ms), {}, -251ms},
        {"just after the wrap, high byte 1", ClockAt(int64_t{1} << 32), Utc(wrap, 6h, 28min, 15s, 998ms), {}, 2ms},
        {"a count that dropped the wrap reads 2^32 s behind",
         ClockAt(0),
         Utc(wrap, 6h, 28min, 16s),
         {},
         -seconds(int64_t{1} << 32)},
        {"never set: 1900 against 2011", ClockAt(0), Utc(june, 12h, 0min, 0s), {}, -seconds(3517128000)},
        {"a high byte of FF stops at the largest offset",
         ClockAt(int64_t{0xFF} << 32),
         Utc(june, 12h, 0min, 0s),
         {},
         seconds(9000000000)},
    };
    for (const Row& row : rows) {
        ClockTimeSample sample;
        sample.utc = row.clock;
        sample.arrival = row.arrival;
        sample.transmission = row.transmission;
        EXPECT_EQ(SampleOffset(sample).count(), row.offset.count()) << row.legend;
    }
}

TEST(ClockOffset, FractionsGiveTheMedianOfTheLatestReadings)
{
    const system_clock::time_point start = Utc(2025y / March / 14, 9h, 30min, 0s, 123ms);
    ClockTimeHistory history = Readings(start, 4ms, 30, false);
    // Three replies held up by the system on their way in, among the last
    // ten: the median does not show them.
    for (size_t i : {22u, 25u, 28u})
        history.samples[i].arrival += 80ms;
    ClockOffset offset = EstimateClockOffset(history);
    EXPECT_TRUE(offset.known);
    EXPECT_FALSE(offset.approximate);
    EXPECT_EQ(offset.count, kClockOffsetWindow);
    EXPECT_LT(std::abs(duration_cast<microseconds>(offset.value - 4ms).count()), 20);

    // Only the latest ten count: the clock was set 2 s ahead after the 15th.
    for (size_t i = 15; i < history.samples.size(); ++i)
        history.samples[i].utc.seconds += 2;
    offset = EstimateClockOffset(history);
    EXPECT_GT(offset.value, 1900ms);

    // Readings without the set flag hold no time.
    ClockTimeHistory unset = Readings(start, 4ms, 5, false);
    for (ClockTimeSample& s : unset.samples)
        s.utc.set = 0;
    EXPECT_FALSE(EstimateClockOffset(unset).known);
    EXPECT_FALSE(EstimateClockOffset(ClockTimeHistory{}).known);

    // A clock that has shown fractions before keeps being read by them, even
    // when the readings at hand happen to have none.
    ClockTimeHistory zeros = Readings(start, 0ms, 3, true);
    zeros.fractionSeen = true;
    offset = EstimateClockOffset(zeros);
    EXPECT_FALSE(offset.approximate);
    EXPECT_EQ(offset.count, 3u);
}

TEST(ClockOffset, ReadingsOfImplausibleYearsStayOutOfTheMedian)
{
    // Every reading arrives at 2025-01-01 00:00:00 UTC, 3,944,678,400 s from
    // the clock's epoch; 2000-01-01 is 3,155,673,600 s, 2200-01-01
    // 9,467,107,200 s.
    struct Row {
        const char* legend;
        std::vector<int64_t> clockSeconds;
        const char* offset;  // empty: not known
    };
    const Row rows[] = {
        {"alternating 1900 and the count's end: nothing to tell", {0, 0xFFFFFFFFFF, 0, 0xFFFFFFFFFF}, ""},
        {"among such readings the plausible ones count",
         {3944678402, 0, 3944678402, 0xFFFFFFFFFF, 3944678402},
         "+2.000 s"},
        {"the window's first and last second, their mean without overflow",
         {3155673600, 9467107199},
         "+2366711999.5 s"},
        {"the seconds just outside the window", {3155673599, 9467107200, 3944678400}, "+0.000 s"},
    };
    const system_clock::time_point arrival = Utc(2025y / January / 1, 0h, 0min, 0s);
    for (const Row& row : rows) {
        ClockTimeHistory history;
        history.fractionSeen = true;
        for (int64_t whole : row.clockSeconds)
            history.samples.push_back({ClockAt(whole), arrival, nanoseconds(0), 0});
        EXPECT_EQ(FormatClockOffset(EstimateClockOffset(history)), row.offset) << row.legend;
    }
}

TEST(ClockOffset, WholeSecondsClockIsEstimatedFromItsSteps)
{
    struct Row {
        const char* legend;
        system_clock::time_point start;
        nanoseconds offset;
    };
    const Row rows[] = {
        {"30 ms ahead", Utc(2025y / March / 14, 9h, 30min, 0s, 17ms), 30ms},
        {"a quarter second behind", Utc(2025y / March / 14, 9h, 30min, 0s, 61ms), -250ms},
        {"twelve seconds ahead", Utc(2025y / March / 14, 9h, 30min, 0s, 3ms), 12s},
        {"across the 2036 wrap", Utc(2036y / February / 7, 6h, 28min, 11s, 40ms), -70ms},
    };
    for (const Row& row : rows) {
        // With polls 101 ms apart the clock's second falls a tenth further
        // into the poll interval at each step, so the ten steps of the
        // median meet it at every phase.
        const ClockTimeHistory history = Readings(row.start, row.offset, 130, true, 101ms);
        const ClockOffset offset = EstimateClockOffset(history);
        ASSERT_TRUE(offset.known) << row.legend;
        EXPECT_TRUE(offset.approximate) << row.legend;
        EXPECT_EQ(offset.count, kClockOffsetWindow) << row.legend;
        EXPECT_LE(offset.bound, 51ms) << row.legend;
        EXPECT_LE(abs(offset.value - row.offset), offset.bound) << row.legend;
        EXPECT_LT(abs(offset.value - row.offset), 10ms) << row.legend << ": the median of ten steps";
    }

    // Within one second of the clock there is no step yet.
    const system_clock::time_point start = Utc(2025y / March / 14, 9h, 30min, 0s, 50ms);
    EXPECT_FALSE(EstimateClockOffset(Readings(start, 0ms, 9, true)).known);

    // A step whose readings are not consecutive (one is missing), or too far
    // apart, bounds nothing; neither does a count that jumps by two.
    ClockTimeHistory gapped = Readings(start, 0ms, 12, true);
    gapped.samples.erase(gapped.samples.begin() + 9);
    EXPECT_FALSE(EstimateClockOffset(gapped).known);
    ClockTimeHistory slow = Readings(start, 0ms, 3, true, 1100ms);
    EXPECT_FALSE(EstimateClockOffset(slow).known);
    ClockTimeHistory jumped = Readings(start, 0ms, 12, true);
    for (size_t i = 10; i < jumped.samples.size(); ++i)
        jumped.samples[i].utc.seconds += 1;
    EXPECT_FALSE(EstimateClockOffset(jumped).known);
}

TEST(ClockOffset, TextAndWarning)
{
    struct Row {
        nanoseconds value;
        bool approximate;
        const char* text;
        bool warns;
    };
    const Row rows[] = {
        {4ms, false, "+0.004 s", false},    {-50ms, true, "about -0.05 s", false}, {-12300ms, false, "-12.3 s", true},
        {12s, true, "about +12.0 s", true}, {-400us, false, "+0.000 s", false},    {500ms, false, "+0.500 s", false},
        {501ms, false, "+0.501 s", true},   {-600ms, false, "-0.600 s", true},     {9999ms, false, "+9.999 s", true},
    };
    for (const Row& row : rows) {
        ClockOffset offset;
        offset.known = true;
        offset.approximate = row.approximate;
        offset.value = row.value;
        EXPECT_EQ(FormatClockOffset(offset), row.text);
        EXPECT_EQ(ClockOffsetText(offset), std::string("Clock vs this computer: ") + row.text);
        EXPECT_EQ(ClockOffsetWarns(offset), row.warns) << row.text;
    }
    const ClockOffset unknown;
    EXPECT_EQ(FormatClockOffset(unknown), "");
    EXPECT_EQ(ClockOffsetText(unknown), "Clock vs this computer: measuring");
    EXPECT_FALSE(ClockOffsetWarns(unknown));
}

TEST(SecondSet, PlanTable)
{
    const steady_clock::time_point steady = steady_clock::now();
    struct Row {
        const char* legend;
        system_clock::time_point now;
        nanoseconds lead;
        ClockDateTime expected;  // the second set
        nanoseconds untilBoundary;
    };
    const auto record = [](int y, int mo, int d, int h, int mi, int s) {
        ClockDateTime r;
        r.valid = 1;
        r.year = static_cast<int16_t>(y);
        r.month = static_cast<uint8_t>(mo);
        r.day = static_cast<uint8_t>(d);
        r.hour = static_cast<uint8_t>(h);
        r.minute = static_cast<uint8_t>(mi);
        r.second = static_cast<uint8_t>(s);
        return r;
    };
    const Row rows[] = {
        {"the next second", Utc(2025y / March / 14, 12h, 0min, 0s, 300ms), 100ms, record(2025, 3, 14, 12, 0, 1), 700ms},
        {"too close: the one after", Utc(2025y / March / 14, 12h, 0min, 0s, 950ms), 100ms,
         record(2025, 3, 14, 12, 0, 2), 1050ms},
        {"on a boundary", Utc(2025y / March / 14, 12h, 0min, 0s), 100ms, record(2025, 3, 14, 12, 0, 1), 1s},
        {"into a new year", Utc(2025y / December / 31, 23h, 59min, 59s, 500ms), 100ms, record(2026, 1, 1, 0, 0, 0),
         500ms},
        {"a leap day", Utc(2028y / February / 28, 23h, 59min, 59s, 10ms), 100ms, record(2028, 2, 29, 0, 0, 0), 990ms},
        {"the 2036 wrap", Utc(2036y / February / 7, 6h, 28min, 15s, 500ms), 100ms, record(2036, 2, 7, 6, 28, 16),
         500ms},
    };
    for (const Row& row : rows) {
        const SecondSetPlan plan = PlanSecondSet(row.now, steady, row.lead, 0ns);
        EXPECT_EQ(plan.calendar, row.expected) << row.legend;
        EXPECT_EQ(plan.calendar.hundredths, 0) << row.legend;
        // Exactly what the calendar steps give for that second.
        EXPECT_EQ(plan.time, CalendarToTimeValue(row.expected)) << row.legend;
        // The frame's last byte is due at the boundary.
        const nanoseconds frame = FrameLineTime(EncodeSetTime(plan.time).size());
        EXPECT_EQ(plan.frameStart + frame, steady + row.untilBoundary) << row.legend;
        // The clock's count at the boundary is the time sent.
        EXPECT_EQ(ClockMinusUtc(plan.time, plan.second), 0ns) << row.legend;
    }
    // 20 bytes before the wrap; at the wrap's own second the seconds are 0
    // and go as two digits, 14 bytes in all. 10 bits a byte at 57600 baud.
    EXPECT_EQ(FrameLineTime(EncodeSetTime(PlanSecondSet(rows[0].now, steady).time).size()), 3472222ns);
    EXPECT_EQ(FrameLineTime(EncodeSetTime(PlanSecondSet(rows[5].now, steady).time).size()), 2430555ns);
    // The link's reaction comes off the start as well.
    EXPECT_EQ(PlanSecondSet(rows[0].now, steady, 100ms, 250us).frameStart,
              PlanSecondSet(rows[0].now, steady, 100ms, 0ns).frameStart - 250us);
    // A known value: 2011-06-15 12:00:00.
    EXPECT_EQ(PlanSecondSet(Utc(2011y / June / 15, 11h, 59min, 59s, 500ms), steady).time,
              (ClockTime{1, 0, 3517128000u, 0}));
}
