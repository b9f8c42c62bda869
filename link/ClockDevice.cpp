#include "ClockDevice.h"

#include "ClockCodec.h"
#include "ThreadSanitizerHints.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <type_traits>

namespace {

using namespace std::chrono_literals;

constexpr auto kLockWait = 5000ms;
constexpr auto kTick = 10ms;
// A failed link with an observer looks at its port this often.
constexpr auto kFailedWait = 50ms;

constexpr int kHelloAttempts = 25;    // 24 hellos
constexpr int kIdentifyAttempts = 5;  // 4 identification runs
constexpr int kExchangeAttempts = 10;
constexpr int kFailedAttempts = 3;
constexpr uint16_t kPollTicks = 10;  // a poll every 100 ms
constexpr int kAckTicks = 10;

// How long the port may take to pass a frame on once it has it.
constexpr auto kSendLimit = 100ms;

constexpr uint8_t kPollOrder[] = {kCmdCurrentTime, kCmdDisplayHardware, kCmdAuxStatus, kCmdTimeCodeStatus,
                                  kCmdAuxCounter};

struct IdentifyRead {
    uint8_t code;
    const char* failure;  // message shown when the step fails; none for the last two
};

constexpr IdentifyRead kIdentifySteps[] = {
    {kCmdFamilyId, KEROVANT_TRANSLATE_NOOP("Kerovant", "Failed reading Family ID")},
    {kCmdCpuType, KEROVANT_TRANSLATE_NOOP("Kerovant", "Failed reading CPU type")},
    {kCmdFirmware, KEROVANT_TRANSLATE_NOOP("Kerovant", "Failed reading firmware version")},
    {kCmdSerialNumber, KEROVANT_TRANSLATE_NOOP("Kerovant", "Failed reading Serial Number")},
    {kCmdCurrentTime, KEROVANT_TRANSLATE_NOOP("Kerovant", "Failed reading current time")},
    {kCmdReadConfig, KEROVANT_TRANSLATE_NOOP("Kerovant", "Failed reading clock configuration")},
    {kCmdDisplayHardware, KEROVANT_TRANSLATE_NOOP("Kerovant", "Failed reading display hardware configuration")},
    {kCmdReadDisplay, KEROVANT_TRANSLATE_NOOP("Kerovant", "Failed reading display configuration")},
    {kCmdAuxStatus, nullptr},
    {kCmdAuxCounter, nullptr},
};

// What a read that ran out of time met, for the trace of its retry.
const char* FailureWords(LinkFailure failure)
{
    switch (failure) {
    case LinkFailure::Damaged: return "damaged reply";
    case LinkFailure::Nak: return "NAK";
    case LinkFailure::Ack: return "ACK instead of a reply";
    default: return "no reply";
    }
}

}  // namespace

void CLinkMessage::Dismiss()
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        dismissed_ = true;
    }
    cv_.notify_all();
}

bool CLinkMessage::IsDismissed() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return dismissed_;
}

void CLinkMessage::Cancel()
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        cancelled_ = true;
    }
    cv_.notify_all();
}

bool CLinkMessage::IsCancelled() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return cancelled_;
}

void CLinkMessage::Wait()
{
    std::unique_lock<std::mutex> lock(mutex_);
    cv_.wait(lock, [this] { return dismissed_ || cancelled_; });
}

CClockDevice::CClockDevice(const LinkSettings& settings, LinkMessageHandler handler,
                           std::shared_ptr<ILinkObserver> observer, LinkOptions options)
    : observer_(std::move(observer)), options_(options), messageHandler_(std::move(handler))
{
    Start(std::make_unique<CZvSerialMaster>(settings, observer_));
}

CClockDevice::CClockDevice(std::unique_ptr<ISerialPort> port, LinkMessageHandler handler,
                           std::shared_ptr<ILinkObserver> observer, LinkOptions options)
    : observer_(std::move(observer)), options_(options), messageHandler_(std::move(handler))
{
    Start(std::make_unique<CZvSerialMaster>(std::move(port), observer_));
}

void CClockDevice::Start(std::unique_ptr<CZvSerialMaster> master)
{
    master_ = std::move(master);
    std::this_thread::sleep_for(2ms);
    tickBase_ = std::chrono::steady_clock::now();
    state_.store(LinkState::Start, std::memory_order_release);
    running_.store(true, std::memory_order_release);
    try {
        linkThread_ = std::thread(&CClockDevice::LinkThread, this);
    } catch (const std::system_error&) {
        // Without its thread the object stays inert: IsOnline never turns
        // true, and the owner replaces it like any failed connection.
        running_.store(false, std::memory_order_release);
    }
}

