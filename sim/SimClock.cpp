#include "SimClock.h"

#include "ClockCodec.h"
#include "ClockOffset.h"
#include "DstRules.h"
#include "Frame.h"
#include "LinkTiming.h"

#include <algorithm>

namespace {

using SteadyClock = std::chrono::steady_clock;
using namespace std::chrono;

// 40 bits of seconds and 16 bits of fraction.
constexpr uint64_t kTickMask = (uint64_t{1} << 56) - 1;
constexpr int kFractionBits = 16;

uint64_t TicksOf(const ClockTime& t)
{
    const uint64_t seconds = (uint64_t{t.secondsHigh} << 32) | t.seconds;
    return (seconds << kFractionBits) | t.fraction;
}

ClockTime TimeOf(uint64_t ticks)
{
    ClockTime t;
    t.set = 1;
    t.fraction = static_cast<uint16_t>(ticks & 0xFFFF);
    t.seconds = static_cast<uint32_t>(ticks >> kFractionBits);
    t.secondsHigh = static_cast<uint8_t>(ticks >> 48);
    return t;
}

// A duration in 1/65536 s, without overflow for long durations.
uint64_t TicksOf(nanoseconds d)
{
    const int64_t ns = std::max<int64_t>(d.count(), 0);
    const uint64_t whole = static_cast<uint64_t>(ns / 1000000000);
    const uint64_t rest = static_cast<uint64_t>(ns % 1000000000);
    return (whole << kFractionBits) + rest * 65536 / 1000000000;
}

// A duration either way in 1/65536 s, rounded down.
int64_t SignedTicksOf(nanoseconds d)
{
    const int64_t ns = d.count();
    int64_t whole = ns / 1000000000;
    int64_t rest = ns % 1000000000;
    if (rest < 0) {
        --whole;
        rest += 1000000000;
    }
    return static_cast<int64_t>(static_cast<uint64_t>(whole) << kFractionBits) + rest * 65536 / 1000000000;
}

uint64_t SystemUtcTicks(system_clock::time_point at = system_clock::now())
{
    const auto sinceUnix = at.time_since_epoch();
    const uint64_t unixTicks = TicksOf(duration_cast<nanoseconds>(sinceUnix));
    return ((static_cast<uint64_t>(kClockEpochToUnix) << kFractionBits) + unixTicks) & kTickMask;
}

uint64_t AddSeconds(uint64_t ticks, int64_t seconds)
{
    return (ticks + (static_cast<uint64_t>(seconds) << kFractionBits)) & kTickMask;
}

bool IsHexText(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char ch) {
        return (ch >= '0' && ch <= '9') || (ch >= 'A' && ch <= 'F') || (ch >= 'a' && ch <= 'f');
    });
}

// The longest set-time request: "01", "%02X" of secondsHigh, eight digits of
// seconds, "%02X" of the fraction. A longer one cannot be cut unambiguously.
constexpr size_t kMaxSetTimeChars = 14;

ClockConfig DefaultConfig()
{
    ClockConfig c;
    c.valid = 1;
    c.configured = 1;
    c.handMotion = kHandsSweep;
    c.biasPositive = 1;
    c.biasSeconds = 0;
    ResetDstDefaults(c);
    c.dstMode = kDstDisabled;
    ApplyFixedOptions(c);
    c.illumination = 6;
    return c;
}

struct FaultName {
    uint32_t kind;
    const char* name;
};

constexpr FaultName kFaultNames[] = {
    {kSimFaultBadChecksum, "checksum"}, {kSimFaultDrop, "drop"},
    {kSimFaultNoise, "noise"},          {kSimFaultSlow, "slow"},
    {kSimFaultShort, "short"},          {kSimFaultAckInFrame, "ack-in-frame"},
    {kSimFaultWrongCode, "wrong-code"},
};

}  // namespace

const char* SimFaultName(uint32_t kind)
{
    for (const FaultName& f : kFaultNames) {
        if (f.kind == kind)
            return f.name;
    }
    return "none";
}

bool ParseSimFaultKinds(std::string_view text, uint32_t& kinds)
{
    if (text == "all") {
        kinds = kSimFaultAll;
        return true;
    }
    uint32_t mask = 0;
    while (!text.empty()) {
        const size_t comma = text.find(',');
        const std::string_view name = text.substr(0, comma);
        const auto found = std::find_if(std::begin(kFaultNames), std::end(kFaultNames),
                                        [name](const FaultName& f) { return name == f.name; });
        if (found == std::end(kFaultNames))
            return false;
        mask |= found->kind;
        if (comma == std::string_view::npos)
            break;
        text.remove_prefix(comma + 1);
        if (text.empty())
            return false;  // a trailing comma
    }
    if (mask == 0)
        return false;
    kinds = mask;
    return true;
}

