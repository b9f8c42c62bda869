// Writes the harnesses' seed corpora from the program's own encoders, so
// the seeds stay valid frames and payloads when a layout changes:
//
//   build-fuzz/bin/fuzz-seed-corpus fuzz/corpus
//
// One folder per harness, one small file per seed: every command's request
// and reply, the answers, the edge values of each record, whole
// conversations of the link with a clock (its writes, and answers that go
// wrong among them), and zones of both hemispheres, UTC and local rules,
// fixed dates and odd shifts. The layout of each harness's input is
// described at the top of its file; Seed below writes it the way
// FuzzReader reads it.
#include "ClockCodec.h"
#include "ClockDateTime.h"
#include "ClockRecords.h"
#include "Frame.h"
#include "FuzzConfigs.h"
#include "Profile.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// An input in FuzzReader's layout.
class Seed {
public:
    Seed& U8(unsigned v)
    {
        bytes_.push_back(static_cast<char>(v & 0xFF));
        return *this;
    }
    Seed& U16(unsigned v) { return U8(v >> 8).U8(v); }
    Seed& U32(uint32_t v) { return U16(v >> 16).U16(v & 0xFFFF); }
    Seed& Bool(bool v) { return U8(v ? 1 : 0); }
    // The value FuzzReader::Range(low, high) reads back as v.
    Seed& Range(int low, int high, int v)
    {
        const uint32_t span = static_cast<uint32_t>(high - low) + 1;
        const auto raw = static_cast<uint32_t>(v - low);
        return span > 0xFF ? (span > 0xFFFF ? U32(raw) : U16(raw)) : U8(raw);
    }
    Seed& Text(std::string_view text)
    {
        bytes_.append(text);
        return *this;
    }
    Seed& Bytes(const std::vector<uint8_t>& bytes)
    {
        bytes_.append(bytes.begin(), bytes.end());
        return *this;
    }
    const std::string& Data() const { return bytes_; }

private:
    std::string bytes_;
};

class CorpusWriter {
public:
    explicit CorpusWriter(fs::path root) : root_(std::move(root)) { }

    void Write(const std::string& harness, const std::string& name, const std::string& data)
    {
        const fs::path dir = root_ / harness;
        fs::create_directories(dir);
        std::ofstream(dir / name, std::ios::binary) << data;
        ++count_;
    }
    int Count() const { return count_; }

private:
    fs::path root_;
    int count_ = 0;
};

ClockTime TimeAt(int y, int month, int day, int hour = 0, int minute = 0, int second = 0)
{
    ClockDateTime c;
    c.valid = 1;
    c.year = static_cast<int16_t>(y);
    c.month = static_cast<uint8_t>(month);
    c.day = static_cast<uint8_t>(day);
    c.hour = static_cast<uint8_t>(hour);
    c.minute = static_cast<uint8_t>(minute);
    c.second = static_cast<uint8_t>(second);
    return CalendarToTimeValue(c);
}

ClockTime Raw(uint8_t high, uint32_t seconds, uint16_t fraction = 0)
{
    return ClockTime{1, high, seconds, fraction};
}

// A configuration as the clock might hold it: Europe's rules in UTC.
ClockConfig EuConfig()
{
    ClockConfig c = EuRulesConfig();
    c.illumination = 6;
    return c;
}

struct NamedConfig {
    const char* name;
    ClockConfig config;
};

std::vector<NamedConfig> Configs()
{
    std::vector<NamedConfig> configs;
    const ClockConfig eu = EuConfig();
    configs.push_back({"eu", eu});
    ClockConfig off;
    ResetDstDefaults(off);
    NormaliseConfig(off);
    configs.push_back({"dst-off", off});
    ClockConfig byDate = eu;
    byDate.dstMode = kDstByDate;
    byDate.dstStartDay = 21;
    byDate.dstEndDay = 31;
    NormaliseConfig(byDate);
    configs.push_back({"by-date", byDate});
    ClockConfig stopped = eu;
    stopped.handMotion = kHandsStopped;
    configs.push_back({"hands-stopped", stopped});
    ClockConfig edges = eu;
    edges.dstStartHour = 24;
    edges.dstStartMinute = 60;
    edges.dstEndSecond = 60;
    edges.biasPositive = 0;
    edges.biasSeconds = 0xFFFFFFFF;
    edges.dstBiasSeconds = 0xFFFFFFFF;
    edges.illumination = 12;
    configs.push_back({"edges", edges});
    // Out of range: each draws a correction after a read.
    ClockConfig badWeek = eu;
    badWeek.dstStartWeek = 6;
    configs.push_back({"week-6", badWeek});
    ClockConfig badMode = eu;
    badMode.dstMode = 5;
    configs.push_back({"mode-5", badMode});
    ClockConfig badHands = eu;
    badHands.handMotion = 3;
    badHands.reserved05 = 7;
    badHands.tcOptions[kTcOptionUseDate] = 7;
    badHands.tcOptions[kTcOptionUseDateAlt] = 0xFF;
    configs.push_back({"hands-3-date-7", badHands});
    ClockConfig badHour = eu;
    badHour.dstEndHour = 25;
    badHour.dstStartMinute = 61;
    configs.push_back({"hour-25", badHour});
    return configs;
}

