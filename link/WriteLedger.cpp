#include "WriteLedger.h"

#include <atomic>

namespace {

std::atomic<uint32_t> g_lastWriteTicket{0};

uint32_t NextWriteTicket()
{
    uint32_t id = 0;
    while (id == 0)
        id = g_lastWriteTicket.fetch_add(1, std::memory_order_relaxed) + 1;
    return id;
}

}  // namespace

bool ConfigShowsWrite(ClockConfig read, const ClockConfig& expected, uint8_t protocol)
{
    if (protocol != 2)
        read.illumination = expected.illumination;
    return read == expected;
}

uint32_t CWriteLedger::Issue(WriteKind kind)
{
    const uint32_t id = NextWriteTicket();
    entries_.push_back({id, kind, WriteOutcome::Pending});
    while (entries_.size() > kOutcomeLimit)
        entries_.pop_front();
    return id;
}

void CWriteLedger::Decide(uint32_t id, WriteOutcome outcome)
{
    if (id == 0)
        return;
    for (Entry& entry : entries_) {
        if (entry.id == id) {
            if (entry.outcome == WriteOutcome::Pending)
                entry.outcome = outcome;
            return;
        }
    }
}

void CWriteLedger::FailPending()
{
    for (Entry& entry : entries_) {
        if (entry.outcome == WriteOutcome::Pending)
            entry.outcome = WriteOutcome::LinkLost;
    }
}

WriteOutcome CWriteLedger::Outcome(const WriteTicket& ticket, bool linkDown) const
{
    if (ticket.id == 0)
        return WriteOutcome::LinkLost;
    for (const Entry& entry : entries_) {
        if (entry.id != ticket.id)
            continue;
        if (entry.kind != ticket.kind)
            break;
        if (entry.outcome == WriteOutcome::Pending && linkDown)
            return WriteOutcome::LinkLost;
        return entry.outcome;
    }
    return WriteOutcome::LinkLost;
}

void CWriteLedger::Acknowledge(uint32_t id, const ClockConfig& expected, uint8_t protocol)
{
    acknowledgedTicket_ = id;
    acknowledgedConfig_ = expected;
    acknowledgedProtocol_ = protocol;
    readBackDue_ = true;
}

bool CWriteLedger::Acknowledged(const WriteTicket& ticket, ClockConfig& expected) const
{
    if (!ticket || ticket.kind != WriteKind::Config || acknowledgedTicket_ != ticket.id)
        return false;
    expected = acknowledgedConfig_;
    return true;
}

bool CWriteLedger::TakeReadBack()
{
    const bool due = readBackDue_;
    readBackDue_ = false;
    return due;
}

uint8_t CWriteLedger::Confirm(const ClockConfig& held)
{
    const bool shows = ConfigShowsWrite(held, acknowledgedConfig_, acknowledgedProtocol_);
    Decide(acknowledgedTicket_, shows ? WriteOutcome::Landed : WriteOutcome::Differs);
    return acknowledgedProtocol_;
}
