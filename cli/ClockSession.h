// kerovant-cli's connection to the clock: one device object at a time,
// owned by a CClockConnection so that a fresh identification read (after an
// import's write) is a replacement like the window's.
//
// Every wait here ends on the first of: the condition, the link failing
// (exit 1, the cause printed in words), the --timeout, an interrupt (exit
// 130, 143 for SIGTERM). The waits sleep until the link tells them that its
// state or port changed (or a signal comes); a command's short waits look
// every 100 ms besides.
// A port watcher tells the connection when the clock's port appears or
// goes: a clock plugged in is greeted at once, one pulled out ends the wait
// at once.
// Watch lends the port (PortLending.h) to another program of ours that
// asks: it lets its device object go, and makes a new one once the
// borrower gives the port back; the loan is neither an outage nor a
// return, and one line each says when it lends and when it has the clock
// back.
// Watch alone rides through a failing link: it replaces the device object
// at the window's cadence (and at once when the port appears) and says when
// the clock is lost and back. No device object is kept
// by this class between calls: a copy kept would hold the port open and the
// replacement could not open it again.
//
// Thread rules: the program's main thread only. The device objects' own
// threads run behind CClockDevice's getters and setters.
#pragma once

#include "ClockConnection.h"
#include "ClockDevice.h"
#include "LinkObserver.h"
#include "PortLending.h"
#include "PortWatcher.h"
#include "Profile.h"
#include "Wakeup.h"
#include "WriteOutcome.h"

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

enum CliExit : int {
    kExitOk = 0,
    kExitLink = 1,           // no clock, or the link was lost
    kExitUsage = 2,          // bad usage, or an argument refused: nothing sent
    kExitMismatch = 3,       // the clock holds other values than were sent (or a profile asked for)
    kExitInterrupted = 130,  // SIGINT (Ctrl-C) while waiting for the clock
    kExitTerminated = 143,   // SIGTERM
};

// What CClockSession::Watch tells besides the polls (watch --metrics):
// each look at the link, and each outage and return as the lines on
// standard error say them.
struct WatchFollower {
    // On every look at the link, and at least every `every`: the
    // current device object (null while none is made) and whether the
    // clock answers on it.
    std::function<void(const CClockDevice* device, bool answering)> look;
    // An outage, once its cause is known, and again when the cause
    // changes: the object that cannot reach the clock.
    std::function<void(const CClockDevice& device)> lost;
    // The clock answers again after it had answered and was lost.
    std::function<void()> back;
    // The port is lent to another program of ours (the borrower), or, with
    // none, watch has the clock back. No look comes while it is lent.
    std::function<void(const std::optional<Borrower>& borrower)> lent;
    std::chrono::milliseconds every{1000};
};

class CClockSession {
public:
    struct Options {
        LinkSettings settings;
        // Give up waiting for the clock after this long; 0: when the link
        // gives up.
        double timeoutSeconds = 0;
        // Hears every event of every device object made.
        std::shared_ptr<ILinkObserver> observer;
        // Set to the signal's number by the signal handler.
        const std::atomic<int>* interrupted = nullptr;
        // Given by the signal handler after it set `interrupted`, so that
        // watch, which sleeps until something happens, hears of it; the
        // session makes its own when none is given.
        std::shared_ptr<CWakeup> wakeup;
        // Makes the watcher of the clock's port (tests: a fake); none: the
        // program's, on the device named in settings or the first bridge.
        PortWatcherMaker watchPort;
    };

    explicit CClockSession(Options options);
    ~CClockSession();
    CClockSession(const CClockSession&) = delete;
    CClockSession& operator=(const CClockSession&) = delete;

    // Opens the link and waits until the clock is identified (with
    // firstPoll, also polled once: the time code status comes with the first
    // poll). A port that cannot be opened at all is reported at once.
    int Connect(bool firstPoll);

    // The current device object, for the moment only.
    std::shared_ptr<CClockDevice> Device() const { return connection_.Device(); }

    // Queues one write through `queue`, which hands back the write's
    // ticket (false: the device object took no write, exit 1 naming
    // `what`), then waits for the link's word on that write. Exit 0 when it
    // landed; 1 with a line naming what became of it (refused by the clock,
    // no answer, link lost, replaced); 3 without a line when the clock
    // acknowledged a configuration but holds other values: the caller
    // names them. `what` completes "the clock refused the ...".
    int Write(const std::function<bool(CClockDevice&, WriteTicket&)>& queue, const std::string& what);

    // Reads the clock afresh: the device object is replaced and the new one
    // identified.
    int Reconnect();

    // The link is lost (or the device object gone): the cause printed, the
    // exit status returned.
    int LinkLost() { return Report(Wait::Failed); }

    // Follows the clock until a signal or the end of the --timeout (the
    // whole run's length; none: no end): onPoll runs on every poll of an
    // identified clock. When the link fails the cause is printed once and
    // the device object is replaced when the window would replace it
    // (COfflineReplacement: 3 s after it is found offline, every 3.2 s while
    // the clock stays away), also when it is online but not identified; a
    // line says when the
    // clock answers again. Exit 0 on SIGINT once the clock has answered
    // (130 before), 143 on SIGTERM, and at the end of the run 0 when the
    // clock answers then, else 1. Between looks it sleeps until the link
    // changes its state or port, a signal comes, or the next deadline (the
    // replacement, the end of the run): once a poll while the clock
    // answers, a few times a replacement while it does not; with a
    // follower's look, at least every follower.every besides.
    int Watch(const std::function<void(const CClockDevice&)>& onPoll, const WatchFollower& follower = {});

