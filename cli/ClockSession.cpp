#include "ClockSession.h"

#include "PortAccess.h"
#include "StatusText.h"
#include "TerminalText.h"

#include <csignal>
#include <cstring>
#include <cstdio>
#include <thread>

namespace {

// The program's main thread only, as every caller of PrintError.
bool g_captureErrors = false;
std::string g_lastError;

}  // namespace

void PrintError(const std::string& text)
{
    g_lastError = text;
    if (!g_captureErrors)
        std::fprintf(stderr, "kerovant-cli: %s\n", EscapeControls(text, LineBreaks::Keep).c_str());
}

void CaptureErrors(bool capture)
{
    if (capture && !g_captureErrors)
        g_lastError.clear();
    g_captureErrors = capture;
}

std::string LastError()
{
    return g_lastError;
}

namespace {

// Wakes watch when the link's state or port changes, and passes every event
// on to the observer the session was given. A poll's start and a write
// pass's start wake nobody: their ends (the idle state, or the failed one)
// are what watch waits for.
class CWakingObserver final : public ILinkObserver {
public:
    CWakingObserver(std::shared_ptr<CWakeup> wakeup, std::shared_ptr<ILinkObserver> next)
        : wakeup_(std::move(wakeup)), next_(std::move(next))
    {
    }
    void OnLinkEvent(const LinkEvent& event) override
    {
        if (next_)
            next_->OnLinkEvent(event);
        const bool stateChange = event.kind == LinkEvent::Kind::StateChanged &&
            event.code != LinkStateCode(LinkState::Poll) && event.code != LinkStateCode(LinkState::Write);
        if (stateChange || event.kind == LinkEvent::Kind::PortChanged)
            wakeup_->Notify();
    }

private:
    std::shared_ptr<CWakeup> wakeup_;
    std::shared_ptr<ILinkObserver> next_;
};

CClockSession::Options WithWakeup(CClockSession::Options options)
{
    if (!options.wakeup)
        options.wakeup = std::make_shared<CWakeup>();
    return options;
}

}  // namespace

CClockSession::CClockSession(Options options)
    : options_(WithWakeup(std::move(options))),
      connection_(
          [settings = options_.settings,
           observer = std::make_shared<CWakingObserver>(options_.wakeup, options_.observer), failures = failures_] {
              // The link goes on at once: nobody is there to close a message.
              LinkMessageHandler handler = [failures](std::shared_ptr<CLinkMessage> message) {
                  {
                      std::lock_guard<std::mutex> lock(failures->mutex);
                      failures->last = message->Text();
                      if (!failures->quiet)
                          std::fprintf(stderr, "%s: %s\n", message->Caption().c_str(),
                                       EscapeControls(message->Text(), LineBreaks::Keep).c_str());
                  }
                  message->Dismiss();
              };
              return std::make_shared<CClockDevice>(settings, std::move(handler), observer);
          },
          // A new object wakes watch, which sleeps until something happens.
          [wakeup = options_.wakeup] { wakeup->Notify(); })
{
}

void CClockSession::Start()
{
    if (!watcher_) {
        const LinkSettings& settings = options_.settings;
        const std::string path(settings.deviceName, strnlen(settings.deviceName, sizeof settings.deviceName));
        const PortWatcherMaker& make = options_.watchPort ? options_.watchPort : PortWatcherMaker(MakePortWatcher);
        // Made before the first object, so a port that appears while that
        // object opens is not missed.
        watcher_ = make(path, [this](const PortEvent& event) {
            if (event.kind == PortEvent::Kind::Vanished)
                portLosses_.fetch_add(1, std::memory_order_acq_rel);
            connection_.OnPortEvent(event);
            options_.wakeup->Notify();
        });
    }
    connection_.Start();
}

std::string CClockSession::LastIdentificationFailure() const
{
    std::lock_guard<std::mutex> lock(failures_->mutex);
    return failures_->last;
}

CClockSession::~CClockSession()
{
    Close();
}

void CClockSession::Close()
{
    watcher_.reset();
    connection_.Shutdown();
}

std::chrono::steady_clock::time_point CClockSession::ConnectDeadline() const
{
    if (options_.timeoutSeconds <= 0)
        return std::chrono::steady_clock::time_point::max();
    return std::chrono::steady_clock::now() +
        std::chrono::duration_cast<std::chrono::steady_clock::duration>(
               std::chrono::duration<double>(options_.timeoutSeconds));
}

