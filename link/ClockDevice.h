// The program's one connection to the clock. It opens the link, greets the
// clock, reads its identity, configuration and status into fields of its
// own, keeps polling the status every 100 ms and sends every change that a
// setter queues. It never reconnects by itself: once the connection has
// failed (state 128) it stays offline, and its owner replaces it.
//
// Thread rules:
// - User-interface thread: the getters, the setters and IsOnline, IsReady,
//   NoWritePending. None of them waits for the clock; getters and setters
//   wait at most 5000 ms for the lock, and only for the length of a copy.
// - Link thread: the state machine, every exchange with the clock, and the
//   identification read's messages. attemptsLeft is its own.
// - The serial master's receive thread (see ZvSerialMaster.h).
// - The observer is called on the link and receive threads, never with the
//   lock held.
// One lock (lock_) guards the records, the queued writes and the write
// outcomes; it is never held while waiting for the clock or writing to the
// port, and never taken twice. ready, online, running, writePending, state
// and the identification results are atomics, read without the lock;
// writePending is written only under the lock, together with the queue it
// sums up. The link's waits are deadlines on a grid of 10 ms ticks (the
// clock's protocol counts its waits in ticks), the link thread's own; no
// thread wakes per tick, and every wait of the link thread ends at its
// deadline or when woken. Idle,
// it sleeps on wake_ until the next poll falls due; the setters wake it
// sooner, so it reacts at once. A wait for the clock sleeps until its
// deadline on the master's event count; a failed or inert object sleeps
// until shutdown. The destructor wakes every one of these waits.
// lastFailure is an atomic, written by the link thread where it gives up on
// an exchange and read by any thread.
// The time readings (GetTimeHistory) and the report of a timed time write
// (GetTimedWrite) are under the lock as well; the receive thread's arrival
// time of each reply comes with the reply from the master.
// The write outcomes are kept by a CWriteLedger (WriteLedger.h) and the
// timed time write by a CTimedWrite (TimedWrite.h), both called under the
// lock only; when a poll still fits before a timed write is decided by a
// CTimedWriteScheduler, the link thread's own. None of them knows this class.
#pragma once

#include "ClockRecords.h"
#include "EventCount.h"
#include "LinkFailure.h"
#include "LinkObserver.h"
#include "LinkTiming.h"
#include "SerialPort.h"
#include "TimedWrite.h"
#include "WriteLedger.h"
#include "WriteOutcome.h"
#include "ZvSerialMaster.h"

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

// A message of the identification read, waiting for the user. The link
// thread waits until Dismiss is called or the connection is shut down.
class CLinkMessage {
public:
    CLinkMessage(std::string text, std::string caption) : text_(std::move(text)), caption_(std::move(caption)) { }
    const std::string& Text() const { return text_; }
    const std::string& Caption() const { return caption_; }

    // The user closed the message (any thread).
    void Dismiss();
    bool IsDismissed() const;
    // The connection is shutting down; nobody waits for the user any more.
    void Cancel();
    bool IsCancelled() const;
    // Waits until dismissed or cancelled.
    void Wait();

private:
    const std::string text_;
    const std::string caption_;
    mutable std::mutex mutex_;
    std::condition_variable cv_;
    bool dismissed_ = false;
    bool cancelled_ = false;
};

// Shows a message on behalf of the link thread. Must not block: it arranges
// for the message to be shown and for CLinkMessage::Dismiss to be called when
// the user closes it. The link thread waits meanwhile.
using LinkMessageHandler = std::function<void(std::shared_ptr<CLinkMessage>)>;

inline constexpr const char* kCommunicationErrorCaption = KEROVANT_TRANSLATE_NOOP("Kerovant", "Communication Error");

// What the configuration reads found wrong with the record as the clock
// sent it (FindConfigProblems). `confirmed`: the two latest reads brought
// the same record, so it is what the clock holds and not a reply damaged
// on its way. `reads` counts the configuration reads of this object, so a
// caller can tell a new finding from one it has seen.
struct ConfigCheck {
    std::vector<ConfigProblem> problems;
    bool confirmed = false;
    uint32_t reads = 0;
};

// How a device object runs its link; the defaults are the program's.
struct LinkOptions {
    // A poll read (or the read-back of a configuration) whose answer failed
    // is sent once more, after its wait from the first send has run out,
    // before the link gives up. Off only to measure what it brings.
    bool retryFailedReads = true;
};

// The connection's states; their values are what GetState, the trace and
// the state events (LinkEvent::code) show.
enum class LinkState : uint8_t {
    Start = 0,
    Idle = 3,
    Hello = 8,
    Identify = 10,
    Poll = 12,
    Write = 13,
    Failed = 128,
};

