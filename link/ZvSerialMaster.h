// The framing layer over the clock's byte stream: the master side of a
// strict request/answer link. It frames and sends one command at a time; a
// receive thread of its own turns incoming bytes into acknowledgement events
// and decoded reply frames. It keeps no queue: the last reply and the last
// acknowledgement state are all it holds.
//
// Thread rules:
// - The receive thread reads the port, sets the acknowledgement state and
//   the reply, and writes NAK bytes to the port.
// - One other thread (the clock device's link thread) calls SendCommand and
//   the reply accessors; only it sends, so one command is outstanding at a
//   time. The port serialises the two writers.
// - started, running, ackState, replyReady and frameRejected are atomics. The reply fields
//   are written before replyReady is set (release) and read after it has
//   been seen set (acquire); a small mutex around them keeps a frame that
//   arrives while the reply is copied out from tearing it.
// - WaitForEvent lets the link thread block until the receive thread records
//   an acknowledgement or a reply, instead of sleeping in a loop. The
//   receive thread itself waits on the port without a timeout when the port
//   can be interrupted; Stop interrupts it.
// - The observer, fixed at construction, hears of each frame and answer
//   before the link thread can act on it (see LinkObserver.h).
#pragma once

#include "ClockRecords.h"
#include "EventCount.h"
#include "Frame.h"
#include "LinkObserver.h"
#include "SerialPort.h"

#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

// When a frame was complete: the receive thread's clocks at the moment it
// read the frame's last byte (ETX).
struct FrameArrival {
    std::chrono::steady_clock::time_point steady{};
    std::chrono::system_clock::time_point utc{};
};

class CZvSerialMaster {
public:
    enum AckState : uint8_t {
        kAckNone = 0,
        kAckReceived = 1,
        kNakReceived = 2,
        kAckWaiting = 16,
    };

    // Opens the USB port described by the settings and starts the receive
    // thread.
    explicit CZvSerialMaster(const LinkSettings& settings, std::shared_ptr<ILinkObserver> observer = {});
    // Runs over another byte source, already open. Without one (null) the
    // master stays inert: no receive thread, IsStarted false.
    explicit CZvSerialMaster(std::unique_ptr<ISerialPort> port, std::shared_ptr<ILinkObserver> observer = {});
    virtual ~CZvSerialMaster();
    CZvSerialMaster(const CZvSerialMaster&) = delete;
    CZvSerialMaster& operator=(const CZvSerialMaster&) = delete;

    void SendCommand(uint8_t code, std::string_view payload = {});

    // Ends the receive thread: the port's wait is interrupted (or, on a port
    // that cannot be, the thread looks at running every read timeout, 10 ms),
    // so this returns promptly. A subclass that overrides OnFrameReceived
    // calls it in its own destructor.
    void Stop();

    bool IsStarted() const { return started_.load(std::memory_order_acquire); }
    bool IsReplyReady() const { return replyReady_.load(std::memory_order_acquire); }
    bool IsAcknowledged() const { return ackState_.load(std::memory_order_acquire) == kAckReceived; }
    uint8_t AckStateValue() const { return ackState_.load(std::memory_order_acquire); }
    // A frame from the clock was given up (it failed its checks, or a new
    // frame cut it off) since the last command was sent: what a wait for
    // the answer that ran out saw.
    bool FrameRejectedSinceSend() const { return frameRejected_.load(std::memory_order_acquire); }

    uint8_t TakeReplyCommand();
    size_t GetReplyLength() const;
    // Copies the payload with its terminating zero (cut to fit) and returns
    // the reply's code.
    uint8_t CopyReplyPayload(char* destination, size_t size) const;
    // The reply's code and payload taken in one step; clears replyReady.
    // False when no reply is ready.
    bool TakeReply(uint8_t& code, std::string& payload);
    // The same, with the moment the reply's last byte was read.
    bool TakeReply(uint8_t& code, std::string& payload, FrameArrival& arrival);

    // Waits until the frames sent so far have left the port, or the deadline
    // passes; true when they have.
    bool WaitUntilSent(std::chrono::steady_clock::time_point deadline);

    // Events counted so far; pass to WaitForEvent to wait for the next one.
    uint64_t EventCount() const;
    // Blocks until an acknowledgement, a NAK or a reply arrives after the
    // given count was read, or the timeout passes. True when one arrived.
    bool WaitForEvent(uint64_t seen, std::chrono::microseconds timeout) const;
    // Ends every WaitForEvent under way as an event would, though none
    // arrived: for a waiter that is shutting down and looks at its own flag.
    void WakeWaiters();

    // The port, for the user interface's explanation of a silent link.
    const ISerialPort* Port() const { return port_.get(); }

protected:
    // Called by the receive thread for every frame that passed the checks.
    // The default takes it as the reply. Returns true when accepted; a
    // rejected frame is answered with NAK.
    virtual bool OnFrameReceived();

    const CFrameReceiver& Receiver() const { return receiver_; }

private:
    void Start();
    void ReceiveLoop();
    // Acts on what a byte from the clock completed: an acknowledgement, a
    // frame or a fault. broken holds the bytes of a frame an STX cut short
    // (for the observer).
    void HandleReceiverEvent(CFrameReceiver::Event event, bool restarted, std::vector<uint8_t> broken);
    // Answers the frame just received with NAK, telling the observer why.
    void AnswerNak(const char* why);
    void Notify(LinkEvent::Kind kind, LinkEvent::Direction direction, uint8_t code, std::vector<uint8_t> bytes,
                std::string text = {}) const;

    std::unique_ptr<ISerialPort> port_;
    const std::shared_ptr<ILinkObserver> observer_;
    std::atomic<bool> started_{false};
    std::atomic<bool> replyReady_{false};
    std::atomic<bool> running_{false};
    std::thread receiveThread_;
    CFrameReceiver receiver_;
    std::atomic<uint8_t> ackState_{kAckNone};
    std::atomic<bool> frameRejected_{false};

    mutable std::mutex replyMutex_;
    uint8_t replyCommand_ = 0;
    std::string replyPayload_;
    FrameArrival replyArrival_;
    // The frame the receive thread is about to hand over; its own.
    FrameArrival frameArrival_;

    CEventCount events_;
};
