// A time write that is to leave at a given instant (CClockDevice::
// SetClockTimeAt): what became of it, and when the link may still poll
// before it.
//
// CTimedWrite is the latest timed write and its report (TimedWrite, see
// LinkTiming.h). It rides on the device's one queued time write: it is
// tied to the generation of that queue it was queued as, and any later
// time request (a new generation) replaces it while it waits. Ticket
// numbers count per object from 1; only the latest ticket is reported.
//
// CTimedWriteScheduler decides, for the idle link, whether a poll still
// ends before the write is handed to the write pass (kHandOver before its
// instant), from how long the latest polls took; and when the write pass
// stops sleeping on its wake count and sleeps the last kFineWait with the
// finest sleep the system has, since a wake-up through a condition
// variable can come late by more than that.
//
// Thread rules: neither class has a lock or a thread. CTimedWrite is shared
// between the user-interface and link threads: its owner calls it under its
// lock only. CTimedWriteScheduler belongs to the link thread alone. Nothing
// here waits or blocks.
#pragma once

#include "LinkTiming.h"

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>

class CTimedWrite {
public:
    using TimePoint = std::chrono::steady_clock::time_point;

    // A new timed write, queued as the given generation of the time queue;
    // replaces the one before. Returns its ticket, never 0.
    uint32_t Queue(const ClockTime& time, TimePoint frameStart, std::chrono::nanoseconds lateLimit,
                   uint32_t generation);
    // When the queued time write (pending, generation) is to start: this
    // write's instant when it is this write, still waiting for it;
    // TimePoint::max() when it is an untimed write or none is queued.
    TimePoint StartOf(bool pending, uint32_t generation) const;
    std::chrono::nanoseconds LateLimit() const { return write_.lateLimit; }
    // The report for this ticket; false unless it is the latest.
    // queueGeneration is the time queue's now; linkFailed: the link has
    // failed, so a write not yet decided never will go out.
    bool Report(uint32_t ticket, uint32_t queueGeneration, bool linkFailed, TimedWrite& report) const;

    // The write pass at the instant (now): true when the frame goes now
    // (Sending, written at now), false when it would start later than its
    // limit allows (Missed, nothing to send).
    bool Go(TimePoint now);
    // The port said the frame's last byte had left at `at`, or could not
    // say so in time (left false).
    void Left(bool left, TimePoint at);
    // The wait for the ACK is over.
    void Sent(bool acknowledged);

private:
    TimedWrite write_;
    uint32_t generation_ = 0;
    uint32_t tickets_ = 0;
};

class CTimedWriteScheduler {
public:
    using TimePoint = std::chrono::steady_clock::time_point;

    // The idle link hands a timed write to the write pass this long before
    // its instant; the write pass sleeps on the wake count until kFineWait
    // before it.
    static constexpr std::chrono::milliseconds kHandOver{5};
    static constexpr std::chrono::milliseconds kFineWait{2};
    // A poll is not started unless the longest of the latest polls, and
    // this margin, fit before the hand-over; before the first poll has been
    // timed one is assumed to take kPollGuess.
    static constexpr std::chrono::milliseconds kPollMargin{10};
    static constexpr std::chrono::milliseconds kPollGuess{100};

    // What the idle link does while a timed write at `start` waits.
    struct IdlePlan {
        enum class Step : uint8_t {
            WritePass,  // the hand-over has come: the usual idle step sends it
            Poll,       // a poll is due and ends in time
            Wait,       // sleep until `until` (or until woken)
        };
        Step step = Step::Wait;
        TimePoint until{};
    };
    // pollDue: when the next poll falls due.
    IdlePlan PlanIdle(TimePoint now, TimePoint start, TimePoint pollDue) const;

    // A poll took this long; the latest kPollsKept are kept.
    void NotePoll(std::chrono::nanoseconds duration);
    // How long before the hand-over a poll must not start any more.
    std::chrono::nanoseconds PollHoldOff() const;

    static constexpr size_t kPollsKept = 8;

private:
    std::array<std::chrono::nanoseconds, kPollsKept> polls_{};
    size_t next_ = 0;
};
