// The simulated clock's answers, without any I/O: reply lengths, writes,
// the running time, local time by bias and daylight-saving rules, faults.
#include "SimClock.h"

#include "ClockCodec.h"
#include "ClockOffset.h"
#include "Frame.h"
#include "LinkTiming.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <functional>
#include <optional>
#include <string>
#include <thread>

namespace {

using namespace std::chrono;
using namespace std::chrono_literals;
using Kind = CSimClock::Answer::Kind;

constexpr int64_t kEpochOffset = 2208988800;

uint64_t Ticks(const ClockTime& t)
{
    return ((((uint64_t{t.secondsHigh} << 32) | t.seconds)) << 16) | t.fraction;
}

// A UTC civil time as a ClockTime.
ClockTime At(sys_days day, seconds timeOfDay = 0s)
{
    const int64_t s = (sys_seconds{day} + timeOfDay).time_since_epoch().count() + kEpochOffset;
    return ClockTime{1, static_cast<uint8_t>(s >> 32), static_cast<uint32_t>(s), 0};
}

SimIdentity WithFirmware(uint8_t major, uint8_t minor, uint8_t build)
{
    SimIdentity identity;
    identity.firmware = {major, minor, build};
    return identity;
}

// Local minus UTC in seconds, both from one 0xC8 reply.
int64_t LocalOffset(CSimClock& clock)
{
    const auto answer = clock.Handle(kCmdCurrentTime, "");
    ClockTime utc;
    ClockTime local;
    EXPECT_TRUE(DecodeCurrentTime(answer.payload, utc, local));
    EXPECT_EQ(utc.fraction, local.fraction);
    return static_cast<int64_t>(Ticks(local) >> 16) - static_cast<int64_t>(Ticks(utc) >> 16);
}

struct Expected {
    ClockTime utc;
    int64_t offset;  // local minus UTC, seconds
};

void ExpectOffsets(CSimClock& clock, std::initializer_list<Expected> cases)
{
    for (const Expected& e : cases) {
        clock.SetUtc(e.utc);
        EXPECT_EQ(LocalOffset(clock), e.offset) << "at clock second " << e.utc.seconds;
    }
}

ClockConfig DstConfig(CSimClock& clock, bool utcReference, uint8_t biasPositive, uint32_t biasSeconds)
{
    ClockConfig c = clock.Config();
    c.biasPositive = biasPositive;
    c.biasSeconds = biasSeconds;
    c.dstUseUtc = utcReference ? 1 : 0;
    c.dstUseLocal = utcReference ? 0 : 1;
    c.dstBiasPositive = 1;
    c.dstBiasSeconds = 3600;
    return c;
}

void SetWeekdayRule(ClockConfig& c, uint8_t startWeek, uint8_t startMonth, uint8_t startHour, uint8_t endWeek,
                    uint8_t endMonth, uint8_t endHour)
{
    c.dstMode = kDstByWeekday;
    c.dstStartWeek = startWeek;
    c.dstStartDayOfWeek = 1;  // Sunday
    c.dstStartMonth = startMonth;
    c.dstStartHour = startHour;
    c.dstEndWeek = endWeek;
    c.dstEndDayOfWeek = 1;
    c.dstEndMonth = endMonth;
    c.dstEndHour = endHour;
}

TEST(SimClockReads, EveryReadAnswersWithItsCodeAndExactLength)
{
    CSimClock clock;
    for (uint8_t code : {kCmdFamilyId, kCmdCpuType, kCmdFirmware, kCmdSerialNumber, kCmdAuxCounter, kCmdCurrentTime,
                         kCmdReadConfig, kCmdDisplayHardware, kCmdReadDisplay, kCmdAuxStatus, kCmdTimeCodeStatus}) {
        SCOPED_TRACE(CommandName(code));
        const auto answer = clock.Handle(code, "");
        EXPECT_EQ(answer.kind, Kind::Reply);
        EXPECT_EQ(answer.code, code);
        EXPECT_EQ(answer.payload.size(), ReplyLength(code, 2));
        EXPECT_FALSE(answer.corruptChecksum);
        EXPECT_EQ(answer.delay, 0ms);
    }
}

TEST(SimClockReads, IdentityAndTimeCodeStatusComeFromTheIdentity)
{
    SimIdentity identity;
    identity.familyId = 0x0350;
    identity.cpuType = 0x0042;
    identity.firmware = {2, 1, 7};
    identity.serialNumber = 100000123;
    identity.timeCodeType = kTimeCodeIrigBAm;
    identity.smpteFrameMax = 24;
    CSimClock clock(identity);

    EXPECT_EQ(clock.Handle(kCmdFamilyId, "").payload, "0350");
    EXPECT_EQ(clock.Handle(kCmdCpuType, "").payload, "0042");
    EXPECT_EQ(clock.Handle(kCmdFirmware, "").payload, "020107");
    EXPECT_EQ(clock.Handle(kCmdSerialNumber, "").payload, "05F5E17B");
    TimeCodeStatus status;
    ASSERT_TRUE(DecodeTimeCodeStatus(clock.Handle(kCmdTimeCodeStatus, "").payload, status));
    EXPECT_EQ(status.type, kTimeCodeIrigBAm);
    EXPECT_EQ(status.smpteFrameMax, 24);

    // The auxiliary counter counts its reads.
    uint32_t first = 0;
    uint32_t second = 0;
    ASSERT_TRUE(DecodeU32(clock.Handle(kCmdAuxCounter, "").payload, first));
    ASSERT_TRUE(DecodeU32(clock.Handle(kCmdAuxCounter, "").payload, second));
    EXPECT_EQ(second, first + 1);
}

TEST(SimClockReads, ConfigurationLengthFollowsTheFirmware)
{
    CSimClock older(WithFirmware(1, 2, 0));
    EXPECT_EQ(older.ProtocolVersion(), 1);
    EXPECT_EQ(older.Handle(kCmdReadConfig, "").payload.size(), 110u);

    CSimClock newer(WithFirmware(1, 3, 0));
    EXPECT_EQ(newer.ProtocolVersion(), 2);
    const auto answer = newer.Handle(kCmdReadConfig, "");
    ASSERT_EQ(answer.payload.size(), 112u);
    ClockConfig config;
    ASSERT_TRUE(DecodeConfig(answer.payload, 2, config));
    EXPECT_EQ(config, newer.Config());
    // The default configuration passes the program's checks untouched.
    EXPECT_FALSE(ValidateConfigShadow(config));
    EXPECT_EQ(config.illumination, 6);

    // A firmware change at run time changes the exchange.
    newer.SetIdentity(WithFirmware(0, 9, 0));
    EXPECT_EQ(newer.Handle(kCmdReadConfig, "").payload.size(), 110u);
}

TEST(SimClockCommands, HelloRecoverUnknownAndStrayPayloads)
{
    CSimClock clock;
    EXPECT_EQ(clock.Handle(kCmdHello, "").kind, Kind::Ack);
    EXPECT_EQ(clock.Handle(kCmdRecover, "").kind, Kind::Ack);
    EXPECT_EQ(clock.Handle(0x00, "").kind, Kind::Nak);
    EXPECT_EQ(clock.Handle(0xB1, "").kind, Kind::Nak);
    EXPECT_EQ(clock.Handle(0x65, "").kind, Kind::Nak);
    // Requests that carry no payload are not understood with one.
    EXPECT_EQ(clock.Handle(kCmdHello, "00").kind, Kind::Nak);
    EXPECT_EQ(clock.Handle(kCmdFamilyId, "0150").kind, Kind::Nak);
}

TEST(SimClockCommands, WriteConfigurationNeedsTheExactLength)
{
    CSimClock clock(WithFirmware(1, 3, 0));
    const ClockConfig before = clock.Config();
    ClockConfig wanted = before;
    wanted.biasPositive = 0;
    wanted.biasSeconds = 18000;
    wanted.handMotion = kHandsStep;
    wanted.illumination = 11;
    const std::string v2 = EncodeConfig(wanted, 2);
    const std::string v1 = EncodeConfig(wanted, 1);

    EXPECT_EQ(clock.Handle(kCmdWriteConfig, v1).kind, Kind::Nak);
    EXPECT_EQ(clock.Handle(kCmdWriteConfig, v2 + "0").kind, Kind::Nak);
    EXPECT_EQ(clock.Handle(kCmdWriteConfig, "").kind, Kind::Nak);
    std::string notHex = v2;
    notHex[10] = 'G';
    EXPECT_EQ(clock.Handle(kCmdWriteConfig, notHex).kind, Kind::Nak);
    EXPECT_EQ(clock.Config(), before);

    EXPECT_EQ(clock.Handle(kCmdWriteConfig, v2).kind, Kind::Ack);
    EXPECT_EQ(clock.Config(), wanted);
    EXPECT_EQ(clock.Handle(kCmdReadConfig, "").payload, v2);
}

TEST(SimClockCommands, WriteConfigurationUnderVersionOneKeepsIllumination)
{
    CSimClock clock(WithFirmware(1, 2, 0));
    ClockConfig wanted = clock.Config();
    wanted.biasSeconds = 3600;
    wanted.illumination = 2;
    EXPECT_EQ(clock.Handle(kCmdWriteConfig, EncodeConfig(wanted, 2)).kind, Kind::Nak);
    ASSERT_EQ(clock.Handle(kCmdWriteConfig, EncodeConfig(wanted, 1)).kind, Kind::Ack);
    EXPECT_EQ(clock.Config().biasSeconds, 3600u);
    EXPECT_EQ(clock.Config().illumination, 6);
}

TEST(SimClockCommands, DisplayWritesOnlyWhileHandsAreStopped)
{
    CSimClock clock;
    DisplayConfig setFace{kDisplaySetFace, 1, 0, 1, 1, 0, 0xD1DB2500, 0};
    DisplayConfig nudge{kDisplayNudgeSeconds, 1, 10, 0, 0, 0, 0, 0};

    EXPECT_EQ(clock.Handle(kCmdWriteDisplay, EncodeDisplayConfig(setFace)).kind, Kind::Nak);
    EXPECT_EQ(clock.Display(), DisplayConfig{});

    ClockConfig stopped = clock.Config();
    stopped.handMotion = kHandsStopped;
    ASSERT_EQ(clock.Handle(kCmdWriteConfig, EncodeConfig(stopped, 2)).kind, Kind::Ack);
    // Stopped hands stay where they are.
    const uint32_t frozen = clock.FaceSeconds();
    const ClockTime later{1, 0, clock.Utc().seconds + 1000, 0};
    clock.SetUtc(later);
    EXPECT_EQ(clock.FaceSeconds(), frozen);

    EXPECT_EQ(clock.Handle(kCmdWriteDisplay, EncodeDisplayConfig(setFace).substr(2)).kind, Kind::Nak);
    ASSERT_EQ(clock.Handle(kCmdWriteDisplay, EncodeDisplayConfig(setFace)).kind, Kind::Ack);
    EXPECT_EQ(clock.FaceSeconds(), 0xD1DB2500u);
    EXPECT_EQ(clock.Display(), setFace);
    EXPECT_EQ(clock.Handle(kCmdReadDisplay, "").payload, EncodeDisplayConfig(setFace));

    EXPECT_EQ(clock.FaceNudges(), 0u);
    ASSERT_EQ(clock.Handle(kCmdWriteDisplay, EncodeDisplayConfig(nudge)).kind, Kind::Ack);
    ASSERT_EQ(clock.Handle(kCmdWriteDisplay, EncodeDisplayConfig(nudge)).kind, Kind::Ack);
    EXPECT_EQ(clock.FaceNudges(), 2u);
    EXPECT_EQ(clock.FaceSeconds(), 0xD1DB2500u);

    DisplayConfig other{3, 0, 7, 0, 0, 0, 42, 0};
    ASSERT_EQ(clock.Handle(kCmdWriteDisplay, EncodeDisplayConfig(other)).kind, Kind::Ack);
    EXPECT_EQ(clock.Display(), other);
    EXPECT_EQ(clock.FaceSeconds(), 0xD1DB2500u);

    // Running again, the hands show local time.
    ClockConfig running = stopped;
    running.handMotion = kHandsSweep;
    clock.SetConfig(running);
    EXPECT_EQ(clock.Handle(kCmdWriteDisplay, EncodeDisplayConfig(nudge)).kind, Kind::Nak);
    EXPECT_EQ(clock.FaceNudges(), 2u);
    EXPECT_NEAR(static_cast<double>(clock.FaceSeconds()), static_cast<double>(later.seconds), 2.0);
}

TEST(SimClockTime, StartsAtTheSystemTimeAndRuns)
{
    CSimClock clock;
    const int64_t now = static_cast<int64_t>(std::time(nullptr)) + kEpochOffset;
    const ClockTime utc = clock.Utc();
    EXPECT_EQ(utc.set, 1);
    EXPECT_NEAR(static_cast<double>(Ticks(utc) >> 16), static_cast<double>(now), 2.0);
    EXPECT_TRUE(WaitUntil([&] { return Ticks(clock.Utc()) > Ticks(utc); }, 2000ms));
}

TEST(SimClockTime, SetTimeSetsUtcWhichRunsOn)
{
    CSimClock clock;
    ASSERT_EQ(clock.Handle(kCmdSetTime, "0100D1DB250000").kind, Kind::Ack);
    const ClockTime set = clock.Utc();
    EXPECT_EQ(set.secondsHigh, 0);
    EXPECT_EQ(set.seconds, 0xD1DB2500u);
    EXPECT_TRUE(WaitUntil([&] { return Ticks(clock.Utc()) > Ticks(set); }, 2000ms));

    // 2036-03-01: past 2^32 seconds, a shorter request.
    ASSERT_EQ(clock.Handle(kCmdSetTime, "01011DF78000").kind, Kind::Ack);
    EXPECT_EQ(clock.Utc().secondsHigh, 1);
    EXPECT_EQ(clock.Utc().seconds, 0x1DF780u);

    // Requests that say nothing usable change nothing.
    const uint32_t before = clock.Utc().seconds;
    EXPECT_EQ(clock.Handle(kCmdSetTime, "0100").kind, Kind::Nak);
    EXPECT_EQ(clock.Handle(kCmdSetTime, "0100D1DB2500000").kind, Kind::Nak);
    EXPECT_EQ(clock.Handle(kCmdSetTime, "0100D1DBX50000").kind, Kind::Nak);
    EXPECT_EQ(clock.Handle(kCmdSetTime, "0000D1DB250000").kind, Kind::Ack);
    EXPECT_NEAR(static_cast<double>(clock.Utc().seconds), static_cast<double>(before), 2.0);

    // The running fraction carries into the seconds and on into the high byte.
    clock.SetUtc(ClockTime{1, 0, 0xFFFFFFFF, 0xFFFF});
    ASSERT_TRUE(WaitUntil([&] { return clock.Utc().secondsHigh == 1; }, 2000ms));
    EXPECT_LT(clock.Utc().seconds, 5u);
}

TEST(SimClockTime, OffsetWholeSecondsAndTheLine)
{
    CSimClock clock;
    // Started off the computer's UTC, either way.
    for (const nanoseconds offset : {nanoseconds(12500ms), nanoseconds(-3s)}) {
        clock.SetUtcOffset(offset);
        EXPECT_LT(abs(ClockMinusUtc(clock.Utc(), system_clock::now()) - offset), 50ms);
    }

    // A clock that counts whole seconds reports no fraction, UTC or local.
    clock.SetTiming(SimTiming{true, 0});
    for (int i = 0; i < 5; ++i) {
        ClockTime utc;
        ClockTime local;
        ASSERT_TRUE(DecodeCurrentTime(clock.Handle(kCmdCurrentTime, "").payload, utc, local));
        EXPECT_EQ(utc.fraction, 0);
        EXPECT_EQ(local.fraction, 0);
        std::this_thread::sleep_for(7ms);
    }

    // On the line, an answer comes once the request and the answer itself
    // have had their time on it, on top of a slow answer's delay.
    clock.SetTiming(SimTiming{false, kLineBaudRate});
    EXPECT_EQ(clock.Handle(kCmdCurrentTime, "").delay, FrameLineTime(0) + FrameLineTime(kLenCurrentTime));
    EXPECT_EQ(clock.Handle(kCmdHello, "").delay, FrameLineTime(0) + LineTime(1));
    SimFaults slow;
    slow.slowDelay = 40ms;
    clock.SetFaults(slow);
    EXPECT_EQ(clock.Handle(kCmdHello, "").delay, 40ms + FrameLineTime(0) + LineTime(1));
}

TEST(SimClockTime, SetReportsItsErrorAtTheFramesEnd)
{
    CSimClock clock;
    clock.SetTiming(SimTiming{false, kLineBaudRate});
    const nanoseconds frame = FrameLineTime(14);
    const system_clock::time_point before = system_clock::now();
    const steady_clock::time_point steadyBefore = steady_clock::now();
    const ClockTime next = At(floor<days>(before), duration_cast<seconds>(before - floor<days>(before)) + 1s);
    ASSERT_EQ(clock.Handle(kCmdSetTime, EncodeSetTime(next)).kind, Kind::Ack);
    const system_clock::time_point after = system_clock::now();

    // The time set against the computer's UTC once the frame's 20 bytes had
    // been on the line.
    ASSERT_EQ(clock.Sets().size(), 1u);
    const SimSet set = clock.Sets().front();
    EXPECT_EQ(set.time, next);
    EXPECT_LE(set.error, ClockMinusUtc(next, before + frame));
    EXPECT_GE(set.error, ClockMinusUtc(next, after + frame));
    EXPECT_GE(set.when - steadyBefore, frame);
    const SimReceived received = clock.Received().back();
    ASSERT_TRUE(received.setError.has_value());
    EXPECT_EQ(*received.setError, set.error);
    EXPECT_EQ(received.when, set.when);
    // From then on the clock runs that far from the computer.
    EXPECT_LT(abs(ClockMinusUtc(clock.Utc(), system_clock::now()) - set.error), 5ms);
    // Other frames carry no error.
    clock.Handle(kCmdHello, "");
    EXPECT_FALSE(clock.Received().back().setError.has_value());
}

TEST(SimClockLocalTime, BiasMovesLocalTimeBothWays)
{
    CSimClock clock;
    EXPECT_EQ(LocalOffset(clock), 0);
    ClockConfig c = clock.Config();
    c.biasPositive = 1;
    c.biasSeconds = 19800;  // +05:30
    clock.SetConfig(c);
    EXPECT_EQ(LocalOffset(clock), 19800);
    c.biasPositive = 0;
    c.biasSeconds = 18000;
    clock.SetConfig(c);
    EXPECT_EQ(LocalOffset(clock), -18000);
    // Disabled daylight saving adds nothing, whatever its bias says.
    c.dstBiasPositive = 1;
    c.dstBiasSeconds = 3600;
    clock.SetConfig(c);
    ExpectOffsets(clock, {{At(2023y / July / 1, 12h), -18000}});
}

// Second Sunday of March to first Sunday of November at 02:00 local time,
// five hours behind UTC: the start at 02:00 standard time, the end at 02:00
// daylight time, as the wall clock shows them just before each change.
TEST(SimClockLocalTime, WeekdayRuleInLocalWallClockTime)
{
    CSimClock clock;
    ClockConfig c = DstConfig(clock, false, 0, 18000);
    SetWeekdayRule(c, 2, 3, 2, 1, 11, 2);
    clock.SetConfig(c);

    // 02:00 standard time on 12 March is 07:00 UTC; 02:00 daylight time on
    // 5 November is 06:00 UTC.
    ExpectOffsets(clock,
                  {{At(2023y / July / 1, 12h), -14400},
                   {At(2023y / January / 15, 12h), -18000},
                   {At(2023y / December / 20, 12h), -18000},
                   {At(2023y / March / 12, 6h + 59min + 58s), -18000},
                   {At(2023y / March / 12, 7h), -14400},
                   {At(2023y / November / 5, 5h + 59min + 58s), -14400},
                   {At(2023y / November / 5, 6h), -18000}});
}

// Last Sunday of March to last Sunday of October at 01:00 UTC, one hour
// ahead of UTC.
TEST(SimClockLocalTime, LastWeekRuleInUtc)
{
    CSimClock clock;
    ClockConfig c = DstConfig(clock, true, 1, 3600);
    SetWeekdayRule(c, 5, 3, 1, 5, 10, 1);
    clock.SetConfig(c);

    ExpectOffsets(clock,
                  {{At(2024y / March / 31, 59min + 58s), 3600},
                   {At(2024y / March / 31, 1h), 7200},
                   {At(2024y / October / 27, 59min + 58s), 7200},
                   {At(2024y / October / 27, 1h), 3600}});
}

// A time set near the end of the clock's 40-bit scale, past the years the
// calendar names, with daylight saving on: the clock answers at once (it
// once spun for ever reckoning the rules of the year after 32767).
TEST(SimClockLocalTime, RulesAnswerAtTheFarEndOfTheScale)
{
    CSimClock clock;
    ClockConfig c = DstConfig(clock, true, 1, 3600);
    SetWeekdayRule(c, 5, 3, 1, 5, 10, 1);
    clock.SetConfig(c);

    // 1 June 32766, 00:00 UTC, as the set-time request carries it.
    ASSERT_EQ(clock.Handle(kCmdSetTime, "01E2C9E65D0000").kind, Kind::Ack);
    EXPECT_EQ(LocalOffset(clock), 7200);
    ExpectOffsets(clock,
                  {{At(sys_days{year{32767} / July / 1}), 7200},
                   {At(sys_days{year{32767} / December / 1}), 3600},
                   {ClockTime{1, 0xFF, 0xFFFFF000, 0}, 3600}});
}

TEST(SimClockLocalTime, FixedDateRule)
{
    CSimClock clock;
    ClockConfig c = DstConfig(clock, true, 1, 7200);
    c.dstMode = kDstByDate;
    c.dstStartDay = 15;
    c.dstStartMonth = 4;
    c.dstStartHour = 3;
    c.dstEndDay = 1;
    c.dstEndMonth = 10;
    c.dstEndHour = 3;
    clock.SetConfig(c);

    ExpectOffsets(clock,
                  {{At(2022y / June / 10), 10800},
                   {At(2022y / December / 10), 7200},
                   {At(2022y / April / 15, 2h + 59min + 58s), 7200},
                   {At(2022y / April / 15, 3h), 10800}});

    // A negative daylight bias moves the clock back.
    c.dstBiasPositive = 0;
    clock.SetConfig(c);
    ExpectOffsets(clock, {{At(2022y / June / 10), 3600}});
}

// First Sunday of October to first Sunday of April at 02:00 local time, ten
// hours ahead of UTC: daylight time spans the new year.
TEST(SimClockLocalTime, SouthernHemisphereRule)
{
    CSimClock clock;
    ClockConfig c = DstConfig(clock, false, 1, 36000);
    SetWeekdayRule(c, 1, 10, 2, 1, 4, 2);
    clock.SetConfig(c);

    // 1 October 2023 02:00 local standard time is 30 September 16:00 UTC.
    ExpectOffsets(clock,
                  {{At(2023y / January / 15, 2h), 39600},
                   {At(2023y / December / 15, 2h), 39600},
                   {At(2023y / July / 15, 2h), 36000},
                   {At(2023y / September / 30, 15h + 59min + 58s), 36000},
                   {At(2023y / September / 30, 16h), 39600},
                   // 02:00 daylight time on 2 April is 1 April 15:00 UTC.
                   {At(2023y / April / 1, 14h + 59min + 58s), 39600},
                   {At(2023y / April / 1, 15h), 36000}});
}

TEST(SimClockFaults, SilenceIgnoreAndNak)
{
    CSimClock clock;
    SimFaults faults;
    faults.silent = true;
    clock.SetFaults(faults);
    EXPECT_EQ(clock.Handle(kCmdHello, "").kind, Kind::None);
    EXPECT_EQ(clock.Handle(kCmdFamilyId, "").kind, Kind::None);

    faults = SimFaults{};
    faults.ignoreCode = kCmdFamilyId;
    faults.nakCode = kCmdCurrentTime;
    faults.keepCode = kCmdWriteConfig;
    clock.SetFaults(faults);
    EXPECT_EQ(clock.Handle(kCmdFamilyId, "").kind, Kind::None);
    EXPECT_EQ(clock.Handle(kCmdCurrentTime, "").kind, Kind::Nak);
    ClockConfig other = clock.Config();
    other.biasSeconds += 3600;
    EXPECT_EQ(clock.Handle(kCmdWriteConfig, EncodeConfig(other, 2)).kind, Kind::Ack);
    EXPECT_NE(clock.Config(), other) << "acknowledged, kept";
    EXPECT_EQ(clock.Handle(kCmdHello, "").kind, Kind::Ack);
    EXPECT_EQ(clock.Handle(kCmdCpuType, "").kind, Kind::Reply);
    EXPECT_EQ(clock.Faults().ignoreCode, kCmdFamilyId);

    // Every frame is logged, answered or not.
    const std::vector<uint8_t> expected{kCmdHello,       kCmdFamilyId, kCmdFamilyId, kCmdCurrentTime,
                                        kCmdWriteConfig, kCmdHello,    kCmdCpuType};
    EXPECT_EQ(clock.ReceivedCodes(), expected);
    EXPECT_EQ(clock.CountReceived(kCmdFamilyId), 2u);
    clock.Handle(kCmdSetTime, "0100D1DB250000");
    EXPECT_EQ(clock.Received().back().payload, "0100D1DB250000");
    clock.ClearReceived();
    EXPECT_TRUE(clock.Received().empty());
}

TEST(SimClockFaults, ShortReplyAndReplyUnderTheWrongCode)
{
    CSimClock clock;
    SimFaults faults;
    faults.shortCode = kCmdSerialNumber;
    faults.wrongCode = kCmdFamilyId;
    clock.SetFaults(faults);
    const CSimClock::Answer shortReply = clock.Handle(kCmdSerialNumber, "");
    EXPECT_EQ(shortReply.code, kCmdSerialNumber);
    EXPECT_EQ(shortReply.payload.size(), kLenSerialNumber - 2);
    const CSimClock::Answer misrouted = clock.Handle(kCmdFamilyId, "");
    EXPECT_EQ(misrouted.code, kCmdFamilyId + 1);
    EXPECT_EQ(misrouted.payload, "0150");
    // Other commands, and answers that are no replies, are untouched.
    EXPECT_EQ(clock.Handle(kCmdCpuType, "").payload.size(), kLenCpuType);
    EXPECT_EQ(clock.Handle(kCmdHello, "").kind, Kind::Ack);
}

TEST(SimClockFaults, BadChecksumOnEveryNthReply)
{
    CSimClock clock;
    SimFaults faults;
    faults.badChecksumEvery = 3;
    clock.SetFaults(faults);
    std::vector<bool> corrupt;
    for (int i = 0; i < 6; ++i) {
        EXPECT_FALSE(clock.Handle(kCmdHello, "").corruptChecksum);  // ACKs do not count
        corrupt.push_back(clock.Handle(kCmdFamilyId, "").corruptChecksum);
    }
    EXPECT_EQ(corrupt, (std::vector<bool>{false, false, true, false, false, true}));
}

TEST(SimClockFaults, SlowAnswersCountDown)
{
    CSimClock clock;
    SimFaults faults;
    faults.slowCode = kCmdFamilyId;
    faults.slowDelay = 250ms;
    faults.slowCount = 2;
    clock.SetFaults(faults);
    EXPECT_EQ(clock.Handle(kCmdHello, "").delay, 0ms);
    EXPECT_EQ(clock.Handle(kCmdFamilyId, "").delay, 250ms);
    EXPECT_EQ(clock.Handle(kCmdFamilyId, "").delay, 250ms);
    EXPECT_EQ(clock.Handle(kCmdFamilyId, "").delay, 0ms);
    EXPECT_EQ(clock.Faults().slowCount, 0);

    faults.slowCode = -1;
    faults.slowCount = -1;
    clock.SetFaults(faults);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(clock.Handle(kCmdHello, "").delay, 250ms);
        EXPECT_EQ(clock.Handle(kCmdSerialNumber, "").delay, 250ms);
    }
}