CClockDevice::~CClockDevice()
{
    // Every wait of the link thread is woken and looks at running; a
    // message waiting for the user is cancelled. Threads are joined, never
    // killed.
    running_.store(false, std::memory_order_release);
    {
        std::lock_guard<std::mutex> lock(messageMutex_);
        if (currentMessage_)
            currentMessage_->Cancel();
    }
    wake_.Signal();
    if (master_)
        master_->WakeWaiters();
    if (linkThread_.joinable())
        linkThread_.join();
    // The last line of a trace: the port this link had open, closed now.
    const bool wasOpen =
        observer_ && master_ && (GetPortState() == PortState::Open || GetPortState() == PortState::Gone);
    const std::string path = wasOpen ? GetDevicePath() : std::string();
    master_.reset();
    if (wasOpen)
        Notify(LinkEvent::Kind::PortClosed, 0, path);
}

CClockDevice::Lock CClockDevice::Acquire() const
{
    Lock lock(lock_, std::defer_lock);
    (void)tsan_hints::TryLockFor(lock, kLockWait);
    return lock;
}

void CClockDevice::IdleWait(uint64_t seen, std::chrono::steady_clock::time_point deadline)
{
    wake_.WaitUntil(seen, deadline, [this] { return !running_.load(std::memory_order_acquire); });
}

// --- getters and setters (user-interface thread) ---

void CClockDevice::GetFirmwareVersion(FirmwareVersion& version) const
{
    if (Lock lock = Acquire())
        version = firmware_;
}

uint32_t CClockDevice::GetSerialNumber() const
{
    Lock lock = Acquire();
    return lock ? serialNumber_ : 0;
}

uint16_t CClockDevice::GetFamilyId() const
{
    Lock lock = Acquire();
    return lock ? familyId_ : 0;
}

void CClockDevice::GetClockTimes(ClockTime& utc, ClockTime& local) const
{
    if (Lock lock = Acquire()) {
        utc = utcTime_;
        local = localTime_;
    }
}

void CClockDevice::GetConfig(ClockConfig& config) const
{
    if (Lock lock = Acquire())
        config = configShadow_;
}

ConfigCheck CClockDevice::GetConfigCheck() const
{
    if (Lock lock = Acquire())
        return configCheck_;
    return {};
}

void CClockDevice::GetDisplayConfig(DisplayConfig& display) const
{
    if (Lock lock = Acquire())
        display = displayShadow_;
}

void CClockDevice::GetTimeCodeStatus(TimeCodeStatus& status) const
{
    if (Lock lock = Acquire())
        status = timeCodeStatus_;
}

uint8_t CClockDevice::GetIllumination() const
{
    Lock lock = Acquire();
    return lock ? configShadow_.illumination : 0;
}

template <class Record>
void CClockDevice::QueueLocked(PendingWrite<Record>& write, const Record& record, uint32_t ticket)
{
    if (write.pending && write.ticket != 0)
        ledger_.Decide(write.ticket, WriteOutcome::Replaced);
    write.record = record;
    write.pending = true;
    write.ticket = ticket;
    ++write.generation;
    writePending_.store(true, std::memory_order_release);
}

void CClockDevice::UpdateWritePendingLocked()
{
    writePending_.store(pendingTime_.pending || pendingConfig_.pending || pendingDisplay_.pending,
                        std::memory_order_release);
}

// --- write outcomes ---

WriteOutcome CClockDevice::GetWriteOutcome(const WriteTicket& ticket) const
{
    if (ticket.id == 0)
        return WriteOutcome::LinkLost;
    Lock lock = Acquire();
    if (!lock)
        return WriteOutcome::Pending;
    // A link that has failed, or is shutting down, sends nothing more.
    const bool linkDown =
        state_.load(std::memory_order_acquire) == LinkState::Failed || !running_.load(std::memory_order_acquire);
    return ledger_.Outcome(ticket, linkDown);
}

WriteOutcome CClockDevice::AckOutcome(bool acknowledged) const
{
    if (acknowledged)
        return WriteOutcome::Landed;
    // A wait cut short by shutdown: the clock may yet have answered.
    if (!running_.load(std::memory_order_acquire))
        return WriteOutcome::LinkLost;
    return master_->AckStateValue() == CZvSerialMaster::kNakReceived ? WriteOutcome::Refused : WriteOutcome::Unanswered;
}

// Every setter checks its request before it touches the queue, so a refused
// request never replaces an accepted one that is still waiting.

bool CClockDevice::SetClockTime(const ClockTime& time)
{
    WriteTicket ticket;
    return SetClockTime(time, ticket);
}

bool CClockDevice::SetConfig(const ClockConfig& config)
{
    WriteTicket ticket;
    return SetConfig(config, ticket);
}

bool CClockDevice::SetDisplayConfig(const DisplayConfig& display)
{
    WriteTicket ticket;
    return SetDisplayConfig(display, ticket);
}

bool CClockDevice::SetClockTime(const ClockTime& time, WriteTicket& ticket)
{
    ticket = WriteTicket{WriteKind::Time, 0};
    if (!time.set)
        return false;
    Lock lock = Acquire();
    if (!lock)
        return false;
    ticket.id = ledger_.Issue(WriteKind::Time);
    QueueLocked(pendingTime_, time, ticket.id);
    lock.unlock();
    wake_.Signal();
    return true;
}