DisplayConfig SetFace(uint32_t value)
{
    return DisplayConfig{kDisplaySetFace, 1, 0, 1, 1, 0, value, 0};
}

DisplayConfig Nudge()
{
    return DisplayConfig{kDisplayNudgeSeconds, 1, 10, 0, 0, 0, 0, 0};
}

TimeCodeStatus TimeCode(uint8_t type, uint8_t frameMax = 29)
{
    TimeCodeStatus s;
    s.statusFlagA = 1;
    s.statusFlagB = 1;
    s.type = type;
    s.smpteFrameMax = frameMax;
    return s;
}

// ---- Frames -------------------------------------------------------------------

void FrameSeeds(CorpusWriter& out)
{
    const auto frame = [&](const std::string& name, const std::vector<uint8_t>& bytes) {
        out.Write("frame_receiver", name, std::string(bytes.begin(), bytes.end()));
    };
    // Every request the program sends.
    for (uint8_t code :
         {kCmdHello, kCmdFamilyId, kCmdCpuType, kCmdFirmware, kCmdSerialNumber, kCmdCurrentTime, kCmdReadConfig,
          kCmdDisplayHardware, kCmdReadDisplay, kCmdAuxStatus, kCmdTimeCodeStatus, kCmdAuxCounter, kCmdRecover}) {
        char name[32];
        std::snprintf(name, sizeof name, "request-%02X", code);
        frame(name, BuildFrame(code, ""));
    }
    frame("request-C1", BuildFrame(kCmdSetTime, EncodeSetTime(TimeAt(2011, 7, 28))));
    frame("request-61-v1", BuildFrame(kCmdWriteConfig, EncodeConfig(EuConfig(), 1)));
    frame("request-61-v2", BuildFrame(kCmdWriteConfig, EncodeConfig(EuConfig(), 2)));
    frame("request-63", BuildFrame(kCmdWriteDisplay, EncodeDisplayConfig(SetFace(0xD1DB2500))));

    // Every reply the clock sends.
    frame("reply-B0", BuildFrame(kCmdFamilyId, EncodeU16(0x0150)));
    frame("reply-B2", BuildFrame(kCmdCpuType, EncodeU16(0x0021)));
    frame("reply-B3", BuildFrame(kCmdFirmware, EncodeFirmware({1, 3, 0})));
    frame("reply-B7", BuildFrame(kCmdSerialNumber, EncodeU32(10472)));
    frame("reply-B8", BuildFrame(kCmdAuxCounter, EncodeU32(1)));
    frame(
        "reply-C8",
        BuildFrame(kCmdCurrentTime, EncodeClockTime(TimeAt(2026, 3, 29, 1)) + EncodeClockTime(TimeAt(2026, 3, 29, 3))));
    frame("reply-60-v2", BuildFrame(kCmdReadConfig, EncodeConfig(EuConfig(), 2)));
    DisplayHardwareConfig hardware;
    hardware.values = {0x01, 0x02, 0x00, 0x3C, 0x00, 0x00};
    frame("reply-B5", BuildFrame(kCmdDisplayHardware, EncodeDisplayHardware(hardware)));
    frame("reply-62", BuildFrame(kCmdReadDisplay, EncodeDisplayConfig(Nudge())));
    frame("reply-64", BuildFrame(kCmdAuxStatus, EncodeAuxStatus({1, 0, 1, 0x10, 0, 0xE10})));
    frame("reply-66", BuildFrame(kCmdTimeCodeStatus, EncodeTimeCodeStatus(TimeCode(kTimeCodeSmpte))));

    // Answers, noise and the receive rules' edges.
    frame("ack", {kAck});
    frame("nak", {kNak});
    frame("ack-nak-ack", {kAck, kNak, kAck});
    frame("stray-etx", {kEtx});
    std::vector<uint8_t> noisy = {0x41, 0x00, 0xFF, 0x7F, 0x30};
    const std::vector<uint8_t> good = BuildFrame(kCmdFamilyId, "0150");
    noisy.insert(noisy.end(), good.begin(), good.end());
    frame("noise-then-frame", noisy);
    std::vector<uint8_t> restart = {kStx, 'B', '0', '0'};
    restart.insert(restart.end(), good.begin(), good.end());
    frame("restart", restart);
    frame("ack-inside", {kStx, 'B', '0', kAck, '0', '1', '5', '0', '3', '8', kEtx});
    std::vector<uint8_t> badSum = good;
    badSum[badSum.size() - 2] = '9';
    frame("bad-checksum", badSum);
    std::vector<uint8_t> lower = BuildFrame(0xAF, "");
    lower[1] = 'a';
    lower[2] = 'f';
    frame("lowercase-code", lower);
    frame("too-short", {kStx, '0', '0', kEtx});
    frame("longest", BuildFrame(kCmdReadConfig, std::string(kMaxPayloadChars, 'A')));
    frame("one-too-long", BuildFrame(kCmdReadConfig, std::string(kMaxPayloadChars + 1, 'A')));
    std::vector<uint8_t> two = good;
    const std::vector<uint8_t> second = BuildFrame(kCmdSerialNumber, "00000001");
    two.insert(two.end(), second.begin(), second.end());
    frame("two-frames", two);
    frame("high-bytes", BuildFrame(0x00, "\x80\xFF\xA0"));
}

