#include "LinkObserver.h"

const char* LinkEventKindName(LinkEvent::Kind kind)
{
    using Kind = LinkEvent::Kind;
    switch (kind) {
    case Kind::FrameSent: return "frame sent";
    case Kind::FrameReceived: return "frame received";
    case Kind::AckReceived: return "ACK received";
    case Kind::NakReceived: return "NAK received";
    case Kind::NakSent: return "NAK sent";
    case Kind::FrameRejected: return "frame rejected";
    case Kind::StateChanged: return "state changed";
    case Kind::WaitExpired: return "wait ran out";
    case Kind::ReadFailed: return "read failed";
    case Kind::ReadRetried: return "read retried";
    case Kind::PortChanged: return "port changed";
    case Kind::PortLatency: return "port latency";
    case Kind::PortClosed: return "port closed";
    }
    return "?";
}