bool CClockDevice::SetConfig(const ClockConfig& config, WriteTicket& ticket)
{
    ticket = WriteTicket{WriteKind::Config, 0};
    ClockConfig prepared = config;
    PrepareConfigForWrite(prepared);
    if (!prepared.valid)
        return false;
    Lock lock = Acquire();
    if (!lock)
        return false;
    ticket.id = ledger_.Issue(WriteKind::Config);
    QueueLocked(pendingConfig_, prepared, ticket.id);
    lock.unlock();
    wake_.Signal();
    return true;
}

bool CClockDevice::SetDisplayConfig(const DisplayConfig& display, WriteTicket& ticket)
{
    ticket = WriteTicket{WriteKind::Display, 0};
    if ((display.flag3 && !display.flag4) || display.mode > kDisplayModeMax)
        return false;
    Lock lock = Acquire();
    // The clock takes hand commands only while its hands are stopped.
    if (!lock || configShadow_.handMotion != kHandsStopped)
        return false;
    ticket.id = ledger_.Issue(WriteKind::Display);
    QueueLocked(pendingDisplay_, display, ticket.id);
    lock.unlock();
    wake_.Signal();
    return true;
}

uint32_t CClockDevice::SetClockTimeAt(const ClockTime& time, std::chrono::steady_clock::time_point frameStart,
                                      std::chrono::nanoseconds lateLimit)
{
    if (!time.set)
        return 0;
    Lock lock = Acquire();
    if (!lock)
        return 0;
    QueueLocked(pendingTime_, time, 0);
    const uint32_t ticket = timedWrite_.Queue(time, frameStart, lateLimit, pendingTime_.generation);
    lock.unlock();
    wake_.Signal();
    return ticket;
}

bool CClockDevice::GetTimedWrite(uint32_t ticket, TimedWrite& report) const
{
    Lock lock = Acquire();
    return lock &&
        timedWrite_.Report(ticket, pendingTime_.generation, state_.load(std::memory_order_acquire) == LinkState::Failed,
                           report);
}

void CClockDevice::GetTimeHistory(ClockTimeHistory& history) const
{
    Lock lock = Acquire();
    if (!lock)
        return;
    history.samples.assign(timeSamples_.begin(), timeSamples_.end());
    history.fractionSeen = fractionSeen_;
}

PortState CClockDevice::GetPortState() const
{
    const ISerialPort* port = master_->Port();
    return port ? port->State() : PortState::NotOpened;
}

int CClockDevice::GetPortOpenError() const
{
    const ISerialPort* port = master_->Port();
    return port ? port->OpenError() : 0;
}

std::string CClockDevice::GetDevicePath() const
{
    const ISerialPort* port = master_->Port();
    return port ? port->DevicePath() : std::string();
}

LowLatencyReport CClockDevice::GetLowLatency() const
{
    const ISerialPort* port = master_->Port();
    return port ? port->LowLatencyResult() : LowLatencyReport{};
}

// --- link events ---

const char* LinkStateName(LinkState state)
{
    switch (state) {
    case LinkState::Start: return "start";
    case LinkState::Idle: return "idle";
    case LinkState::Hello: return "hello";
    case LinkState::Identify: return "identification read";
    case LinkState::Poll: return "poll";
    case LinkState::Write: return "write pass";
    case LinkState::Failed: return "failed";
    }
    return "unknown";
}

void CClockDevice::Notify(LinkEvent::Kind kind, uint8_t code, std::string text) const
{
    LinkEvent event;
    event.kind = kind;
    event.time = std::chrono::steady_clock::now();
    event.code = code;
    event.text = std::move(text);
    observer_->OnLinkEvent(event);
}

void CClockDevice::NotifyPortChange()
{
    const PortState state = GetPortState();
    if (state == reportedPortState_)
        return;
    reportedPortState_ = state;
    Notify(LinkEvent::Kind::PortChanged, static_cast<uint8_t>(state), DescribePortState(state, GetDevicePath()));
    // Whether the bridge hands replies on at once: on real hardware, what
    // tells a user whether the offset shown can be trusted to a millisecond.
    // A port opens once, so this comes once.
    const LowLatencyReport latency = GetLowLatency();
    if (state == PortState::Open && latency.state != LowLatency::NotAsked)
        Notify(LinkEvent::Kind::PortLatency, static_cast<uint8_t>(latency.state), LowLatencyTraceText(latency));
}

// --- the tick grid ---

CClockDevice::TimePoint CClockDevice::TicksFromNow(int ticks)
{
    const auto passed = (std::chrono::steady_clock::now() - tickBase_) / kTick;
    if (passed > 0)
        tickBase_ += passed * kTick;
    return tickBase_ + ticks * kTick;
}

