#include "UsbSerialPort.h"

#include "PortAccess.h"
#include "PortLending.h"
#include "WriteFully.h"

#include <libudev.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto kPurgeWait = std::chrono::milliseconds(50);
constexpr auto kSettleWait = std::chrono::milliseconds(10);
constexpr auto kReadTimeout = std::chrono::milliseconds(10);
constexpr auto kWriteTimeout = std::chrono::milliseconds(100);
// Opens of a device just lent to us: its lender's close may still be under way.
constexpr int kBorrowAttempts = 20;

speed_t SpeedFor(uint32_t baudRate)
{
    switch (baudRate) {
    case 9600: return B9600;
    case 19200: return B19200;
    case 38400: return B38400;
    case 115200: return B115200;
    case 230400: return B230400;
    default: return B57600;
    }
}

PortState StateForOpenError(int error)
{
    switch (error) {
    case EACCES:
    case EPERM: return PortState::PermissionDenied;
    case EBUSY:
    case EWOULDBLOCK: return PortState::Busy;
    case ENOENT:
    case ENODEV:
    case ENXIO: return PortState::NoBridge;
    case ENOTTY: return PortState::NotSerial;
    default: return PortState::Failed;
    }
}

}  // namespace

SerialDriverAccess KernelSerialDriverAccess()
{
    return {[](int fd, serial_struct& info) { return ::ioctl(fd, TIOCGSERIAL, &info) == 0 ? 0 : errno; },
            [](int fd, const serial_struct& info) { return ::ioctl(fd, TIOCSSERIAL, &info) == 0 ? 0 : errno; }};
}

std::string LowLatencyText(LowLatency state)
{
    switch (state) {
    case LowLatency::NotAsked: return {};
    case LowLatency::On: return "low (1 ms)";
    case LowLatency::Off: return "normal (the driver refused low latency)";
    case LowLatency::NotSupported: return "not supported by the device (not a USB bridge)";
    }
    return {};
}

std::string LowLatencyTraceText(const LowLatencyReport& report)
{
    std::string text = LowLatencyText(report.state);
    if (report.state == LowLatency::On)
        text += report.changed ? ", set on opening" : ", on already";
    if (report.error != 0)
        text += std::string(": ") + std::strerror(report.error);
    return text;
}

Sentence PortStateSentence(PortState state, const std::string& device)
{
    // Without a path each sentence names "the clock's USB device" itself:
    // languages join it to its preposition their own way ("au
    // périphérique", "del dispositivo").
    const bool named = !device.empty();
    const Sentence path = Sentence::Verbatim(device);
    switch (state) {
    case PortState::NotOpened:
        return Sentence(KEROVANT_TRANSLATE_NOOP("Kerovant", "The USB port has not been opened yet."));
    case PortState::Open:
        return named ? Sentence(KEROVANT_TRANSLATE_NOOP("Kerovant", "Connected through %1."), {path})
                     : Sentence(KEROVANT_TRANSLATE_NOOP("Kerovant", "Connected through the clock's USB device."));
    case PortState::NoBridge:
        if (!named)
            return Sentence(KEROVANT_TRANSLATE_NOOP(
                "Kerovant", "No USB bridge found: check that the clock's USB cable is plugged in."));
        return Sentence(
            KEROVANT_TRANSLATE_NOOP("Kerovant", "Device %1 does not exist: check the cable and the device name."),
            {path});
    case PortState::PermissionDenied:
        return PermissionSentence(named ? path : Sentence(), named ? ReadNodeAccess(device) : std::nullopt);
    case PortState::Busy:
        return BusySentence(named ? path : Sentence(),
                            named ? CachedDeviceHolders(device) : std::vector<DeviceHolder>());
    case PortState::NotSerial:
        return Sentence(KEROVANT_TRANSLATE_NOOP("Kerovant", "%1 is not a serial device."), {path});
    case PortState::Gone:
        return named ? Sentence(KEROVANT_TRANSLATE_NOOP("Kerovant", "%1 was unplugged."), {path})
                     : Sentence(KEROVANT_TRANSLATE_NOOP("Kerovant", "the clock's USB device was unplugged."));
    case PortState::Failed:
        return named ? Sentence(KEROVANT_TRANSLATE_NOOP("Kerovant", "%1 could not be opened."), {path})
                     : Sentence(KEROVANT_TRANSLATE_NOOP("Kerovant", "the clock's USB device could not be opened."));
    }
    return {};
}

