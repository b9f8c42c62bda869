// Keeps the identification read's messages from repeating without end.
//
// A clock that greets but cannot be identified makes every device object
// fail the same way, and the owner makes a new object every few seconds. The
// first object's messages are shown; while the same failure repeats on the
// following objects of one outage it is not shown again (the caller says it in
// its cause line instead). Once a clock has been identified, a new failure
// shows again.
//
// Owner thread only.
#pragma once

#include <cstdint>
#include <set>
#include <string>

class CLinkMessageFilter {
public:
    // A message of the device object of the given generation (the count of
    // objects made, CClockConnection::Generation). True when it is to be
    // shown; false when the user has seen it on an earlier object of this
    // outage. Either way it becomes the last failure.
    bool ShouldShow(uint64_t generation, const std::string& text);
    // A clock has been identified: the outage is over.
    void Identified();
    // The last failure of this outage, empty when none.
    const std::string& LastFailure() const { return lastFailure_; }

private:
    struct Shown {
        std::string text;
        uint64_t generation;
        bool operator<(const Shown& other) const { return text < other.text; }
    };
    std::set<Shown> shown_;
    std::string lastFailure_;
};