// --- link thread: the state machine ---

void CClockDevice::LinkThread()
{
    while (running_.load(std::memory_order_acquire))
        LinkStep();
}

void CClockDevice::SetState(LinkState state)
{
    // Whatever was queued or awaited will not go out or be confirmed now.
    if (state == LinkState::Failed) {
        if (Lock lock = Acquire())
            ledger_.FailPending();
    }
    // The failure that a shutdown makes of an exchange it cuts short is the
    // end of the link, which the destructor reports, not a fault.
    const bool shutdown = state == LinkState::Failed && !running_.load(std::memory_order_acquire);
    if (state_.exchange(state, std::memory_order_acq_rel) != state && observer_ && !shutdown)
        Notify(LinkEvent::Kind::StateChanged, LinkStateCode(state), LinkStateName(state));
}

namespace {
constexpr auto kHangUpGrace = std::chrono::milliseconds(20);
}  // namespace

void CClockDevice::PortVanished()
{
    portVanished_.store(true, std::memory_order_release);
    // Ends the idle wait and any wait for an answer; the step that follows
    // gives up.
    wake_.Signal();
    master_->WakeWaiters();
}

bool CClockDevice::PortLost() const
{
    return portVanished_.load(std::memory_order_acquire) || GetPortState() == PortState::Gone;
}

void CClockDevice::LinkStep()
{
    // The port changes on its own (a hang-up on the receive thread); it is
    // looked at once a step, which is often enough for a trace.
    if (observer_)
        NotifyPortChange();
    // A port that went away fails the link now: shown offline at once, not
    // after the next poll has waited out its answers.
    const LinkState state = state_.load(std::memory_order_acquire);
    if (state != LinkState::Start && state != LinkState::Failed && PortLost()) {
        // A pulled cable's name may go a moment before its descriptor hangs
        // up; the hang-up is what tells the user it was unplugged.
        if (GetPortState() == PortState::Open)
            master_->WaitForEvent(master_->EventCount(), kHangUpGrace);
        ready_.store(false, std::memory_order_release);
        online_.store(false, std::memory_order_release);
        SetState(LinkState::Failed);
        return;
    }
    switch (state_.load(std::memory_order_acquire)) {
    case LinkState::Start: StartStep(); return;
    case LinkState::Hello: HelloStep(); return;
    case LinkState::Identify: IdentifyStep(); return;
    case LinkState::Idle: IdleStep(); return;
    case LinkState::Poll: PollStep(); return;
    case LinkState::Write: WriteStep(); return;
    case LinkState::Failed: FailedStep(); return;
    }
    SetState(LinkState::Failed);
}

bool CClockDevice::TakeAttemptOrFail()
{
    if (TakeAttempt())
        return true;
    SetState(LinkState::Failed);
    return false;
}

void CClockDevice::WaitForShutdown()
{
    const uint64_t seen = wake_.Count();
    wake_.WaitUntil(seen, TimePoint::max(), [this] { return !running_.load(std::memory_order_acquire); });
}

void CClockDevice::StartStep()
{
    ready_.store(false, std::memory_order_release);
    online_.store(false, std::memory_order_release);
    attemptsLeft_ = kHelloAttempts;
    if (Lock lock = Acquire())
        UpdateWritePendingLocked();
    pollDue_ = TicksFromNow(kPollTicks);
    if (master_->IsStarted())
        SetState(LinkState::Hello);
    else
        WaitForShutdown();  // an inert object: nothing will change until shutdown
}

void CClockDevice::HelloStep()
{
    if (!TakeAttemptOrFail())
        return;
    if (GetPortState() != PortState::Open) {
        WaitOutHellos();
        return;
    }
    if (Hello()) {
        online_.store(true, std::memory_order_release);
        attemptsLeft_ = kIdentifyAttempts;
        SetState(LinkState::Identify);
    }
}

void CClockDevice::IdentifyStep()
{
    if (!TakeAttemptOrFail())
        return;
    if (ReadAll()) {
        ready_.store(true, std::memory_order_release);
        SetState(LinkState::Idle);
    }
}

void CClockDevice::IdleStep()
{
    // Taken before the checks, so a wake-up between them is not lost.
    const uint64_t seen = wake_.Count();
    ready_.store(true, std::memory_order_release);
    if (IdleBeforeTimedWrite(seen))
        return;
    if (writePending_.load(std::memory_order_acquire)) {
        attemptsLeft_ = kExchangeAttempts;
        // The poll follows the write pass at once.
        pollDue_ = TicksFromNow(1);
        SetState(LinkState::Write);
        return;
    }
    if (std::chrono::steady_clock::now() >= pollDue_) {
        pollDue_ = TicksFromNow(kPollTicks);
        attemptsLeft_ = kExchangeAttempts;
        SetState(LinkState::Poll);
    } else {
        IdleWait(seen, pollDue_);
    }
}

