// What a USB-to-serial bridge does to the bytes coming from the clock. Its
// chip gathers them and sends them on to the computer in one USB packet
// when 62 have gathered (a 64-byte packet less its two status bytes) or when
// its latency timer has run out since the first byte it holds, whichever
// comes first. With the kernel's default of 16 ms, a reply of the clock
// (38 bytes at most) waits out the timer.
//
// A model over given moments, with no clock of its own: a carrier (CSimLine,
// CSimServer) tells it when each byte reaches the bridge and hands on what it
// releases at the moment it releases it. A latency of 0 is no bridge: each
// batch of bytes goes on whole at the moment its last byte arrives.
//
// Thread rules: none; the carrier keeps it under its own lock or thread.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

class CSimUsbBridge {
public:
    using TimePoint = std::chrono::steady_clock::time_point;
    static constexpr size_t kPacketBytes = 62;

    struct Packet {
        TimePoint at;  // when the bridge sends it on
        std::vector<uint8_t> bytes;
    };

    explicit CSimUsbBridge(std::chrono::nanoseconds latency = {}) : latency_(latency) { }

    // Takes effect with the next byte held.
    void SetLatency(std::chrono::nanoseconds latency) { latency_ = latency; }
    std::chrono::nanoseconds Latency() const { return latency_; }

    // Bytes reaching the bridge one after another, the last at `last`, each
    // `spacing` after the one before (a byte's time on the line). Moments
    // may not go back behind those of earlier calls or a packet released.
    void Arrive(const std::vector<uint8_t>& bytes, TimePoint last, std::chrono::nanoseconds spacing = {});
    // The packets sent on by `now`, oldest first; they leave the bridge.
    std::vector<Packet> Release(TimePoint now);
    // When the next packet goes on; none while the bridge holds nothing.
    std::optional<TimePoint> NextRelease() const;
    // Drops everything held, as a pulled cable does.
    void Clear();

private:
    void CloseHeld(TimePoint at);

    std::chrono::nanoseconds latency_;
    std::deque<Packet> ready_;   // closed packets, in order of their moments
    std::vector<uint8_t> held_;  // the packet being gathered
    TimePoint heldSince_{};      // when its first byte arrived
};
