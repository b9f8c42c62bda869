#include "SimPort.h"

#include "LinkTiming.h"

#include <algorithm>
#include <thread>

CSimLine::CSimLine(SimIdentity identity) : clock_(identity) { }

void CSimLine::Unplug()
{
    {
        std::lock_guard<std::mutex> lock(readMutex_);
        unplugged_ = true;
        bridge_.Clear();
        chunks_.clear();
        offset_ = 0;
    }
    readCv_.notify_all();
}

bool CSimLine::IsUnplugged() const
{
    std::lock_guard<std::mutex> lock(readMutex_);
    return unplugged_;
}

void CSimLine::Write(const uint8_t* data, size_t length)
{
    std::lock_guard<std::mutex> lock(writeMutex_);
    if (IsUnplugged())
        return;
    for (size_t i = 0; i < length; ++i) {
        switch (receiver_.Feed(data[i])) {
        case CFrameReceiver::Event::Verified: {
            const uint8_t code = receiver_.Code();
            const std::string payload(receiver_.Payload());
            receiver_.Reset();
            const CSimClock::Answer answer = clock_.Handle(code, payload);
            if (answer.kind != CSimClock::Answer::Kind::None)
                Queue(CSimClock::AnswerBytes(answer), answer.delay);
            break;
        }
        case CFrameReceiver::Event::Reject:
            if (!clock_.Faults().silent)
                Queue({kNak}, {});
            break;
        default:
            // The link's own ACK and NAK bytes mean nothing to the clock.
            break;
        }
    }
}

void CSimLine::Queue(std::vector<uint8_t> bytes, std::chrono::nanoseconds delay)
{
    const SimTiming timing = clock_.Timing();
    {
        std::lock_guard<std::mutex> lock(readMutex_);
        if (unplugged_)
            return;
        // The clock answers one request at a time: a late answer holds up
        // the ones behind it.
        busyUntil_ = std::max(busyUntil_, std::chrono::steady_clock::now()) + delay;
        bridge_.SetLatency(timing.usbLatency);
        bridge_.Arrive(bytes, busyUntil_, LineTime(1, timing.lineBaud));
    }
    readCv_.notify_all();
}

bool CSimLine::ReadyLocked(TimePoint now)
{
    if (unplugged_)
        return false;
    for (CSimUsbBridge::Packet& packet : bridge_.Release(now))
        chunks_.push_back({packet.at, std::move(packet.bytes)});
    return !chunks_.empty();
}

bool CSimLine::BytesAvailable()
{
    std::lock_guard<std::mutex> lock(readMutex_);
    return ReadyLocked(std::chrono::steady_clock::now());
}

uint8_t CSimLine::ReadByte()
{
    std::lock_guard<std::mutex> lock(readMutex_);
    if (!ReadyLocked(std::chrono::steady_clock::now()))
        return 0;
    const uint8_t byte = chunks_.front().bytes[offset_++];
    if (offset_ == chunks_.front().bytes.size()) {
        chunks_.pop_front();
        offset_ = 0;
    }
    return byte;
}

void CSimLine::WaitForInput(std::chrono::milliseconds timeout, const std::atomic<bool>* interrupted)
{
    const auto stopped = [interrupted] { return interrupted && interrupted->load(std::memory_order_acquire); };
    const bool forever = timeout == ISerialPort::kWaitForever && interrupted;
    const TimePoint deadline = forever
        ? TimePoint::max()
        : std::chrono::steady_clock::now() + std::min<std::chrono::milliseconds>(timeout, std::chrono::hours(24));
    std::unique_lock<std::mutex> lock(readMutex_);
    for (;;) {
        const TimePoint now = std::chrono::steady_clock::now();
        if (ReadyLocked(now) || now >= deadline || stopped())
            return;
        // Until the next answer is due or something new is queued; an
        // unplugged line waits the whole timeout, as a dead port does.
        const auto next = bridge_.NextRelease();
        const TimePoint until = !unplugged_ && next ? std::min(deadline, *next) : deadline;
        if (until == TimePoint::max())
            readCv_.wait(lock);
        else
            readCv_.wait_until(lock, until);
    }
}

void CSimLine::WakeReaders()
{
    // Taken and let go, so a reader between its look at the flag and its
    // wait cannot miss the notification.
    {
        std::lock_guard<std::mutex> lock(readMutex_);
    }
    readCv_.notify_all();
}

CSimPort::CSimPort(std::shared_ptr<CSimLine> line, std::string devicePath)
    : line_(std::move(line)), devicePath_(std::move(devicePath))
{
}

bool CSimPort::BytesAvailable()
{
    return line_->BytesAvailable();
}

uint8_t CSimPort::ReadByte()
{
    return line_->ReadByte();
}

void CSimPort::WaitForInput(std::chrono::milliseconds timeout)
{
    line_->WaitForInput(timeout, &interrupted_);
}

void CSimPort::Interrupt()
{
    interrupted_.store(true, std::memory_order_release);
    line_->WakeReaders();
}

void CSimPort::WriteByte(uint8_t byte)
{
    line_->Write(&byte, 1);
}

void CSimPort::Write(const uint8_t* data, size_t length)
{
    line_->Write(data, length);
}

PortState CSimPort::State() const
{
    return line_->IsUnplugged() ? PortState::Gone : PortState::Open;
}