void CClockDevice::PollStep()
{
    if (!TakeAttemptOrFail())
        return;
    if (!Poll()) {
        SetState(LinkState::Failed);
        return;
    }
    polls_.fetch_add(1, std::memory_order_acq_rel);
    attemptsLeft_ = kExchangeAttempts;
    SetState(LinkState::Idle);
}

void CClockDevice::WriteStep()
{
    if (!TakeAttemptOrFail())
        return;
    if (!WritePass()) {
        SetState(LinkState::Failed);
        return;
    }
    attemptsLeft_ = kExchangeAttempts;
    SetState(LinkState::Idle);
}

void CClockDevice::FailedStep()
{
    ready_.store(false, std::memory_order_release);
    online_.store(false, std::memory_order_release);
    attemptsLeft_ = kFailedAttempts;
    // Nothing is left to do but to report a change of the port to the
    // observer, looked at once a step; a port that is not open any more
    // will not change again, and without an observer nobody asks.
    if (observer_ && GetPortState() == PortState::Open)
        IdleWait(wake_.Count(), std::chrono::steady_clock::now() + kFailedWait);
    else
        WaitForShutdown();
}

// --- link thread: exchanges ---

bool CClockDevice::WaitFor(uint8_t code, int ticks, bool (CZvSerialMaster::*condition)() const)
{
    // The wait ends on the tick grid, ticks boundaries from now; the thread
    // sleeps until then unless an answer (or shutdown) wakes it.
    const TimePoint deadline = TicksFromNow(ticks);
    for (;;) {
        const uint64_t seen = master_->EventCount();
        // Looked at after the count: the destructor clears running, then
        // wakes this wait; so does a port that goes away.
        if (!running_.load(std::memory_order_acquire) || (master_.get()->*condition)() || PortLost())
            break;
        const auto now = std::chrono::steady_clock::now();
        if (now >= deadline)
            break;
        master_->WaitForEvent(seen, std::chrono::ceil<std::chrono::microseconds>(deadline - now));
    }
    const bool met = (master_.get()->*condition)();
    const bool ack = condition == &CZvSerialMaster::IsAcknowledged;
    if (!met && running_.load(std::memory_order_acquire))
        lastFailure_.store(MissedAnswer(ack), std::memory_order_release);
    if (!met && observer_ && running_.load(std::memory_order_acquire)) {
        std::string what =
            (ack ? "no ACK within " : "no reply within ") + std::to_string(ticks * kTick.count()) + " ms";
        if (ack && master_->AckStateValue() == CZvSerialMaster::kNakReceived)
            what = "NAK; " + what;
        Notify(LinkEvent::Kind::WaitExpired, code, std::move(what));
    }
    return met;
}

LinkFailure CClockDevice::MissedAnswer(bool ackWait) const
{
    // A damaged frame is what the clock meant as its answer, so it counts
    // before a NAK or ACK that came with it.
    if (master_->FrameRejectedSinceSend())
        return LinkFailure::Damaged;
    const uint8_t ackState = master_->AckStateValue();
    if (ackState == CZvSerialMaster::kNakReceived)
        return LinkFailure::Nak;
    if (!ackWait && ackState == CZvSerialMaster::kAckReceived)
        return LinkFailure::Ack;
    return LinkFailure::NoAnswer;
}

bool CClockDevice::WaitForAck(uint8_t code, int ticks)
{
    return WaitFor(code, ticks, &CZvSerialMaster::IsAcknowledged);
}

bool CClockDevice::WaitForReply(uint8_t code, int ticks)
{
    return WaitFor(code, ticks, &CZvSerialMaster::IsReplyReady);
}

// Counts one try of the current state; false when none is left. Never
// wraps below zero, whatever state the counter was left in.
bool CClockDevice::TakeAttempt()
{
    if (attemptsLeft_ > 0)
        --attemptsLeft_;
    return attemptsLeft_ > 0;
}

void CClockDevice::WaitOutHellos()
{
    // The hellos left would go nowhere and each would wait out its ACK time:
    // the link waits that time in one sleep instead of waking for each, and
    // fails when it would have.
    const auto wait = attemptsLeft_ * kAckTicks * kTick;
    const auto until = std::chrono::steady_clock::now() + wait;
    while (running_.load(std::memory_order_acquire) && std::chrono::steady_clock::now() < until)
        IdleWait(wake_.Count(), until);
    if (observer_ && running_.load(std::memory_order_acquire))
        Notify(LinkEvent::Kind::WaitExpired, kCmdHello,
               "no ACK within " + std::to_string(wait.count()) + " ms: the port is not open");
    attemptsLeft_ = 1;
}

bool CClockDevice::Hello()
{
    master_->SendCommand(kCmdHello);
    return WaitForAck(kCmdHello, kAckTicks);
}

