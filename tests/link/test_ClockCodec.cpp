// Payload encodings both ways.
#include "ClockCodec.h"

#include <gtest/gtest.h>

namespace {

ClockConfig SampleConfig()
{
    ClockConfig c;
    c.valid = 1;
    c.configured = 1;
    c.handMotion = 1;
    c.biasPositive = 1;
    c.biasSeconds = 3600;
    c.biasExtra = 0xBEEF;
    ResetDstDefaults(c);
    c.dstMode = kDstByWeekday;
    c.dstStartYear = 0x07DB;
    c.dstBiasSeconds = 0x12345678;
    c.tcFlagA = 1;
    c.tcFlagB = 1;
    c.tcOptions = {0, 2, 1, 0, 0, 1, 0, 0, 1};
    c.illumination = 12;
    return c;
}

TEST(ConfigCodec, LayoutAndRoundTrip)
{
    const ClockConfig c = SampleConfig();
    const std::string v2 = EncodeConfig(c, 2);
    const std::string v1 = EncodeConfig(c, 1);
    ASSERT_EQ(v2.size(), 112u);
    ASSERT_EQ(v1.size(), 110u);
    EXPECT_EQ(v2.substr(0, 110), v1);
    EXPECT_EQ(v2.substr(10, 8), "00000E10");
    EXPECT_EQ(v2.substr(18, 4), "BEEF");
    EXPECT_EQ(v2.substr(26, 2), "08");
    EXPECT_EQ(v2.substr(40, 4), "07DB");
    EXPECT_EQ(v2.substr(76, 8), "12345678");
    EXPECT_EQ(v2.substr(102, 2), "01");
    EXPECT_EQ(v2.substr(108, 2), "01");
    EXPECT_EQ(v2.substr(110, 2), "0C");

    ClockConfig back;
    ASSERT_TRUE(DecodeConfig(v2, 2, back));
    EXPECT_EQ(back, c);

    ClockConfig noLight;
    ASSERT_TRUE(DecodeConfig(v1, 1, noLight));
    EXPECT_EQ(noLight.illumination, 0);
    EXPECT_EQ(noLight.biasSeconds, 3600u);
}

TEST(ConfigCodec, LengthMustMatchProtocolVersion)
{
    const ClockConfig c = SampleConfig();
    ClockConfig out;
    out.biasSeconds = 77;
    EXPECT_FALSE(DecodeConfig(EncodeConfig(c, 2), 1, out));
    EXPECT_FALSE(DecodeConfig(EncodeConfig(c, 1), 2, out));
    EXPECT_EQ(out.biasSeconds, 77u) << "a rejected reply leaves the record alone";
}

TEST(ConfigCodec, FlagsReadAsAnyNonZeroAndSentAs01)
{
    std::string text = EncodeConfig(SampleConfig(), 2);
    text.replace(0, 2, "FF");   // valid
    text.replace(22, 2, "80");  // dstUseUtc
    ClockConfig c;
    ASSERT_TRUE(DecodeConfig(text, 2, c));
    EXPECT_EQ(c.valid, 1);
    EXPECT_EQ(c.dstUseUtc, 1);
    const std::string again = EncodeConfig(c, 2);
    EXPECT_EQ(again.substr(0, 2), "01");
    EXPECT_EQ(again.substr(22, 2), "01");
}

TEST(ConfigCodec, LenientDigits)
{
    std::string text = EncodeConfig(SampleConfig(), 2);
    text.replace(10, 8, "0E1G0000");  // converts as far as its digits go
    text.replace(4, 2, "0z");
    ClockConfig c;
    ASSERT_TRUE(DecodeConfig(text, 2, c));
    EXPECT_EQ(c.biasSeconds, 0xE1u);
    EXPECT_EQ(c.handMotion, 0);
}

TEST(SetTimeCodec, ShortHexLayout)
{
    // 2011-07-28 00:00:00
    EXPECT_EQ(EncodeSetTime({1, 0, 0xD1DB2500, 0}), "0100D1DB250000");
    // 2036-03-01 00:00:00: past 2^32 seconds, fewer digits.
    EXPECT_EQ(EncodeSetTime({1, 1, 0x1DF780, 0}), "01011DF78000");
    EXPECT_EQ(EncodeSetTime({0, 0, 5, 0}), "00000500");

    ClockTime t;
    ASSERT_TRUE(DecodeSetTime("0100D1DB250000", t));
    EXPECT_EQ(t, (ClockTime{1, 0, 0xD1DB2500, 0}));
    ASSERT_TRUE(DecodeSetTime("01011DF78000", t));
    EXPECT_EQ(t, (ClockTime{1, 1, 0x1DF780, 0}));
}

TEST(ReplyCodecs, TimesStatusAndIdentity)
{
    ClockTime utc;
    ClockTime local;
    const std::string times = EncodeClockTime({1, 0, 0xD1A2C040, 0x8000}) + EncodeClockTime({1, 0, 0xD1A2CE50, 0});
    ASSERT_TRUE(DecodeCurrentTime(times, utc, local));
    EXPECT_EQ(utc, (ClockTime{1, 0, 0xD1A2C040, 0x8000}));
    EXPECT_EQ(local.seconds, 0xD1A2CE50u);
    EXPECT_FALSE(DecodeCurrentTime(times.substr(1), utc, local));

    std::string status(78, '0');
    status.replace(4, 2, "10");
    status.replace(54, 2, "1D");
    TimeCodeStatus s;
    ASSERT_TRUE(DecodeTimeCodeStatus(status, s));
    EXPECT_EQ(s.type, kTimeCodeIrigBPwm);
    EXPECT_EQ(s.smpteFrameMax, 29);
    EXPECT_EQ(EncodeTimeCodeStatus(s), status);

    FirmwareVersion f;
    ASSERT_TRUE(DecodeFirmware("010300", f));
    EXPECT_EQ(f, (FirmwareVersion{1, 3, 0}));

    uint16_t family = 0;
    ASSERT_TRUE(DecodeU16("0350", family));
    EXPECT_EQ(family, 0x0350);
    uint32_t serial = 0;
    ASSERT_TRUE(DecodeU32("05F5E100", serial));
    EXPECT_EQ(serial, 100000000u);

    DisplayConfig d{kDisplaySetFace, 1, 0, 1, 1, 0, 0xBC191380, 0};
    const std::string dtext = EncodeDisplayConfig(d);
    EXPECT_EQ(dtext, "010100010100BC1913800000");
    DisplayConfig dback;
    ASSERT_TRUE(DecodeDisplayConfig(dtext, dback));
    EXPECT_EQ(dback, d);

    AuxStatus a{1, 2, 1, 3, 4, 0xFFFFFFFF};
    AuxStatus aback;
    ASSERT_TRUE(DecodeAuxStatus(EncodeAuxStatus(a), aback));
    EXPECT_EQ(aback, a);
    EXPECT_EQ(EncodeAuxStatus(a).size(), kLenAuxStatus);
}

TEST(CommandTable, WaitsAndLengths)
{
    EXPECT_EQ(ReadWaitTicks(kCmdFamilyId), 11);
    EXPECT_EQ(ReadWaitTicks(kCmdCurrentTime), 11);
    EXPECT_EQ(ReadWaitTicks(kCmdTimeCodeStatus), 20);
    EXPECT_EQ(ReadWaitTicks(kCmdReadConfig), 40);
    EXPECT_EQ(ReadWaitTicks(kCmdWriteConfig), 0);
    EXPECT_EQ(ReplyLength(kCmdReadConfig, 1), 110u);
    EXPECT_EQ(ReplyLength(kCmdReadConfig, 2), 112u);
    EXPECT_EQ(ReplyLength(kCmdTimeCodeStatus, 2), 78u);
    EXPECT_EQ(ReplyLength(kCmdSetTime, 2), 0u);
}

}  // namespace
