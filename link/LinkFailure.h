// What the exchange with the clock that failed last ran into: the link
// classifies each failed read, hello or write as it gives up on it, so the
// sentence that says why the clock cannot be reached can name what
// happened rather than "stopped answering" for everything. An unplugged
// cable is the port's own state (PortState::Gone), not one of these.
#pragma once

#include <cstdint>

enum class LinkFailure : uint8_t {
    None,         // no exchange has failed
    NoAnswer,     // nothing came back in time
    Damaged,      // a frame came back that failed its checks (bad checksum, cut off)
    WrongLength,  // a reply of the wrong length for its command
    WrongReply,   // a reply under another command's code
    Unreadable,   // a reply of the right length whose fields could not be read
    Ack,          // an ACK where a reply belongs
    Nak,          // a NAK: the clock did not take the command
};