bool CClockDevice::ReadFailed(uint8_t code, std::string why, LinkFailure kind)
{
    if (kind != LinkFailure::None)
        lastFailure_.store(kind, std::memory_order_release);
    readFailure_ = kind == LinkFailure::None ? FailureWords(lastFailure_.load(std::memory_order_acquire)) : why;
    if (observer_)
        Notify(LinkEvent::Kind::ReadFailed, code, std::move(why));
    return false;
}

bool CClockDevice::ReadRetrying(uint8_t code, ClockConfig* readBack)
{
    if (Read(code, readBack))
        return true;
    if (!options_.retryFailedReads || !running_.load(std::memory_order_acquire) || PortLost())
        return false;
    // The command goes again once the failed read's wait has run out.
    WaitOutRead(code);
    if (!running_.load(std::memory_order_acquire))
        return false;
    if (observer_)
        Notify(LinkEvent::Kind::ReadRetried, code, "sent once more after: " + readFailure_);
    return Read(code, readBack);
}

void CClockDevice::WaitOutRead(uint8_t code)
{
    // Whatever is left of a failed answer arrives within the read's own
    // wait; the next command's send discards it.
    const auto deadline = readSentAt_ + ReadWaitTicks(code) * kTick;
    while (running_.load(std::memory_order_acquire) && std::chrono::steady_clock::now() < deadline)
        IdleWait(wake_.Count(), deadline);
}

bool CClockDevice::Read(uint8_t code, ClockConfig* readBack)
{
    readSentAt_ = std::chrono::steady_clock::now();
    master_->SendCommand(code);
    if (!WaitForReply(code, ReadWaitTicks(code))) {
        // Woken by the shutdown, not run out: nothing failed.
        if (!running_.load(std::memory_order_acquire))
            return false;
        return ReadFailed(code, "timeout", LinkFailure::None);
    }
    uint8_t replyCode = 0;
    std::string payload;
    FrameArrival arrival;
    // A frame that started after the reply took it back: the reply was cut
    // off.
    if (!master_->TakeReply(replyCode, payload, arrival))
        return ReadFailed(code, "timeout", LinkFailure::Damaged);
    if (replyCode != code) {
        char why[32];
        std::snprintf(why, sizeof why, "wrong code %02X", replyCode);
        return ReadFailed(code, why, LinkFailure::WrongReply);
    }
    const size_t expected = ReplyLength(code, protocolVersion_.load(std::memory_order_acquire));
    if (payload.size() != expected) {
        return ReadFailed(
            code, "wrong length " + std::to_string(payload.size()) + ", " + std::to_string(expected) + " expected",
            LinkFailure::WrongLength);
    }
    if (!DecodeReply(code, payload))
        return ReadFailed(code, "not decoded", LinkFailure::Unreadable);
    if (code == kCmdCurrentTime)
        RecordTimeSample(payload.size(), arrival);
    if (code == kCmdReadConfig) {
        Lock lock = Acquire();
        if (!lock)
            return true;
        if (readBack)
            *readBack = configShadow_;
        // Kept as it came: a monitor that reads must not write, and a reply
        // damaged in a way the checksum missed must not become a write. What
        // is out of range is told; whoever may write decides.
        configCheck_.problems = FindConfigProblems(configShadow_);
        configCheck_.confirmed = configCheck_.reads > 0 && previousConfigRead_ == configShadow_;
        ++configCheck_.reads;
        previousConfigRead_ = configShadow_;
    }
    return true;
}

bool CClockDevice::DecodeReply(uint8_t code, const std::string& payload)
{
    Lock lock = Acquire();
    if (!lock)
        return false;
    switch (code) {
    case kCmdFamilyId: return DecodeU16(payload, familyId_);
    case kCmdCpuType: return DecodeU16(payload, cpuType_);
    case kCmdFirmware: return DecodeFirmware(payload, firmware_);
    case kCmdSerialNumber: return DecodeU32(payload, serialNumber_);
    case kCmdAuxCounter: return DecodeU32(payload, auxCounter_);
    case kCmdCurrentTime: return DecodeCurrentTime(payload, utcTime_, localTime_);
    case kCmdReadConfig: return DecodeConfig(payload, protocolVersion_.load(std::memory_order_acquire), configShadow_);
    case kCmdDisplayHardware: return DecodeDisplayHardware(payload, displayHardware_);
    case kCmdReadDisplay: return DecodeDisplayConfig(payload, displayShadow_);
    case kCmdAuxStatus: return DecodeAuxStatus(payload, auxStatus_);
    case kCmdTimeCodeStatus: return DecodeTimeCodeStatus(payload, timeCodeStatus_);
    default: return false;
    }
}