std::string DescribePortState(PortState state, const std::string& device)
{
    return PortStateSentence(state, device).English();
}

bool DeviceNameLess(const std::string& a, const std::string& b)
{
    size_t i = 0;
    size_t j = 0;
    while (i < a.size() && j < b.size()) {
        if (std::isdigit(static_cast<unsigned char>(a[i])) && std::isdigit(static_cast<unsigned char>(b[j]))) {
            size_t ei = i;
            size_t ej = j;
            while (ei < a.size() && std::isdigit(static_cast<unsigned char>(a[ei])))
                ++ei;
            while (ej < b.size() && std::isdigit(static_cast<unsigned char>(b[ej])))
                ++ej;
            // Compare numbers by length without leading zeros, then digits.
            size_t si = i;
            size_t sj = j;
            while (si + 1 < ei && a[si] == '0')
                ++si;
            while (sj + 1 < ej && b[sj] == '0')
                ++sj;
            if (ei - si != ej - sj)
                return ei - si < ej - sj;
            const int cmp = a.compare(si, ei - si, b, sj, ej - sj);
            if (cmp != 0)
                return cmp < 0;
            i = ei;
            j = ej;
            continue;
        }
        if (a[i] != b[j])
            return static_cast<unsigned char>(a[i]) < static_cast<unsigned char>(b[j]);
        ++i;
        ++j;
    }
    return a.size() - i < b.size() - j;
}

std::vector<std::string> FindBridgeDevices(uint16_t vendorId)
{
    std::vector<std::string> nodes;
    udev* context = udev_new();
    if (!context)
        return nodes;
    udev_enumerate* enumerate = udev_enumerate_new(context);
    if (enumerate) {
        udev_enumerate_add_match_subsystem(enumerate, "tty");
        udev_enumerate_scan_devices(enumerate);
        char wanted[8];
        std::snprintf(wanted, sizeof wanted, "%04x", vendorId);
        udev_list_entry* entry = nullptr;
        udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(enumerate))
        {
            udev_device* tty = udev_device_new_from_syspath(context, udev_list_entry_get_name(entry));
            if (!tty)
                continue;
            // The parent is owned by the child; it is not unreferenced here.
            udev_device* usb = udev_device_get_parent_with_subsystem_devtype(tty, "usb", "usb_device");
            const char* vendor = usb ? udev_device_get_sysattr_value(usb, "idVendor") : nullptr;
            const char* node = udev_device_get_devnode(tty);
            if (vendor && node && strcasecmp(vendor, wanted) == 0)
                nodes.emplace_back(node);
            udev_device_unref(tty);
        }
        udev_enumerate_unref(enumerate);
    }
    udev_unref(context);
    std::sort(nodes.begin(), nodes.end(), DeviceNameLess);
    return nodes;
}

CUsbSerialPort::CUsbSerialPort(SerialDriverAccess driver)
    : wakeFd_(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)), driver_(std::move(driver))
{
}

CUsbSerialPort::~CUsbSerialPort()
{
    Close();
    if (wakeFd_ >= 0)
        ::close(wakeFd_);
}

void CUsbSerialPort::Interrupt()
{
    // The counter is never read back, so the descriptor stays readable and
    // every later wait ends at once too.
    if (wakeFd_ >= 0) {
        const uint64_t one = 1;
        [[maybe_unused]] const ssize_t written = ::write(wakeFd_, &one, sizeof one);
    }
}

void CUsbSerialPort::FailOpen(PortState reason)
{
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    ReturnLoan();
    state_.store(reason, std::memory_order_release);
}

void CUsbSerialPort::ReturnLoan()
{
    if (loanFd_ >= 0) {
        ::close(loanFd_);
        loanFd_ = -1;
    }
}

