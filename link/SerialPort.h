// The byte stream under the frame layer. The program uses CUsbSerialPort;
// tests hand the frame layer other byte sources through this interface.
//
// Thread rules: one reader thread calls BytesAvailable, ReadByte and
// WaitForInput. Write and WriteByte may be called from two threads at once;
// each call leaves as one block, never interleaved with another. Close runs
// while no other thread uses the port.
//
// No call reports an error: a port that failed or went away reads as silence
// and swallows writes.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>

class ISerialPort {
public:
    virtual ~ISerialPort() = default;

    // True when a received byte is waiting.
    virtual bool BytesAvailable() = 0;
    // The next received byte; 0 when none could be read.
    virtual uint8_t ReadByte() = 0;
    // Blocks until a byte is waiting or the timeout has passed, whichever is
    // first. Always waits the whole timeout on a port that is closed or gone,
    // so a reader loop never spins.
    virtual void WaitForInput(std::chrono::milliseconds timeout) = 0;
    virtual void WriteByte(uint8_t byte) = 0;
    virtual void Write(const uint8_t* data, size_t length) = 0;
    virtual void Close() = 0;
};