// ---- Payloads -------------------------------------------------------------------

void PayloadSeeds(CorpusWriter& out)
{
    const auto payload = [&](const std::string& name, int which, const std::string& text) {
        out.Write("payload_codec", name, Seed().U8(static_cast<unsigned>(which)).Text(text).Data());
    };
    payload("family-0150", 0, EncodeU16(0x0150));
    payload("family-0350", 0, EncodeU16(0x0350));
    payload("family-ffff", 0, "FFFF");
    payload("cpu", 1, EncodeU16(0x0021));
    payload("firmware-1.2.9", 2, EncodeFirmware({1, 2, 9}));
    payload("firmware-1.3.0", 2, EncodeFirmware({1, 3, 0}));
    payload("firmware-0.9.1", 2, EncodeFirmware({0, 9, 1}));
    payload("firmware-2.0.0", 2, EncodeFirmware({2, 0, 0}));
    payload("firmware-ff", 2, "FFFFFF");
    payload("serial-small", 3, EncodeU32(10472));
    payload("serial-99999999", 3, EncodeU32(99999999));
    payload("serial-100000000", 3, EncodeU32(100000000));
    payload("serial-max", 3, EncodeU32(0xFFFFFFFF));
    payload("serial-lowercase", 3, "0000abcd");
    payload("aux-counter", 4, EncodeU32(1));

    const struct {
        const char* name;
        ClockTime utc, local;
    } times[] = {
        {"time-2011", TimeAt(2011, 6, 15, 12), TimeAt(2011, 6, 15, 14)},
        {"time-zero", Raw(0, 0), Raw(0, 0)},
        {"time-2036", Raw(1, 0), TimeAt(2099, 12, 31, 23, 59, 59)},
        {"time-2000", Raw(0, 3160857600u), TimeAt(2000, 1, 1, 1, 2, 3)},
        {"time-2100", TimeAt(2100, 3, 1), TimeAt(2100, 2, 28, 23, 59, 59)},
        {"time-max", Raw(0xFF, 0xFFFFFFFF, 0xFFFF), Raw(0xE2, 0x8B7A2580)},
        {"time-unset", ClockTime{0, 0, 3517128000u, 0x8000}, ClockTime{}},
    };
    for (const auto& t : times)
        payload(t.name, 5, EncodeClockTime(t.utc) + EncodeClockTime(t.local));
    payload("time-flags-ff", 5, "FF00D1A5D9000000FF00D1A5D9000000");

    for (const NamedConfig& c : Configs()) {
        payload(std::string("config-v1-") + c.name, 6, EncodeConfig(c.config, 1));
        payload(std::string("config-v2-") + c.name, 7, EncodeConfig(c.config, 2));
    }
    std::string flagsFf = EncodeConfig(EuConfig(), 2);
    flagsFf.replace(0, 4, "FFFF");
    payload("config-v2-flags-ff", 7, flagsFf);
    payload("config-v2-all-f", 7, std::string(kLenConfigV2, 'F'));
    payload("config-v1-zeros", 6, std::string(kLenConfigV1, '0'));

    DisplayHardwareConfig hardware;
    hardware.values = {0x01, 0x02, 0x00, 0x3C, 0x00, 0x00};
    payload("display-hardware", 8, EncodeDisplayHardware(hardware));
    payload("display-set-face", 9, EncodeDisplayConfig(SetFace(0xD1DB2500)));
    payload("display-nudge", 9, EncodeDisplayConfig(Nudge()));
    payload("aux-status", 10, EncodeAuxStatus({1, 0, 1, 0x10, 0, 0xE10}));
    payload("time-code-none", 11, EncodeTimeCodeStatus(TimeCode(kTimeCodeNone)));
    payload("time-code-smpte-30", 11, EncodeTimeCodeStatus(TimeCode(kTimeCodeSmpte, 29)));
    payload("time-code-smpte-256", 11, EncodeTimeCodeStatus(TimeCode(kTimeCodeSmpte, 0xFF)));
    payload("time-code-irig-pwm", 11, EncodeTimeCodeStatus(TimeCode(kTimeCodeIrigBPwm)));
    payload("time-code-irig-am", 11, EncodeTimeCodeStatus(TimeCode(kTimeCodeIrigBAm)));
    payload("time-code-unknown", 11, EncodeTimeCodeStatus(TimeCode(5)));
    payload("set-time-2011", 12, EncodeSetTime(TimeAt(2011, 7, 28)));
    payload("set-time-2036", 12, EncodeSetTime(TimeAt(2036, 3, 1)));
    payload("set-time-unset", 12, "0000D1DB250000");
}