CClockSession::Wait CClockSession::WaitFor(const std::function<bool(const CClockDevice&)>& condition,
                                           std::chrono::steady_clock::time_point deadline)
{
    for (;;) {
        const std::shared_ptr<CClockDevice> device = connection_.Device();
        if (device) {
            everOnline_ |= device->IsOnline();
            if (condition(*device))
                return Wait::Met;
            if (device->GetState() == LinkState::Failed)
                return Wait::Failed;
        }
        if (Interrupted())
            return Wait::Interrupted;
        if (std::chrono::steady_clock::now() >= deadline)
            return Wait::TimedOut;
        // The link's state changes wake the wait (every condition here is
        // met on one); the look is a backstop.
        options_.wakeup->WaitUntil(std::min(deadline, std::chrono::steady_clock::now() + kLookInterval));
    }
}

int CClockSession::InterruptedExit() const
{
    return Signal() == SIGTERM ? kExitTerminated : kExitInterrupted;
}

int CClockSession::Report(Wait wait)
{
    if (wait == Wait::Interrupted)
        return InterruptedExit();
    const std::shared_ptr<CClockDevice> device = connection_.Device();
    if (!device) {
        PrintError("the clock's device could not be opened again.");
        return kExitLink;
    }
    const LinkPhase phase = everOnline_ ? LinkPhase::StoppedAnswering : LinkPhase::NoAnswer;
    PrintError(OfflineCause(device->GetPortState(), device->GetDevicePath(), phase, LastIdentificationFailure(),
                            device->GetLastFailure()));
    return kExitLink;
}

std::string CClockSession::CauseOf(const CClockDevice& device) const
{
    const PortState port = device.GetPortState();
    const bool portFailed = port != PortState::Open && port != PortState::NotOpened;
    if (!portFailed && device.GetState() != LinkState::Failed)
        return {};
    const LinkPhase phase = everOnline_ ? LinkPhase::StoppedAnswering : LinkPhase::NoAnswer;
    return OfflineCause(port, device.GetDevicePath(), phase, LastIdentificationFailure(), device.GetLastFailure());
}

// Watch's state over its run.
struct CClockSession::WatchRun {
    using SteadyClock = std::chrono::steady_clock;
    enum class Loan { None, Lent, TakingBack };

    WatchRun(const WatchFollower& follower, SteadyClock::time_point end, std::shared_ptr<CWakeup> wakeup,
             COfflineReplacement& offline)
        : follower(follower), end(end), lender([wakeup = std::move(wakeup)] { wakeup->Notify(); }), offline(offline)
    {
    }

    const WatchFollower& follower;
    const SteadyClock::time_point end;  // of the run
    CPortLender lender;
    Loan loan = Loan::None;
    Borrower borrower;
    SteadyClock::time_point takeBackUntil = SteadyClock::time_point::max();
    bool answering = false;
    std::string cause;  // printed for this outage
    PortState causePort = PortState::Open;
    std::string path;
    uint64_t seenGeneration = 0;
    uint32_t seenPoll = 0;
    // What was last said of the clock's configuration: said once, and
    // again when it changes. Watch reports it and never mends it.
    std::string toldProblems;
    // While the clock does not answer: when its device object is replaced
    // (a port that appears replaces it sooner, and the count starts again).
    COfflineReplacement& offline;
    SteadyClock::time_point replaceAt = SteadyClock::time_point::max();
};

int CClockSession::Watch(const std::function<void(const CClockDevice&)>& onPoll, const WatchFollower& follower)
{
    using SteadyClock = std::chrono::steady_clock;
    const auto end = ConnectDeadline();
    {
        std::lock_guard<std::mutex> lock(failures_->mutex);
        failures_->quiet = true;
    }
    // Watch lends its port and never borrows one: its device objects wait
    // for the port to come back.
    SetPortBorrowing(false);
    WatchRun run(follower, end, options_.wakeup, connection_.OfflineReplacement());
    Start();
    run.offline.Reset();
    for (;;) {
        if (Interrupted()) {
            const int status = InterruptedExit();
            return status == kExitInterrupted && everOnline_ ? kExitOk : status;
        }
        std::shared_ptr<CClockDevice> device = connection_.Device();
        if (device)
            run.path = device->GetDevicePath();
        if (!run.path.empty())
            run.lender.Listen(run.path);
        if (run.loan != WatchRun::Loan::Lent && run.lender.Wanted())
            LendPort(run, device);
        if (run.loan == WatchRun::Loan::Lent) {
            if (const std::optional<int> status = WaitWhileLent(run))
                return *status;
            continue;
        }
        if (run.loan == WatchRun::Loan::TakingBack && !TakeBack(run, device))
            continue;
        // A link that has just failed still says ready until its failed
        // state has run once; the state is what changed, and what woke us.
        const bool ready = device && device->IsReady() && device->GetState() != LinkState::Failed;
        if (follower.look)
            follower.look(device.get(), ready);
        if (ready)
            FollowAnswering(run, *device, onPoll);
        else if (const std::optional<int> status = FollowOutage(run, device.get()))
            return *status;
        const auto now = SteadyClock::now();
        if (now >= end)
            return EndOfWatch(run, device.get());
        if (now >= run.replaceAt) {
            // The old object must go before the new one opens the port: a
            // copy kept here would hold it, and the new object would find
            // the device busy.
            device.reset();
            connection_.Replace();
            run.offline.Replaced(now);
            run.replaceAt = run.offline.ReplaceAt(connection_.Generation(), now);
        }
        auto wakeAt = std::min(end, run.replaceAt);
        if (follower.look)
            wakeAt = std::min(wakeAt, SteadyClock::now() + follower.every);
        options_.wakeup->WaitUntil(wakeAt);
    }
}

