#include "ZvSerialMaster.h"

#include "UsbSerialPort.h"

#include <algorithm>
#include <cstring>

namespace {

// How long the receive thread waits for a byte before it looks at running
// again, on a port that Stop cannot interrupt: the port's read timeout. An
// interruptible port is waited on without a timeout.
constexpr auto kIdleWait = std::chrono::milliseconds(10);

}  // namespace

CZvSerialMaster::CZvSerialMaster(const LinkSettings& settings, std::shared_ptr<ILinkObserver> observer)
    : observer_(std::move(observer))
{
    auto port = std::make_unique<CUsbSerialPort>();
    port->Open(settings);
    port_ = std::move(port);
    replyPayload_.reserve(kMaxPayloadChars);
    Start();
}

CZvSerialMaster::CZvSerialMaster(std::unique_ptr<ISerialPort> port, std::shared_ptr<ILinkObserver> observer)
    : port_(std::move(port)), observer_(std::move(observer))
{
    replyPayload_.reserve(kMaxPayloadChars);
    if (port_)
        Start();
}

void CZvSerialMaster::Start()
{
    receiver_.Reset();
    started_.store(true, std::memory_order_release);
    running_.store(true, std::memory_order_release);
    try {
        receiveThread_ = std::thread(&CZvSerialMaster::ReceiveLoop, this);
    } catch (const std::system_error&) {
        started_.store(false, std::memory_order_release);
        running_.store(false, std::memory_order_release);
    }
}

CZvSerialMaster::~CZvSerialMaster()
{
    Stop();
    if (port_)
        port_->Close();
}

void CZvSerialMaster::Stop()
{
    // No thread is ever killed: one that is stopped by force while it holds
    // a lock or sits in a system call can leave the program broken.
    running_.store(false, std::memory_order_release);
    if (port_)
        port_->Interrupt();
    if (receiveThread_.joinable())
        receiveThread_.join();
}

void CZvSerialMaster::WakeWaiters()
{
    events_.Signal();
}

void CZvSerialMaster::SendCommand(uint8_t code, std::string_view payload)
{
    ackState_.store(kAckWaiting, std::memory_order_release);
    replyReady_.store(false, std::memory_order_release);
    frameRejected_.store(false, std::memory_order_release);
    std::vector<uint8_t> frame = BuildFrame(code, payload);
    // Told before the bytes leave, so the trace never shows an answer ahead
    // of its command.
    if (observer_)
        Notify(LinkEvent::Kind::FrameSent, LinkEvent::Direction::ToClock, code, frame);
    if (port_)
        port_->Write(frame.data(), frame.size());
}

void CZvSerialMaster::Notify(LinkEvent::Kind kind, LinkEvent::Direction direction, uint8_t code,
                             std::vector<uint8_t> bytes, std::string text) const
{
    LinkEvent event;
    event.kind = kind;
    event.time = std::chrono::steady_clock::now();
    event.direction = direction;
    event.code = code;
    event.bytes = std::move(bytes);
    event.text = std::move(text);
    observer_->OnLinkEvent(event);
}

uint8_t CZvSerialMaster::TakeReplyCommand()
{
    std::lock_guard<std::mutex> lock(replyMutex_);
    replyReady_.store(false, std::memory_order_release);
    return replyCommand_;
}

size_t CZvSerialMaster::GetReplyLength() const
{
    std::lock_guard<std::mutex> lock(replyMutex_);
    return replyPayload_.size();
}

uint8_t CZvSerialMaster::CopyReplyPayload(char* destination, size_t size) const
{
    std::lock_guard<std::mutex> lock(replyMutex_);
    if (destination && size > 0) {
        const size_t n = std::min(size - 1, replyPayload_.size());
        std::memcpy(destination, replyPayload_.data(), n);
        destination[n] = '\0';
    }
    return replyCommand_;
}

bool CZvSerialMaster::TakeReply(uint8_t& code, std::string& payload)
{
    std::lock_guard<std::mutex> lock(replyMutex_);
    if (!replyReady_.load(std::memory_order_acquire))
        return false;
    replyReady_.store(false, std::memory_order_release);
    code = replyCommand_;
    payload = replyPayload_;
    return true;
}

bool CZvSerialMaster::TakeReply(uint8_t& code, std::string& payload, FrameArrival& arrival)
{
    std::lock_guard<std::mutex> lock(replyMutex_);
    if (!replyReady_.load(std::memory_order_acquire))
        return false;
    replyReady_.store(false, std::memory_order_release);
    code = replyCommand_;
    payload = replyPayload_;
    arrival = replyArrival_;
    return true;
}