constexpr uint8_t LinkStateCode(LinkState state)
{
    return static_cast<uint8_t>(state);
}

// "idle", "poll", ...; "unknown" for a value that is no state.
const char* LinkStateName(LinkState state);

class CClockDevice {
public:
    // Opens the USB port the settings name. Without a message handler the
    // identification read's messages go to standard error and the link goes
    // on at once. The observer, if any, hears every frame and every event
    // of this link (see LinkObserver.h) for the object's whole life.
    explicit CClockDevice(const LinkSettings& settings, LinkMessageHandler handler = {},
                          std::shared_ptr<ILinkObserver> observer = {}, LinkOptions options = {});
    // Runs over another byte source, already open: a test's fake port or a
    // simulated clock in the same process. A null port gives an inert
    // object, offline for good.
    explicit CClockDevice(std::unique_ptr<ISerialPort> port, LinkMessageHandler handler = {},
                          std::shared_ptr<ILinkObserver> observer = {}, LinkOptions options = {});
    ~CClockDevice();
    CClockDevice(const CClockDevice&) = delete;
    CClockDevice& operator=(const CClockDevice&) = delete;

    bool IsOnline() const { return online_.load(std::memory_order_acquire); }
    bool IsReady() const { return ready_.load(std::memory_order_acquire); }
    bool NoWritePending() const { return !writePending_.load(std::memory_order_acquire); }

    void GetFirmwareVersion(FirmwareVersion& version) const;
    uint32_t GetSerialNumber() const;
    uint16_t GetFamilyId() const;
    void GetClockTimes(ClockTime& utc, ClockTime& local) const;
    // The configuration as the clock sent it: a read never mends it, and
    // never writes. What is wrong with it, if anything: GetConfigCheck.
    void GetConfig(ClockConfig& config) const;
    ConfigCheck GetConfigCheck() const;
    void GetDisplayConfig(DisplayConfig& display) const;
    void GetTimeCodeStatus(TimeCodeStatus& status) const;
    uint8_t GetIllumination() const;

    bool SetClockTime(const ClockTime& time);
    bool SetConfig(const ClockConfig& config);
    bool SetDisplayConfig(const DisplayConfig& display);
    // The same, with a ticket for GetWriteOutcome; its id is 0 when the
    // setter returns false.
    bool SetClockTime(const ClockTime& time, WriteTicket& ticket);
    bool SetConfig(const ClockConfig& config, WriteTicket& ticket);
    bool SetDisplayConfig(const DisplayConfig& display, WriteTicket& ticket);
    // What became of a write; Pending while undecided. Every write is
    // decided within the link's own waits (the ACK's 100 ms, and for a
    // configuration the read-back's 400 ms), after the poll or write pass
    // already under way, or at once when the link fails or the object shuts
    // down. A ticket this object did not issue (or one so old that it has
    // been forgotten) gives LinkLost.
    WriteOutcome GetWriteOutcome(const WriteTicket& ticket) const;
    // Whether the clock acknowledged the configuration write with this
    // ticket, whatever became of its read-back: a write whose link failed
    // between the ACK and the read-back (LinkLost) is on the clock all the
    // same, only not yet seen there. expected: what the clock holds after
    // it, as a read shows it (ConfigShowsWrite). Only the latest
    // acknowledged configuration write is kept.
    bool GetAcknowledgedConfig(const WriteTicket& ticket, ClockConfig& expected) const;

    // Queues a time write whose frame is to start at frameStart: the link
    // goes on polling while a poll can end before then, holds off one that
    // would not, and sends the frame at the instant without waiting for an
    // idle check. A frame that cannot start by frameStart + lateLimit is not
    // sent at all (Missed), since the time it carries would be wrong by the
    // delay. Other queued writes keep their order behind it. Returns the
    // write's ticket for GetTimedWrite, or 0 when refused (no set flag, or
    // the lock not had). A later SetClockTime or SetClockTimeAt replaces a
    // timed write that has not gone out.
    uint32_t SetClockTimeAt(const ClockTime& time, std::chrono::steady_clock::time_point frameStart,
                            std::chrono::nanoseconds lateLimit);
    // What became of the timed write with this ticket; false when it is not
    // the latest one.
    bool GetTimedWrite(uint32_t ticket, TimedWrite& report) const;

    // The clock's latest time readings with the moments they arrived, since
    // the object started or the clock's time was last set.
    static constexpr size_t kTimeHistoryLimit = 128;
    void GetTimeHistory(ClockTimeHistory& history) const;

