// The outcomes of queued writes, and the read-back of a configuration write.
#include "WriteLedger.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct OutcomeCase {
    const char* name;
    std::vector<WriteOutcome> decisions;  // given in this order
    bool linkFailed;                      // FailPending after the decisions
    int laterTickets;                     // issued after it
    bool linkDown;
    WriteKind askedAs;
    WriteOutcome expected;
};

TEST(WriteLedger, OutcomeOfATicket)
{
    using O = WriteOutcome;
    const OutcomeCase cases[] = {
        {"undecided", {}, false, 0, false, WriteKind::Config, O::Pending},
        {"the first decision stays", {O::Refused, O::Landed}, false, 0, false, WriteKind::Config, O::Refused},
        {"replaced before it went out", {O::Replaced}, false, 0, false, WriteKind::Config, O::Replaced},
        {"link failed while pending", {}, true, 0, false, WriteKind::Config, O::LinkLost},
        {"decided before the link failed", {O::Landed}, true, 0, false, WriteKind::Config, O::Landed},
        {"pending on a link that is down", {}, false, 0, true, WriteKind::Config, O::LinkLost},
        {"decided, link down since", {O::Unanswered}, false, 0, true, WriteKind::Config, O::Unanswered},
        {"asked as another kind", {O::Landed}, false, 0, false, WriteKind::Time, O::LinkLost},
        {"still kept after 255 more", {O::Differs}, false, 255, false, WriteKind::Config, O::Differs},
        {"forgotten after 256 more", {O::Differs}, false, 256, false, WriteKind::Config, O::LinkLost},
    };
    for (const OutcomeCase& c : cases) {
        CWriteLedger ledger;
        const WriteTicket ticket{WriteKind::Config, ledger.Issue(WriteKind::Config)};
        for (const WriteOutcome outcome : c.decisions)
            ledger.Decide(ticket.id, outcome);
        if (c.linkFailed)
            ledger.FailPending();
        for (int i = 0; i < c.laterTickets; ++i)
            ledger.Issue(WriteKind::Display);
        EXPECT_EQ(ledger.Outcome(WriteTicket{c.askedAs, ticket.id}, c.linkDown), c.expected) << c.name;
    }
}

TEST(WriteLedger, TicketsNotIssuedHereAreLost)
{
    CWriteLedger mine;
    CWriteLedger other;
    const uint32_t id = mine.Issue(WriteKind::Time);
    EXPECT_NE(id, 0u);
    EXPECT_EQ(other.Outcome(WriteTicket{WriteKind::Time, id}, false), WriteOutcome::LinkLost);
    EXPECT_EQ(mine.Outcome(WriteTicket{WriteKind::Time, 0}, false), WriteOutcome::LinkLost);
    EXPECT_EQ(mine.Outcome(WriteTicket{WriteKind::Time, id}, false), WriteOutcome::Pending);
}

struct ReadBackCase {
    const char* name;
    uint8_t protocol;
    uint8_t heldIllumination;
    uint32_t heldBias;
    WriteOutcome expected;
};

TEST(WriteLedger, ReadBackDecidesAnAcknowledgedConfiguration)
{
    // Sent: illumination 7, bias 3600 s.
    const ReadBackCase cases[] = {
        {"holds what was sent", 2, 7, 3600, WriteOutcome::Landed},
        {"other illumination", 2, 0, 3600, WriteOutcome::Differs},
        {"no illumination before protocol 2", 1, 0, 3600, WriteOutcome::Landed},
        {"other bias before protocol 2", 1, 7, 7200, WriteOutcome::Differs},
    };
    for (const ReadBackCase& c : cases) {
        CWriteLedger ledger;
        const WriteTicket ticket{WriteKind::Config, ledger.Issue(WriteKind::Config)};
        ClockConfig sent;
        sent.illumination = 7;
        sent.biasSeconds = 3600;
        ledger.Acknowledge(ticket.id, sent, c.protocol);
        EXPECT_EQ(ledger.Outcome(ticket, false), WriteOutcome::Pending) << c.name;
        ASSERT_TRUE(ledger.TakeReadBack()) << c.name;
        EXPECT_FALSE(ledger.TakeReadBack()) << c.name << ": one read-back per ACK";
        ClockConfig held = sent;
        held.illumination = c.heldIllumination;
        held.biasSeconds = c.heldBias;
        EXPECT_EQ(ledger.Confirm(held), c.protocol) << c.name;
        EXPECT_EQ(ledger.Outcome(ticket, false), c.expected) << c.name;
    }
}

TEST(WriteLedger, OnlyTheLatestAcknowledgedConfigurationIsKept)
{
    CWriteLedger ledger;
    const WriteTicket first{WriteKind::Config, ledger.Issue(WriteKind::Config)};
    const WriteTicket second{WriteKind::Config, ledger.Issue(WriteKind::Config)};
    ClockConfig a;
    a.biasSeconds = 60;
    ClockConfig b;
    b.biasSeconds = 120;
    ledger.Acknowledge(first.id, a, 2);
    ledger.Acknowledge(second.id, b, 2);
    ClockConfig expected;
    EXPECT_FALSE(ledger.Acknowledged(first, expected));
    EXPECT_FALSE(ledger.Acknowledged(WriteTicket{WriteKind::Time, second.id}, expected));
    ASSERT_TRUE(ledger.Acknowledged(second, expected));
    EXPECT_EQ(expected.biasSeconds, 120u);
    // The link went down before the read-back: acknowledged all the same.
    ledger.FailPending();
    EXPECT_EQ(ledger.Outcome(second, false), WriteOutcome::LinkLost);
    EXPECT_TRUE(ledger.Acknowledged(second, expected));
}

}  // namespace