bool CZvSerialMaster::WaitUntilSent(std::chrono::steady_clock::time_point deadline)
{
    return port_ ? port_->WaitUntilSent(deadline) : false;
}

uint64_t CZvSerialMaster::EventCount() const
{
    return events_.Count();
}

bool CZvSerialMaster::WaitForEvent(uint64_t seen, std::chrono::microseconds timeout) const
{
    return events_.WaitFor(seen, timeout);
}

bool CZvSerialMaster::OnFrameReceived()
{
    std::lock_guard<std::mutex> lock(replyMutex_);
    replyCommand_ = receiver_.Code();
    replyPayload_.assign(receiver_.Payload());
    replyArrival_ = frameArrival_;
    return true;
}

void CZvSerialMaster::AnswerNak(const char* why)
{
    if (observer_)
        Notify(LinkEvent::Kind::NakSent, LinkEvent::Direction::ToClock, 0, {kNak}, why);
    port_->WriteByte(kNak);
}

void CZvSerialMaster::HandleReceiverEvent(CFrameReceiver::Event event, bool restarted, std::vector<uint8_t> broken)
{
    using Kind = LinkEvent::Kind;
    constexpr auto kFromClock = LinkEvent::Direction::FromClock;
    // The observer hears of each event before the link thread can see it.
    switch (event) {
    case CFrameReceiver::Event::None: break;
    case CFrameReceiver::Event::FrameStart:
        if (restarted)
            frameRejected_.store(true, std::memory_order_release);
        if (!broken.empty())
            Notify(Kind::FrameRejected, kFromClock, 0, std::move(broken), FrameFaultText(FrameFault::Restarted));
        replyReady_.store(false, std::memory_order_release);
        break;
    case CFrameReceiver::Event::Ack:
        if (observer_)
            Notify(Kind::AckReceived, kFromClock, 0, {kAck});
        ackState_.store(kAckReceived, std::memory_order_release);
        events_.Signal();
        break;
    case CFrameReceiver::Event::Nak:
        if (observer_)
            Notify(Kind::NakReceived, kFromClock, 0, {kNak});
        ackState_.store(kNakReceived, std::memory_order_release);
        events_.Signal();
        break;
    case CFrameReceiver::Event::Reject:
        frameRejected_.store(true, std::memory_order_release);
        if (observer_)
            Notify(Kind::FrameRejected, kFromClock, 0, receiver_.FrameBytes(), FrameFaultText(receiver_.Fault()));
        AnswerNak(FrameFaultText(receiver_.Fault()));
        break;
    case CFrameReceiver::Event::Dropped:
        frameRejected_.store(true, std::memory_order_release);
        if (observer_)
            Notify(Kind::FrameRejected, kFromClock, 0, receiver_.FrameBytes(), FrameFaultText(receiver_.Fault()));
        break;
    case CFrameReceiver::Event::Verified:
        // Taken first: the time of a clock's reading is worked out from it.
        frameArrival_ = {std::chrono::steady_clock::now(), std::chrono::system_clock::now()};
        if (OnFrameReceived()) {
            if (observer_)
                Notify(Kind::FrameReceived, kFromClock, receiver_.Code(), receiver_.FrameBytes());
            replyReady_.store(true, std::memory_order_release);
            events_.Signal();
        } else {
            if (observer_)
                Notify(Kind::FrameRejected, kFromClock, receiver_.Code(), receiver_.FrameBytes(),
                       "not taken by the receiver");
            AnswerNak("frame not taken");
        }
        receiver_.Reset();
        break;
    }
}

void CZvSerialMaster::ReceiveLoop()
{
    const auto idleWait = port_->Interruptible() ? ISerialPort::kWaitForever : kIdleWait;
    // A port that hangs up ends the link's wait for an answer at once: none
    // can come now.
    PortState portState = port_->State();
    const auto notePortState = [this, &portState] {
        const PortState now = port_->State();
        if (now != portState) {
            portState = now;
            events_.Signal();
        }
    };
    while (running_.load(std::memory_order_acquire)) {
        if (!port_->BytesAvailable()) {
            port_->WaitForInput(idleWait);
            notePortState();
            continue;
        }
        const uint8_t byte = port_->ReadByte();
        notePortState();
        // An STX inside a frame overwrites the frame it ends: keep its bytes
        // for the observer first.
        const bool restarted = byte == kStx && receiver_.InFrame();
        std::vector<uint8_t> broken;
        if (observer_ && restarted)
            broken = receiver_.FrameBytes();
        const CFrameReceiver::Event event = receiver_.Feed(byte);
        HandleReceiverEvent(event, restarted, std::move(broken));
    }
}
