// Time on the clock's cable, and the two records the link keeps about time:
// what each reading of the clock's time was worth (ClockTimeSample), and
// what became of a time write that was to go out at a given instant
// (TimedWrite).
//
// A byte on the line is 10 bits (start bit, 8 data bits, stop bit), so at
// 57600 baud a byte takes about 174 us: the 20-byte set-time frame about
// 3.47 ms, the 38-byte reply to the time read about 6.6 ms.
#pragma once

#include "ClockRecords.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <vector>

inline constexpr uint32_t kLineBaudRate = 57600;
inline constexpr int kLineBitsPerByte = 10;
// STX, two code digits, two checksum digits, ETX.
inline constexpr size_t kFrameOverheadBytes = 6;

// How long the given number of bytes takes on the line.
constexpr std::chrono::nanoseconds LineTime(size_t bytes, uint32_t baud = kLineBaudRate)
{
    if (baud == 0)
        return std::chrono::nanoseconds(0);
    return std::chrono::nanoseconds(static_cast<int64_t>(bytes) * kLineBitsPerByte * 1000000000 /
                                    static_cast<int64_t>(baud));
}

// How long a whole frame with a payload of this many characters takes.
constexpr std::chrono::nanoseconds FrameLineTime(size_t payloadChars, uint32_t baud = kLineBaudRate)
{
    return LineTime(payloadChars + kFrameOverheadBytes, baud);
}

// One reading of the clock's UTC (command C8) with the computer's UTC at the
// moment the reply's last byte arrived. The clock took its reading when it
// began to send, so its time belongs to arrival - transmission.
struct ClockTimeSample {
    ClockTime utc;
    std::chrono::system_clock::time_point arrival;
    std::chrono::nanoseconds transmission{0};
    // Counts the time reads of one device object: consecutive readings
    // differ by 1, so a gap shows a reading that is missing.
    uint32_t read = 0;
};

// The latest readings, oldest first, since the device object started or the
// clock's time was last set (a set makes the readings before it worthless).
struct ClockTimeHistory {
    std::vector<ClockTimeSample> samples;
    // The clock has reported a non-zero fraction at least once since the
    // device object started: it counts fractions of a second.
    bool fractionSeen = false;
};

// A time write that is to leave at a given instant (CClockDevice::
// SetClockTimeAt), and what became of it.
struct TimedWrite {
    using TimePoint = std::chrono::steady_clock::time_point;
    enum class Outcome : uint8_t {
        Queued,    // waiting for its instant
        Sending,   // the frame went out; the clock's ACK is awaited
        Sent,      // the frame went out and the ACK wait is over; see acknowledged
        Missed,    // the link could not start it in time; nothing was sent
        Replaced,  // another time write took its place before it went out
        Failed,    // the link went down before it went out
    };

    uint32_t ticket = 0;
    Outcome outcome = Outcome::Queued;
    ClockTime time;
    // When its first byte was to leave, and how late it might start.
    TimePoint frameStart{};
    std::chrono::nanoseconds lateLimit{0};
    // When the link handed the frame to the port, and when the port said its
    // last byte had left (Sending and Sent only).
    TimePoint written{};
    TimePoint left{};
    bool acknowledged = false;
    // The outcome is final: the command waiting for it may go on.
    bool Done() const { return outcome != Outcome::Queued && outcome != Outcome::Sending; }
};
