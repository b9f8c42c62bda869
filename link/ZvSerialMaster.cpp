#include "ZvSerialMaster.h"

#include "UsbSerialPort.h"

#include <algorithm>
#include <cstring>

namespace {

// How long the receive thread waits for a byte before it looks at running
// again: the port's read timeout.
constexpr auto kIdleWait = std::chrono::milliseconds(10);

}  // namespace

CZvSerialMaster::CZvSerialMaster(const LinkSettings& settings)
{
    auto port = std::make_unique<CUsbSerialPort>();
    port->Open(settings);
    port_ = std::move(port);
    replyPayload_.reserve(kMaxPayloadChars);
    Start();
}

CZvSerialMaster::CZvSerialMaster(std::unique_ptr<ISerialPort> port) : port_(std::move(port))
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
    if (receiveThread_.joinable())
        receiveThread_.join();
}

void CZvSerialMaster::SendCommand(uint8_t code, std::string_view payload)
{
    ackState_.store(kAckWaiting, std::memory_order_release);
    replyReady_.store(false, std::memory_order_release);
    const std::vector<uint8_t> frame = BuildFrame(code, payload);
    port_->Write(frame.data(), frame.size());
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
    return true;
}

void CZvSerialMaster::ReceiveLoop()
{
    while (running_.load(std::memory_order_acquire)) {
        if (!port_->BytesAvailable()) {
            port_->WaitForInput(kIdleWait);
            continue;
        }
        switch (receiver_.Feed(port_->ReadByte())) {
        case CFrameReceiver::Event::None: break;
        case CFrameReceiver::Event::FrameStart: replyReady_.store(false, std::memory_order_release); break;
        case CFrameReceiver::Event::Ack:
            ackState_.store(kAckReceived, std::memory_order_release);
            events_.Signal();
            break;
        case CFrameReceiver::Event::Nak:
            ackState_.store(kNakReceived, std::memory_order_release);
            events_.Signal();
            break;
        case CFrameReceiver::Event::Reject: port_->WriteByte(kNak); break;
        case CFrameReceiver::Event::Verified:
            if (OnFrameReceived()) {
                replyReady_.store(true, std::memory_order_release);
                events_.Signal();
            } else {
                port_->WriteByte(kNak);
            }
            receiver_.Reset();
            break;
        }
    }
}
