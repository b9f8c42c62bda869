// The clock's command set and the hex text of every payload.
//
// Payloads are fixed-width uppercase hex fields without separators: flags as
// "00"/"01", uint8 as 2 digits, uint16 as 4, uint32 as 8. A received field is
// converted as far as its digits go; a received flag is 1 when non-zero. The
// visitors below list each record's fields in wire order once, and serve both
// directions (the program's and the simulated clock's).
#pragma once

#include "ClockRecords.h"

#include <cstdint>
#include <string>
#include <string_view>

enum ClockCommand : uint8_t {
    kCmdHello = 0xAF,
    kCmdRecover = 0xAE,
    kCmdFamilyId = 0xB0,
    kCmdCpuType = 0xB2,
    kCmdFirmware = 0xB3,
    kCmdDisplayHardware = 0xB5,
    kCmdSerialNumber = 0xB7,
    kCmdAuxCounter = 0xB8,
    kCmdSetTime = 0xC1,
    kCmdCurrentTime = 0xC8,
    kCmdReadConfig = 0x60,
    kCmdWriteConfig = 0x61,
    kCmdReadDisplay = 0x62,
    kCmdWriteDisplay = 0x63,
    kCmdAuxStatus = 0x64,
    kCmdTimeCodeStatus = 0x66,
};

// Payload lengths of the replies, in characters.
inline constexpr size_t kLenFamilyId = 4;
inline constexpr size_t kLenCpuType = 4;
inline constexpr size_t kLenFirmware = 6;
inline constexpr size_t kLenSerialNumber = 8;
inline constexpr size_t kLenAuxCounter = 8;
inline constexpr size_t kLenClockTime = 16;                   // one ClockTime
inline constexpr size_t kLenCurrentTime = 2 * kLenClockTime;  // UTC, then local
inline constexpr size_t kLenDisplayHardware = 12;
inline constexpr size_t kLenDisplayConfig = 24;
inline constexpr size_t kLenAuxStatus = 30;
inline constexpr size_t kLenTimeCodeStatus = 78;
inline constexpr size_t kLenConfigV1 = 110;
inline constexpr size_t kLenConfigV2 = 112;

// Length of the configuration exchange under a protocol version.
inline constexpr size_t ConfigLength(uint8_t protocolVersion)
{
    return protocolVersion == 2 ? kLenConfigV2 : kLenConfigV1;
}

// Reply wait of a read, in 10 ms ticks; 0 for a code that is not a read.
int ReadWaitTicks(uint8_t code);
// Expected reply length of a read under a protocol version; 0 for a code
// that is not a read.
size_t ReplyLength(uint8_t code, uint8_t protocolVersion);
// Short name of a command, for logs and the simulated clock.
const char* CommandName(uint8_t code);

// Appends fields to a text.
class CHexWriter {
public:
    void Flag(uint8_t v, const char* = nullptr) { text_ += v ? "01" : "00"; }
    void U8(uint8_t v, const char* = nullptr) { Put(v, 2); }
    void U16(uint16_t v, const char* = nullptr) { Put(v, 4); }
    void U32(uint32_t v, const char* = nullptr) { Put(v, 8); }
    template <size_t N> void U8s(const std::array<uint8_t, N>& values, const char* = nullptr)
    {
        for (uint8_t v : values)
            U8(v);
    }
    const std::string& Text() const { return text_; }

private:
    void Put(uint32_t value, int digits);
    std::string text_;
};

// Cuts a text at the field widths. Reading past the end gives zeros.
class CHexReader {
public:
    explicit CHexReader(std::string_view text) : text_(text) { }
    void Flag(uint8_t& v, const char* = nullptr) { v = Take(2) != 0 ? 1 : 0; }
    void U8(uint8_t& v, const char* = nullptr) { v = static_cast<uint8_t>(Take(2)); }
    void U16(uint16_t& v, const char* = nullptr) { v = static_cast<uint16_t>(Take(4)); }
    void U32(uint32_t& v, const char* = nullptr) { v = Take(8); }
    template <size_t N> void U8s(std::array<uint8_t, N>& values, const char* = nullptr)
    {
        for (uint8_t& v : values)
            U8(v);
    }

private:
    uint32_t Take(size_t digits);
    std::string_view text_;
    size_t position_ = 0;
};

// Field lists in wire order, with each field's name. R is the record, const
// for writing. A visitor offers Flag, U8, U16, U32 and U8s, each given the
// field and its name.
template <class V, class R> void VisitClockTime(V& v, R& t)
{
    v.Flag(t.set, "set");
    v.U8(t.secondsHigh, "secondsHigh");
    v.U32(t.seconds, "seconds");
    v.U16(t.fraction, "fraction");
}

