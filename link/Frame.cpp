#include "Frame.h"

namespace {

enum : uint8_t {
    kIdle = 0,
    kInFrame = 1,
    kComplete = 3,
    kVerified = 4,
};

bool IsControl(uint8_t byte)
{
    return byte <= 0x1F || byte == 0x7F;
}

// Both ends write the code and the checksum as uppercase digits (HexDigit);
// lowercase ones are the same digits, read as such.
bool IsFrameDigit(uint8_t c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

int HexValue(uint8_t c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

}  // namespace

uint32_t ParseHex(std::string_view text)
{
    uint32_t value = 0;
    for (char c : text) {
        const int digit = HexValue(static_cast<uint8_t>(c));
        if (digit < 0)
            break;
        value = (value << 4) | static_cast<uint32_t>(digit);
    }
    return value;
}

std::vector<uint8_t> BuildFrame(uint8_t code, std::string_view payload)
{
    std::vector<uint8_t> frame;
    frame.reserve(payload.size() + 6);
    frame.push_back(kStx);
    frame.push_back(static_cast<uint8_t>(HexDigit(code >> 4)));
    frame.push_back(static_cast<uint8_t>(HexDigit(code)));
    frame.insert(frame.end(), payload.begin(), payload.end());
    uint8_t sum = 0;
    for (size_t i = 1; i < frame.size(); ++i)
        sum = static_cast<uint8_t>(sum + frame[i]);
    frame.push_back(static_cast<uint8_t>(HexDigit(sum >> 4)));
    frame.push_back(static_cast<uint8_t>(HexDigit(sum)));
    frame.push_back(kEtx);
    return frame;
}

const char* FrameFaultText(FrameFault fault)
{
    switch (fault) {
    case FrameFault::None: return "none";
    case FrameFault::StrayEtx: return "ETX outside a frame";
    case FrameFault::TooLong: return "frame too long";
    case FrameFault::TooShort: return "frame too short";
    case FrameFault::ControlCharacter: return "control character in the frame";
    case FrameFault::BadCode: return "code not two hex digits";
    case FrameFault::BadChecksum: return "bad checksum";
    case FrameFault::AnswerInFrame: return "ACK or NAK inside a frame";
    case FrameFault::Restarted: return "STX inside a frame";
    }
    return "?";
}

FrameFault CheckFrame(const uint8_t* buffer, size_t etx)
{
    if (etx < 5)
        return FrameFault::TooShort;
    uint8_t sum = 0;
    for (size_t i = 1; i <= etx - 3; ++i) {
        if (IsControl(buffer[i]))
            return FrameFault::ControlCharacter;
        sum = static_cast<uint8_t>(sum + buffer[i]);
    }
    // Code and checksum must be two hex digits each ("c8" is code C8).
    // Read as far as their digits go, a damaged "G0" would pass for a
    // checksum of 0: the frame taken would not be the one that was sent.
    if (!IsFrameDigit(buffer[1]) || !IsFrameDigit(buffer[2]))
        return FrameFault::BadCode;
    if (!IsFrameDigit(buffer[etx - 2]) || !IsFrameDigit(buffer[etx - 1]))
        return FrameFault::BadChecksum;
    const std::string_view digits(reinterpret_cast<const char*>(buffer + etx - 2), 2);
    return ParseHex(digits) == sum ? FrameFault::None : FrameFault::BadChecksum;
}

void CFrameReceiver::Reset()
{
    parseState_ = kIdle;
    rxLength_ = 0;
}

CFrameReceiver::Event CFrameReceiver::Feed(uint8_t byte)
{
    if (parseState_ != kInFrame) {
        // Idle, or the frame of the last call has been handed out.
        parseState_ = kIdle;
        rxBuffer_[0] = byte;
        switch (byte) {
        case kStx:
            rxLength_ = 0;
            parseState_ = kInFrame;
            return Event::FrameStart;
        case kEtx:
            rxLength_ = 0;
            fault_ = FrameFault::StrayEtx;
            return Event::Reject;
        case kAck: return Event::Ack;
        case kNak: return Event::Nak;
        default: return Event::None;
        }
    }

    switch (byte) {
    case kStx:
        rxLength_ = 0;
        rxBuffer_[0] = byte;
        fault_ = FrameFault::Restarted;
        return Event::FrameStart;
    case kAck:
    case kNak:
        // An acknowledgement cannot occur inside a frame: the frame is
        // broken, and the byte is not taken as an answer either.
        parseState_ = kIdle;
        fault_ = FrameFault::AnswerInFrame;
        return Event::Dropped;
    default: break;
    }

    if (byte == kEtx)
        parseState_ = kComplete;
    ++rxLength_;
    if (rxLength_ >= kMaxFrameBytes) {
        parseState_ = kIdle;
        fault_ = FrameFault::TooLong;
        return Event::Reject;
    }
    rxBuffer_[rxLength_] = byte;
    if (parseState_ != kComplete)
        return Event::None;

    fault_ = CheckFrame(rxBuffer_, rxLength_);
    if (fault_ != FrameFault::None) {
        parseState_ = kIdle;
        return Event::Reject;
    }
    parseState_ = kVerified;
    return Event::Verified;
}

std::vector<uint8_t> CFrameReceiver::FrameBytes() const
{
    const size_t last = rxLength_ < kMaxFrameBytes ? rxLength_ : kMaxFrameBytes - 1;
    return {rxBuffer_, rxBuffer_ + last + 1};
}

uint8_t CFrameReceiver::Code() const
{
    return static_cast<uint8_t>(ParseHex(std::string_view(reinterpret_cast<const char*>(rxBuffer_ + 1), 2)));
}

std::string_view CFrameReceiver::Payload() const
{
    if (rxLength_ < 5)
        return {};
    return std::string_view(reinterpret_cast<const char*>(rxBuffer_ + 3), rxLength_ - 5u);
}