    // Status polls completed since the object started.
    uint32_t GetPollCount() const { return polls_.load(std::memory_order_acquire); }
    // Connection state, for tests and diagnostics.
    LinkState GetState() const { return state_.load(std::memory_order_acquire); }
    // Why the port is silent, if it is: the reason the port recorded and the
    // device it chose.
    PortState GetPortState() const;
    // The system's errno from the port's failed open, else 0.
    int GetPortOpenError() const;
    std::string GetDevicePath() const;
    // What opening the port did about the driver's low latency (see
    // LowLatency in SerialPort.h).
    LowLatencyReport GetLowLatency() const;
    // What the exchange that failed last ran into; once the object has
    // failed, what made it give up. None until an exchange fails; a later
    // success does not clear it, so read it while the object is offline.
    LinkFailure GetLastFailure() const { return lastFailure_.load(std::memory_order_acquire); }

    // The owner has heard that this object's port went away (its device
    // node or link is gone): the link gives up at once instead of waiting
    // for its next exchange to fail. Any thread.
    void PortVanished();

    // What this object's identification read found: the row of g_products
    // the family ID matched (kNoProduct until then, and for good when the
    // family matches no row), and the protocol version of the firmware (0
    // until the firmware version has been read, then 1 or 2). Unlike
    // g_productIndex and g_protocolVersion, which the latest identification
    // of any object sets, these belong to this object alone.
    uint8_t GetProductIndex() const { return productIndex_.load(std::memory_order_acquire); }
    uint8_t GetProtocolVersion() const { return protocolVersion_.load(std::memory_order_acquire); }

private:
    using Lock = std::unique_lock<std::timed_mutex>;
    Lock Acquire() const;

    // Starts the link over the master; the constructors' common part.
    void Start(std::unique_ptr<CZvSerialMaster> master);
    // Link events of this object; only called when there is an observer.
    void Notify(LinkEvent::Kind kind, uint8_t code, std::string text) const;
    void NotifyPortChange();

    using TimePoint = std::chrono::steady_clock::time_point;

    void LinkThread();
    // One step of the state machine: the state's own step below.
    void LinkStep();
    void StartStep();
    void HelloStep();
    void IdentifyStep();
    void IdleStep();
    void PollStep();
    void WriteStep();
    void FailedStep();
    void SetState(LinkState state);
    // The port has hung up, or the owner said it vanished: no answer can
    // come any more.
    bool PortLost() const;
    // Takes one try of the current state; when none is left, the link has
    // failed (false).
    bool TakeAttemptOrFail();
    // Sleeps until the object shuts down.
    void WaitForShutdown();
    // Waits for the clock's answer to the command just sent; true when the
    // condition holds at the end.
    bool WaitFor(uint8_t code, int ticks, bool (CZvSerialMaster::*condition)() const);
    bool WaitForAck(uint8_t code, int ticks);
    bool WaitForReply(uint8_t code, int ticks);
    // Records why a read failed (None: the wait that ran out has recorded
    // it already) and tells the observer; returns false.
    bool ReadFailed(uint8_t code, std::string why, LinkFailure kind);
    // What the answer the link waited for in vain ran into.
    LinkFailure MissedAnswer(bool ackWait) const;
    // Sleeps on the link thread until the deadline; returns early when
    // woken (a write was queued, shutdown) since the wake count was seen.
    void IdleWait(uint64_t seen, std::chrono::steady_clock::time_point deadline);
    // The deadline this many ticks after the latest tick boundary: a wait
    // of n ticks ends on the n-th boundary from now. Link thread only.
    TimePoint TicksFromNow(int ticks);

    // One write of each kind can be queued: the record the next write of
    // that kind sends, whether it is queued and not yet sent (timePending,
    // configPending, displayPending), and a count of the requests accepted,
    // so a write can tell whether a newer request arrived while it sent.
    // ticket is the id of the queued request while it waits (0 for one the
    // link queued itself, and once it is being sent).
    template <class Record> struct PendingWrite {
        Record record{};
        bool pending = false;
        uint32_t generation = 0;
        uint32_t ticket = 0;
    };
    // Under the lock: queues a request, replacing one still unsent, whose
    // outcome is then Replaced.
    template <class Record> void QueueLocked(PendingWrite<Record>& write, const Record& record, uint32_t ticket);
    // After a write that went out: the outcome its wait for the ACK gives.
    WriteOutcome AckOutcome(bool acknowledged) const;
    // Under the lock: writePending := some write is queued and unsent.
    void UpdateWritePendingLocked();