// ---- The simulated clock ----------------------------------------------------------

struct Request {
    uint8_t code;
    std::string payload;
};

std::string SimInput(uint8_t firmware, uint8_t faultKinds, uint8_t faultCode, uint8_t period,
                     const std::vector<Request>& requests)
{
    Seed seed;
    seed.U8(firmware).U8(faultKinds).U8(faultCode).U8(period);
    for (const Request& r : requests)
        seed.U8(r.code).U8(static_cast<unsigned>(r.payload.size())).Text(r.payload);
    return seed.Data();
}

void SimSeeds(CorpusWriter& out)
{
    constexpr uint8_t kFirmware13 = 1 | 3 << 2;  // protocol 2
    constexpr uint8_t kFirmware12 = 1 | 2 << 2;  // protocol 1
    const std::vector<Request> identify = {
        {kCmdHello, ""},        {kCmdFamilyId, ""},    {kCmdCpuType, ""},    {kCmdFirmware, ""},
        {kCmdSerialNumber, ""}, {kCmdCurrentTime, ""}, {kCmdReadConfig, ""}, {kCmdDisplayHardware, ""},
        {kCmdReadDisplay, ""},  {kCmdAuxStatus, ""},   {kCmdAuxCounter, ""},
    };
    const std::vector<Request> poll = {
        {kCmdCurrentTime, ""},    {kCmdDisplayHardware, ""}, {kCmdAuxStatus, ""},
        {kCmdTimeCodeStatus, ""}, {kCmdAuxCounter, ""},
    };
    out.Write("sim_clock", "identify-v2", SimInput(kFirmware13, 0, 0, 0, identify));
    out.Write("sim_clock", "identify-v1", SimInput(kFirmware12, 0, 0, 0, identify));
    out.Write("sim_clock", "poll", SimInput(kFirmware13, 0, 0, 0, poll));

    ClockConfig stopped = EuConfig();
    stopped.handMotion = kHandsStopped;
    out.Write("sim_clock", "hands",
              SimInput(kFirmware13, 0, 0, 0,
                       {{kCmdWriteConfig, EncodeConfig(stopped, 2)},
                        {kCmdWriteDisplay, EncodeDisplayConfig(SetFace(0xD1DB2500))},
                        {kCmdWriteDisplay, EncodeDisplayConfig(Nudge())},
                        {kCmdReadDisplay, ""},
                        {kCmdWriteConfig, EncodeConfig(EuConfig(), 2)},
                        {kCmdWriteDisplay, EncodeDisplayConfig(Nudge())}}));
    for (const NamedConfig& c : Configs()) {
        out.Write(
            "sim_clock", std::string("config-v2-") + c.name,
            SimInput(kFirmware13, 0, 0, 0,
                     {{kCmdWriteConfig, EncodeConfig(c.config, 2)}, {kCmdReadConfig, ""}, {kCmdCurrentTime, ""}}));
    }
    out.Write("sim_clock", "config-v1",
              SimInput(kFirmware12, 0, 0, 0, {{kCmdWriteConfig, EncodeConfig(EuConfig(), 1)}, {kCmdReadConfig, ""}}));

    // Times around the changes of the rules, the wrap of the 32-bit seconds
    // and the end of the clock's scale.
    const ClockTime times[] = {TimeAt(2026, 3, 29, 0, 59, 59),   TimeAt(2026, 10, 25, 0, 59, 59), Raw(1, 0),
                               TimeAt(2099, 12, 31, 23, 59, 59), Raw(0xFF, 0xFFFFFFF0),           Raw(0, 0)};
    int n = 0;
    for (const ClockTime& t : times) {
        out.Write("sim_clock", "set-time-" + std::to_string(n++),
                  SimInput(kFirmware13, 0, 0, 0,
                           {{kCmdWriteConfig, EncodeConfig(EuConfig(), 2)},
                            {kCmdSetTime, EncodeSetTime(t)},
                            {kCmdCurrentTime, ""}}));
    }
    // Found by fuzzing: a time in the year 32766 with the rules on once
    // kept the clock reckoning them for ever.
    ClockTime late;
    late.set = 1;
    late.secondsHigh = 0xE2;
    late.seconds = 0xC9E65D00;  // 1 June 32766, 00:00 UTC
    out.Write("sim_clock", "finding-year-32766",
              SimInput(kFirmware13, 0, 0, 0,
                       {{kCmdWriteConfig, EncodeConfig(EuConfig(), 2)},
                        {kCmdSetTime, EncodeSetTime(late)},
                        {kCmdCurrentTime, ""}}));
    out.Write("sim_clock", "bad-requests",
              SimInput(kFirmware13, 0, 0, 0,
                       {{kCmdHello, "00"},
                        {0x00, ""},
                        {kCmdWriteConfig, std::string(kLenConfigV2, 'G')},
                        {kCmdWriteConfig, EncodeConfig(EuConfig(), 1)},
                        {kCmdSetTime, "0100D1DB25000000"},
                        {kCmdSetTime, "01"},
                        {kCmdWriteDisplay, EncodeDisplayConfig(Nudge())}}));

    // Each fault on a poll.
    const struct {
        const char* name;
        uint8_t kinds;
        uint8_t code;
    } faults[] = {
        {"fault-silent", 0x01, 0},
        {"fault-ignore", 0x02, kCmdCurrentTime},
        {"fault-nak", 0x04, kCmdAuxStatus},
        {"fault-short", 0x08, kCmdTimeCodeStatus},
        {"fault-wrong-code", 0x10, kCmdAuxCounter},
        {"fault-checksum", 0x20, 0},
    };
    for (const auto& f : faults)
        out.Write("sim_clock", f.name, SimInput(kFirmware13, f.kinds, f.code, 1, poll));
}