CSimClock::CSimClock(SimIdentity identity)
    : identity_(identity), config_(DefaultConfig()), utcBaseTicks_(SystemUtcTicks()), utcSetAt_(SteadyClock::now())
{
    displayHardware_.values = {0x01, 0x02, 0x00, 0x3C, 0x00, 0x00};
    auxStatus_ = AuxStatus{1, 0, 1, 0x00000010, 0x00000000, 0x00000E10};
}

uint64_t CSimClock::UtcTicksLocked() const
{
    return UtcTicksAtLocked(SteadyClock::now());
}

uint64_t CSimClock::UtcTicksAtLocked(SteadyClock::time_point at) const
{
    return (utcBaseTicks_ + static_cast<uint64_t>(SignedTicksOf(at - utcSetAt_))) & kTickMask;
}

uint64_t CSimClock::LocalTicksLocked(uint64_t utcTicks) const
{
    int64_t shift = SignedSeconds(config_.biasPositive, config_.biasSeconds);
    const sys_seconds utc{seconds(static_cast<int64_t>(utcTicks >> kFractionBits) - kClockEpochToUnix)};
    if (DstInForce(config_, utc))
        shift += SignedSeconds(config_.dstBiasPositive, config_.dstBiasSeconds);
    return AddSeconds(utcTicks, shift);
}

void CSimClock::ApplyConfigLocked(const ClockConfig& config)
{
    const bool wasStopped = config_.handMotion == kHandsStopped;
    const bool stops = config.handMotion == kHandsStopped;
    if (stops && !wasStopped)
        stoppedFace_ = static_cast<uint32_t>(LocalTicksLocked(UtcTicksLocked()) >> kFractionBits);
    config_ = config;
    if (!stops)
        stoppedFace_.reset();
}

std::vector<uint8_t> CSimClock::AnswerBytes(const Answer& answer)
{
    switch (answer.kind) {
    case Answer::Kind::None: return {};
    case Answer::Kind::Ack:
    case Answer::Kind::Nak: {
        std::vector<uint8_t> bytes = answer.noise;
        bytes.push_back(answer.kind == Answer::Kind::Ack ? kAck : kNak);
        return bytes;
    }
    case Answer::Kind::Reply: {
        std::vector<uint8_t> frame = BuildFrame(answer.code, answer.payload);
        if (answer.corruptChecksum) {
            // The last checksum digit, changed to another hex digit.
            uint8_t& digit = frame[frame.size() - 2];
            const auto value = ParseHex(std::string_view(reinterpret_cast<const char*>(&digit), 1));
            digit = static_cast<uint8_t>(HexDigit(value ^ 1u));
        }
        if (answer.ackInFrame) {
            // After the code digits, so the receiver is inside the frame.
            frame.insert(frame.begin() + 3 + static_cast<std::ptrdiff_t>(answer.payload.size() / 2), kAck);
        }
        std::vector<uint8_t> bytes = answer.noise;
        bytes.insert(bytes.end(), frame.begin(), frame.end());
        return bytes;
    }
    }
    return {};
}

CSimClock::Answer CSimClock::ChooseAnswerLocked(uint8_t code, std::string_view payload)
{
    Answer answer;
    if (faults_.silent || faults_.ignoreCode == code) {
        answer.kind = Answer::Kind::None;
    } else if (faults_.nakCode == code) {
        answer.kind = Answer::Kind::Nak;
    } else if (faults_.keepCode == code) {
        answer.kind = Answer::Kind::Ack;
    } else {
        answer = AnswerLocked(code, payload);
    }
    return answer;
}