bool CClockDevice::ReadAll()
{
    for (const IdentifyRead& step : kIdentifySteps) {
        if (!Read(step.code)) {
            // A late answer of another command failed this read early; this
            // command's own answer is still to come and must not be taken
            // for the next run's first read.
            WaitOutRead(step.code);
            if (step.failure)
                ShowMessage(step.failure);
            return false;
        }
        if (step.code == kCmdReadConfig && !GetConfigCheck().problems.empty() && !Read(step.code)) {
            // A record out of range is read once more: two equal reads say
            // the clock holds it, two different ones that a reply was
            // damaged.
            WaitOutRead(step.code);
            ShowMessage(step.failure);
            return false;
        }
        if (step.code == kCmdFamilyId) {
            // A family that matches no row leaves the program's product as
            // it was, but this object's stays unknown.
            const int row = FindProduct(GetFamilyId());
            if (row >= 0) {
                productIndex_.store(static_cast<uint8_t>(row), std::memory_order_release);
                g_productIndex.store(static_cast<uint8_t>(row));
            }
        } else if (step.code == kCmdFirmware) {
            FirmwareVersion version;
            GetFirmwareVersion(version);
            const uint8_t protocol = ProtocolVersionFor(version);
            protocolVersion_.store(protocol, std::memory_order_release);
            g_protocolVersion.store(protocol);
        }
    }
    return true;
}

bool CClockDevice::Poll()
{
    const auto started = std::chrono::steady_clock::now();
    for (uint8_t code : kPollOrder) {
        if (!ReadRetrying(code))
            return false;
    }
    timedScheduler_.NotePoll(std::chrono::steady_clock::now() - started);
    return true;
}

bool CClockDevice::WritePass()
{
    // Each write looks at its own flag when its turn comes: a request that
    // arrives during the pass goes out in it when its turn is still to
    // come, otherwise in the next pass, which the idle state starts at once.
    const uint8_t protocol = protocolVersion_.load(std::memory_order_acquire);
    const bool sent = SendQueuedTime() &&
        SendQueued(kCmdWriteConfig, pendingConfig_, configShadow_,
                   [protocol](const ClockConfig& config) { return EncodeConfig(config, protocol); }) &&
        ConfirmConfig() && SendQueued(kCmdWriteDisplay, pendingDisplay_, displayShadow_, EncodeDisplayConfig);
    if (Lock lock = Acquire())
        UpdateWritePendingLocked();
    return sent;
}

template <class Record, class Encode>
bool CClockDevice::SendQueued(uint8_t code, PendingWrite<Record>& write, Record& cached, Encode encode)
{
    Record record;
    uint32_t generation = 0;
    uint32_t ticket = 0;
    {
        Lock lock = Acquire();
        if (!lock)
            return false;
        if (!write.pending)
            return true;
        record = write.record;
        generation = write.generation;
        // On its way now: a later request no longer replaces it.
        ticket = write.ticket;
        write.ticket = 0;
    }
    // Sent without the lock, so the user interface never waits for the
    // port; only this thread sends.
    const std::string payload = encode(record);
    master_->SendCommand(code, payload);
    {
        Lock lock = Acquire();
        if (!lock)
            return false;
        cached = record;
        // A request accepted while this one was sent stays queued.
        if (write.generation == generation) {
            write.pending = false;
            UpdateWritePendingLocked();
        }
    }
    // A failed write is not sent again: the link goes to its failed state.
    const bool acknowledged = WaitForAck(code, kAckTicks);
    if constexpr (std::is_same_v<Record, ClockConfig>) {
        // Landed only once the clock is seen to hold it: ConfirmConfig.
        if (acknowledged) {
            const uint8_t protocol = protocolVersion_.load(std::memory_order_acquire);
            // What a faithful clock sends back: the record after a trip
            // through the wire format (flags read as 0 or 1).
            ClockConfig expected = record;
            (void)DecodeConfig(payload, protocol, expected);
            if (Lock lock = Acquire())
                ledger_.Acknowledge(ticket, expected, protocol);
            return true;
        }
    }
    if (Lock lock = Acquire())
        ledger_.Decide(ticket, AckOutcome(acknowledged));
    return acknowledged;
}

bool CClockDevice::ConfirmConfig()
{
    {
        Lock lock = Acquire();
        if (!lock)
            return false;
        if (!ledger_.TakeReadBack())
            return true;
    }
    ClockConfig held;
    if (!ReadRetrying(kCmdReadConfig, &held))
        return false;
    Lock lock = Acquire();
    if (!lock)
        return false;
    // Firmware before protocol version 2 does not carry the illumination.
    if (ledger_.Confirm(held) != 2)
        configShadow_.illumination = ledger_.AcknowledgedConfig().illumination;
    return true;
}

bool CClockDevice::GetAcknowledgedConfig(const WriteTicket& ticket, ClockConfig& expected) const
{
    Lock lock = Acquire();
    return lock && ledger_.Acknowledged(ticket, expected);
}