// Feeds the bytes of an answer to the program's frame receiver and says
// which frames it took and whether it saw an ACK outside a frame.
struct Received {
    std::vector<std::string> payloads;
    int acks = 0;
    int dropped = 0;
};

Received Receive(const std::vector<uint8_t>& bytes)
{
    CFrameReceiver receiver;
    Received out;
    for (uint8_t byte : bytes) {
        switch (receiver.Feed(byte)) {
        case CFrameReceiver::Event::Verified:
            out.payloads.emplace_back(receiver.Payload());
            receiver.Reset();
            break;
        case CFrameReceiver::Event::Ack: ++out.acks; break;
        case CFrameReceiver::Event::Dropped: ++out.dropped; break;
        default: break;
        }
    }
    return out;
}

bool IsNoise(const std::vector<uint8_t>& noise)
{
    return !noise.empty() && noise.size() <= kSimNoiseMax && std::none_of(noise.begin(), noise.end(), [](uint8_t b) {
        return b == kStx || b == kEtx || b == kAck || b == kNak;
    });
}

TEST(SimClockFaults, NoiseBeforeAnAnswerAndAnAckInsideAReply)
{
    CSimClock clock;
    SimFaults faults;
    faults.noiseCode = kCmdHello;
    faults.ackInFrameCode = kCmdFamilyId;
    clock.SetFaults(faults);

    // Noise, then the ACK: a receiver still takes the ACK.
    const CSimClock::Answer hello = clock.Handle(kCmdHello, "");
    EXPECT_EQ(hello.kind, Kind::Ack);
    EXPECT_TRUE(IsNoise(hello.noise));
    EXPECT_EQ(clock.Received().back().fault, kSimFaultNoise);
    const std::vector<uint8_t> helloBytes = CSimClock::AnswerBytes(hello);
    EXPECT_EQ(helloBytes.back(), kAck);
    EXPECT_EQ(Receive(helloBytes).acks, 1);

    // The ACK breaks the frame and is not taken as an answer either.
    const CSimClock::Answer family = clock.Handle(kCmdFamilyId, "");
    EXPECT_TRUE(family.ackInFrame);
    EXPECT_EQ(family.payload, "0150");
    std::vector<uint8_t> bytes = CSimClock::AnswerBytes(family);
    const Received broken = Receive(bytes);
    EXPECT_TRUE(broken.payloads.empty());
    EXPECT_EQ(broken.acks, 0);
    EXPECT_EQ(broken.dropped, 1);
    const auto ack = std::find(bytes.begin(), bytes.end(), kAck);
    ASSERT_NE(ack, bytes.end());
    EXPECT_GT(ack - bytes.begin(), 2);  // after STX and the code's first digit
    bytes.erase(ack);
    EXPECT_EQ(bytes, BuildFrame(kCmdFamilyId, "0150"));
    const SimReceived logged = clock.Received().back();
    EXPECT_EQ(logged.fault, kSimFaultAckInFrame);
    EXPECT_EQ(logged.reply, std::optional<std::string>("0150"));

    // Both take their time on a line.
    SimTiming timing;
    timing.lineBaud = kLineBaudRate;
    clock.SetTiming(timing);
    const CSimClock::Answer timed = clock.Handle(kCmdHello, "");
    EXPECT_EQ(timed.delay, FrameLineTime(0) + LineTime(timed.noise.size() + 1));
}