    bool TakeAttempt();
    // The hellos left, on a port that is not open: their time, without them.
    void WaitOutHellos();
    bool Hello();
    // A read; for the configuration (0x60) readBack, when given, gets what
    // the clock sent. No read queues a write: a configuration out of range
    // is kept as it came and reported (GetConfigCheck).
    bool Read(uint8_t code, ClockConfig* readBack = nullptr);
    // A read of the poll or a read-back: one that failed is sent once more
    // (LinkOptions), once the wait from its first send has run out.
    bool ReadRetrying(uint8_t code, ClockConfig* readBack = nullptr);
    // Waits until the last read's wait, counted from its send, has run out.
    void WaitOutRead(uint8_t code);
    bool DecodeReply(uint8_t code, const std::string& payload);
    bool ReadAll();
    bool Poll();
    bool WritePass();
    // Sends the queued record, if any, and waits for the ACK. True when
    // nothing was queued or the clock acknowledged.
    template <class Record, class Encode>
    bool SendQueued(uint8_t code, PendingWrite<Record>& write, Record& cached, Encode encode);
    // After a configuration write the clock acknowledged: reads the
    // configuration back and decides the write's outcome by it. False when
    // the read failed.
    bool ConfirmConfig();

    // The timed time write. Under the lock: the instant the queued time
    // write is to start, TimePoint::max() when none is queued or it is not
    // timed.
    TimePoint TimedStartLocked() const;
    // An idle step while the only queued write waits for its instant: polls
    // that end before it, else a wait. False when the usual idle step is to
    // run instead.
    bool IdleBeforeTimedWrite(uint64_t seen);
    // The time write of the write pass: at its instant when it is timed.
    bool SendQueuedTime();
    // At the timed write's instant: sends its frame (payload) and waits for
    // the ACK, unless it would start too late (Missed, nothing sent). The
    // write pass's result; nullopt when a newer request took its place
    // meanwhile, to be looked at again.
    std::optional<bool> SendTimedAtInstant(const ClockTime& record, uint32_t generation, const std::string& payload);
    // After a time read: keeps the reading with its arrival time.
    void RecordTimeSample(size_t payloadChars, const FrameArrival& arrival);
    void ShowMessage(const char* text);

    std::atomic<bool> ready_{false};
    std::atomic<bool> online_{false};
    std::atomic<bool> running_{false};
    std::atomic<bool> writePending_{false};
    std::atomic<bool> portVanished_{false};
    std::atomic<uint32_t> polls_{0};
    std::atomic<uint8_t> productIndex_{kNoProduct};
    std::atomic<uint8_t> protocolVersion_{0};
    std::atomic<LinkFailure> lastFailure_{LinkFailure::None};

    std::thread linkThread_;
    mutable std::timed_mutex lock_;

    uint8_t attemptsLeft_ = 0;  // link thread only
    std::atomic<LinkState> state_{LinkState::Start};
    // When the next poll is due. Link thread only.
    TimePoint pollDue_{};

    uint16_t familyId_ = 0;
    uint16_t cpuType_ = 0;
    FirmwareVersion firmware_;
    DisplayHardwareConfig displayHardware_;
    uint32_t serialNumber_ = 0;
    uint32_t auxCounter_ = 0;
    ClockTime utcTime_;
    ClockTime localTime_;
    ClockConfig configShadow_;
    // The latest configuration read's findings, and the record it compared
    // with (the read before). Under the lock.
    ConfigCheck configCheck_;
    ClockConfig previousConfigRead_;
    DisplayConfig displayShadow_;
    AuxStatus auxStatus_;
    TimeCodeStatus timeCodeStatus_;
    PendingWrite<ClockTime> pendingTime_;
    PendingWrite<ClockConfig> pendingConfig_;
    PendingWrite<DisplayConfig> pendingDisplay_;
    // The latest timed write and its report. Under the lock.
    CTimedWrite timedWrite_;
    // When a poll still fits before a timed write. Link thread only.
    CTimedWriteScheduler timedScheduler_;
    std::deque<ClockTimeSample> timeSamples_;
    // The outcomes of the writes, and the configuration write acknowledged
    // last with its read-back. Under the lock.
    CWriteLedger ledger_;
    bool fractionSeen_ = false;
    uint32_t timeReads_ = 0;

    std::unique_ptr<CZvSerialMaster> master_;
    const std::shared_ptr<ILinkObserver> observer_;
    const LinkOptions options_;
    // The latest read: when its command went out, and why it failed.
    // Link thread only.
    std::chrono::steady_clock::time_point readSentAt_{};
    std::string readFailure_;
    PortState reportedPortState_ = PortState::NotOpened;  // link thread only

    LinkMessageHandler messageHandler_;
    std::mutex messageMutex_;
    std::shared_ptr<CLinkMessage> currentMessage_;

    // Bumped by every event the idle link thread acts on.
    CEventCount wake_;

    // The tick grid: ticks fall every 10 ms from tickBase_ on. Link thread
    // only, after Start.
    TimePoint tickBase_;
};