uint32_t CSimClock::SpoilAnswerLocked(uint8_t code, Answer& answer)
{
    const uint32_t drawn = DrawFaultLocked(answer);
    uint32_t fault = drawn;
    if (answer.kind != Answer::Kind::None && faults_.slowDelay.count() > 0 && faults_.slowCount != 0 &&
        (faults_.slowCode < 0 || faults_.slowCode == code)) {
        answer.delay = faults_.slowDelay;
        fault |= kSimFaultSlow;
        if (faults_.slowCount > 0)
            --faults_.slowCount;
    } else if (drawn == kSimFaultSlow) {
        answer.delay = faults_.slowDelay.count() > 0 ? faults_.slowDelay : kSimLateDefault;
    }
    if (answer.kind != Answer::Kind::None && (faults_.noiseCode == code || drawn == kSimFaultNoise)) {
        answer.noise = NoiseLocked();
        fault |= kSimFaultNoise;
    }
    if (answer.kind == Answer::Kind::Reply) {
        if (faults_.shortCode == code || drawn == kSimFaultShort) {
            answer.payload.resize(answer.payload.size() >= 2 ? answer.payload.size() - 2 : 0);
            fault |= kSimFaultShort;
        }
        if (faults_.wrongCode == code || drawn == kSimFaultWrongCode) {
            answer.code = static_cast<uint8_t>(code + 1);
            fault |= kSimFaultWrongCode;
        }
        if (faults_.ackInFrameCode == code || drawn == kSimFaultAckInFrame) {
            answer.ackInFrame = true;
            fault |= kSimFaultAckInFrame;
        }
        ++repliesSent_;
        if (drawn == kSimFaultBadChecksum ||
            (faults_.badChecksumEvery > 0 && repliesSent_ % static_cast<uint64_t>(faults_.badChecksumEvery) == 0)) {
            answer.corruptChecksum = true;
            fault |= kSimFaultBadChecksum;
        }
    }
    if (drawn == kSimFaultDrop) {
        // Carried out, but the answer is lost on the way.
        answer = Answer{};
    }
    if (answer.kind == Answer::Kind::None && faults_.ignoreCode == code)
        fault |= kSimFaultDrop;
    return fault;
}

CSimClock::Answer CSimClock::Handle(uint8_t code, std::string_view payload)
{
    const SteadyClock::time_point delivered = SteadyClock::now();
    const system_clock::time_point deliveredUtc = system_clock::now();
    SimReceived entry{code, std::string(payload), delivered, {}, {}, kSimFaultNone};
    std::function<void(const SimReceived&)> observer;
    Answer answer;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        // The carrier hands the frame over whole; on a cable its last byte
        // comes its line time after the first.
        const nanoseconds line = FrameLineTime(payload.size(), timing_.lineBaud);
        frameComplete_ = delivered + line;
        frameCompleteUtc_ = deliveredUtc + line;
        frameSetError_.reset();
        entry.when = frameComplete_;
        observer = observer_;

        answer = ChooseAnswerLocked(code, payload);
        if (answer.kind == Answer::Kind::Reply)
            entry.reply = answer.payload;
        const uint32_t fault = SpoilAnswerLocked(code, answer);
        if (answer.kind == Answer::Kind::None)
            entry.reply.reset();  // dropped on the way
        entry.fault = fault;
        // The clock answers once the frame is complete, and the answer takes
        // its own time on the line.
        if (answer.kind != Answer::Kind::None && timing_.lineBaud > 0) {
            const size_t answerBytes = answer.noise.size() + (answer.ackInFrame ? 1 : 0) +
                (answer.kind == Answer::Kind::Reply ? answer.payload.size() + kFrameOverheadBytes : 1);
            answer.delay += line + LineTime(answerBytes, timing_.lineBaud);
        }
        entry.setError = frameSetError_;
        received_.push_back(entry);
        while (received_.size() > kReceivedLimit)
            received_.pop_front();
    }
    if (observer)
        observer(entry);
    return answer;
}

namespace {

// Whether the clock understands a request: a command it knows, with the
// payload that command takes.
bool RequestIsWellFormed(uint8_t code, std::string_view payload)
{
    switch (code) {
    case kCmdHello:
    case kCmdRecover:
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
    case kCmdTimeCodeStatus:
        // These carry no request payload; one that does is not understood.
        return payload.empty();
    case kCmdSetTime:
    case kCmdWriteConfig:
    case kCmdWriteDisplay: return IsHexText(payload);
    default: return false;  // an unknown command
    }
}

TimeCodeStatus SimTimeCodeStatus(const SimIdentity& identity)
{
    TimeCodeStatus status;
    status.statusFlagA = 1;
    status.statusFlagB = identity.timeCodeType != kTimeCodeNone ? 1 : 0;
    status.type = identity.timeCodeType;
    status.status3 = 1;
    status.status8 = 0x00000100;
    status.statusBytes[0] = 0x10;
    status.smpteFrameMax = identity.smpteFrameMax;
    status.status31 = 0;
    return status;
}

}  // namespace