PortState CUsbSerialPort::TakeDevice()
{
    // Non-blocking, so the open never waits for modem lines; no controlling
    // terminal, so a hang-up sends us no signal.
    fd_ = ::open(devicePath_.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
    if (fd_ < 0) {
        const int error = errno;
        openError_.store(error, std::memory_order_release);
        return StateForOpenError(error);
    }
    PortState state = PortState::Open;
    // A terminal is what answers tcgetattr; that is all isatty asks of a
    // real one, but a wrapped C library may answer isatty otherwise for a
    // node that behaves as a terminal in every other way.
    if (termios probe{}; ::tcgetattr(fd_, &probe) != 0)
        state = PortState::NotSerial;
    // Take the device exclusively, so two programs cannot interleave frames
    // on one clock. TIOCEXCL refuses later opens by ordinary users; flock
    // also stops a second program running as root.
    else if (::flock(fd_, LOCK_EX | LOCK_NB) != 0)
        state = errno == EWOULDBLOCK ? PortState::Busy : PortState::Failed;
    if (state != PortState::Open) {
        ::close(fd_);
        fd_ = -1;
        return state;
    }
    ::ioctl(fd_, TIOCEXCL);
    return state;
}

void CUsbSerialPort::Open(const LinkSettings& settings)
{
    Close();
    receiveCount_ = 0;
    receivePosition_ = 0;
    lowLatency_ = {};
    openError_.store(0, std::memory_order_release);

    const size_t nameLength = strnlen(settings.deviceName, sizeof settings.deviceName);
    if (nameLength > 0) {
        devicePath_.assign(settings.deviceName, nameLength);
    } else {
        const auto bridges = FindBridgeDevices(kBridgeVendorId);
        if (bridges.empty()) {
            devicePath_.clear();
            state_.store(PortState::NoBridge, std::memory_order_release);
            return;
        }
        devicePath_ = bridges.front();
    }

    // A program of ours that lends the device (kerovant-cli watch) is
    // asked first, whether or not it holds the port now: it closes the
    // port before it answers, and takes it back once the loan's connection
    // closes with this port. Asking only after finding the port busy would
    // let a program that closes and at once reopens the port (a device
    // object replaced) beat the lender to it and hold it without a loan.
    // Without a lender the connect fails at once.
    if (PortBorrowing())
        loanFd_ = BorrowPort(devicePath_);
    PortState taken = TakeDevice();
    for (int attempt = 0; loanFd_ >= 0 && taken == PortState::Busy && attempt < kBorrowAttempts; ++attempt) {
        std::this_thread::sleep_for(kSettleWait);
        taken = TakeDevice();
    }
    if (taken != PortState::Open) {
        FailOpen(taken);
        return;
    }

    // Raw 8N1 at the configured rate: no echo, no line editing, no character
    // translation, no flow control; modem lines ignored, receiver on.
    termios tio{};
    if (::tcgetattr(fd_, &tio) != 0) {
        FailOpen(PortState::NotSerial);
        return;
    }
    foundLine_ = tio;
    ::cfmakeraw(&tio);
    tio.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB | CRTSCTS);
    tio.c_cflag |= CS8 | CLOCAL | CREAD;
    tio.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    const speed_t speed = SpeedFor(settings.baudRate);
    ::cfsetispeed(&tio, speed);
    ::cfsetospeed(&tio, speed);
    // A failed call changed nothing: there is nothing to put back then.
    if (::tcsetattr(fd_, TCSANOW, &tio) != 0) {
        FailOpen(PortState::Failed);
        return;
    }
    lineChanged_ = true;
    state_.store(PortState::Open, std::memory_order_release);

    Purge();
    RequestLowLatency();
    // The bridge's USB transfer size is the kernel driver's affair here; there
    // is no per-open setting for it.
    std::this_thread::sleep_for(kSettleWait);
    // Read and write timeouts are applied per call: ReadByte waits at most
    // 10 ms for a byte, Write gives up after 100 ms.
}