void CClockSession::LendPort(WatchRun& run, std::shared_ptr<CClockDevice>& device)
{
    // The object goes with its port; the borrower hears "released" once it
    // is closed.
    device.reset();
    connection_.Suspend();
    run.lender.Released();
    // Asked again before the clock was back (the borrower replaced its
    // device object): the same loan, unless another asks.
    const Borrower previous = run.borrower;
    const bool again = run.loan == WatchRun::Loan::TakingBack;
    run.loan = WatchRun::Loan::Lent;
    run.borrower = run.lender.CurrentBorrower().value_or(Borrower{});
    if (!again || run.borrower.pid != previous.pid) {
        std::fflush(stdout);
        PrintError("lent " + run.path + " to " + BorrowerText(run.borrower) + ".");
    }
}

std::optional<int> CClockSession::WaitWhileLent(WatchRun& run)
{
    using SteadyClock = std::chrono::steady_clock;
    const WatchFollower& follower = run.follower;
    if (run.lender.Wanted()) {
        if (follower.lent)
            follower.lent(run.borrower);
        const auto now = SteadyClock::now();
        if (now >= run.end)
            return run.answering ? kExitOk : kExitLink;
        options_.wakeup->WaitUntil(follower.lent ? std::min(run.end, now + follower.every) : run.end);
        return std::nullopt;
    }
    run.lender.Reclaiming();
    connection_.Resume();
    run.loan = WatchRun::Loan::TakingBack;
    run.takeBackUntil = SteadyClock::now() + kTakeBackWait;
    return std::nullopt;
}

bool CClockSession::TakeBack(WatchRun& run, std::shared_ptr<CClockDevice>& device)
{
    const PortState port = device ? device->GetPortState() : PortState::NotOpened;
    const bool failed = device && device->GetState() == LinkState::Failed;
    if (!device || !(device->IsReady() && !failed)) {
        const auto now = std::chrono::steady_clock::now();
        // The borrower's descriptor may close after its connection (a
        // program killed): the port is tried again for a while.
        if (device && port == PortState::Busy && now < run.takeBackUntil) {
            device.reset();
            options_.wakeup->WaitUntil(now + kTakeBackRetry);
            connection_.Replace();
            return false;
        }
        // Still being made, or greeting the clock: its link decides.
        if ((!device || ((port == PortState::Open || port == PortState::NotOpened) && !failed)) && now < run.end) {
            options_.wakeup->WaitUntil(std::min(run.end, now + run.follower.every));
            return false;
        }
    }
    // Back, or the clock is not to be had: an outage from here on is
    // reported and counted as any other.
    run.loan = WatchRun::Loan::None;
    PrintError(run.path + " is back from " + BorrowerText(run.borrower) + ".");
    if (run.follower.lent)
        run.follower.lent(std::nullopt);
    return true;
}

void CClockSession::FollowAnswering(WatchRun& run, const CClockDevice& device,
                                    const std::function<void(const CClockDevice&)>& onPoll)
{
    if (!run.answering && !run.cause.empty()) {
        PrintError("the clock on " + run.path + (everOnline_ ? " answers again." : " answers."));
        if (everOnline_ && run.follower.back)
            run.follower.back();
    }
    run.answering = true;
    everOnline_ = true;
    if (std::string problems = DescribeConfigProblems(device.GetConfigCheck().problems); problems != run.toldProblems) {
        if (!problems.empty())
            PrintError("the clock's configuration is not valid: " + problems);
        run.toldProblems = std::move(problems);
    }
    run.cause.clear();
    run.causePort = PortState::Open;
    run.offline.Reset();
    run.replaceAt = std::chrono::steady_clock::time_point::max();
    {
        std::lock_guard<std::mutex> lock(failures_->mutex);
        failures_->last.clear();
    }
    const uint64_t generation = connection_.Generation();
    const uint32_t poll = device.GetPollCount();
    if (poll > 0 && (generation != run.seenGeneration || poll != run.seenPoll)) {
        run.seenGeneration = generation;
        run.seenPoll = poll;
        onPoll(device);
    }
}

