// The simulated clock's request handling, fed a run of requests with any
// code and payload, under any firmware and any of its chosen faults.
// Checked for every request:
// - the kind of answer: ACK for the hello and for a write it understood,
//   a reply for a read, NAK for an unknown code, a payload on a command
//   that takes none, a write that is not hex text of its length, a hand
//   command while the hands run; the chosen faults change exactly that;
// - a reply carries its request's code and length (or the fault's), is
//   uppercase hex text, and its bytes on the wire make a frame the
//   program's receiver verifies, unless the fault spoils its checksum;
// - the clock's state follows: a configuration written is the one held
//   and read back, a time set is the time it runs from, a hand command
//   moves the face, every request is logged;
// and the clock's local time and face are asked for after each request,
// which runs its daylight-saving rules at whatever time and rules it holds.
//
// Input: firmware (major in bits 0-1, minor in bits 2-4), fault kinds
// (bit 0 silent, 1 ignore, 2 NAK, 3 short, 4 wrong code, 5 bad checksum),
// the faulted code, the bad-checksum period; then requests, each a code, a
// length and that many payload bytes.
#include "FuzzSupport.h"

#include "ClockCodec.h"
#include "Frame.h"
#include "SimClock.h"

#include <string>
#include <vector>

namespace {

using Kind = CSimClock::Answer::Kind;

constexpr int kMaxRequests = 48;
constexpr uint64_t kSecondsMask = (uint64_t{1} << 40) - 1;

bool IsHexText(std::string_view text)
{
    return text.find_first_not_of("0123456789ABCDEFabcdef") == std::string_view::npos;
}

bool IsRead(uint8_t code)
{
    switch (code) {
    case kCmdFamilyId:
    case kCmdCpuType:
    case kCmdFirmware:
    case kCmdSerialNumber:
    case kCmdAuxCounter:
    case kCmdCurrentTime:
    case kCmdReadConfig:
    case kCmdDisplayHardware:
    case kCmdReadDisplay:
    case kCmdAuxStatus:
    case kCmdTimeCodeStatus: return true;
    default: return false;
    }
}

const char* KindName(Kind kind)
{
    switch (kind) {
    case Kind::None: return "none";
    case Kind::Ack: return "ACK";
    case Kind::Nak: return "NAK";
    case Kind::Reply: return "reply";
    }
    return "?";
}

uint64_t SecondsOf(const ClockTime& t)
{
    return uint64_t{t.secondsHigh} << 32 | t.seconds;
}

// Seconds from a to b on the clock's 40-bit scale, which wraps.
uint64_t SecondsBetween(const ClockTime& a, const ClockTime& b)
{
    return (SecondsOf(b) - SecondsOf(a)) & kSecondsMask;
}

// The answer a clock without faults gives.
Kind ExpectedKind(uint8_t code, std::string_view payload, uint8_t protocol, const ClockConfig& held)
{
    if (code == kCmdHello || code == kCmdRecover || IsRead(code))
        return payload.empty() ? (IsRead(code) ? Kind::Reply : Kind::Ack) : Kind::Nak;
    const bool hex = IsHexText(payload);
    switch (code) {
    case kCmdSetTime: return hex && payload.size() >= 8 && payload.size() <= 14 ? Kind::Ack : Kind::Nak;
    case kCmdWriteConfig: return hex && payload.size() == ConfigLength(protocol) ? Kind::Ack : Kind::Nak;
    case kCmdWriteDisplay:
        return hex && payload.size() == kLenDisplayConfig && held.handMotion == kHandsStopped ? Kind::Ack : Kind::Nak;
    default: return Kind::Nak;
    }
}

// The answer's bytes through the program's receiver.
template <class Label> void CheckWire(const CSimClock::Answer& answer, const Label& label)
{
    const std::vector<uint8_t> bytes = CSimClock::AnswerBytes(answer);
    switch (answer.kind) {
    case Kind::None: FUZZ_CHECK(bytes.empty(), label()); return;
    case Kind::Ack: FUZZ_CHECK(bytes == std::vector<uint8_t>{kAck}, label()); return;
    case Kind::Nak: FUZZ_CHECK(bytes == std::vector<uint8_t>{kNak}, label()); return;
    case Kind::Reply: break;
    }
    CFrameReceiver rx;
    CFrameReceiver::Event last = CFrameReceiver::Event::None;
    for (uint8_t b : bytes)
        last = rx.Feed(b);
    if (answer.corruptChecksum) {
        FUZZ_CHECK(last == CFrameReceiver::Event::Reject && rx.Fault() == FrameFault::BadChecksum,
                   label() + ": a spoilt checksum got through");
    } else {
        FUZZ_CHECK(last == CFrameReceiver::Event::Verified && rx.Code() == answer.code &&
                       rx.Payload() == answer.payload,
                   label() + ": reply frame not verified: " + HexDump(std::string(bytes.begin(), bytes.end())));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzReader in(data, size);
    SimIdentity identity;
    const uint8_t firmware = in.U8();
    identity.firmware = {static_cast<uint8_t>(firmware & 0x03), static_cast<uint8_t>(firmware >> 2 & 0x07), 0};
    const uint8_t faultKinds = in.U8();
    const uint8_t faultCode = in.U8();
    const uint8_t checksumPeriod = in.U8();
    SimFaults faults;
    faults.silent = faultKinds & 0x01;
    if (faultKinds & 0x02)
        faults.ignoreCode = faultCode;
    if (faultKinds & 0x04)
        faults.nakCode = faultCode;
    if (faultKinds & 0x08)
        faults.shortCode = faultCode;
    if (faultKinds & 0x10)
        faults.wrongCode = faultCode;
    if (faultKinds & 0x20)
        faults.badChecksumEvery = 1 + checksumPeriod % 4;

    CSimClock clock(identity);
    clock.SetFaults(faults);
    const uint8_t protocol = clock.ProtocolVersion();
    FUZZ_CHECK(protocol == ProtocolVersionFor(identity.firmware), "protocol version");
    uint64_t replies = 0;

    for (int n = 0; n < kMaxRequests && !in.Empty(); ++n) {
        const uint8_t code = in.U8();
        const std::string payload(in.Bytes(in.U8()));
        // Built only when a check fails.
        const auto label = [&] {
            return "request " + std::to_string(n) + " code " + HexDump(std::string(1, static_cast<char>(code))) +
                "payload " + HexDump(payload);
        };

        const ClockConfig heldBefore = clock.Config();
        const ClockTime utcBefore = clock.Utc();
        const uint32_t nudgesBefore = clock.FaceNudges();
        const size_t countBefore = clock.CountReceived(code);

        const CSimClock::Answer answer = clock.Handle(code, payload);

        // The kind of answer, faults included.
        Kind expected = ExpectedKind(code, payload, protocol, heldBefore);
        if (faults.silent || faults.ignoreCode == code)
            expected = Kind::None;
        else if (faults.nakCode == code)
            expected = Kind::Nak;
        FUZZ_CHECK(answer.kind == expected,
                   label() + ": " + KindName(answer.kind) + ", expected " + KindName(expected));
        FUZZ_CHECK(answer.delay.count() == 0, label() + ": late without the fault");
        CheckWire(answer, label);
        FUZZ_CHECK(clock.CountReceived(code) == countBefore + 1 && clock.ReceivedCodes().back() == code,
                   label() + ": not logged");

        if (answer.kind == Kind::Reply) {
            ++replies;
            const size_t length = ReplyLength(code, protocol) - (faults.shortCode == code ? 2 : 0);
            const uint8_t replyCode = faults.wrongCode == code ? static_cast<uint8_t>(code + 1) : code;
            FUZZ_CHECK(answer.code == replyCode && answer.payload.size() == length &&
                           answer.payload.find_first_not_of("0123456789ABCDEF") == std::string::npos,
                       label() + ": reply " + answer.payload);
            const bool spoilt =
                faults.badChecksumEvery > 0 && replies % static_cast<uint64_t>(faults.badChecksumEvery) == 0;
            FUZZ_CHECK(answer.corruptChecksum == spoilt, label() + ": checksum fault out of turn");
        }

        // The state the answer leaves.
        const ClockConfig held = clock.Config();
        if (answer.kind == Kind::Ack && code == kCmdWriteConfig) {
            ClockConfig sent = heldBefore;
            FUZZ_CHECK(DecodeConfig(payload, protocol, sent), label());
            FUZZ_CHECK(held == sent, label() + ": the clock holds another configuration");
        } else {
            FUZZ_CHECK(held == heldBefore, label() + ": the configuration changed");
        }
        if (answer.kind == Kind::Reply && code == kCmdReadConfig && faults.shortCode != code) {
            ClockConfig read = held;
            FUZZ_CHECK(DecodeConfig(answer.payload, protocol, read) && read == held,
                       label() + ": the configuration read is not the one held");
        }
        if (answer.kind == Kind::Reply && code == kCmdCurrentTime && faults.shortCode != code) {
            ClockTime utc, local;
            FUZZ_CHECK(DecodeCurrentTime(answer.payload, utc, local) && utc.set == 1 && local.set == 1, label());
            FUZZ_CHECK(SecondsBetween(utcBefore, utc) <= 5, label() + ": UTC jumped");
        }
        if (answer.kind == Kind::Ack && code == kCmdSetTime) {
            ClockTime set;
            FUZZ_CHECK(DecodeSetTime(payload, set), label());
            if (set.set) {
                set.fraction = 0;
                FUZZ_CHECK(SecondsBetween(set, clock.Utc()) <= 5,
                           label() + ": the clock does not run from the time set");
            }
        }
        if (answer.kind == Kind::Ack && code == kCmdWriteDisplay) {
            DisplayConfig display;
            FUZZ_CHECK(DecodeDisplayConfig(payload, display) && clock.Display() == display, label());
            if (display.mode == kDisplaySetFace)
                FUZZ_CHECK(clock.FaceSeconds() == display.value, label() + ": the face shows another time");
            FUZZ_CHECK(clock.FaceNudges() == nudgesBefore + (display.mode == kDisplayNudgeSeconds ? 1 : 0),
                       label() + ": nudges");
        } else {
            FUZZ_CHECK(clock.FaceNudges() == nudgesBefore, label() + ": nudged");
        }

        // Local time and the face, under the rules and time now held.
        const ClockTime local = clock.Local();
        FUZZ_CHECK(local.set == 1, label() + ": local time not set");
        if (held.handMotion == kHandsStopped)
            FUZZ_CHECK(clock.FaceSeconds() == clock.FaceSeconds(), label() + ": a stopped face moves");
    }
    return 0;
}
