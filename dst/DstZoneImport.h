// The import of a zone's daylight-saving rules from the computer's tz data:
// the rules of the computer's own zone ("Current &System Setting") or of a
// zone chosen by name ("From Zone..."), in the form the clock keeps them.
//
// Where the rules come from: the dates and offsets are the system's tz data
// (QTimeZone), its changes over the coming 28 years. That span holds every
// weekday on every date a rule can fall on, so a rule the clock cannot
// express shows itself. From these changes the import picks the weekday rule
// (week 1..4 or last) or fixed date that matches the most years, the time of
// day and the shift.
//
// Whether a change happens at a UTC or a local time the tz data does not
// say. ICU's raw rules do, but ICU carries its own, older copy of the rules,
// so ICU is believed only when its rule reproduces the system's changes of
// the next ten years exactly. A rule ICU states in UTC then loads with the
// UTC reference and UTC times; every other zone loads with local times as
// the clock shows them just before each change (standard time before the
// start, daylight time before the end).
#pragma once

#include "DstRuleSet.h"
#include "DstZoneData.h"
#include "Translatable.h"

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct DstZoneImport {
    std::string zoneId;
    bool found = false;   // the tz data knows the zone
    bool hasDst = false;  // the zone changes to daylight time in the coming years
    // The clock's rules follow every change of the coming years, and the
    // zone's standard time does not change.
    bool exact = false;
    bool referenceConfirmed = false;  // ICU's rule agreed: the time reference is the zone's own
    // daylightBias and both rules, on the zone's standard time as the clock
    // keeps it (DstZoneData.h); `bias` stays 0. A zone without daylight
    // saving gives month 0, week 0, Sunday, 00:00:00 and shift 0 in both, and
    // the editor turns daylight time off for it.
    DstRuleSet rules;
    uint8_t utcReference = 0;
    // What was imported, for a message box with the caption
    // kDstImportCaption (DstEditor.h) and one OK button.
    std::string message;
    // The same, sentence by sentence, for the window to translate.
    std::vector<Sentence> sentences;
};

// One of a zone's yearly rules as ICU states it, in plain values, so that
// the conversion below takes no ICU objects and can be fed made-up zones.
struct ZoneYearlyRule {
    enum class Day : uint8_t {
        OfMonth,            // dayOfMonth of month
        WeekdayOfMonth,     // the weekInMonth-th dayOfWeek, counted from the month's end when negative
        WeekdayOnOrAfter,   // the first dayOfWeek on or after dayOfMonth
        WeekdayOnOrBefore,  // the last dayOfWeek on or before dayOfMonth
    };
    // The scale timeOfDay counts on: the wall clock before the change, local
    // standard time, or UTC.
    enum class Scale : uint8_t { Wall, Standard, Utc };

    Day day = Day::OfMonth;
    unsigned month = 1;      // 1..12
    int dayOfMonth = 1;      // 1..31
    unsigned dayOfWeek = 0;  // 0 Sunday .. 6 Saturday
    int weekInMonth = 1;     // 1..5, or -1..-5 from the month's end
    std::chrono::milliseconds timeOfDay{0};
    Scale scale = Scale::Wall;
};

// Imports the named zone's rules as they stand at `now`: its changes over
// the coming 28 years and ICU's yearly rules, through ImportDstChanges. A
// name that is no zone of the tz data (IsKnownZoneId) is not found.
DstZoneImport ImportDstZone(std::string_view zoneId, std::chrono::sys_seconds now);

// The conversion itself, without the tz data: turns a zone's changes (in
// time order, as ReadZoneDst gives them) into the clock's rules. The yearly
// rules, empty when ICU has none, decide the time reference only when they
// make every change of the ten years from `now`.
DstZoneImport ImportDstChanges(const ZoneDstData& zone, const std::vector<ZoneYearlyRule>& yearlyRules,
                               std::chrono::sys_seconds now);

// Imports the computer's own zone.
DstZoneImport ImportSystemDstZone(std::chrono::sys_seconds now);