std::string CSimClock::CurrentTimeLocked() const
{
    // Read as the clock starts to answer.
    const uint64_t utc = UtcTicksAtLocked(frameComplete_);
    ClockTime utcTime = TimeOf(utc);
    ClockTime localTime = TimeOf(LocalTicksLocked(utc));
    if (timing_.wholeSeconds) {
        utcTime.fraction = 0;
        localTime.fraction = 0;
    }
    return EncodeClockTime(utcTime) + EncodeClockTime(localTime);
}

CSimClock::Answer CSimClock::AnswerLocked(uint8_t code, std::string_view payload)
{
    Answer answer;
    answer.code = code;
    answer.kind = Answer::Kind::Nak;
    const auto reply = [&](std::string text) {
        answer.kind = Answer::Kind::Reply;
        answer.payload = std::move(text);
        return answer;
    };
    const auto ack = [&] {
        answer.kind = Answer::Kind::Ack;
        return answer;
    };

    const uint8_t protocol = ProtocolVersionFor(identity_.firmware);
    if (!RequestIsWellFormed(code, payload))
        return answer;  // NAK

    switch (code) {
    case kCmdHello:
    case kCmdRecover: return ack();
    case kCmdFamilyId: return reply(EncodeU16(identity_.familyId));
    case kCmdCpuType: return reply(EncodeU16(identity_.cpuType));
    case kCmdFirmware: return reply(EncodeFirmware(identity_.firmware));
    case kCmdSerialNumber: return reply(EncodeU32(identity_.serialNumber));
    case kCmdAuxCounter: return reply(EncodeU32(++auxCounter_));
    case kCmdCurrentTime: return reply(CurrentTimeLocked());
    case kCmdReadConfig: return reply(EncodeConfig(config_, protocol));
    case kCmdDisplayHardware: return reply(EncodeDisplayHardware(displayHardware_));
    case kCmdReadDisplay: return reply(EncodeDisplayConfig(display_));
    case kCmdAuxStatus: return reply(EncodeAuxStatus(auxStatus_));
    case kCmdTimeCodeStatus: return reply(EncodeTimeCodeStatus(SimTimeCodeStatus(identity_)));
    case kCmdSetTime: {
        ClockTime time;
        if (payload.size() > kMaxSetTimeChars || !DecodeSetTime(payload, time))
            return answer;
        // A record without the set flag holds no time: nothing to do. The
        // clock takes the time as the time of the moment the frame is
        // complete.
        if (time.set) {
            utcBaseTicks_ = TicksOf(time) & kTickMask;
            utcSetAt_ = frameComplete_;
            NoteSetLocked(time);
        }
        return ack();
    }
    case kCmdWriteConfig: {
        ClockConfig config = config_;  // version 1 leaves illumination alone
        if (!DecodeConfig(payload, protocol, config))
            return answer;
        ApplyConfigLocked(config);
        return ack();
    }
    case kCmdWriteDisplay: {
        DisplayConfig display;
        if (config_.handMotion != kHandsStopped || !DecodeDisplayConfig(payload, display))
            return answer;
        display_ = display;
        if (display.mode == kDisplaySetFace)
            stoppedFace_ = display.value;
        else if (display.mode == kDisplayNudgeSeconds)
            ++faceNudges_;
        return ack();
    }
    default: return answer;
    }
}

void CSimClock::SetFaults(const SimFaults& faults)
{
    std::lock_guard<std::mutex> lock(mutex_);
    faults_ = faults;
    faults_.faultPercent = std::clamp(faults_.faultPercent, 0, 100);
    repliesSent_ = 0;
    faultRandom_.seed(faults_.faultSeed);
}

uint32_t CSimClock::DrawFaultLocked(const Answer& answer)
{
    if (faults_.silent)
        return kSimFaultNone;
    if (!faults_.faultMix.empty()) {
        int draw = std::uniform_int_distribution<int>(0, 99)(faultRandom_);
        for (const auto& [kind, percent] : faults_.faultMix) {
            if (draw >= percent) {
                draw -= percent;
                continue;
            }
            const bool fits = answer.kind == Answer::Kind::Reply ||
                (answer.kind != Answer::Kind::None && (kind & kSimFaultReplyOnly) == 0);
            return fits ? kind : kSimFaultNone;
        }
        return kSimFaultNone;
    }
    if (faults_.faultPercent <= 0)
        return kSimFaultNone;
    // One draw decides whether this exchange is faulted, whatever the
    // answer, so the faulted share does not depend on the mix of commands.
    if (std::uniform_int_distribution<int>(0, 99)(faultRandom_) >= faults_.faultPercent)
        return kSimFaultNone;
    uint32_t fits = faults_.faultKinds & kSimFaultAll;
    if (answer.kind == Answer::Kind::None)
        return kSimFaultNone;
    if (answer.kind != Answer::Kind::Reply)
        fits &= ~kSimFaultReplyOnly;
    std::vector<uint32_t> kinds;
    for (uint32_t bit = 1; bit <= kSimFaultAll; bit <<= 1) {
        if (fits & bit)
            kinds.push_back(bit);
    }
    if (kinds.empty())
        return kSimFaultNone;
    return kinds[std::uniform_int_distribution<size_t>(0, kinds.size() - 1)(faultRandom_)];
}