void CUsbSerialPort::RequestLowLatency()
{
    // The bridge's chip sends what it has received when 62 bytes have
    // gathered or its latency timer runs out, 16 ms by default. A reply of
    // the clock is shorter than that, so each one waits out the timer: the
    // link gets slower, and the clock's offset from this computer, which
    // takes the reply's arrival for the moment it was sent, comes out up to
    // 16 ms wrong. Low latency makes the kernel's driver set the timer to
    // 1 ms. Any user who may open the device may ask for it; a device that
    // has no such setting (a pseudo-terminal) or refuses it is used as it is.
    // The latency_timer attribute is not written: that needs root and would
    // outlive this program; the udev rule the package installs sets it to
    // 1 ms for every FTDI bridge as it is plugged in.
    serial_struct info{};
    if (const int error = driver_.get(fd_, info); error != 0) {
        lowLatency_ = {error == ENOTTY || error == EINVAL ? LowLatency::NotSupported : LowLatency::Off, false, error};
        return;
    }
    if ((info.flags & ASYNC_LOW_LATENCY) != 0) {
        lowLatency_ = {LowLatency::On, false, 0};
        return;
    }
    info.flags |= ASYNC_LOW_LATENCY;
    if (const int error = driver_.set(fd_, info); error != 0) {
        lowLatency_ = {LowLatency::Off, false, error};
        return;
    }
    lowLatency_ = {LowLatency::On, true, 0};
}

void CUsbSerialPort::RestoreLowLatency()
{
    // Only what this port changed, and only that flag: the device is left as
    // the next program expects to find it. A device that went away takes
    // its settings with it; the calls then fail, which is fine.
    if (lowLatency_.state != LowLatency::On || !lowLatency_.changed)
        return;
    serial_struct info{};
    if (driver_.get(fd_, info) != 0)
        return;
    if ((info.flags & ASYNC_LOW_LATENCY) == 0)
        return;
    info.flags &= ~static_cast<int>(ASYNC_LOW_LATENCY);
    driver_.set(fd_, info);
}

bool CUsbSerialPort::Usable() const
{
    return fd_ >= 0 && state_.load(std::memory_order_relaxed) == PortState::Open;
}

bool CUsbSerialPort::HungUp() const
{
    pollfd p{fd_, POLLIN, 0};
    return ::poll(&p, 1, 0) > 0 && (p.revents & (POLLHUP | POLLERR | POLLNVAL));
}

void CUsbSerialPort::MarkGone()
{
    // The descriptor stays open until Close: closing it here would let its
    // number be reused while the other thread may still write to it.
    state_.store(PortState::Gone, std::memory_order_release);
}

bool CUsbSerialPort::BytesAvailable()
{
    if (receiveCount_ != 0)
        return true;
    if (!Usable())
        return false;
    int waiting = 0;
    if (::ioctl(fd_, FIONREAD, &waiting) == 0)
        return waiting > 0;
    // A terminal that does not answer the count (ENOTTY from a wrapped C
    // library that hands the terminal's ioctls elsewhere, or a driver
    // without it) is asked with poll: readable, and not hung up, which
    // also reports readable although nothing can be read.
    pollfd p{fd_, POLLIN, 0};
    return ::poll(&p, 1, 0) > 0 && (p.revents & POLLIN) && !(p.revents & (POLLHUP | POLLERR | POLLNVAL));
}

uint8_t CUsbSerialPort::ReadByte()
{
    if (receiveCount_ == 0) {
        if (!Usable())
            return 0;
        // The line is raw with VMIN and VTIME 0, so a read of an empty
        // healthy line returns 0 bytes at once (EAGAIN on some drivers):
        // wait up to the read timeout for a byte, then read once more.
        ssize_t got = ::read(fd_, receiveBuffer_, sizeof receiveBuffer_);
        if (got == 0 || (got < 0 && (errno == EAGAIN || errno == EINTR))) {
            WaitForInput(kReadTimeout);
            if (!Usable())
                return 0;
            got = ::read(fd_, receiveBuffer_, sizeof receiveBuffer_);
        }
        if (got < 0 && errno != EAGAIN && errno != EINTR) {
            // EIO on a tty: the device hung up.
            MarkGone();
            return 0;
        }
        if (got <= 0) {
            // Nothing arrived. A hung-up tty also reads as 0 bytes; poll
            // tells the two apart.
            if (got == 0 && HungUp())
                MarkGone();
            return 0;
        }
        if (got == 1)
            return receiveBuffer_[0];
        receiveCount_ = static_cast<uint16_t>(got);
        receivePosition_ = 0;
    }
    const uint8_t byte = receiveBuffer_[receivePosition_++];
    if (receivePosition_ == receiveCount_) {
        receiveCount_ = 0;
        receivePosition_ = 0;
    }
    return byte;
}