// ---- The link ----------------------------------------------------------------------

// The payloads of the right answers to the identification read (the hello's
// ACK first) and to a poll, in the order the link sends the commands.
std::vector<std::string> IdentifyPayloads(uint8_t protocol, const ClockConfig& config)
{
    DisplayHardwareConfig hardware;
    hardware.values = {0x01, 0x02, 0x00, 0x3C, 0x00, 0x00};
    const FirmwareVersion firmware = protocol == 2 ? FirmwareVersion{1, 3, 0} : FirmwareVersion{1, 2, 9};
    return {"",
            EncodeU16(0x0150),
            EncodeU16(0x0021),
            EncodeFirmware(firmware),
            EncodeU32(10472),
            EncodeClockTime(TimeAt(2026, 3, 29, 1)) + EncodeClockTime(TimeAt(2026, 3, 29, 3)),
            EncodeConfig(config, protocol),
            EncodeDisplayHardware(hardware),
            EncodeDisplayConfig(Nudge()),
            EncodeAuxStatus({1, 0, 1, 0x10, 0, 0xE10}),
            EncodeU32(1)};
}

std::vector<std::string> PollPayloads()
{
    return {EncodeClockTime(TimeAt(2026, 3, 29, 1)) + EncodeClockTime(TimeAt(2026, 3, 29, 3)),
            EncodeDisplayHardware({}), EncodeAuxStatus({}), EncodeTimeCodeStatus(TimeCode(kTimeCodeSmpte)),
            EncodeU32(2)};
}

// The layout fuzz_link reads: a header, then an answer to each command the
// link sends.
class LinkInput {
public:
    enum : uint8_t { kNoWrite = 0, kConfigWrite = 1, kTimeWrite = 2, kDisplayWrite = 3, kTimeWriteAt = 4 };
    LinkInput(bool observer, bool poll, uint8_t write = kNoWrite, uint8_t queueAt = 0)
    {
        seed_.U8((observer ? 1 : 0) | (poll ? 0x0E : 0)).U8(write).U8(queueAt);
    }
    LinkInput& U8(unsigned v)
    {
        seed_.U8(v);
        return *this;
    }
    LinkInput& Text(std::string_view text)
    {
        seed_.Text(text);
        return *this;
    }
    // A record or a reply's payload: a byte per two hex digits.
    LinkInput& Hex(const std::string& text)
    {
        for (size_t i = 0; i + 1 < text.size(); i += 2)
            seed_.U8(ParseHex(text.substr(i, 2)));
        return *this;
    }
    LinkInput& Time(const ClockTime& t)
    {
        seed_.U8(t.secondsHigh).U32(t.seconds).U16(t.fraction);
        return *this;
    }
    // The right answer at once: an ACK, or a reply with this payload.
    LinkInput& Right(const std::string& payload = {}) { return U8(0).Hex(payload); }
    // The right answers with these payloads, from the given one on.
    LinkInput& Right(const std::vector<std::string>& payloads, size_t from = 0)
    {
        for (size_t i = from; i < payloads.size(); ++i)
            Right(payloads[i]);
        return *this;
    }
    // A wrong or late answer: how, then what it needs (see fuzz_link.cpp).
    LinkInput& Wrong(unsigned how) { return U8(0x0F).U8(how); }
    const std::string& Data() const { return seed_.Data(); }

private:
    Seed seed_;
};

