// The simulated clock behind an in-process port, for tests that need no
// terminal: what the link writes goes straight to a CSimClock, and its
// answers come back as bytes to read. The test keeps the CSimLine (the cable
// with the clock at its far end) and hands the link a CSimPort on it.
//
// Answers behave as over CSimServer: a frame the clock cannot take draws a
// NAK (unless the clock is silent), and a slow answer (SimFaults), or one
// that takes its time on the line (SimTiming), becomes readable only when
// its time has come, holding back the answers behind it. With a USB
// latency (SimTiming) the answers pass through the bridge's model
// (CSimUsbBridge) and become readable as it releases them.
// Unplug makes the port read as silence and report PortState::Gone.
//
// Thread rules: every member may be called from any thread. Writers are
// serialised by one mutex, inside which CSimClock::Handle (and the clock's
// observer) runs on the writing thread: the link thread for frames, the
// receive thread for the NAKs the clock ignores. The bytes waiting to be
// read are under a second mutex, never held while the clock handles a frame.
#pragma once

#include "Frame.h"
#include "SerialPort.h"
#include "SimUsbBridge.h"
#include "SimClock.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

class CSimLine {
public:
    explicit CSimLine(SimIdentity identity = {});
    CSimLine(const CSimLine&) = delete;
    CSimLine& operator=(const CSimLine&) = delete;

    CSimClock& Clock() { return clock_; }

    // As if the cable were pulled: nothing more arrives, writes are lost.
    void Unplug();
    bool IsUnplugged() const;

    // The port's side.
    void Write(const uint8_t* data, size_t length);
    bool BytesAvailable();
    uint8_t ReadByte();
    // Waits as ISerialPort::WaitForInput does; ends at once when interrupted
    // is set (the reading port's stop), which WakeReaders makes it look at.
    void WaitForInput(std::chrono::milliseconds timeout, const std::atomic<bool>* interrupted = nullptr);
    void WakeReaders();

private:
    using TimePoint = std::chrono::steady_clock::time_point;
    struct Chunk {
        TimePoint readyAt;
        std::vector<uint8_t> bytes;
    };
    void Queue(std::vector<uint8_t> bytes, std::chrono::nanoseconds delay);
    // Moves what the bridge has released by now to the readable chunks.
    bool ReadyLocked(TimePoint now);

    CSimClock clock_;

    std::mutex writeMutex_;
    CFrameReceiver receiver_;

    mutable std::mutex readMutex_;
    std::condition_variable readCv_;
    CSimUsbBridge bridge_;      // answers on their way
    std::deque<Chunk> chunks_;  // released by the bridge, readable
    size_t offset_ = 0;         // into the front chunk
    TimePoint busyUntil_{};     // the last queued answer's time
    bool unplugged_ = false;
};

class CSimPort final : public ISerialPort {
public:
    explicit CSimPort(std::shared_ptr<CSimLine> line, std::string devicePath = {});

    bool BytesAvailable() override;
    uint8_t ReadByte() override;
    void WaitForInput(std::chrono::milliseconds timeout) override;
    bool Interruptible() const override { return true; }
    void Interrupt() override;
    void WriteByte(uint8_t byte) override;
    void Write(const uint8_t* data, size_t length) override;
    // The line belongs to the test; there is nothing to release.
    void Close() override { }
    PortState State() const override;
    std::string DevicePath() const override { return devicePath_; }

private:
    const std::shared_ptr<CSimLine> line_;
    const std::string devicePath_;
    // This port's reader is being stopped; other ports on the line go on.
    std::atomic<bool> interrupted_{false};
};