void CClockDevice::ShowMessage(const char* text)
{
    // A read cut short by shutdown is no communication error: nobody is to
    // hear of it.
    if (!running_.load(std::memory_order_acquire))
        return;
    if (!messageHandler_) {
        std::fprintf(stderr, "%s: %s\n", kCommunicationErrorCaption, text);
        return;
    }
    auto message = std::make_shared<CLinkMessage>(text, kCommunicationErrorCaption);
    {
        std::lock_guard<std::mutex> lock(messageMutex_);
        if (!running_.load(std::memory_order_acquire))
            return;
        currentMessage_ = message;
    }
    messageHandler_(message);
    message->Wait();
    std::lock_guard<std::mutex> lock(messageMutex_);
    currentMessage_.reset();
}

// --- the clock's time: readings, and a write at a given instant ---

void CClockDevice::RecordTimeSample(size_t payloadChars, const FrameArrival& arrival)
{
    Lock lock = Acquire();
    if (!lock)
        return;
    ClockTimeSample sample;
    sample.utc = utcTime_;
    sample.arrival = arrival.utc;
    sample.transmission = FrameLineTime(payloadChars);
    sample.read = ++timeReads_;
    timeSamples_.push_back(sample);
    while (timeSamples_.size() > kTimeHistoryLimit)
        timeSamples_.pop_front();
    fractionSeen_ = fractionSeen_ || utcTime_.fraction != 0;
}

CClockDevice::TimePoint CClockDevice::TimedStartLocked() const
{
    return timedWrite_.StartOf(pendingTime_.pending, pendingTime_.generation);
}

bool CClockDevice::IdleBeforeTimedWrite(uint64_t seen)
{
    TimePoint start = TimePoint::max();
    const auto now = std::chrono::steady_clock::now();
    {
        Lock lock = Acquire();
        if (!lock)
            return false;
        start = TimedStartLocked();
        // Another write goes out in the usual pass; the time write, first in
        // it, waits there for its instant, and the order stays as it is.
        if (start == TimePoint::max() || pendingConfig_.pending || pendingDisplay_.pending)
            return false;
    }
    using Step = CTimedWriteScheduler::IdlePlan::Step;
    const CTimedWriteScheduler::IdlePlan plan = timedScheduler_.PlanIdle(now, start, pollDue_);
    switch (plan.step) {
    case Step::WritePass: return false;
    case Step::Poll:
        pollDue_ = TicksFromNow(kPollTicks);
        attemptsLeft_ = kExchangeAttempts;
        SetState(LinkState::Poll);
        return true;
    case Step::Wait:
        // Also woken for a new request and for shutdown.
        IdleWait(seen, plan.until);
        return true;
    }
    return false;
}

bool CClockDevice::SendQueuedTime()
{
    while (running_.load(std::memory_order_acquire)) {
        const uint64_t seen = wake_.Count();
        ClockTime record;
        TimePoint start;
        uint32_t generation = 0;
        {
            Lock lock = Acquire();
            if (!lock)
                return false;
            if (!pendingTime_.pending)
                return true;
            start = TimedStartLocked();
            if (start == TimePoint::max()) {
                lock.unlock();
                const bool sent = SendQueued(kCmdSetTime, pendingTime_, utcTime_, EncodeSetTime);
                // The readings before the set say nothing about the clock now.
                if (Lock again = Acquire())
                    timeSamples_.clear();
                return sent;
            }
            record = pendingTime_.record;
            generation = pendingTime_.generation;
        }
        const std::string payload = EncodeSetTime(record);
        const auto now = std::chrono::steady_clock::now();
        const TimePoint fineFrom = start - CTimedWriteScheduler::kFineWait;
        if (now < fineFrom) {
            // Ends early for a new request, which may replace this one.
            wake_.WaitUntil(seen, fineFrom, [this] { return !running_.load(std::memory_order_acquire); });
            continue;
        }
        if (now < start)
            std::this_thread::sleep_until(start);
        if (const std::optional<bool> sent = SendTimedAtInstant(record, generation, payload))
            return *sent;
    }
    return false;
}

std::optional<bool> CClockDevice::SendTimedAtInstant(const ClockTime& record, uint32_t generation,
                                                     const std::string& payload)
{
    using SteadyClock = std::chrono::steady_clock;
    {
        Lock lock = Acquire();
        if (!lock)
            return false;
        if (pendingTime_.generation != generation)
            return std::nullopt;
        pendingTime_.pending = false;
        UpdateWritePendingLocked();
        if (!timedWrite_.Go(SteadyClock::now()))
            return true;
        utcTime_ = record;
        timeSamples_.clear();
    }
    master_->SendCommand(kCmdSetTime, payload);
    const bool left = master_->WaitUntilSent(SteadyClock::now() + kSendLimit);
    const auto leftAt = SteadyClock::now();
    if (Lock lock = Acquire())
        timedWrite_.Left(left, leftAt);
    const bool acknowledged = WaitForAck(kCmdSetTime, kAckTicks);
    if (Lock lock = Acquire())
        timedWrite_.Sent(acknowledged);
    return acknowledged;
}
