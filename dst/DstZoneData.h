// A zone as the clock keeps it, read from the system's tz data through
// QTimeZone (kept current by the package manager): one standard offset, the
// clock's time zone bias, and a daylight shift on top of it. The time zone
// catalogue's offsets, the daylight-saving import, the preview and its
// agreement check all take the zone from here, so that the time zone and the
// rules imported for the same zone fit together. Qt stays out of this header
// so that callers without Qt can include it.
//
// The standard offset is the tz data's, except where the data describe a
// season of negative daylight saving: Irish winter time is "daylight" time
// one hour behind a summer "standard" time. The clock's shift there is
// taken the other way round: standard time is the lower offset (Dublin
// UTC+00:00, as London) and summer moves the clock forward. Negative
// daylight saving that lasts only weeks, such as Morocco's hour back in
// Ramadan, interrupts the standard time and stays a negative shift.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QTimeZone;

// One change between standard and daylight time.
struct ZoneDstChange {
    std::chrono::sys_seconds at;  // UTC
    bool start = false;           // into daylight time
    int32_t offsetBefore = 0;     // UTC offset in force just before, seconds east
    int32_t standardBefore = 0;   // standard offset just before
    int32_t shift = 0;            // the daylight offset of the daylight period it begins or ends
};

// A change of the zone's UTC offset, of any kind.
struct ZoneOffsetChange {
    std::chrono::sys_seconds at;  // UTC
    int32_t offset = 0;           // seconds east, from `at` on
};

struct ZoneDstData {
    std::string id;
    bool found = false;                  // the tz data knows the zone
    int32_t standardOffset = 0;          // at the start of the range
    std::vector<ZoneDstChange> changes;  // in time order
    // Other changes in the range: of the standard offset, or from one
    // daylight offset to another. The clock's rules cannot follow them.
    std::vector<std::chrono::sys_seconds> otherChanges;
    // The UTC offset at the start of the range and every change of it, in
    // time order: the zone's local time at any moment of the range.
    int32_t initialOffset = 0;
    std::vector<ZoneOffsetChange> offsets;
};

// The zone's changes at or after `from` and before `to`.
ZoneDstData ReadZoneDst(std::string_view zoneId, std::chrono::sys_seconds from, std::chrono::sys_seconds to);

// The zone's UTC offset at a moment of the range read.
int32_t ZoneOffsetAt(const ZoneDstData& zone, std::chrono::sys_seconds at);

// Whether a name the user gave names a zone: one of the tz data (a zone
// file of the system's tz database, aliases such as US/Eastern included) or
// a UTC offset as Qt names one ("UTC", "UTC+01:00", "UTC-5:30"). Qt itself
// would take any other word as a POSIX TZ string, "Berlin" as UTC+00:00.
bool IsKnownZoneId(std::string_view zoneId);

// The zone's standard offset as the clock keeps it (see above), seconds
// east, at a moment; none for a zone the tz data does not know
// (IsKnownZoneId).
std::optional<int32_t> ZoneStandardOffset(std::string_view zoneId, std::chrono::sys_seconds at);
int32_t ZoneStandardOffset(const QTimeZone& zone, std::chrono::sys_seconds at);

// The id of the computer's own zone ("Europe/Berlin"); empty when the system
// names none.
std::string SystemZoneId();
