// What became of a write the user interface queued on the clock link: each
// setter of CClockDevice can hand out a ticket, and the object reports the
// write's outcome for it (CClockDevice::GetWriteOutcome).
#pragma once

#include <cstdint>

enum class WriteKind : uint8_t { Time, Config, Display };

enum class WriteOutcome : uint8_t {
    Pending,     // not decided yet: queued, on the line, or waiting for the ACK or the read-back
    Landed,      // the clock acknowledged it (a configuration: and the next read of it equals what was sent)
    Refused,     // the clock answered NAK
    Unanswered,  // no acknowledgement in time (nothing came back, or a damaged answer)
    LinkLost,    // the link failed, or the object shut down, before the write went out or was confirmed
    Replaced,    // a later write of the same kind took its place before it went out
    Differs,     // a configuration the clock acknowledged, but the read-back holds other values
};

struct WriteTicket {
    WriteKind kind = WriteKind::Config;
    uint32_t id = 0;  // 0: no write was queued
    explicit operator bool() const { return id != 0; }
};

// True once the outcome will not change any more (anything but Pending).
constexpr bool IsFinal(WriteOutcome outcome)
{
    return outcome != WriteOutcome::Pending;
}

// Short English words for messages and the CLI: "landed", "refused by the
// clock", "no answer from the clock", "link lost", "replaced by a later
// write", "the clock holds other values".
const char* DescribeWriteOutcome(WriteOutcome outcome);