void LinkSeeds(CorpusWriter& out)
{
    const auto seed = [&](const std::string& name, const LinkInput& input) { out.Write("link", name, input.Data()); };
    const ClockConfig eu = EuConfig();
    const std::vector<std::string> identify = IdentifyPayloads(2, eu);
    ClockConfig stopped = eu;
    stopped.handMotion = kHandsStopped;
    ClockConfig written = eu;
    PrepareConfigForWrite(written);
    using Input = LinkInput;

    // The configurations a clock might hold, those out of range among them:
    // the link keeps them to itself and writes nothing back.
    for (const NamedConfig& c : Configs())
        seed(std::string("identify-") + c.name, Input(false, false).Right(IdentifyPayloads(2, c.config)));
    seed("identify-v1", Input(true, false).Right(IdentifyPayloads(1, eu)));
    seed("poll", Input(true, true).Right(identify).Right(PollPayloads()));

    // A caller's writes, queued before the hello or once the link is idle.
    seed("write-config",
         Input(true, false, Input::kConfigWrite, 0)
             .Hex(EncodeConfig(eu, 2))
             .Right(identify)
             .Right()
             .Right(EncodeConfig(written, 2)));
    seed("write-config-nak",
         Input(true, false, Input::kConfigWrite, 11).Hex(EncodeConfig(eu, 2)).Right(identify).Wrong(2));
    seed("write-time",
         Input(false, true, Input::kTimeWrite, 11)
             .Time(TimeAt(2011, 7, 28))
             .Right(identify)
             .Right()
             .Right(PollPayloads()));
    seed("write-time-at",
         Input(true, false, Input::kTimeWriteAt, 11).Time(TimeAt(2036, 3, 1)).U8(20).U8(5).Right(identify).Right());
    seed("write-display",
         Input(true, false, Input::kDisplayWrite, 11)
             .Hex(EncodeDisplayConfig(SetFace(0xD1DB2500)))
             .Right(IdentifyPayloads(2, stopped))
             .Right());

    // Answers that go wrong: a silent hello, loose bytes instead of an ACK,
    // a late reply, a reply to another command (the identification starts
    // again), a damaged reply in a poll (read once more).
    seed("hello-silent", Input(true, false).Wrong(2 << 3).Right(identify));
    seed("loose-bytes", Input(true, false).Wrong(4).U8(5).Text("A\x03\x02\x15\x7F").Right(identify));
    seed("reply-late", Input(true, false).Right().Wrong(1 << 3).U8(50).Hex(identify[1]).Right(identify, 2));
    seed("reply-wrong-code",
         Input(true, false)
             .Right(identify[0])
             .Right(identify[1])
             .Wrong(3)
             .U8(kCmdFamilyId)
             .U8(4)
             .Text(identify[1])
             .Right(identify, 1));
    seed("poll-bad-checksum",
         Input(true, true)
             .Right(identify)
             .Wrong(0x83)
             .U8(kCmdCurrentTime)
             .U8(32)
             .Text(PollPayloads()[0])
             .Right(PollPayloads()));
}

// ---- Zones ------------------------------------------------------------------------

struct SeedRule {
    int month, weekOrDay, dayOfWeek, hour, minute, second;
};

// The layout fuzz_zone_import's RuleZone reads.
std::string RuleZoneInput(int firstYear, bool utc, int yearCount, int standardQuarters, int shiftQuarters,
                          bool fixedDate, SeedRule start, SeedRule end)
{
    Seed seed;
    seed.U8(0).U8(static_cast<unsigned>(firstYear - 1970)).Bool(utc);
    seed.Range(0, utc ? 3 : 13, yearCount - (utc ? 12 : 2));
    seed.Range(-48, 56, standardQuarters).Range(-8, 8, shiftQuarters).Bool(fixedDate);
    for (const SeedRule& r : {start, end}) {
        seed.Range(1, 12, r.month).Range(1, fixedDate ? 28 : 5, r.weekOrDay);
        if (!fixedDate)
            seed.Range(0, 6, r.dayOfWeek);
        seed.Range(0, 23, r.hour).Range(0, 59, r.minute);
        if (r.second != 0)
            seed.Range(0, 3, 0).Range(0, 59, r.second);
        else
            seed.Range(0, 3, 1);
    }
    return seed.Data();
}

