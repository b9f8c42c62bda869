// An observer that records every event of a link, for the link tests.
#pragma once

#include "LinkObserver.h"

#include <cstdio>
#include <mutex>
#include <string>
#include <vector>

// Records every event of a link.
class EventLog final : public ILinkObserver {
public:
    void OnLinkEvent(const LinkEvent& event) override
    {
        std::lock_guard<std::mutex> lock(mutex_);
        events_.push_back(event);
    }
    std::vector<LinkEvent> Events() const
    {
        std::lock_guard<std::mutex> lock(mutex_);
        return events_;
    }
    // The first event of a kind (and code, unless any) from the given
    // index on, or -1.
    int Find(LinkEvent::Kind kind, int code = -1, size_t from = 0) const
    {
        std::lock_guard<std::mutex> lock(mutex_);
        for (size_t i = from; i < events_.size(); ++i) {
            if (events_[i].kind == kind && (code < 0 || events_[i].code == code))
                return static_cast<int>(i);
        }
        return -1;
    }

private:
    mutable std::mutex mutex_;
    std::vector<LinkEvent> events_;
};

inline std::string Describe(const LinkEvent& e)
{
    char code[8];
    std::snprintf(code, sizeof code, "%02X", e.code);
    return std::string(LinkEventKindName(e.kind)) + " " + code + (e.text.empty() ? "" : " (" + e.text + ")");
}
