// Hands left stopped. If the link drops while the hand position dialog has
// the hands stopped, the clock keeps them stopped, and the next connection
// finds its configuration saying so. The port is ours alone, so nobody else
// is setting them: the window offers, once per connection, to start them
// again, in the motion they were last meant to have.
//
// This keeps what that needs: the motion the hand position command last
// sent for each clock (by serial number, so a clock swapped for another
// does not get the first one's motion), and the device object the question
// was last asked for.
//
// User-interface thread only.
#pragma once

#include "ClockDevice.h"

#include <cstdint>
#include <map>
#include <memory>

class CStoppedHands {
public:
    // The hand position command sent this motion to the clock with this
    // serial number; a stop (motion 2) is no motion to go back to.
    void Remember(uint32_t serialNumber, uint8_t motion);
    // The motion to start stopped hands in: the one remembered for the
    // clock, else sweep.
    uint8_t RestartMotion(uint32_t serialNumber) const;

    // Whether to ask about this device object now: it is ready, nothing is
    // queued for it (a queued configuration may be the restart itself), its
    // configuration says the hands are stopped, and it has not been asked
    // about before. A true answer counts as asked.
    bool TakeQuestion(const std::shared_ptr<CClockDevice>& device);
    // Counts the device object as asked about.
    void MarkAsked(const std::shared_ptr<CClockDevice>& device) { asked_ = device; }
    // The question taken could not be asked after all: ask again later.
    void ForgetAsked() { asked_.reset(); }

private:
    std::map<uint32_t, uint8_t> motions_;
    // Weak: the question must not keep a replaced object (and its port)
    // alive; an object that is gone can never be asked about again.
    std::weak_ptr<CClockDevice> asked_;
};