std::optional<int> CClockSession::FollowOutage(WatchRun& run, const CClockDevice* device)
{
    // Offline, or online and not identified yet: the identification read
    // may still finish before the replacement is due.
    run.replaceAt = run.offline.ReplaceAt(connection_.Generation(), std::chrono::steady_clock::now());
    if (!device)
        return std::nullopt;
    // One line an outage; another only when the cause changes (a cable
    // plugged back into a clock that now fails otherwise). A device that
    // was unplugged and is missing for the objects that follow is the same
    // outage.
    const PortState port = device->GetPortState();
    const bool stillUnplugged = run.causePort == PortState::Gone && port == PortState::NoBridge;
    const std::string now = CauseOf(*device);
    if (!now.empty() && now != run.cause && !stillUnplugged) {
        run.causePort = port;
        std::fflush(stdout);
        PrintError(now);
        if (run.follower.lost)
            run.follower.lost(*device);
        run.cause = now;
        run.answering = false;
    }
    // Not for waiting out: the service manager starts a new watch
    // (Restart=on-failure), which may be let in.
    if (DeviceForbiddenUntilRestart(port, device->GetPortOpenError())) {
        PrintError("this program may not use " + run.path +
                   " for as long as it runs (the system refuses it, not the device's permissions: a "
                   "service's device list, made when it started); ending so that it can be started "
                   "again.");
        return kExitLink;
    }
    return std::nullopt;
}

int CClockSession::EndOfWatch(const WatchRun& run, const CClockDevice* device) const
{
    if (run.answering)
        return kExitOk;
    // Still greeting the clock: the link has not given up yet, but the run
    // has.
    if (run.cause.empty())
        PrintError(device ? OfflineCause(device->GetPortState(), run.path,
                                         everOnline_ ? LinkPhase::StoppedAnswering : LinkPhase::NoAnswer,
                                         LastIdentificationFailure(), device->GetLastFailure())
                          : "the clock on " + run.path + " does not answer.");
    return kExitLink;
}

int CClockSession::Connect(bool firstPoll)
{
    Start();
    // The port is opened as the object is made: a device that is missing,
    // not a terminal, forbidden or held by another program is known now,
    // and the link's hellos would only wait it out.
    if (const std::shared_ptr<CClockDevice> device = connection_.Device()) {
        const PortState port = device->GetPortState();
        if (port != PortState::Open && port != PortState::NotOpened) {
            PrintError(DescribePortState(port, device->GetDevicePath()));
            return kExitLink;
        }
    }
    const Wait wait =
        WaitFor([firstPoll](const CClockDevice& d) { return d.IsReady() && (!firstPoll || d.GetPollCount() > 0); },
                ConnectDeadline());
    return wait == Wait::Met ? kExitOk : Report(wait);
}

int CClockSession::Write(const std::function<bool(CClockDevice&, WriteTicket&)>& queue, const std::string& what)
{
    const std::shared_ptr<CClockDevice> device = connection_.Device();
    if (!device || !device->IsOnline())
        return Report(Wait::Failed);
    WriteTicket ticket;
    if (!queue(*device, ticket) || !ticket) {
        PrintError("the clock's link did not take the " + what + "; nothing was sent.");
        return kExitLink;
    }
    // The ticket's outcome, not the link's state, says what became of this
    // write: a link that fails afterwards has still delivered it, and one
    // that stays up may have had it refused. A failed link decides every
    // ticket at once (LinkLost), so the wait ends on the outcome.
    WriteOutcome outcome = WriteOutcome::Pending;
    const Wait wait = WaitFor(
        [&](const CClockDevice& d) {
            outcome = d.GetWriteOutcome(ticket);
            return IsFinal(outcome);
        },
        std::chrono::steady_clock::now() + kWriteDeadline);
    if (wait == Wait::Interrupted)
        return InterruptedExit();
    switch (outcome) {
    case WriteOutcome::Landed: return kExitOk;
    case WriteOutcome::Differs: return kExitMismatch;
    case WriteOutcome::Refused: PrintError("the clock refused the " + what + "."); break;
    case WriteOutcome::Unanswered:
        PrintError("the clock did not answer the " + what + "; whether it took it is not known.");
        break;
    case WriteOutcome::LinkLost: {
        const std::string cause = CauseOf(*device);
        PrintError("the link was lost before the " + what + " was confirmed" +
                   (cause.empty() ? std::string(".") : ": " + cause));
        break;
    }
    case WriteOutcome::Replaced:
        PrintError("the " + what + " was replaced by a later write before it went out.");
        break;
    case WriteOutcome::Pending:
        PrintError("the link gave no word on the " + what + " within " + std::to_string(kWriteDeadline.count()) +
                   " s; whether the clock took it is not known.");
        break;
    }
    return kExitLink;
}

