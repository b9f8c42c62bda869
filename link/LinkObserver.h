// A window on the clock link for a trace or a test: every frame sent and
// received, every ACK and NAK, every frame given up and why, and the
// device's own events (state changes, waits that ran out, failed reads, the
// port's state). Nothing here changes what the link does.
//
// Thread rules: OnLinkEvent is called on the device's link thread and on the
// serial master's receive thread, at times from both at once, so an
// observer guards its own state. It is called without any of the link's
// locks held, so it may use the device's getters; but it runs inside the
// link's timing, so it must return quickly and must never wait for the link
// to move on (for IsReady, say), which it cannot do until the call returns.
// The observer is fixed when the link is made; with none, the link pays one
// pointer test per event.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

struct LinkEvent {
    enum class Kind : uint8_t {
        FrameSent,      // a command went to the clock: code, bytes
        FrameReceived,  // a frame passed the checks: code, bytes
        AckReceived,    // ACK between frames
        NakReceived,    // NAK between frames
        NakSent,        // the master answered a frame it would not take
        FrameRejected,  // a frame was given up: bytes as stored, text why
        StateChanged,   // code: the device's new state, text: its name
        WaitExpired,    // code: the command waited for, text: what for
        ReadFailed,     // code: the read's command, text: why
        ReadRetried,    // code: the read's command, sent once more; text: what the first answer ran into
        PortChanged,    // code: the PortState, text: the sentence for the user
        PortLatency,    // once the port is open: code: its LowLatency, text: what became of the request
        PortClosed,     // the owner ended the link and the port is closed: text: the device, empty for none
    };
    enum class Direction : uint8_t {
        None,
        ToClock,
        FromClock,
    };

    Kind kind = Kind::FrameSent;
    std::chrono::steady_clock::time_point time;
    Direction direction = Direction::None;
    uint8_t code = 0;
    std::vector<uint8_t> bytes;
    std::string text;
};

// "frame sent", "state changed", ...: for one line of a trace.
const char* LinkEventKindName(LinkEvent::Kind kind);

class ILinkObserver {
public:
    virtual ~ILinkObserver() = default;
    virtual void OnLinkEvent(const LinkEvent& event) = 0;
};
