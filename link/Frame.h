// Frames of the clock protocol, both directions:
//
//   STX | code as 2 hex digits | payload (printable ASCII, may be empty) |
//   checksum as 2 hex digits | ETX
//
// The checksum is the sum modulo 256 of the code digits and the payload
// bytes. Code and checksum are hex digits (written uppercase, read in either
// case); a frame with anything else there is damaged and rejected like a
// wrong checksum. Outside frames
// travel the single bytes ACK and NAK.
//
// CFrameReceiver turns received bytes into frames. It does no I/O: the owner
// feeds it one byte at a time and acts on what each byte means. Assumptions:
// a read may hold part of a frame or several; noise may come before a frame;
// the far end never escapes anything, since payload bytes are never control
// characters. Recovery: every error drops the frame and returns to idle.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

inline constexpr uint8_t kStx = 0x02;
inline constexpr uint8_t kEtx = 0x03;
inline constexpr uint8_t kAck = 0x06;
inline constexpr uint8_t kNak = 0x15;

// Longest frame accepted, STX and ETX included.
inline constexpr size_t kMaxFrameBytes = 1024;
// Longest payload that fits into such a frame.
inline constexpr size_t kMaxPayloadChars = kMaxFrameBytes - 6;

// The uppercase hex digit of a nibble.
inline constexpr char HexDigit(unsigned nibble)
{
    nibble &= 0x0F;
    return static_cast<char>(nibble < 10 ? nibble + 0x30 : nibble + 0x37);
}

// The complete frame for a command and its payload.
std::vector<uint8_t> BuildFrame(uint8_t code, std::string_view payload);

// Why a frame was not taken.
enum class FrameFault : uint8_t {
    None,
    StrayEtx,          // ETX outside a frame
    TooLong,           // more than kMaxFrameBytes bytes
    TooShort,          // fewer bytes than STX, code, checksum and ETX
    ControlCharacter,  // a control character in the code or payload
    BadCode,           // the code is not two hex digits
    BadChecksum,       // the checksum is not two hex digits or does not match
    AnswerInFrame,     // ACK or NAK inside a frame
    Restarted,         // an STX inside a frame began a new one
};

// A few words for a trace: "bad checksum".
const char* FrameFaultText(FrameFault fault);

// Checks a complete frame whose ETX is at place etx of buffer (STX at 0).
FrameFault CheckFrame(const uint8_t* buffer, size_t etx);
inline bool VerifyChecksum(const uint8_t* buffer, size_t etx)
{
    return CheckFrame(buffer, etx) == FrameFault::None;
}

class CFrameReceiver {
public:
    enum class Event : uint8_t {
        None,        // byte stored or dropped, nothing to do
        FrameStart,  // an STX began a frame (and ended one it was inside)
        Ack,         // ACK between frames
        Nak,         // NAK between frames
        Reject,      // frame or stray ETX rejected: answer with NAK
        Dropped,     // frame broken off by ACK or NAK: dropped, no answer
        Verified,    // a complete frame passed the checks; see Code/Payload
    };

    // Feeds one received byte. After Verified the receiver is idle again and
    // the frame stays readable until the next byte is fed.
    Event Feed(uint8_t byte);
    void Reset();

    // parseState: 0 idle, 1 inside a frame, 3 complete, 4 verified.
    uint8_t ParseState() const { return parseState_; }
    bool InFrame() const { return parseState_ == 1; }
    // Index of the last stored byte of the current frame.
    uint16_t Length() const { return rxLength_; }
    const uint8_t* Buffer() const { return rxBuffer_; }
    // The bytes of the current frame as stored so far, from its STX (after
    // a Reject or Dropped: the frame that was given up).
    std::vector<uint8_t> FrameBytes() const;
    // Why the last Reject or Dropped happened, or the last STX restarted a
    // frame.
    FrameFault Fault() const { return fault_; }

    // Of the verified frame: the code digits' value and the payload text.
    uint8_t Code() const;
    std::string_view Payload() const;

private:
    uint8_t parseState_ = 0;
    FrameFault fault_ = FrameFault::None;
    uint16_t rxLength_ = 0;
    uint8_t rxBuffer_[kMaxFrameBytes] = {};
};

// Converts hex text as far as its digits go: "1G" is 1, "" is 0. Lowercase
// digits count too. Leading spaces and a sign are not digits.
uint32_t ParseHex(std::string_view text);