void CUsbSerialPort::WaitForInput(std::chrono::milliseconds timeout)
{
    if (receiveCount_ != 0)
        return;
    const bool forever = timeout == kWaitForever && wakeFd_ >= 0;
    // Without the wake-up descriptor nothing could end an endless wait.
    timeout = std::min<std::chrono::milliseconds>(timeout, std::chrono::hours(24));
    const auto deadline = forever ? Clock::time_point::max() : Clock::now() + timeout;
    // poll's own timeout, in whole milliseconds; -1 waits without one.
    const int pollTimeout = forever ? -1 : static_cast<int>(std::min<int64_t>(timeout.count(), INT32_MAX));
    pollfd p[2] = {{wakeFd_, POLLIN, 0}, {fd_, POLLIN, 0}};
    if (Usable()) {
        // The wake-up descriptor first: a negative one is skipped by poll.
        const int ready = ::poll(p, 2, pollTimeout);
        // A hung-up terminal reports POLLIN together with POLLHUP although
        // nothing can be read, so the hang-up is looked at first.
        if (ready > 0 && (p[1].revents & (POLLHUP | POLLERR | POLLNVAL)))
            MarkGone();
        else if (ready >= 0 || errno == EINTR)
            return;
    }
    // Closed, gone, or poll failed: a hung-up device makes poll return at
    // once on every call, so only the wake-up descriptor is waited on here,
    // for the whole time, to keep readers calm.
    if (wakeFd_ >= 0) {
        const int remaining = forever
            ? -1
            : static_cast<int>(
                  std::max<int64_t>(0, std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count()));
        if (::poll(p, 1, remaining) >= 0 || errno == EINTR)
            return;
    }
    if (!forever)
        std::this_thread::sleep_until(deadline);
}

void CUsbSerialPort::WriteByte(uint8_t byte)
{
    Write(&byte, 1);
}

void CUsbSerialPort::Write(const uint8_t* data, size_t length)
{
    std::lock_guard<std::mutex> lock(writeMutex_);
    // A write that times out loses the rest of its bytes; one refused by the
    // device means it went away.
    if (WriteFully(
            fd_, data, length, Clock::now() + kWriteTimeout, [this] { return Usable(); }, kWriteTimeout) ==
        WriteOutcome::Failed)
        MarkGone();
}

bool CUsbSerialPort::WaitUntilSent(Clock::time_point deadline)
{
    // The output queue's count, not tcdrain: tcdrain has no timeout, and a
    // bridge that stops taking bytes would hold the link thread for good. The
    // count covers the kernel's buffer and the driver's; what the bridge
    // chip holds itself is out of sight, a few bytes at most at this rate.
    constexpr auto kLook = std::chrono::microseconds(100);
    for (;;) {
        if (!Usable())
            return false;
        int queued = 0;
        if (::ioctl(fd_, TIOCOUTQ, &queued) != 0)
            return false;
        if (queued <= 0)
            return true;
        if (Clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(kLook);
    }
}

void CUsbSerialPort::Purge()
{
    std::this_thread::sleep_for(kPurgeWait);
    if (fd_ >= 0)
        ::tcflush(fd_, TCIOFLUSH);
    receiveCount_ = 0;
    receivePosition_ = 0;
    std::this_thread::sleep_for(kPurgeWait);
}

void CUsbSerialPort::Close()
{
    if (fd_ < 0)
        return;
    RestoreLowLatency();
    if (lineChanged_) {
        // The last bytes leave at the clock's rate first (a device that is
        // gone or stuck is not waited for), then the line is put back as
        // it was found.
        WaitUntilSent(Clock::now() + kWriteTimeout);
        ::tcsetattr(fd_, TCSANOW, &foundLine_);
        lineChanged_ = false;
    }
    // Lift the exclusive mode, which otherwise outlives this descriptor when
    // someone else still has the terminal open.
    ::ioctl(fd_, TIOCNXCL);
    ::close(fd_);
    fd_ = -1;
    // After the device: the lender opens it again as soon as this closes.
    ReturnLoan();
    receiveCount_ = 0;
    receivePosition_ = 0;
    if (state_.load(std::memory_order_relaxed) == PortState::Open)
        state_.store(PortState::NotOpened, std::memory_order_release);
}
