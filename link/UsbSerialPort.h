// The clock's cable: a USB-to-serial bridge driven by the kernel's own
// driver (a tty device), set up at 57600 baud, 8N1, raw, without flow control.
//
// A device held by another program of ours that lends it (kerovant-cli
// watch) is borrowed: see PortLending.h.
//
// Open finds the first tty whose USB parent carries the bridge maker's
// vendor ID (0x0403), in device-name order, unless LinkSettings names a
// device path. A failed open behaves like a cable on which nothing arrives;
// State() keeps the reason so the user interface can explain it.
//
// The line's settings (termios) are kept on opening and put back on
// closing, so a device that is not the clock's, opened by mistake, is left
// as it was found.
//
// On opening, the port asks the driver for low latency (ASYNC_LOW_LATENCY
// through TIOCSSERIAL), which the kernel's driver for the bridge turns into
// a latency timer of 1 ms, and clears the flag again on closing when it was
// the one to set it. A device that cannot (a pseudo-terminal, a driver that
// refuses) is used as it is; LowLatencyResult() tells which.
//
// DescribePortState and the low-latency texts, declared in SerialPort.h,
// are defined here: they are about this port's devices.
//
// Thread rules: Open and Close run while no other thread uses the port. One
// reader thread calls BytesAvailable, ReadByte and WaitForInput; the local
// receive buffer belongs to it. Interrupt may come from any thread: it
// signals an eventfd that WaitForInput polls beside the device, so the reader
// needs no periodic timeout to notice that it is to stop. Write and
// WriteByte are serialised by a mutex, so a single byte from one thread
// never lands inside a block written by another. State() may be read from
// any thread.
#pragma once

#include "ClockRecords.h"
#include "SerialPort.h"

#include <atomic>
#include <functional>
#include <termios.h>
#include <linux/serial.h>
#include <mutex>
#include <string>
#include <vector>

// Orders device names naturally: ttyUSB2 before ttyUSB10.
bool DeviceNameLess(const std::string& a, const std::string& b);

// Device nodes of every tty whose USB device has the given vendor ID, in
// device-name order.
std::vector<std::string> FindBridgeDevices(uint16_t vendorId);

inline constexpr uint16_t kBridgeVendorId = 0x0403;

// The driver's serial settings, read with TIOCGSERIAL and written with
// TIOCSSERIAL; each call returns 0 or the call's errno. The port takes them
// as a pair so that a test can play a driver.
struct SerialDriverAccess {
    std::function<int(int fd, serial_struct& info)> get;
    std::function<int(int fd, const serial_struct& info)> set;
};
// The kernel's ioctls.
SerialDriverAccess KernelSerialDriverAccess();

class CUsbSerialPort final : public ISerialPort {
public:
    explicit CUsbSerialPort(SerialDriverAccess driver = KernelSerialDriverAccess());
    ~CUsbSerialPort() override;
    CUsbSerialPort(const CUsbSerialPort&) = delete;
    CUsbSerialPort& operator=(const CUsbSerialPort&) = delete;

    void Open(const LinkSettings& settings);

    bool BytesAvailable() override;
    uint8_t ReadByte() override;
    void WaitForInput(std::chrono::milliseconds timeout) override;
    void WriteByte(uint8_t byte) override;
    void Write(const uint8_t* data, size_t length) override;
    bool WaitUntilSent(std::chrono::steady_clock::time_point deadline) override;
    bool Interruptible() const override { return wakeFd_ >= 0; }
    void Interrupt() override;
    void Purge();
    void Close() override;

    PortState State() const override { return state_.load(std::memory_order_acquire); }
    // The device path that Open chose (empty when none was found). Written
    // only by Open, before any other thread uses the port.
    std::string DevicePath() const override { return devicePath_; }
    // Written only by Open, before any other thread uses the port; kept
    // after Close.
    LowLatencyReport LowLatencyResult() const override { return lowLatency_; }
    int OpenError() const override { return openError_.load(std::memory_order_acquire); }

private:
    bool Usable() const;
    bool HungUp() const;
    void MarkGone();
    void FailOpen(PortState reason);
    // Opens and locks the device: Open, or why not (the descriptor closed).
    PortState TakeDevice();
    void ReturnLoan();
    void RequestLowLatency();
    void RestoreLowLatency();

    int fd_ = -1;
    // The connection of a loan (PortLending.h) while the device is borrowed
    // from the program that lends it; -1 otherwise.
    int loanFd_ = -1;
    // Readable once Interrupt has run; -1 when no eventfd could be made, and
    // the port is then not interruptible. Lives as long as the object, so an
    // Interrupt racing with Close never writes to a reused descriptor.
    int wakeFd_ = -1;
    std::string devicePath_;
    std::atomic<PortState> state_{PortState::NotOpened};
    std::atomic<int> openError_{0};
    const SerialDriverAccess driver_;
    LowLatencyReport lowLatency_;
    // The line's settings as Open found them, put back by Close.
    termios foundLine_{};
    bool lineChanged_ = false;

    uint16_t receiveCount_ = 0;
    uint16_t receivePosition_ = 0;
    uint8_t receiveBuffer_[256] = {};

    std::mutex writeMutex_;
};
