// The byte stream under the frame layer. The program uses CUsbSerialPort;
// tests hand the frame layer other byte sources through this interface.
//
// Thread rules: one reader thread calls BytesAvailable, ReadByte and
// WaitForInput. Write and WriteByte may be called from two threads at once;
// each call leaves as one block, never interleaved with another;
// WaitUntilSent is called by the thread that writes frames. Close runs
// while no other thread uses the port.
//
// No call reports an error: a port that failed or went away reads as silence
// and swallows writes. State() says why, for the user; it may be read from
// any thread. Interrupt may be called from any thread.
#pragma once

#include "Translatable.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>

enum class PortState : uint8_t {
    NotOpened,         // Open has not run
    Open,              // the device is open and set up
    NoBridge,          // no USB bridge found, or the named device does not exist
    PermissionDenied,  // the device exists but we may not open it
    Busy,              // another program holds the device
    NotSerial,         // the named path is not a terminal device
    Gone,              // the device went away while open (cable unplugged)
    Failed,            // any other open error
};

// A sentence a user can act on, naming the device where there is one: in
// English, and in parts for the window to translate.
std::string DescribePortState(PortState state, const std::string& device);
Sentence PortStateSentence(PortState state, const std::string& device);

// Whether the driver hands received bytes on at once. A USB bridge's chip
// holds them for its latency timer (16 ms unless told otherwise), and every
// reply, and with it the clock's measured offset, comes that much late.
enum class LowLatency : uint8_t {
    NotAsked,      // a byte source without a driver, or a port that did not open
    On,            // set on opening, or it was on already
    Off,           // the driver refused it
    NotSupported,  // the device has no such setting (not a USB bridge: a pseudo-terminal, say)
};

// What opening the port did about low latency.
struct LowLatencyReport {
    LowLatency state = LowLatency::NotAsked;
    bool changed = false;  // On: this port set it, and puts it back on close
    int error = 0;         // Off, NotSupported: the driver's errno
};

// "low (1 ms)", "normal (the driver refused low latency)", ...: the value
// of a status line. Empty for NotAsked.
std::string LowLatencyText(LowLatency state);
// The same with how it came about, for the link trace: "low (1 ms), set on
// opening", "not supported by the device (Inappropriate ioctl for device)".
std::string LowLatencyTraceText(const LowLatencyReport& report);

class ISerialPort {
public:
    virtual ~ISerialPort() = default;

    // Why the port is silent, if it is. A byte source without a device of
    // its own is always open.
    virtual PortState State() const { return PortState::Open; }
    // The device the port opened or tried to open; empty when there is none.
    virtual std::string DevicePath() const { return {}; }
    // What the open did about the driver's low latency; NotAsked for a byte
    // source without a driver.
    virtual LowLatencyReport LowLatencyResult() const { return {}; }
    // The system's errno from opening the device when that failed, else 0:
    // it tells apart reasons one PortState covers (EPERM and EACCES).
    virtual int OpenError() const { return 0; }

    // True when a received byte is waiting.
    virtual bool BytesAvailable() = 0;
    // The next received byte; 0 when none could be read.
    virtual uint8_t ReadByte() = 0;
    // Blocks until a byte is waiting or the timeout has passed, whichever is
    // first. Always waits the whole timeout on a port that is closed or gone,
    // so a reader loop never spins. On a port that can be interrupted,
    // kWaitForever waits without a deadline, and Interrupt ends the wait.
    static constexpr std::chrono::milliseconds kWaitForever = std::chrono::milliseconds::max();
    virtual void WaitForInput(std::chrono::milliseconds timeout) = 0;
    // True when Interrupt works on this byte source: its reader may then wait
    // without a timeout instead of waking up now and then to look whether it
    // is to stop.
    virtual bool Interruptible() const { return false; }
    // Ends a WaitForInput under way at once, and makes every later one return
    // at once: the reader is being stopped.
    virtual void Interrupt() { }
    virtual void WriteByte(uint8_t byte) = 0;
    virtual void Write(const uint8_t* data, size_t length) = 0;
    // Waits until every byte written so far has left for the device, or the
    // deadline passes; true when they have. A byte source that hands each
    // write over whole has nothing left to wait for.
    virtual bool WaitUntilSent(std::chrono::steady_clock::time_point /*deadline*/) { return true; }
    virtual void Close() = 0;
};
