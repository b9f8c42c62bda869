// A zone's daylight-saving changes as the system's tz data gives them,
// through QTimeZone (kept current by the package manager). The import and
// the preview share it. Qt stays out of this header so that callers without
// Qt can include it.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// One change between standard and daylight time.
struct ZoneDstChange {
    std::chrono::sys_seconds at;  // UTC
    bool start = false;           // into daylight time
    int32_t offsetBefore = 0;     // UTC offset in force just before, seconds east
    int32_t standardBefore = 0;   // standard offset just before
    int32_t shift = 0;            // the daylight offset of the daylight period it begins or ends
};

struct ZoneDstData {
    std::string id;
    bool found = false;                  // the tz data knows the zone
    int32_t standardOffset = 0;          // at the start of the range
    std::vector<ZoneDstChange> changes;  // in time order
    // Other changes in the range: of the standard offset, or from one
    // daylight offset to another. The clock's rules cannot follow them.
    std::vector<std::chrono::sys_seconds> otherChanges;
};

// The zone's changes at or after `from` and before `to`.
ZoneDstData ReadZoneDst(std::string_view zoneId, std::chrono::sys_seconds from, std::chrono::sys_seconds to);

// The id of the computer's own zone ("Europe/Berlin"); empty when the system
// names none.
std::string SystemZoneId();
