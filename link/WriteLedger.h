// What became of the writes a device object queued on the clock: the ticket
// each setter hands out, the outcome each ticket has come to, and the latest
// configuration write the clock acknowledged, with what a read of the clock
// should show after it.
//
// A ticket's outcome is Pending until it is decided, and the first decision
// stays: a write the clock refused does not land later. Only the latest
// kOutcomeLimit tickets are kept; an older one, a ticket of another object
// or of another kind reads as LinkLost. Ticket ids count across all ledgers
// of the process, so a ticket of one object is never taken for another's.
// A configuration write is decided by the read after its ACK (Confirm):
// Landed when the clock shows what was sent, else Differs.
//
// Thread rules: none of its own. The owner serialises every call (the device
// object calls it under its lock only); nothing here waits or blocks.
#pragma once

#include "ClockRecords.h"
#include "WriteOutcome.h"

#include <cstddef>
#include <cstdint>
#include <deque>

// Whether a configuration as a read shows it holds what an acknowledged
// write left there; firmware before protocol version 2 carries no
// illumination, which then does not count.
bool ConfigShowsWrite(ClockConfig read, const ClockConfig& expected, uint8_t protocol);

class CWriteLedger {
public:
    static constexpr size_t kOutcomeLimit = 256;

    // A new ticket of this kind, Pending; never 0.
    uint32_t Issue(WriteKind kind);
    // Gives the ticket its outcome unless it has one already; 0 and ids not
    // kept are ignored.
    void Decide(uint32_t id, WriteOutcome outcome);
    // Every ticket still Pending becomes LinkLost.
    void FailPending();
    // The ticket's outcome. linkDown: the link has failed or is shutting
    // down, so a Pending ticket will never go out and reads as LinkLost.
    WriteOutcome Outcome(const WriteTicket& ticket, bool linkDown) const;

    // The clock acknowledged the configuration write with this ticket;
    // expected is what a read of it should show, with the firmware's
    // protocol version. Replaces the write acknowledged before, and makes
    // its read-back due.
    void Acknowledge(uint32_t id, const ClockConfig& expected, uint8_t protocol);
    // Whether the latest acknowledged configuration write has this ticket;
    // expected then gets what a read should show.
    bool Acknowledged(const WriteTicket& ticket, ClockConfig& expected) const;
    // Whether a read-back is due; taking it makes it not due any more.
    bool TakeReadBack();
    // The read-back of the latest acknowledged write brought held: decides
    // that write Landed or Differs. Returns the protocol version the
    // expectation was made for.
    uint8_t Confirm(const ClockConfig& held);
    // The latest acknowledged configuration, as a read should show it.
    const ClockConfig& AcknowledgedConfig() const { return acknowledgedConfig_; }

private:
    struct Entry {
        uint32_t id = 0;
        WriteKind kind = WriteKind::Config;
        WriteOutcome outcome = WriteOutcome::Pending;
    };
    std::deque<Entry> entries_;
    uint32_t acknowledgedTicket_ = 0;
    ClockConfig acknowledgedConfig_;
    uint8_t acknowledgedProtocol_ = 2;
    bool readBackDue_ = false;
};