std::vector<uint8_t> CSimClock::NoiseLocked()
{
    std::vector<uint8_t> noise(std::uniform_int_distribution<size_t>(1, kSimNoiseMax)(faultRandom_));
    for (uint8_t& byte : noise) {
        do {
            byte = static_cast<uint8_t>(std::uniform_int_distribution<int>(0, 255)(faultRandom_));
        } while (byte == kStx || byte == kEtx || byte == kAck || byte == kNak);
    }
    return noise;
}

SimFaults CSimClock::Faults() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return faults_;
}

void CSimClock::SetIdentity(const SimIdentity& identity)
{
    std::lock_guard<std::mutex> lock(mutex_);
    identity_ = identity;
}

SimIdentity CSimClock::Identity() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return identity_;
}

uint8_t CSimClock::ProtocolVersion() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return ProtocolVersionFor(identity_.firmware);
}

ClockConfig CSimClock::Config() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return config_;
}

void CSimClock::SetConfig(const ClockConfig& config)
{
    std::lock_guard<std::mutex> lock(mutex_);
    ApplyConfigLocked(config);
}

DisplayConfig CSimClock::Display() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return display_;
}

ClockTime CSimClock::Utc() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return TimeOf(UtcTicksLocked());
}

ClockTime CSimClock::Local() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return TimeOf(LocalTicksLocked(UtcTicksLocked()));
}

void CSimClock::SetUtc(const ClockTime& utc)
{
    std::lock_guard<std::mutex> lock(mutex_);
    utcBaseTicks_ = TicksOf(utc) & kTickMask;
    utcSetAt_ = SteadyClock::now();
}

void CSimClock::SetUtcOffset(nanoseconds offset)
{
    std::lock_guard<std::mutex> lock(mutex_);
    utcBaseTicks_ = (SystemUtcTicks() + static_cast<uint64_t>(SignedTicksOf(offset))) & kTickMask;
    utcSetAt_ = SteadyClock::now();
}

void CSimClock::SetTiming(const SimTiming& timing)
{
    std::lock_guard<std::mutex> lock(mutex_);
    timing_ = timing;
}

SimTiming CSimClock::Timing() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return timing_;
}

std::vector<SimSet> CSimClock::Sets() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return {sets_.begin(), sets_.end()};
}

void CSimClock::NoteSetLocked(const ClockTime& time)
{
    const nanoseconds error = ClockMinusUtc(time, frameCompleteUtc_);
    sets_.push_back({time, frameComplete_, error});
    while (sets_.size() > kSetLimit)
        sets_.pop_front();
    frameSetError_ = error;
}

uint32_t CSimClock::FaceSeconds() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (stoppedFace_)
        return *stoppedFace_;
    return static_cast<uint32_t>(LocalTicksLocked(UtcTicksLocked()) >> kFractionBits);
}

uint32_t CSimClock::FaceNudges() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return faceNudges_;
}

std::vector<SimReceived> CSimClock::Received() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return {received_.begin(), received_.end()};
}

std::vector<uint8_t> CSimClock::ReceivedCodes() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    std::vector<uint8_t> codes;
    codes.reserve(received_.size());
    for (const SimReceived& r : received_)
        codes.push_back(r.code);
    return codes;
}

size_t CSimClock::CountReceived(uint8_t code) const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return static_cast<size_t>(
        std::count_if(received_.begin(), received_.end(), [code](const SimReceived& r) { return r.code == code; }));
}

void CSimClock::ClearReceived()
{
    std::lock_guard<std::mutex> lock(mutex_);
    received_.clear();
}

void CSimClock::SetObserver(std::function<void(const SimReceived&)> observer)
{
    std::lock_guard<std::mutex> lock(mutex_);
    observer_ = std::move(observer);
}
