#include "SimUsbBridge.h"

void CSimUsbBridge::CloseHeld(TimePoint at)
{
    ready_.push_back({at, std::move(held_)});
    held_.clear();
}

void CSimUsbBridge::Arrive(const std::vector<uint8_t>& bytes, TimePoint last, std::chrono::nanoseconds spacing)
{
    if (bytes.empty())
        return;
    if (latency_ <= std::chrono::nanoseconds::zero()) {
        ready_.push_back({last, bytes});
        return;
    }
    for (size_t i = 0; i < bytes.size(); ++i) {
        const TimePoint at = last - spacing * static_cast<int64_t>(bytes.size() - 1 - i);
        // The timer ran out before this byte came: what was held went on.
        if (!held_.empty() && at >= heldSince_ + latency_)
            CloseHeld(heldSince_ + latency_);
        if (held_.empty())
            heldSince_ = at;
        held_.push_back(bytes[i]);
        if (held_.size() == kPacketBytes)
            CloseHeld(at);
    }
}

std::vector<CSimUsbBridge::Packet> CSimUsbBridge::Release(TimePoint now)
{
    if (!held_.empty() && heldSince_ + latency_ <= now)
        CloseHeld(heldSince_ + latency_);
    std::vector<Packet> out;
    while (!ready_.empty() && ready_.front().at <= now) {
        out.push_back(std::move(ready_.front()));
        ready_.pop_front();
    }
    return out;
}

std::optional<CSimUsbBridge::TimePoint> CSimUsbBridge::NextRelease() const
{
    if (!ready_.empty())
        return ready_.front().at;
    if (!held_.empty())
        return heldSince_ + latency_;
    return std::nullopt;
}

void CSimUsbBridge::Clear()
{
    ready_.clear();
    held_.clear();
}