int CClockSession::Reconnect()
{
    const uint64_t generation = connection_.Generation();
    connection_.Replace();
    // Until the new object is in place Device() is null: the wait goes on.
    const Wait wait = WaitFor(
        [this, generation](const CClockDevice& d) { return connection_.Generation() > generation && d.IsReady(); },
        ConnectDeadline());
    return wait == Wait::Met ? kExitOk : Report(wait);
}

std::chrono::steady_clock::time_point CClockSession::ReplaceWhenDue(std::shared_ptr<CClockDevice> device)
{
    const auto now = std::chrono::steady_clock::now();
    COfflineReplacement& offline = connection_.OfflineReplacement();
    const auto due = offline.ReplaceAt(connection_.Generation(), now);
    if (now < due)
        return std::min(due, now + kLookInterval);
    // The old object must go before the new one opens the port.
    device.reset();
    connection_.Replace();
    offline.Replaced(now);
    return now + kLookInterval;
}

CClockSession::Arrival CClockSession::AwaitClock(std::string& cause)
{
    {
        // The identification's messages join the cause instead.
        std::lock_guard<std::mutex> lock(failures_->mutex);
        failures_->quiet = true;
        failures_->last.clear();
    }
    everOnline_ = false;
    const bool first = connection_.Generation() == 0;
    Start();
    // The last clock's object goes: whatever it says is about that clock.
    // Until the new one is in place Device() is null.
    if (!first)
        connection_.Replace();
    std::string said;  // the port's trouble, said once
    connection_.OfflineReplacement().Reset();
    for (;;) {
        if (Interrupted())
            return Arrival::Interrupted;
        auto next = std::chrono::steady_clock::now() + kLookInterval;
        if (std::shared_ptr<CClockDevice> device = connection_.Device()) {
            const LinkState state = device->GetState();
            const PortState port = device->GetPortState();
            if (device->IsReady() && state != LinkState::Failed) {
                everOnline_ = true;
                return Arrival::Identified;
            }
            // The port opened and the link gave up on it: a clock is there
            // but not one that can be worked on.
            if (port == PortState::Open && state == LinkState::Failed) {
                cause = CauseOf(*device);
                return Arrival::Failed;
            }
            const bool missing = port == PortState::NoBridge || port == PortState::Gone;
            if (port != PortState::Open && port != PortState::NotOpened) {
                const std::string trouble = missing ? std::string() : DescribePortState(port, device->GetDevicePath());
                if (!trouble.empty() && trouble != said)
                    PrintError(trouble);
                said = trouble;
                next = ReplaceWhenDue(std::move(device));
            }
        }
        options_.wakeup->WaitUntil(next);
    }
}

bool CClockSession::AwaitUnplug(uint64_t losses)
{
    connection_.OfflineReplacement().Reset();
    for (;;) {
        if (Interrupted())
            return false;
        if (PortLosses() > losses)
            return true;
        auto next = std::chrono::steady_clock::now() + kLookInterval;
        if (std::shared_ptr<CClockDevice> device = connection_.Device()) {
            const PortState port = device->GetPortState();
            if (port == PortState::NoBridge || port == PortState::Gone)
                return true;
            if (device->GetState() == LinkState::Failed || (port != PortState::Open && port != PortState::NotOpened))
                next = ReplaceWhenDue(std::move(device));
        }
        options_.wakeup->WaitUntil(next);
    }
}

ProfileClock CClockSession::Identity() const
{
    ProfileClock clock;
    if (const std::shared_ptr<CClockDevice> device = connection_.Device()) {
        clock.familyId = device->GetFamilyId();
        clock.serialNumber = device->GetSerialNumber();
        device->GetFirmwareVersion(clock.firmware);
        clock.protocolVersion = device->GetProtocolVersion();
    }
    return clock;
}