void ZoneSeeds(CorpusWriter& out)
{
    // Europe: last Sundays of March and October, 01:00 UTC.
    out.Write("zone_import", "rules-eu-utc",
              RuleZoneInput(2026, true, 15, 4, 4, false, {3, 5, 0, 1, 0, 0}, {10, 5, 0, 1, 0, 0}));
    // United States: second Sunday of March, first of November, 02:00 local.
    out.Write("zone_import", "rules-us-local",
              RuleZoneInput(2026, false, 15, -20, 4, false, {3, 2, 0, 2, 0, 0}, {11, 1, 0, 2, 0, 0}));
    // Southern hemisphere: the end comes first in the year.
    out.Write("zone_import", "rules-south",
              RuleZoneInput(2026, false, 15, 40, 4, false, {10, 1, 0, 2, 0, 0}, {4, 1, 0, 3, 0, 0}));
    // A half-hour shift, a negative one, seconds in the time.
    out.Write("zone_import", "rules-half-hour",
              RuleZoneInput(2026, false, 10, 42, 2, false, {10, 1, 0, 2, 0, 0}, {4, 1, 0, 2, 0, 0}));
    out.Write("zone_import", "rules-negative-shift",
              RuleZoneInput(2026, false, 5, 4, -4, false, {10, 5, 0, 2, 0, 0}, {3, 5, 0, 1, 0, 0}));
    out.Write("zone_import", "rules-seconds",
              RuleZoneInput(1999, false, 3, -19, 3, false, {4, 4, 5, 23, 59, 30}, {9, 3, 6, 0, 0, 15}));
    // Fixed dates.
    out.Write("zone_import", "rules-fixed-dates",
              RuleZoneInput(2026, false, 15, 14, 4, true, {3, 22, 0, 0, 0, 0}, {9, 22, 0, 0, 0, 0}));
    out.Write("zone_import", "rules-fixed-utc",
              RuleZoneInput(2100, true, 12, -48, 8, true, {1, 1, 0, 0, 0, 0}, {12, 28, 0, 23, 59, 0}));

    // Any list: the layout AnyZone reads.
    const auto anyZone = [](int32_t standardOffset, uint32_t nowSeconds,
                            const std::vector<std::vector<int64_t>>& changes, const std::vector<uint32_t>& others,
                            const std::vector<std::vector<int>>& yearly) {
        Seed seed;
        seed.U8(1).Range(0, 15, 1).Range(-14 * 3600, 14 * 3600, standardOffset).U32(nowSeconds);
        seed.Range(0, 31, static_cast<int>(changes.size()));
        for (const auto& c : changes) {
            seed.U32(static_cast<uint32_t>(c[0])).Bool(c[1] != 0);
            seed.Range(-20 * 3600, 20 * 3600, static_cast<int>(c[2]))
                .Range(-20 * 3600, 20 * 3600, static_cast<int>(c[3]));
            seed.Range(-4 * 3600, 4 * 3600, static_cast<int>(c[4]));
        }
        seed.Range(0, 2, static_cast<int>(others.size()));
        for (uint32_t o : others)
            seed.U32(o);
        seed.Range(0, 3, static_cast<int>(yearly.size()));
        for (const auto& r : yearly) {
            seed.Range(0, 3, r[0])
                .Range(1, 12, r[1])
                .Range(1, 31, r[2])
                .Range(0, 6, r[3])
                .Range(1, 5, r[4] < 0 ? -r[4] : r[4]);
            seed.Bool(r[4] < 0).Range(0, 86400000, r[5]).Range(0, 2, r[6]);
        }
        return seed.Data();
    };
    // 2026-01-01 00:00 UTC in seconds from 1900, the harness's scale.
    constexpr uint32_t k2026 = 3976214400u;
    // Berlin-like: changes half a year apart, ICU's rules in UTC.
    out.Write("zone_import", "any-berlin",
              anyZone(3600, k2026,
                      {{7689600, 1, 3600, 3600, 3600},
                       {18144000, 0, 7200, 3600, 3600},
                       {13305600, 1, 3600, 3600, 3600},
                       {18144000, 0, 7200, 3600, 3600}},
                      {86400}, {{1, 3, 1, 0, -1, 3600000, 2}, {1, 10, 1, 0, -1, 3600000, 2}}));
    out.Write("zone_import", "any-only-starts",
              anyZone(0, 0, {{100, 1, 0, 0, 3600}, {31556952, 1, 0, 0, 3600}}, {}, {}));
    out.Write("zone_import", "any-empty", anyZone(-3600, 12345, {}, {}, {}));
    out.Write("zone_import", "any-varying-shift",
              anyZone(-18000, 5000000,
                      {{0, 1, -18000, -18000, 3600},
                       {20000000, 0, -14400, -18000, 3600},
                       {11000000, 1, -18000, -18000, 1800},
                       {20000000, 0, -16200, -18000, 1800},
                       {11000000, 1, -18000, -18000, 0}},
                      {1, 2}, {{2, 3, 8, 0, 2, 7200000, 0}, {3, 11, 7, 0, 1, 86400000, 1}, {0, 2, 29, 0, 1, 0, 0}}));
}

