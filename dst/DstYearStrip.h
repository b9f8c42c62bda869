// The coming twelve months at a glance, drawn under the preview line: when
// daylight time is in force, and the days it starts and ends on the clock's
// own face. Counted with the preview's arithmetic (ClockConfigWith and
// core/DstRules.h), so the strip and the preview line never disagree. Plain
// values: the dialog's strip widget only draws them.
//
// Positions are fractions of the twelve months shown, 0 at the present
// moment and 1 a year on.
#pragma once

#include "DstPreview.h"

#include <chrono>
#include <string>
#include <vector>

struct DstStripSpan {
    double from = 0;
    double to = 0;
    friend bool operator==(const DstStripSpan&, const DstStripSpan&) = default;
};

// A change of the clock's time: where it falls and its day on the clock's
// face just before it ("28 Mar").
struct DstStripMarker {
    double at = 0;
    bool start = false;
    std::string day;
    friend bool operator==(const DstStripMarker&, const DstStripMarker&) = default;
};

// A month of the clock's calendar, cut to the twelve months shown.
struct DstStripMonth {
    double from = 0;
    double to = 0;
    std::string name;  // "Jan"
};

struct DstYearStrip {
    std::chrono::sys_seconds from;  // UTC; the present moment
    std::chrono::sys_seconds to;    // the same time of day a year on, on the clock's face
    bool complete = false;          // the values name the days of both changes
    bool off = false;               // daylight saving is switched off
    std::vector<DstStripSpan> daylight;
    std::vector<DstStripMarker> changes;
    std::vector<DstStripMonth> months;
};

DstYearStrip YearStrip(const DstShown& shown, const DstPreviewContext& context);