// A fault rate of 100% with a single kind: which answers get it, and what
// each does to the answer. Kinds that change a reply frame leave ACK answers
// alone.
TEST(SimClockFaults, EachKindOfTheFaultRate)
{
    struct Case {
        uint32_t kind;
        bool onAck;  // also given to an ACK answer
        std::function<bool(const CSimClock::Answer&)> shows;
    };
    const Case cases[] = {
        {kSimFaultBadChecksum, false, [](const CSimClock::Answer& a) { return a.corruptChecksum; }},
        {kSimFaultDrop, true, [](const CSimClock::Answer& a) { return a.kind == Kind::None; }},
        {kSimFaultNoise, true, [](const CSimClock::Answer& a) { return IsNoise(a.noise); }},
        {kSimFaultSlow, true, [](const CSimClock::Answer& a) { return a.delay == kSimLateDefault; }},
        {kSimFaultShort, false, [](const CSimClock::Answer& a) { return a.payload == "01"; }},
        {kSimFaultAckInFrame, false, [](const CSimClock::Answer& a) { return a.ackInFrame; }},
        {kSimFaultWrongCode, false, [](const CSimClock::Answer& a) { return a.code == kCmdFamilyId + 1; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(SimFaultName(c.kind));
        CSimClock clock;
        SimFaults faults;
        faults.faultPercent = 100;
        faults.faultKinds = c.kind;
        clock.SetFaults(faults);
        const CSimClock::Answer reply = clock.Handle(kCmdFamilyId, "");
        EXPECT_TRUE(c.shows(reply));
        EXPECT_EQ(clock.Received().back().fault, c.kind);
        // The log keeps the reply as the clock meant it; a dropped one is
        // none at all.
        EXPECT_EQ(clock.Received().back().reply.has_value(), c.kind != kSimFaultDrop);

        const CSimClock::Answer ack = clock.Handle(kCmdHello, "");
        EXPECT_EQ(c.shows(ack), c.onAck);
        EXPECT_EQ(clock.Received().back().fault, c.onAck ? c.kind : kSimFaultNone);
    }
}

TEST(SimClockFaults, ADroppedAnswerStillCarriesTheWriteOut)
{
    CSimClock clock;
    SimFaults faults;
    faults.faultPercent = 100;
    faults.faultKinds = kSimFaultDrop;
    clock.SetFaults(faults);
    ClockConfig config = clock.Config();
    config.illumination = 11;
    EXPECT_EQ(clock.Handle(kCmdWriteConfig, EncodeConfig(config, 2)).kind, Kind::None);
    EXPECT_EQ(clock.Config().illumination, 11);

    // A late answer of the fault rate takes slowDelay when one is given.
    faults.faultKinds = kSimFaultSlow;
    faults.slowDelay = 700ms;
    faults.slowCode = kCmdCpuType;  // the per-command fault for another code
    clock.SetFaults(faults);
    EXPECT_EQ(clock.Handle(kCmdFamilyId, "").delay, 700ms);
}

// The share faulted follows the rate; the same seed gives the same faults,
// another seed others.
TEST(SimClockFaults, FaultRateIsSeededAndKeepsItsShare)
{
    const auto run = [](int percent, uint64_t seed) {
        CSimClock clock;
        SimFaults faults;
        faults.faultPercent = percent;
        faults.faultSeed = seed;
        clock.SetFaults(faults);
        std::vector<uint32_t> kinds;
        for (int i = 0; i < 5000; ++i) {
            clock.Handle(i % 5 == 0 ? kCmdHello : kCmdCurrentTime, "");
            kinds.push_back(clock.Received().back().fault);
            if (kinds.size() % 1000 == 0)
                clock.ClearReceived();
        }
        return kinds;
    };
    const auto share = [](const std::vector<uint32_t>& kinds) {
        return 100.0 * static_cast<double>(std::count_if(kinds.begin(), kinds.end(), [](uint32_t k) { return k; })) /
            static_cast<double>(kinds.size());
    };
    const std::vector<uint32_t> first = run(20, 7);
    EXPECT_NEAR(share(first), 20.0, 2.5);
    EXPECT_EQ(run(20, 7), first);
    EXPECT_NE(run(20, 8), first);
    EXPECT_EQ(share(run(0, 7)), 0.0);
    EXPECT_EQ(share(run(100, 7)), 100.0);
    // Every kind is drawn.
    uint32_t seen = 0;
    for (uint32_t k : first)
        seen |= k;
    EXPECT_EQ(seen, kSimFaultAll);
}

TEST(SimClockFaults, FaultKindNames)
{
    struct Case {
        const char* text;
        bool ok;
        uint32_t kinds;
    };
    const Case cases[] = {
        {"all", true, kSimFaultAll},
        {"checksum", true, kSimFaultBadChecksum},
        {"drop,noise,slow", true, kSimFaultDrop | kSimFaultNoise | kSimFaultSlow},
        {"short,ack-in-frame,wrong-code", true, kSimFaultShort | kSimFaultAckInFrame | kSimFaultWrongCode},
        {"", false, 0},
        {"checksum,", false, 0},
        {",drop", false, 0},
        {"Drop", false, 0},
        {"late", false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        uint32_t kinds = 12345;
        EXPECT_EQ(ParseSimFaultKinds(c.text, kinds), c.ok);
        EXPECT_EQ(kinds, c.ok ? c.kinds : 12345u);
    }
    for (uint32_t bit = 1; bit <= kSimFaultAll; bit <<= 1) {
        uint32_t kinds = 0;
        EXPECT_TRUE(ParseSimFaultKinds(SimFaultName(bit), kinds));
        EXPECT_EQ(kinds, bit);
    }
}

}  // namespace