template <class V, class R> void VisitConfig(V& v, R& c, uint8_t protocolVersion)
{
    v.Flag(c.valid, "valid");
    v.Flag(c.configured, "configured");
    v.U8(c.handMotion, "handMotion");
    v.Flag(c.biasPositive, "biasPositive");
    v.U8(c.reserved05, "reserved05");
    v.U32(c.biasSeconds, "biasSeconds");
    v.U16(c.biasExtra, "biasExtra");
    v.Flag(c.dstUseUtc, "dstUseUtc");
    v.Flag(c.dstUseLocal, "dstUseLocal");
    v.U8(c.dstMode, "dstMode");
    v.U8(c.dstStartWeek, "dstStartWeek");
    v.U8(c.dstEndWeek, "dstEndWeek");
    v.Flag(c.dstStartValid, "dstStartValid");
    v.U8(c.dstStartDayOfWeek, "dstStartDayOfWeek");
    v.U8(c.dstStartDay, "dstStartDay");
    v.U8(c.dstStartMonth, "dstStartMonth");
    v.U16(c.dstStartYear, "dstStartYear");
    v.U8(c.dstStartHour, "dstStartHour");
    v.U8(c.dstStartMinute, "dstStartMinute");
    v.U8(c.dstStartSecond, "dstStartSecond");
    v.U8(c.dstStartReserved, "dstStartReserved");
    v.Flag(c.dstEndValid, "dstEndValid");
    v.U8(c.dstEndDayOfWeek, "dstEndDayOfWeek");
    v.U8(c.dstEndDay, "dstEndDay");
    v.U8(c.dstEndMonth, "dstEndMonth");
    v.U16(c.dstEndYear, "dstEndYear");
    v.U8(c.dstEndHour, "dstEndHour");
    v.U8(c.dstEndMinute, "dstEndMinute");
    v.U8(c.dstEndSecond, "dstEndSecond");
    v.U8(c.dstEndReserved, "dstEndReserved");
    v.Flag(c.dstBiasPositive, "dstBiasPositive");
    v.U8(c.dstReserved31, "dstReserved31");
    v.U32(c.dstBiasSeconds, "dstBiasSeconds");
    v.U16(c.dstBiasExtra, "dstBiasExtra");
    v.Flag(c.tcFlagA, "tcFlagA");
    v.Flag(c.tcFlagB, "tcFlagB");
    v.U8s(c.tcOptions, "tcOptions");
    if (protocolVersion == 2)
        v.U8(c.illumination, "illumination");
}

template <class V, class R> void VisitDisplayConfig(V& v, R& d)
{
    v.U8(d.mode, "mode");
    v.Flag(d.flag1, "flag1");
    v.U8(d.param2, "param2");
    v.Flag(d.flag3, "flag3");
    v.Flag(d.flag4, "flag4");
    v.U8(d.param5, "param5");
    v.U32(d.value, "value");
    v.U16(d.param12, "param12");
}

template <class V, class R> void VisitTimeCodeStatus(V& v, R& s)
{
    v.Flag(s.statusFlagA, "statusFlagA");
    v.Flag(s.statusFlagB, "statusFlagB");
    v.U8(s.type, "type");
    v.U8(s.status3, "status3");
    v.U8(s.status4, "status4");
    v.U32(s.status8, "status8");
    v.U8s(s.statusBytes, "statusBytes");
    v.U8(s.status29, "status29");
    v.U8(s.smpteFrameMax, "smpteFrameMax");
    v.U8(s.status31, "status31");
    v.U8s(s.statusTail, "statusTail");
}

template <class V, class R> void VisitAuxStatus(V& v, R& a)
{
    v.U8(a.value0, "value0");
    v.U8(a.value1, "value1");
    v.Flag(a.flag, "flag");
    v.U32(a.counter0, "counter0");
    v.U32(a.counter1, "counter1");
    v.U32(a.counter2, "counter2");
}

template <class V, class R> void VisitFirmware(V& v, R& f)
{
    v.U8(f.major, "major");
    v.U8(f.minor, "minor");
    v.U8(f.build, "build");
}

template <class V, class R> void VisitDisplayHardware(V& v, R& h)
{
    v.U8s(h.values, "values");
}

// Encoders.
std::string EncodeConfig(const ClockConfig& config, uint8_t protocolVersion);
std::string EncodeDisplayConfig(const DisplayConfig& display);
std::string EncodeClockTime(const ClockTime& time);  // the 16-character reply form
// The set-time request: each number "%02X", so fields above 0xFF grow: 14
// characters for the times the program sends until 2036-02-07, fewer after.
std::string EncodeSetTime(const ClockTime& time);
std::string EncodeTimeCodeStatus(const TimeCodeStatus& status);
std::string EncodeAuxStatus(const AuxStatus& status);
std::string EncodeFirmware(const FirmwareVersion& version);
std::string EncodeDisplayHardware(const DisplayHardwareConfig& hardware);
std::string EncodeU16(uint16_t value);
std::string EncodeU32(uint32_t value);

// Decoders: false (record untouched) when the text is not of the expected
// length.
bool DecodeConfig(std::string_view text, uint8_t protocolVersion, ClockConfig& config);
bool DecodeDisplayConfig(std::string_view text, DisplayConfig& display);
bool DecodeCurrentTime(std::string_view text, ClockTime& utc, ClockTime& local);
bool DecodeTimeCodeStatus(std::string_view text, TimeCodeStatus& status);
bool DecodeAuxStatus(std::string_view text, AuxStatus& status);
bool DecodeFirmware(std::string_view text, FirmwareVersion& version);
bool DecodeDisplayHardware(std::string_view text, DisplayHardwareConfig& hardware);
bool DecodeU16(std::string_view text, uint16_t& value);
bool DecodeU32(std::string_view text, uint32_t& value);
// The set-time request as the program sends it (set, secondsHigh and
// fraction of two digits each, the seconds between them). False for a text
// of fewer than 8 characters.
bool DecodeSetTime(std::string_view text, ClockTime& time);
