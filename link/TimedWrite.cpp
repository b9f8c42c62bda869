#include "TimedWrite.h"

#include <algorithm>

uint32_t CTimedWrite::Queue(const ClockTime& time, TimePoint frameStart, std::chrono::nanoseconds lateLimit,
                            uint32_t generation)
{
    write_ = TimedWrite{};
    write_.ticket = ++tickets_;
    write_.time = time;
    write_.frameStart = frameStart;
    write_.lateLimit = lateLimit;
    generation_ = generation;
    return write_.ticket;
}

CTimedWrite::TimePoint CTimedWrite::StartOf(bool pending, uint32_t generation) const
{
    const bool timed =
        write_.ticket != 0 && pending && generation == generation_ && write_.outcome == TimedWrite::Outcome::Queued;
    return timed ? write_.frameStart : TimePoint::max();
}

bool CTimedWrite::Report(uint32_t ticket, uint32_t queueGeneration, bool linkFailed, TimedWrite& report) const
{
    if (ticket == 0 || ticket != write_.ticket)
        return false;
    report = write_;
    // Decided by what happened since it was queued, not by the link thread.
    if (report.outcome == TimedWrite::Outcome::Queued && queueGeneration != generation_)
        report.outcome = TimedWrite::Outcome::Replaced;
    if (!report.Done() && linkFailed)
        report.outcome = TimedWrite::Outcome::Failed;
    return true;
}

bool CTimedWrite::Go(TimePoint now)
{
    if (now - write_.frameStart > write_.lateLimit) {
        write_.outcome = TimedWrite::Outcome::Missed;
        return false;
    }
    write_.outcome = TimedWrite::Outcome::Sending;
    write_.written = now;
    return true;
}

void CTimedWrite::Left(bool left, TimePoint at)
{
    write_.left = left ? at : TimePoint{};
}

void CTimedWrite::Sent(bool acknowledged)
{
    write_.outcome = TimedWrite::Outcome::Sent;
    write_.acknowledged = acknowledged;
}

CTimedWriteScheduler::IdlePlan CTimedWriteScheduler::PlanIdle(TimePoint now, TimePoint start, TimePoint pollDue) const
{
    const TimePoint handOver = start - kHandOver;
    if (now >= handOver)
        return {IdlePlan::Step::WritePass, handOver};
    const bool due = now >= pollDue;
    if (due && now + PollHoldOff() < handOver)
        return {IdlePlan::Step::Poll, now};
    // Wakes when a poll falls due (which is held off again if it would not
    // end in time); a poll due already waits for the write.
    return {IdlePlan::Step::Wait, due ? handOver : std::min(handOver, pollDue)};
}

void CTimedWriteScheduler::NotePoll(std::chrono::nanoseconds duration)
{
    polls_[next_] = duration;
    next_ = (next_ + 1) % polls_.size();
}

std::chrono::nanoseconds CTimedWriteScheduler::PollHoldOff() const
{
    std::chrono::nanoseconds longest{0};
    for (const auto duration : polls_)
        longest = std::max(longest, duration);
    return (longest.count() > 0 ? longest : std::chrono::nanoseconds(kPollGuess)) + kPollMargin;
}