// ---- The command-line tool's profiles and rule texts -------------------------------

void ProfileSeeds(CorpusWriter& out)
{
    const ProfileClock v2{0x0150, 10472, {1, 3, 0}, 2};
    const ProfileClock v1{0x0350, 100000000, {1, 2, 4}, 1};
    for (const NamedConfig& c : Configs())
        out.Write("profile_import", c.name, ExportProfile(c.config, v2));
    out.Write("profile_import", "eu-v1", ExportProfile(EuConfig(), v1));
    out.Write("profile_import", "unknown-family", ExportProfile(EuConfig(), {0x7777, 1, {9, 9, 9}, 2}));
    // Hand edits the importer refuses, each naming its line.
    const std::string eu = ExportProfile(EuConfig(), v2);
    const auto edited = [&eu](const std::string& from, const std::string& to) {
        std::string text = eu;
        const size_t at = text.find(from);
        if (at != std::string::npos)
            text.replace(at, from.size(), to);
        return text;
    };
    out.Write("profile_import", "duplicate-key", edited("\"valid\": 1", "\"valid\": 1, \"valid\": 1"));
    out.Write("profile_import", "unknown-key", edited("\"valid\": 1", "\"valid\": 1, \"colour\": 2"));
    out.Write("profile_import", "fraction", edited("\"valid\": 1", "\"valid\": 0.5"));
    out.Write("profile_import", "escaped-key", edited("\"valid\"", "\"\\u0076alid\""));
    out.Write("profile_import", "missing-field", edited("\"valid\": 1,", ""));
    out.Write("profile_import", "not-json", eu.substr(0, eu.size() / 2));
    out.Write("profile_import", "list", "[1, 2, 3]\n");
}

void RuleTextSeeds(CorpusWriter& out)
{
    // Layout: part (0 rule, 1 shift, 2 the command), then a byte and text.
    const auto rule = [&out](const std::string& name, const std::string& text, unsigned spelling) {
        out.Write("dst_rule_text", "rule-" + name, Seed().U8(0).U8(spelling).Text(text).Data());
    };
    rule("eu-start", "last Sun Mar 01:00", 0);
    rule("us-start", "2nd Sun Mar 02:00:00", 0x3F);
    rule("of-at", "first sunday of november at 2:00", 0x15);
    rule("fixed", "Mar 29 02:00", 0);
    rule("fixed-day-first", "29 march 02:00:30", 0x1F);
    rule("tabs", "\tLAST\tSAT\tOCT\t23:59:59 ", 2);
    rule("no-time", "last Sun Mar", 0);
    rule("bad-weekday", "last Fun Mar 01:00", 0);
    rule("three-digits", "Mar 123 01:00", 0);
    rule("empty", "", 0);
    const auto shift = [&out](const std::string& name, const std::string& text, unsigned maxHours) {
        out.Write("dst_rule_text", "shift-" + name, Seed().U8(1).U8(maxHours).Text(text).Data());
    };
    shift("one-hour", "+1:00", 23);
    shift("negative-seconds", "-0:30:15", 23);
    shift("too-many-hours", "24:00", 23);
    shift("no-sign", "05:30", 12);
    const auto command = [&out](const std::string& name, const std::string& text, unsigned reference) {
        out.Write("dst_rule_text", "command-" + name, Seed().U8(2).U8(reference).Text(text).Data());
    };
    command("eu", "last Sun Mar 01:00|last Sun Oct 01:00|+1:00", 1);
    command("us", "2nd Sun Mar 02:00|1st Sun Nov 02:00", 2);
    command("fixed", "Apr 1 00:00|Sep 30 23:00:00|-0:30", 0);
    command("april-31", "Apr 31 02:00|Oct 1 02:00", 0);
    command("both-references", "last Sun Mar 01:00|last Sun Oct 01:00", 3);
    command("hour-25", "last Sun Mar 25:00|last Sun Oct 01:00", 1);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s CORPUS_DIR\n", argv[0]);
        return 2;
    }
    CorpusWriter out(argv[1]);
    FrameSeeds(out);
    PayloadSeeds(out);
    SimSeeds(out);
    LinkSeeds(out);
    ZoneSeeds(out);
    ProfileSeeds(out);
    RuleTextSeeds(out);
    std::printf("%d seeds written to %s\n", out.Count(), argv[1]);
    return 0;
}