    // provision's waits, one clock after another. They end on a signal, not
    // on --timeout: a crate of clocks takes as long as it takes.
    //
    // Waits until a clock is identified at the port. A port that appears is
    // greeted at once (the port watcher); while the port is missing or
    // cannot be opened the device object is replaced as watch replaces it,
    // and a port that cannot be opened is said once on standard error.
    // Failed, with the cause, when a clock is at the port but its link
    // fails before it is identified: it does not answer, or refuses the
    // identification's reads.
    enum class Arrival { Identified, Failed, Interrupted };
    Arrival AwaitClock(std::string& cause);
    // How many times the port watcher has seen the port go.
    uint64_t PortLosses() const { return portLosses_.load(std::memory_order_acquire); }
    // Waits until the clock is unplugged: the watcher saw the port go after
    // PortLosses() was `losses`, or the device object finds the port gone
    // (the failed object replaced at watch's cadence, so a port that went
    // unseen is found missing). A clock that stays plugged is identified
    // again at most, never written to. False on a signal.
    bool AwaitUnplug(uint64_t losses);

    // The identified clock, for a profile.
    ProfileClock Identity() const;

    // The link's events after the device objects are gone: for a trace that
    // must be complete before it is closed.
    void Close();

    // How often a command's waits look at the link at the least; a change
    // of its state wakes them at once.
    static constexpr std::chrono::milliseconds kLookInterval{100};
    // A write whose outcome is still open after this long is reported as
    // unknown. The link decides every write within about 2 s (its ACK and
    // read-back waits); this only guards against a link that never says.
    static constexpr std::chrono::seconds kWriteDeadline{10};
    // After a loan: how long watch tries again to open a port that the
    // borrower's closing still holds, and how often.
    static constexpr std::chrono::milliseconds kTakeBackWait{2000};
    static constexpr std::chrono::milliseconds kTakeBackRetry{20};

private:
    enum class Wait { Met, Failed, TimedOut, Interrupted };
    Wait WaitFor(const std::function<bool(const CClockDevice&)>& condition,
                 std::chrono::steady_clock::time_point deadline);
    // The exit status for a wait that did not end in its condition, with
    // the cause printed.
    int Report(Wait wait);
    std::chrono::steady_clock::time_point ConnectDeadline() const;
    // Makes the first device object and starts watching its port.
    void Start();
    int Signal() const { return options_.interrupted ? options_.interrupted->load(std::memory_order_relaxed) : 0; }
    bool Interrupted() const { return Signal() != 0; }
    int InterruptedExit() const;
    // An offline device object (`device`, released here) is replaced when
    // the connection's offline replacement says it is due; returns when to
    // look next.
    std::chrono::steady_clock::time_point ReplaceWhenDue(std::shared_ptr<CClockDevice> device);
    // Why this object cannot reach the clock, once that is known (the port
    // failed, or the link gave up); empty while the link is still trying.
    std::string CauseOf(const CClockDevice& device) const;

    // Watch's run, and its steps. LendPort lets the device object (device,
    // released here) and its port go to the borrower that asks.
    // WaitWhileLent waits for the borrower to give the port back, or ends
    // the run (its exit status). TakeBack opens the port again after a
    // loan: false while the new object is still on its way (look again),
    // true once the loan is over. FollowAnswering and FollowOutage follow
    // the clock while it answers and while it does not (an exit status when
    // the run must end), EndOfWatch says how the run ends at its --timeout.
    struct WatchRun;
    void LendPort(WatchRun& run, std::shared_ptr<CClockDevice>& device);
    std::optional<int> WaitWhileLent(WatchRun& run);
    bool TakeBack(WatchRun& run, std::shared_ptr<CClockDevice>& device);
    void FollowAnswering(WatchRun& run, const CClockDevice& device,
                         const std::function<void(const CClockDevice&)>& onPoll);
    std::optional<int> FollowOutage(WatchRun& run, const CClockDevice* device);
    int EndOfWatch(const WatchRun& run, const CClockDevice* device) const;

    // The identification read's messages, answered at once: the last one
    // joins the line that says why the clock cannot be reached (quiet:
    // not printed as they come). Shared with the link threads that report
    // them.
    struct IdentificationFailures {
        std::mutex mutex;
        std::string last;  // under mutex
        bool quiet = true;
    };
    std::string LastIdentificationFailure() const;

    Options options_;
    std::shared_ptr<IdentificationFailures> failures_ = std::make_shared<IdentificationFailures>();
    CClockConnection connection_;
    // Hears of the port coming and going from Start on; goes before the
    // connection it tells.
    std::unique_ptr<IPortWatcher> watcher_;
    bool everOnline_ = false;
    // Counted on the watcher's thread.
    std::atomic<uint64_t> portLosses_{0};
};

// Prints "kerovant-cli: text" to standard error; while errors are captured
// (a monitoring plugin, which says all on one line of standard output),
// keeps it for LastError instead.
void PrintError(const std::string& text);
void CaptureErrors(bool capture);
// The last error printed or captured; empty when none.
std::string LastError();
